// Text that reaches a file or a code through the user's typing: the updater job's
// inputs and the text, number, date and address parsers.

#include "fuzz_targets.h"
#include "fuzz_workspace.h"

#include "config/updater_job_file.h"
#include "controls/date_utilities.h"
#include "controls/text_utilities.h"
#include "core/address_helpers.h"
#include "core/program_state.h"
#include "core/version_check.h"
#include "platform/number_conversion.h"
#include "platform/xml_document.h"

int Fuzz_Updater_Job_File(const std::uint8_t* data, std::size_t size) {
    Fuzz_Program_Folder();
    if (size < 1) return 0;
    // The first byte picks the option and the read-back flag, the rest is the address
    // as typed; the program folder's name goes into the file's paths too.
    TUpdateJob job;
    job.Option = data[0] % 3;
    job.Read_Back = (data[0] & 0x80) != 0;
    job.Address = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    TXMLDocument document;
    Fuzz_Require(Save_Updater_Job_File(document, job), "the job file could not be written");
    TXMLDocument written;
    Fuzz_Require(written.LoadFromFile(Updater_Job_File_Path()), "the job file written is not well-formed");
    Fuzz_Require(written.DocumentElement().NodeName() == QStringLiteral("Ethernet_Update"), "the job file lost its root");
    return 0;
}

int Fuzz_Text_Parsing(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    // Each parser says through its result what it made of the text; none may crash or hang.
    NormalizeNumberText(text);
    ClassifyNumberText(text);
    CellTextKind(text, true);
    CellTextKind(text, false);
    EscapedToWide(text);
    WideToEscaped(text);
    ControlCharsToLineBreaks(text, true);
    TildesToLineBreaks(text);
    VTabsToLineBreaks(text);
    EscapedNewlinesToCR(text);
    UndoubleChar(u'"', text);
    CountTextLines(text, true);
    CapitalizeWords(text);
    IsUrlText(text);
    QString fields = text;
    for (int i = 0; i < 4 && !fields.isEmpty(); ++i) CutFirstField(fields, u',');
    QString lines = text;
    TakeFirstLine(lines, true);
    TPoint cell{};
    ParseR1C1(text, cell);
    IsDateLikeText(text);
    // An impossible date raises, as the date routines promise their callers.
    for (TDateTime (*parse)(const QString&) : {ParseDateMDY, ParseDateDMY}) {
        try {
            parse(text);
        } catch (const EConvertError&) {
        }
    }
    std::int64_t wide = 0;
    TryStrToInt64(text, wide);
    StrToIntDef(text, -1);
    Check_KNX_Address(text, true, false);
    Check_KNX_Address(text, false, true);
    Has_No_Dot(text);
    QString ip[4];
    Split_IP_Address(text, ip[0], ip[1], ip[2], ip[3]);
    std::uint8_t b[4]{};
    Parse_IP_Bytes(text, b[0], b[1], b[2], b[3]);
    float value = 0;
    Str_To_Float_Sep(text, u'.', value);
    Str_To_Float_Sep(text, u',', value);
    KNX_APCI_Code(text);
    KNX_Priority_Code(text);
    Data_Conversion_Code(text);
    Conv_Version(text);
    Read_Version_Answer(text);
    return 0;
}
