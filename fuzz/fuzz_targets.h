#pragma once
// The fuzz targets: one entry per reader of outside input. Each takes any bytes, must
// end within bounded time and memory, and checks what must hold for every input (it
// aborts when something does not). libFuzzer drives them in the fuzz build; the test
// suite replays the seeds and every past finding through the same entries.

#include <cstddef>
#include <cstdint>
#include <vector>

using TFuzzEntry = int (*)(const std::uint8_t* data, std::size_t size);

struct TFuzzTarget {
    const char* name;  // also the name of its folder of seeds and findings
    TFuzzEntry run;
};

const std::vector<TFuzzTarget>& Fuzz_Targets();

int Fuzz_Settings_File(const std::uint8_t* data, std::size_t size);
int Fuzz_Language_File(const std::uint8_t* data, std::size_t size);
int Fuzz_General_Parameters_File(const std::uint8_t* data, std::size_t size);
int Fuzz_Compiler_ParGen(const std::uint8_t* data, std::size_t size);
int Fuzz_Compiler_DALI_Access(const std::uint8_t* data, std::size_t size);
int Fuzz_Compiler_DALI2_Access(const std::uint8_t* data, std::size_t size);
int Fuzz_Compiler_KNX_SetAccess(const std::uint8_t* data, std::size_t size);
int Fuzz_Updater_Job_File(const std::uint8_t* data, std::size_t size);
int Fuzz_XML_Document(const std::uint8_t* data, std::size_t size);
int Fuzz_Text_Parsing(const std::uint8_t* data, std::size_t size);
int Fuzz_Draw_Markup_Text(const std::uint8_t* data, std::size_t size);
int Fuzz_Markup_Text(const std::uint8_t* data, std::size_t size);
int Fuzz_Control_Tags(const std::uint8_t* data, std::size_t size);
int Fuzz_Gif_Frame_Walk(const std::uint8_t* data, std::size_t size);
int Fuzz_Drop_Payloads(const std::uint8_t* data, std::size_t size);
int Fuzz_Rtf_Reader(const std::uint8_t* data, std::size_t size);
int Fuzz_Clipboard_Text(const std::uint8_t* data, std::size_t size);
int Fuzz_Cell_Block(const std::uint8_t* data, std::size_t size);
int Fuzz_XML_Quick_Check(const std::uint8_t* data, std::size_t size);
int Fuzz_Grid_Csv(const std::uint8_t* data, std::size_t size);
int Fuzz_Grid_Fixed_Width(const std::uint8_t* data, std::size_t size);
int Fuzz_Grid_Text_File(const std::uint8_t* data, std::size_t size);
int Fuzz_Grid_Text_Stream(const std::uint8_t* data, std::size_t size);
int Fuzz_Grid_Cell_Stream(const std::uint8_t* data, std::size_t size);
int Fuzz_Grid_XML(const std::uint8_t* data, std::size_t size);
int Fuzz_Grid_Column_States(const std::uint8_t* data, std::size_t size);
int Fuzz_Grid_Visual_Props(const std::uint8_t* data, std::size_t size);
int Fuzz_Grid_Print_Settings(const std::uint8_t* data, std::size_t size);
int Fuzz_Grid_Xlsx(const std::uint8_t* data, std::size_t size);
int Fuzz_Grid_Docx(const std::uint8_t* data, std::size_t size);
