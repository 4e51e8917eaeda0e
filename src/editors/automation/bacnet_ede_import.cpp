#include "editors/automation/bacnet_ede_import.h"

#include "editors/automation/bacnet_access_check.h"
#include "editors/automation/bacnet_object_types.h"

namespace {

const QString Present_Value = QStringLiteral("Present Value (85)");

bool Holds_Rule(const QStringList& row, int keyIndex) { return !row[keyIndex].trimmed().isEmpty(); }

// The first row whose key cell is blank; the rows below it are taken in turn.
std::size_t First_Free_Row(const TCellTable& table, int keyIndex) {
    std::size_t r = 0;
    while (r < table.size() && Holds_Rule(table[r], keyIndex)) ++r;
    return r;
}

// Whether `count` rows from `first` on exist and hold no rule.
std::optional<TEDEImportRefusal> Room_For(const TCellTable& table, std::size_t first, std::size_t count,
                                          int keyIndex, bool writeTable) {
    for (std::size_t r = first; r < first + count && r < table.size(); ++r)
        if (Holds_Rule(table[r], keyIndex)) return TEDEImportRefusal{writeTable, static_cast<int>(r) + 1, 0};
    if (first + count > table.size())
        return TEDEImportRefusal{writeTable, 0, static_cast<int>(first + count - table.size())};
    return std::nullopt;
}

QStringList Read_Rule(const TBACnet_Var& var, const QString& device) {
    QStringList row(BACnet_Read_Columns);
    row[BRd_Enable] = QStringLiteral("Y");
    row[BRd_Device] = device;
    row[BRd_Object_Type] = Get_ObjType_EDE(var.object_type);
    row[BRd_Instance] = QString::number(var.object_instance);
    row[BRd_Property] = Present_Value;
    row[BRd_NumByte] = QString::number(Get_NumByte_EDE(var.object_type));
    row[BRd_Enable_Destination] = QStringLiteral("N");
    row[BRd_PollTime] = QStringLiteral("1000");
    row[BRd_MaxError] = QStringLiteral("0");
    row[BRd_StartBit] = QStringLiteral("0");
    row[BRd_Swap] = QStringLiteral("N");
    row[BRd_Mnemonic] = var.object_name + QStringLiteral(" - ") + var.description;
    return row;
}

QStringList Write_Rule(const TBACnet_Var& var, const QString& device) {
    QStringList row(BACnet_Write_Columns);
    row[BWr_Enable] = QStringLiteral("Y");
    row[BWr_Device] = device;
    row[BWr_Object_Type] = Get_ObjType_EDE(var.object_type);
    row[BWr_Data_Type] = Get_DataType_EDE(var.object_type);
    row[BWr_Instance] = QString::number(var.object_instance);
    row[BWr_Property] = Present_Value;
    row[BWr_Priority] = QStringLiteral("0");
    row[BWr_NumByte] = QString::number(Get_NumByte_EDE(var.object_type));
    row[BWr_Enable_Destination] = QStringLiteral("N");
    row[BWr_OnChange] = QStringLiteral("N");
    row[BWr_OnTimer] = QStringLiteral("N");
    row[BWr_PollTime] = QStringLiteral("1000");
    row[BWr_MaxError] = QStringLiteral("0");
    row[BWr_StartBit] = QStringLiteral("0");
    row[BWr_Swap] = QStringLiteral("N");
    row[BWr_Mnemonic] = var.object_name + QStringLiteral(" - ") + var.description;
    return row;
}

}  // namespace

std::optional<TEDEImportRefusal> Append_EDE_Objects(TCellTable& read, TCellTable& write,
                                                    const std::vector<TBACnet_Var>& objects, const QString& device,
                                                    int keyColumn) {
    const int keyIndex = keyColumn - 1;
    std::size_t readRules = 0;
    std::size_t writeRules = 0;
    for (const TBACnet_Var& var : objects) {
        if (!var.import) continue;
        readRules += var.read ? 1 : 0;
        writeRules += var.write ? 1 : 0;
    }
    std::size_t nextRead = First_Free_Row(read, keyIndex);
    std::size_t nextWrite = First_Free_Row(write, keyIndex);
    if (auto refusal = Room_For(read, nextRead, readRules, keyIndex, false)) return refusal;
    if (auto refusal = Room_For(write, nextWrite, writeRules, keyIndex, true)) return refusal;
    for (const TBACnet_Var& var : objects) {
        if (!var.import) continue;
        if (var.read) read[nextRead++] = Read_Rule(var, device);
        if (var.write) write[nextWrite++] = Write_Rule(var, device);
    }
    return std::nullopt;
}
