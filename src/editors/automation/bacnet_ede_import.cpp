#include "editors/automation/bacnet_ede_import.h"

#include "editors/automation/bacnet_access_check.h"
#include "editors/automation/bacnet_object_types.h"

namespace {

const QString Present_Value = QStringLiteral("Present Value (85)");

// The first row whose device cell is blank; the rows below it are taken in turn.
std::size_t First_Free_Row(const TCellTable& table) {
    std::size_t r = 0;
    while (r < table.size() && !table[r][1].trimmed().isEmpty()) ++r;
    return r;
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

int Append_EDE_Objects(TCellTable& read, TCellTable& write, const std::vector<TBACnet_Var>& objects,
                       const QString& device) {
    std::size_t nextRead = First_Free_Row(read);
    std::size_t nextWrite = First_Free_Row(write);
    int leftOut = 0;
    for (const TBACnet_Var& var : objects) {
        if (!var.import) continue;
        if (var.read) {
            if (nextRead < read.size()) read[nextRead++] = Read_Rule(var, device);
            else ++leftOut;
        }
        if (var.write) {
            if (nextWrite < write.size()) write[nextWrite++] = Write_Rule(var, device);
            else ++leftOut;
        }
    }
    return leftOut;
}
