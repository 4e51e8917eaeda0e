// The RTF reader on any input: no crash, output bounded by the input, and what it read
// written again reads back the same.

#include "fuzz_targets.h"
#include "fuzz_workspace.h"

#include "grid/edit/rtf_codec.h"

#include <QString>

int Fuzz_Rtf_Reader(const std::uint8_t* data, std::size_t size) {
    const QString input = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    const TRtfRuns runs = ReadRtf(input);
    qsizetype length = 0;
    for (const TRtfRun& run : runs) length += run.Text.size();
    Fuzz_Require(length <= input.size(), "the text read is longer than the input");
    Fuzz_Require(ReadRtf(WriteRtf(runs)) == runs, "what was read does not read back after writing");
    return 0;
}
