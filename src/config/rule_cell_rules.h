#pragma once
// How the cells of the DALI-2 and KNX rule tables are read: one set of rules for the
// editors' checks and loaders and for the compiler, so that what a check accepts
// compiles to what the cell shows, and a Y/N cell shows what the compiler reads.
//
// Sizes: every editor table fits its image table (1024 <= 1024 KNX rules, 256 <= 256
// DALI-2 input rules, 250 <= 255 functions), so nothing an editor saves meets a limit
// of the compiler; a file longer than an editor's table is the loader's case.

#include "config/bank_image.h"

#include <QString>
#include <optional>
#include <span>

// ---- table sizes ----
constexpr int KNX_Editor_Rows = 1024;
constexpr int DALI2_Input_Editor_Rows = 256;
constexpr int DALI2_Function_Editor_Rows = 250;
constexpr int DALI_Device_Rows = DALI_Device_Count;
constexpr int DALI_Group_Rows = DALI_Group_Entry_Count;
constexpr int KNX_Image_Records = KNX_Rule_Capacity;
constexpr int DALI2_Input_Image_Records = DALI2_Input_Rule_Capacity;
constexpr int DALI2_Function_Image_Records = DALI2_Function_Capacity - 1;  // record 0 is "no function"
static_assert(KNX_Editor_Rows <= KNX_Image_Records && DALI2_Input_Editor_Rows <= DALI2_Input_Image_Records &&
              DALI2_Function_Editor_Rows <= DALI2_Function_Image_Records);

// ---- flags ----
// The check-box text of every rule table.
inline const QString Flag_On_Text = QStringLiteral("Y");
// Trimmed and upper-cased "Y": the KNX Enable, and the DALI devices' Enable and Min-Max
// cells when they are saved as "1".
bool Trimmed_Flag_Is_On(const QString& text);
// A KNX rule is on when its Enable, trimmed and upper-cased, is "Y".
bool KNX_Enable_Is_On(const QString& text);
// The other KNX flags (Extended, ReTest, On_Command, On_Change, On_Timer): upper-cased "Y".
bool KNX_Flag_Is_On(const QString& text);
// A DALI-2 input rule is on only when its Enable is exactly "Y".
bool DALI2_Enable_Is_On(const QString& text);
// A row's key cell (Source Add, Dev/Sen, Function) ends the editor's table when it is blank.
bool Key_Cell_Is_Empty(const QString& text);

// ---- KNX cells ----
// Byte mode: the Bit Mode cell, upper-cased, is "NO".
bool KNX_Bit_Mode_Is_Byte(const QString& text);
// The four priorities the editor lists, exactly.
bool KNX_Priority_Is_Listed(const QString& text);
// A format the compiler knows (trimmed, any letter case).
bool KNX_Format_Is_Known(const QString& text);

// ---- DALI-2 cells ----
std::span<const char16_t* const> DALI2_Device_Types();
std::span<const char16_t* const> DALI2_Sensor_Types();
// 1 when Dev/Sen, trimmed, is "Sensor"; any other text (also none) is a device.
int DALI2_Sensor_Flag(const QString& text);
// The type's index in the list of the row's kind (trimmed, any letter case); 0 when it is not listed.
int DALI2_Type_Code(int sensor, const QString& text);
// The check's rule: Dev/Sen is "Device" or "Sensor" (trimmed) and the type is in that kind's list.
bool DALI2_Type_Fits(const QString& device_sensor, const QString& type);
// The number a Function cell names: the integer before its first blank ("3 - Lights"),
// or the whole trimmed cell; nothing when that is not an integer.
std::optional<int> DALI2_Function_Number(const QString& text);
// The function a set-access rule starts; 0 for none or a text that names none.
int DALI2_Function_Reference(const QString& text);
// The check's rule for a Function cell: blank, or a number 0 ... the count of functions.
bool DALI2_Function_Reference_Fits(const QString& text, int function_count);

// ---- numbers ----
// A decimal number typed with either separator, as a single; 1.0 and false when it is none.
bool Read_Decimal_Cell(const QString& text, float& value);
