// The readers of the program's own files: each input is the whole file.

#include "fuzz_targets.h"
#include "folder_snapshot.h"
#include "fuzz_workspace.h"

#include "config/configuration_compiler.h"
#include "config/general_parameters_file.h"
#include "core/language_file.h"
#include "core/program_state.h"
#include "core/settings_file.h"
#include "core/text_table.h"
#include "platform/file_system.h"
#include "platform/xml_document.h"
#include "platform/xml_quick_check.h"
#include "platform/xml_well_formedness.h"

#include <QFileInfo>
#include <algorithm>

int Fuzz_Settings_File(const std::uint8_t* data, std::size_t size) {
    const QString folder = Fuzz_Program_Folder();
    Fuzz_Write_File(Settings_File_Path(), data, size);
    const QByteArray before = Folder_Snapshot(folder);
    TXMLDocument xml;
    Read_Settings(xml);
    Fuzz_Require(Folder_Snapshot(folder) == before, "reading the settings changed the disk");
    // Whatever was read is written so that it reads back the same.
    const QString name = Project_Name, address = Last_IP_Address, language = Language_Name;
    const bool flags[] = {Enable_Internet, Enable_Update, Enable_Jump_Field, Enable_Auto_Size};
    Fuzz_Require(Write_Settings(xml), "the settings could not be written");
    // Values long enough to pass the settings file's size cap are not the program's own.
    if (QFileInfo(Settings_File_Path()).size() > Max_Settings_File_Size) return 0;
    Read_Settings(xml);
    const bool again[] = {Enable_Internet, Enable_Update, Enable_Jump_Field, Enable_Auto_Size};
    Fuzz_Require(std::equal(std::begin(flags), std::end(flags), std::begin(again)), "a flag changed on the way back");
    Fuzz_Require(Last_IP_Address.isEmpty() == address.isEmpty() && Language_Name.isEmpty() == language.isEmpty() &&
                     Project_Name.isEmpty() == name.isEmpty(),
                 "a value was lost on the way back");
    return 0;
}

int Fuzz_Language_File(const std::uint8_t* data, std::size_t size) {
    Fuzz_Program_Folder();
    const QString path = PathJoin(Dir_Language, QStringLiteral("Fuzz.lng"));
    Fuzz_Write_File(path, data, size);
    Load_Default_Texts();
    Load_Language_File(path);
    Fuzz_Require(SL_Lang_Texts.Count() == Text_Table_Size, "a language file changed the size of the text table");
    for (int i = 0; i < SL_Lang_Texts.Count(); ++i)
        Fuzz_Require(SL_Lang_Texts.Strings(i).size() <= 4096, "a language text is longer than any label can show");
    return 0;
}

int Fuzz_General_Parameters_File(const std::uint8_t* data, std::size_t size) {
    Fuzz_Program_Folder();
    Fuzz_Write_File(File_ParGen, data, size);
    TXMLDocument document;
    Load_General_Parameters_File(document, File_ParGen);
    const TGeneralParameters parameters = Read_General_Parameters(document);
    Read_General_Parameter_Extras(document);
    // What the form would show is saved so that it loads back value for value.
    Fuzz_Require(Save_General_Parameters(document, parameters, File_ParGen), "the parameters could not be written");
    TXMLDocument again;
    Load_General_Parameters_File(again, File_ParGen);
    const TGeneralParameters reread = Read_General_Parameters(again);
    // Characters XML cannot hold are dropped on writing; every other value comes back.
    const auto plain = [](const QString& text) {
        return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0xD800; });
    };
    for (const TGeneralParameterElement& element : General_Parameter_Elements()) {
        const QString& value = parameters.*element.field;
        Fuzz_Require(!plain(value) || (reread.*element.field).trimmed() == value.trimmed(),
                     "a parameter changed on the way back");
    }
    return 0;
}

namespace {

// One configuration file holds the input, the three others are missing.
int Compile_With(QString* file, const std::uint8_t* data, std::size_t size) {
    const QString folder = Fuzz_Program_Folder();
    Fuzz_Write_File(*file, data, size);
    const QByteArray before = Folder_Snapshot(folder);
    const TCompileResult result = Compile_Bank();
    Fuzz_Require(Folder_Snapshot(folder) == before, "compiling changed the disk");
    Fuzz_Require(result.Ok ? Bank_Length == Bank_Image_Size : (Bank_Length == 0 && !result.Message.isEmpty()),
                 "a compilation neither built a whole image nor said why not");
    return 0;
}

}  // namespace

int Fuzz_Compiler_ParGen(const std::uint8_t* data, std::size_t size) { return Compile_With(&File_ParGen, data, size); }
int Fuzz_Compiler_DALI_Access(const std::uint8_t* data, std::size_t size) {
    return Compile_With(&File_DALI_Access, data, size);
}
int Fuzz_Compiler_DALI2_Access(const std::uint8_t* data, std::size_t size) {
    return Compile_With(&File_DALI2_Access, data, size);
}
int Fuzz_Compiler_KNX_SetAccess(const std::uint8_t* data, std::size_t size) {
    return Compile_With(&File_KNX_SetAccess, data, size);
}

int Fuzz_XML_Document(const std::uint8_t* data, std::size_t size) {
    const QString path = PathJoin(Fuzz_Program_Folder(), QStringLiteral("document.xml"));
    Fuzz_Write_File(path, data, size);
    TXMLDocument document;
    if (!document.LoadFromFile(path)) {
        Fuzz_Require(document.DocumentElement().IsNull(), "a refused file left nodes behind");
        return 0;
    }
    // A document that was read is written so that it reads again, to the same text.
    const QString written = document.SaveToString();
    TXMLDocument again;
    Fuzz_Require(again.LoadFromString(written), "a document read from a file was written unreadable");
    Fuzz_Require(again.SaveToString() == written, "a document changed on its way back");
    return 0;
}

int Fuzz_XML_Quick_Check(const std::uint8_t* data, std::size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    if (Quick_Xml_Check(text, size) != TXmlQuickVerdict::Well_Formed) return 0;
    // What the quick pass vouches for, the conforming parser takes too, read either way.
    Fuzz_Require(Full_Parser_Finds_Well_Formed(text, size, TXmlTextEncoding::Declared) &&
                     Full_Parser_Finds_Well_Formed(text, size, TXmlTextEncoding::Utf8),
                 "the quick pass vouched for a document the parser refuses");
    return 0;
}
