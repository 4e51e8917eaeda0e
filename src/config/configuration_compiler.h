#pragma once
// The configuration compiler: turns the configuration's four XML files (general
// parameters, DALI options, DALI-2 rules, KNX rules) into the device image. Every run
// starts from defaults and reads the files again through its own XML document. A
// missing file is no error; a broken one, a row without a required attribute or a
// list longer than its table stops the compilation with a message, and then no image
// is left to write. Cells are read by the rules the editors' checks share
// (rule_cell_rules.h); every "row" of a list is walked in order, whatever an earlier
// row's key cell holds, so a hand-edited file compiles row by row.
//
// Sections: result and entry points; the steps of Compile_Bank in their order; the
// address encoders; the code tables of the DALI-2 cell texts.

#include "config/bank_image.h"
#include "config/rule_cell_rules.h"
#include "platform/xml_document.h"
#include "platform/types.h"

#include <QString>
#include <array>
#include <cstdint>

// The image of the last successful compilation: its first Bank_Length bytes.
inline std::array<std::uint8_t, Bank_Buffer_Size> Bank_Buffer{};
inline int Bank_Length = 0;

struct TCompileResult {
    bool Ok = true;
    QString Message;  // why it failed, for the user
};

// Raised by the steps below; Compile_Bank turns it into its result.
class ECompileError : public Exception {
    using Exception::Exception;
};

// Create_Bin runs Compile_Bank, Save_Bin runs Write_Bank_File.
TCompileResult Create_Bin();
TCompileResult Save_Bin();

// The configuration's "bin/bank.bin".
QString Bank_File_Path();

// Builds the image into Bank_Buffer and sets Bank_Length; on failure Bank_Length is 0.
TCompileResult Compile_Bank();
// Writes the image to the configuration's "bin/bank.bin", creating the folder when it
// is missing; refuses when there is no compiled image.
TCompileResult Write_Bank_File();

// The steps, in this order, each on the working image; all but the first may raise ECompileError.
void Init_Bank_Defaults(TParameterBlock& block);
void Compile_General_Parameters(TParameterBlock& block);
void Compile_DALI_Devices(TDALIBlock& block);
// DALI2_Access.xml, loaded once for both DALI-2 steps; a null root when the file is missing.
struct TDALI2File {
    TXMLDocument Document;
    TXMLNode Root;
};
void Load_DALI2_File(TDALI2File& file);
int Compile_DALI2_Input_Rules(TBankImage& image, const TDALI2File& file);  // the number of records written
void Compile_DALI2_Function_Rules(TBankImage& image, const TDALI2File& file);
void Compile_KNX_Rules(TBankImage& image);

// KNX addresses of the general parameters (area.line.device, main/middle/sub).
std::uint16_t Encode_Individual_Address(const QString& text);
std::uint16_t Encode_Group_Address(const QString& text);
// KNX addresses of the KNX rules.
std::uint16_t Encode_KNX_Rule_Address(const QString& text, bool group);

// Cell texts of the DALI-2 tables to the codes the device knows.
int DALI2_Function_Code(const QString& text);
int DALI2_Condition_Code(const QString& text);
float DALI2_Value_Code(const QString& text);
int DALI2_Channel_Code(const QString& text);
int DALI2_Event_Code(const QString& text);
// DALI2_Sensor_Flag, DALI2_Type_Code and DALI2_Function_Reference are cell rules the
// editors' checks share: rule_cell_rules.h.
