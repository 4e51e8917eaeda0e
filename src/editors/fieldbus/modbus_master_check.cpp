#include "editors/fieldbus/modbus_master_check.h"

#include "config/rule_cell_rules.h"
#include "core/text_table.h"
#include "editors/rule_integer.h"

namespace {

enum TModbusCheck { IP, Port, Slave_ID, Type, Address, NPoint, Poll_Time, Max_Error, Position, Start_Bit, Last_Byte };

struct TFailure {
    TModbusCheck Check;
    int Column;
    QString Bound;
};

bool In_Range(const QString& cell, int low, int high) {
    const int value = Rule_Integer(cell);
    return value >= low && value <= high;
}

// The row's first failing check; none when it passes.
std::optional<TFailure> Row_Failure(const QStringList& row, const TModbusTableLayout& at, bool write) {
    const auto cell = [&row](int column) -> const QString& { return row[column - 1]; };
    const int dataBytes = write ? Modbus_Write_Bytes : Modbus_Read_Bytes;
    if (at.IP_Address >= 0 && Check_IP_Address(cell(at.IP_Address))) return TFailure{IP, at.IP_Address, {}};
    if (at.Port >= 0 && !In_Range(cell(at.Port), 0, 65535)) return TFailure{Port, at.Port, {}};
    if (!In_Range(cell(at.Slave_ID), 1, 247)) return TFailure{Slave_ID, at.Slave_ID, {}};
    if (cell(at.Type).isEmpty()) return TFailure{Type, at.Type, {}};
    const QString type = cell(at.Type).trimmed().toUpper();
    const bool bits = type == QLatin1String("COIL STATUS") || (!write && type == QLatin1String("INPUT STATUS"));
    if (!In_Range(cell(at.Address), 0, 65535)) return TFailure{Address, at.Address, {}};
    const int maxPoints = write ? (bits ? 1968 : 123) : (bits ? 2000 : 125);
    if (!In_Range(cell(at.NPoint), 1, maxPoints)) return TFailure{NPoint, at.NPoint, QString::number(maxPoints)};
    if (!In_Range(cell(at.Poll_Time), write ? 0 : 1, 100000000)) return TFailure{Poll_Time, at.Poll_Time, {}};
    if (!In_Range(cell(at.Max_Error), 0, 100000000)) return TFailure{Max_Error, at.Max_Error, {}};
    if (!In_Range(cell(at.Position), 0, dataBytes - 1))
        return TFailure{Position, at.Position, QString::number(dataBytes - 1)};
    if (bits && cell(at.Start_Bit).isEmpty()) return TFailure{Start_Bit, at.Start_Bit, {}};
    const std::int64_t position = Rule_Integer(cell(at.Position));
    const std::int64_t points = Rule_Integer(cell(at.NPoint));
    // The start bit is not range-checked; a text that is not a number counts as bit 0.
    const std::int64_t startBit = Rule_Integer_Value(cell(at.Start_Bit)).value_or(0);
    const std::int64_t lastByte = bits ? position + (points + startBit - 1) / 8 : position + 2 * points - 1;
    if (lastByte >= dataBytes) return TFailure{Last_Byte, at.Position, {}};
    return std::nullopt;
}

std::optional<TRuleCheckError> Check_Table(const TCellTable& rows, const TModbusTableLayout& at, bool write,
                                           int errorRowText) {
    const int used = Used_Rows(rows, (at.IP_Address >= 0 ? at.IP_Address : at.Slave_ID) - 1);
    for (int r = 0; r < used; ++r) {
        if (rows[std::size_t(r)][at.Enable - 1].trimmed() == Flag_On_Text) continue;
        if (const std::optional<TFailure> failure = Row_Failure(rows[std::size_t(r)], at, write))
            return TRuleCheckError{r + 1, failure->Column,
                                   LangText(errorRowText) + QString::number(r + 1) +
                                       LangText(at.First_Text + failure->Check) + failure->Bound,
                                   write ? 1 : 0};
    }
    return std::nullopt;
}

}  // namespace

bool Check_IP_Address(const QString& IP_Address) {
    if (IP_Address.isEmpty()) return true;
    // Each part converts as every number cell of the tables does (hexadecimal and
    // leading blanks included); a part missing its dot is empty.
    QStringView rest(IP_Address);
    bool invalid = false;
    for (int part = 0; part < 4; ++part) {
        QStringView text = rest;
        if (part < 3) {
            const qsizetype dot = rest.indexOf(u'.');
            text = dot >= 0 ? rest.left(dot) : QStringView();
            if (dot >= 0) rest = rest.mid(dot + 1);
        }
        const int value = Rule_Integer(text);
        invalid = invalid || value < 0 || value > 255;
    }
    return invalid;
}

std::optional<TRuleCheckError> Check_Modbus_Master_Rules(const TModbusMasterLayout& layout, const TCellTable& read,
                                                         const TCellTable& write) {
    if (auto error = Check_Table(read, layout.Read, false, layout.Error_Row_Text)) return error;
    return Check_Table(write, layout.Write, true, layout.Error_Row_Text);
}
