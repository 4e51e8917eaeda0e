#include "config/rule_cell_rules.h"

#include "core/address_helpers.h"
#include "platform/number_conversion.h"

namespace {

const char16_t* const Device_Types[] = {u"Fluorescent Lamp", u"Emergency Lamp", u"High Voltage Discharge",
                                        u"Alogen Lamp",      u"Dimmer",         u"Converter",
                                        u"Led Lamp",         u"Actuator On Off", u"Color Control",
                                        u"Sequencer"};
const char16_t* const Sensor_Types[] = {u"Generic Input", u"Push Button",  u"Absolute Input", u"Occupancy Sensor",
                                        u"Light Sensor",  u"Color Sensor", u"Relative Input"};

std::optional<int> Index_In(std::span<const char16_t* const> names, const QString& text) {
    const QString type = text.trimmed();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (type.compare(QString::fromUtf16(names[i]), Qt::CaseInsensitive) == 0) return int(i);
    return std::nullopt;
}

}  // namespace

namespace {
// "Y" in either letter case; no other character upper-cases to "Y".
bool Is_Y(QStringView text) { return text.size() == 1 && (text[0] == u'Y' || text[0] == u'y'); }
}  // namespace

bool Trimmed_Flag_Is_On(const QString& text) { return Is_Y(QStringView(text).trimmed()); }

bool KNX_Enable_Is_On(const QString& text) { return Trimmed_Flag_Is_On(text); }

bool KNX_Flag_Is_On(const QString& text) { return Is_Y(text); }

bool DALI2_Enable_Is_On(const QString& text) { return text == Flag_On_Text; }

bool Key_Cell_Is_Empty(const QString& text) { return text.trimmed().isEmpty(); }

bool KNX_Bit_Mode_Is_Byte(const QString& text) {
    return text.size() == 2 && (text[0] == u'N' || text[0] == u'n') && (text[1] == u'O' || text[1] == u'o');
}

bool KNX_Priority_Is_Listed(const QString& text) {
    return text == u"System" || text == u"Urgent" || text == u"Normal" || text == u"Low";
}

// Data_Conversion_Code gives 0 both for "None" and for a text it does not know.
bool KNX_Format_Is_Known(const QString& text) {
    return Data_Conversion_Code(text) != 0 || text.trimmed().toUpper() == u"NONE";
}

std::span<const char16_t* const> DALI2_Device_Types() { return Device_Types; }
std::span<const char16_t* const> DALI2_Sensor_Types() { return Sensor_Types; }

int DALI2_Sensor_Flag(const QString& text) { return text.trimmed() == u"Sensor" ? 1 : 0; }

int DALI2_Type_Code(int sensor, const QString& text) {
    return Index_In(sensor ? DALI2_Sensor_Types() : DALI2_Device_Types(), text).value_or(0);
}

bool DALI2_Type_Fits(const QString& device_sensor, const QString& type) {
    const QString kind = device_sensor.trimmed();
    if (kind == u"Device") return Index_In(DALI2_Device_Types(), type).has_value();
    if (kind == u"Sensor") return Index_In(DALI2_Sensor_Types(), type).has_value();
    return false;
}

std::optional<int> DALI2_Function_Number(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(u' ');
    std::int64_t number = 0;
    if (!TryStrToInt64(blank < 0 ? trimmed : trimmed.left(blank), number) || number < INT32_MIN || number > INT32_MAX)
        return std::nullopt;
    return int(number);
}

int DALI2_Function_Reference(const QString& text) { return DALI2_Function_Number(text).value_or(0); }

bool DALI2_Function_Reference_Fits(const QString& text, int function_count) {
    if (Key_Cell_Is_Empty(text)) return true;
    const std::optional<int> number = DALI2_Function_Number(text);
    return number && *number >= 0 && *number <= function_count;
}

bool Read_Decimal_Cell(const QString& text, float& value) { return Str_To_Float_Sep(text, Get_Decimal_Separator(), value); }
