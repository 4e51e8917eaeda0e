#include "editors/dali_knx/dali2_access_check.h"

#include "config/rule_cell_rules.h"
#include "core/address_helpers.h"
#include "core/text_table.h"
#include "editors/rule_integer.h"

#include <array>

namespace {

constexpr std::array<const char16_t*, 9> Button_Events = {
    u"Button Released",  u"Button Pressed",    u"Short Press",     u"Double Press", u"Long Press Start",
    u"Long Press Repeat", u"Long Press Stop", u"Button Free", u"Button Stuck"};
constexpr std::array<const char16_t*, 3> Nand_Events = {u"No Movement", u"Vacant", u"Presence Sensor"};
constexpr std::array<const char16_t*, 5> And_Events = {u"Movement", u"Still Vacant", u"Occupied", u"Still Occupied",
                                                       u"Movement Sensor"};
constexpr int Max_Brightness = 255;
constexpr int Max_Command = 255;
constexpr int Max_Instance = 255;
constexpr int Max_Channel = 63;
constexpr int Max_Time = 100000000;
// No text number exists for this check; the image field is one byte.
constexpr char16_t Brightness_Text[] = u"Functions - Error Row %d!! Brightness must be between 0 and 255";

template <std::size_t N>
bool Listed(const std::array<const char16_t*, N>& list, const QString& text) {
    for (const char16_t* entry : list)
        if (text == QStringView(entry)) return true;
    return false;
}

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

struct Failure {
    int column;
    QString message;
};

std::optional<Failure> CheckFunction(const QStringList& row, int r, QChar separator) {
    const QString condition = row[Fun_Condition].trimmed();
    if (condition.isEmpty()) return Failure{Fun_Condition, DALI2_Check_Message(LangText(2550), r)};
    const QString value = row[Fun_Value].trimmed();
    if (Listed(Button_Events, value) || Listed(Nand_Events, value) || Listed(And_Events, value)) {
        if (condition != *DALI2_Condition_For_Event(value)) {
            const int text = Listed(Button_Events, value) ? 2564 : Listed(Nand_Events, value) ? 2565 : 2566;
            return Failure{Fun_Condition, DALI2_Check_Message(LangText(text), r)};
        }
    } else {
        float number = 0;
        if (!Str_To_Float_Sep(value, separator, number))
            return Failure{Fun_Value, DALI2_Check_Message(LangText(2551), r)};
    }
    const QString brightness = row[Fun_Val].trimmed();
    if (!brightness.isEmpty() && !InRange(Rule_Integer(brightness), 0, Max_Brightness))
        return Failure{Fun_Val, DALI2_Check_Message(QString::fromUtf16(Brightness_Text), r)};
    return std::nullopt;
}

std::optional<Failure> CheckSetAccess(const QStringList& row, int r, int functions) {
    const QString device_sensor = row[Set_DeviceSensor];
    if (!DALI2_Type_Fits(device_sensor, row[Set_Type]))
        return Failure{Set_Type, DALI2_Check_Message(LangText(device_sensor.trimmed() == u"Device" ? 2529 : 2530), r)};
    struct Bound {
        int column, high, text;
    };
    for (const Bound& bound : {Bound{Set_ChannelNumber, Max_Channel, 2531}, Bound{Set_Instance, Max_Instance, 2532},
                               Bound{Set_Command, Max_Command, 2536}, Bound{Set_TimeSend, Max_Time, 2533},
                               Bound{Set_TimeOut, Max_Time, 2534}})
        if (!InRange(Rule_Integer(row[bound.column]), 0, bound.high))
            return Failure{bound.column, DALI2_Check_Message(LangText(bound.text), r)};
    if (!DALI2_Function_Reference_Fits(row[Set_Function], functions))
        return Failure{Set_Function, DALI2_Check_Message(LangText(2553), r, functions)};
    if (!InRange(Rule_Integer(row[Set_Position]), 0, DALI2_Max_Position))
        return Failure{Set_Position, DALI2_Check_Message(LangText(2535), r, DALI2_Max_Position)};
    return std::nullopt;
}

TDALI2CheckError Error(TDALI2Table table, int r, Failure failure) {
    return TDALI2CheckError{table, r, failure.column + 1, std::move(failure.message)};
}

}  // namespace

std::optional<QString> DALI2_Condition_For_Event(const QString& event) {
    if (Listed(Button_Events, event)) return QStringLiteral("When Equal to Value");
    if (Listed(Nand_Events, event)) return QStringLiteral("NAND Logic with Value");
    if (Listed(And_Events, event)) return QStringLiteral("AND Logic with Value");
    return std::nullopt;
}

QString DALI2_Check_Message(const QString& text, int row, int bound) {
    QString message = text;
    const qsizetype first = message.indexOf(QLatin1String("%d"));
    if (first < 0) return message;
    const QString rowText = QString::number(row);
    message.replace(first, 2, rowText);
    const qsizetype second = message.indexOf(QLatin1String("%d"), first + rowText.size());
    if (second >= 0) message.replace(second, 2, QString::number(bound));
    return message;
}

std::optional<TDALI2CheckError> Check_DALI2_Tables(const TDALI2Tables& tables, QChar decimalSeparator) {
    const int functions = Used_Rows(tables.Functions, Fun_Function);
    for (int r = 1; r <= functions; ++r)
        if (auto failure = CheckFunction(tables.Functions[std::size_t(r - 1)], r, decimalSeparator))
            return Error(TDALI2Table::Functions, r, std::move(*failure));
    for (int r = 1; r <= functions; ++r) {
        const QString next = tables.Functions[std::size_t(r - 1)][Fun_Next_Function].trimmed();
        if (!next.isEmpty() && !InRange(Rule_Integer(next), 0, functions))
            return Error(TDALI2Table::Functions, r,
                         {Fun_Next_Function, DALI2_Check_Message(LangText(2552), r, functions)});
    }
    const int rules = Used_Rows(tables.Set_Access, Set_DeviceSensor);
    for (int r = 1; r <= rules; ++r) {
        const QStringList& row = tables.Set_Access[std::size_t(r - 1)];
        if (!DALI2_Enable_Is_On(row[Set_Enable])) continue;
        if (auto failure = CheckSetAccess(row, r, functions))
            return Error(TDALI2Table::Set_Access, r, std::move(*failure));
    }
    return std::nullopt;
}
