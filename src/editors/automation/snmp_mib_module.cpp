#include "editors/automation/snmp_mib_module.h"
#include "core/maker_values.h"
#include "core/program_state.h"
#include "editors/rule_file_reader.h"
#include "platform/file_system.h"

#include <QSet>
#include <climits>

namespace {

constexpr int Default_Variable_Count = 64;
constexpr int Longest_Name = 64;
constexpr int Data_Blocks = 8;

const char* const Read_Table = "SNMP Read";
const char* const Write_Table = "SNMP Write";

QString Read_Fallback_Name(int i) { return QStringLiteral("bufferinval%1").arg(i); }
QString Write_Fallback_Name(int j) { return QStringLiteral("bufferoutval%1").arg(j); }
QString Notification_Name(int i) { return QStringLiteral("trapval%1").arg(i); }

QString Variable_Name(const TMIBVariable& variable, const QString& fallback) {
    return variable.Description.isEmpty() ? fallback : variable.Description;
}

// Every name the module's fixed lines define or import.
QSet<QString> Fixed_Names() {
    QSet<QString> names = {
        QStringLiteral("MODULE-IDENTITY"), QStringLiteral("OBJECT-TYPE"), QStringLiteral("NOTIFICATION-TYPE"),
        QStringLiteral("DisplayString"),   QStringLiteral("TimeStamp"),   QStringLiteral("enterprises"),
        QStringLiteral("identity"),        QStringLiteral("korvel"),      QStringLiteral("gateway"),
        QStringLiteral("application"),     QStringLiteral("data"),        QStringLiteral("hellostring"),
        QStringLiteral("countin"),         QStringLiteral("countout"),    QStringLiteral("bufferin"),
        QStringLiteral("bufferinval"),     QStringLiteral("bufferout"),   QStringLiteral("bufferoutval"),
        QStringLiteral("traps"),           QStringLiteral("trapsval")};
    for (int k = 1; k <= Data_Blocks; ++k) {
        names.insert(QStringLiteral("bufferinblk%1").arg(k));
        names.insert(QStringLiteral("bufferoutblk%1").arg(k));
    }
    return names;
}

bool Is_Name_Syntax(const QString& name) {
    if (name.isEmpty() || name[0] < u'a' || name[0] > u'z') return false;
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (!((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9'))) return false;
    }
    return true;
}

std::vector<TMIBVariable> Default_Variables(const QString& prefix) {
    std::vector<TMIBVariable> variables;
    for (int n = 0; n < Default_Variable_Count; ++n) variables.push_back({prefix + QString::number(n), true, n + 1});
    return variables;
}

std::vector<TMIBVariable> Enabled_Variables(const TRuleRows& rows) {
    std::vector<TMIBVariable> variables;
    for (std::size_t row = 0; row < rows.Rows.size(); ++row) {
        const QStringList& cells = rows.Rows[row];
        if (cells[0].toUpper() != QLatin1String("Y")) continue;
        variables.push_back({cells[1], cells[2].toUpper() == QLatin1String("INT"), int(row) + 1});
    }
    return variables;
}

void Append_Line(QByteArray& text, const QString& line) {
    text += line.toLatin1();
    text += "\r\n";
}

QString Object_Line(const QString& name, bool isInt, const char* access, const QString& description,
                    const char* parent, int number) {
    return QStringLiteral("%1 OBJECT-TYPE SYNTAX %2 MAX-ACCESS %3 STATUS current DESCRIPTION \"%4\" ::= { %5 %6 }")
        .arg(name, isInt ? QStringLiteral("INTEGER") : QStringLiteral("OCTET STRING"), QLatin1String(access),
             description, QLatin1String(parent))
        .arg(number);
}

QString Data_Block_Line(const char* prefix, const char* access, int k) {
    return QStringLiteral("%1blk%2 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS %3 STATUS current DESCRIPTION "
                          "\"data block n.%2\" ::= { %1 %2 }")
        .arg(QLatin1String(prefix))
        .arg(k)
        .arg(QLatin1String(access));
}

}  // namespace

QString Load_SNMP_Trap_Vars() {
    SL_MIB_Read_Vars.Clear();
    SL_MIB_Write_Vars.Clear();
    MIB_Variables = {};
    TMIBVariables variables;
    if (!FileExists(File_SNMP_Trap)) {
        variables.Read = Default_Variables(QStringLiteral("lampADV"));
        variables.Write = Default_Variables(QStringLiteral("lamp"));
    } else {
        TXMLDocument document;
        const TRuleFile file = Open_Rule_File(document, File_SNMP_Trap);
        if (!file.Loaded()) return file.Message;
        // A missing Enable counts as not enabled; a missing list reads as empty.
        const std::vector<TRuleAttribute> attributes = {{QStringLiteral("Enable"), QString()},
                                                        {QStringLiteral("Description"), QString()},
                                                        {QStringLiteral("Type"), QString()}};
        for (const auto& [listName, target] :
             {std::pair{QStringLiteral("SNMP_Trap_Read"), &variables.Read},
              std::pair{QStringLiteral("SNMP_Trap_Write"), &variables.Write}}) {
            const TXMLNode list = Find_Rule_List(file.Root, listName);
            if (list.IsNull()) continue;
            *target = Enabled_Variables(Read_Rule_List(list, attributes, INT_MAX, File_SNMP_Trap, listName));
        }
    }
    for (const TMIBVariable& variable : variables.Read) SL_MIB_Read_Vars.Add(variable.Description);
    for (const TMIBVariable& variable : variables.Write) SL_MIB_Write_Vars.Add(variable.Description);
    MIB_Variables = std::move(variables);
    return {};
}

QString Check_MIB_Names(const TMIBVariables& variables) {
    const QSet<QString> fixed = Fixed_Names();
    // How often each name of the module occurs, fallback and notification names included.
    QHash<QString, int> uses;
    for (std::size_t i = 0; i < variables.Read.size(); ++i) {
        ++uses[Variable_Name(variables.Read[i], Read_Fallback_Name(int(i) + 1))];
        ++uses[Notification_Name(int(i) + 1)];
    }
    for (std::size_t j = 0; j < variables.Write.size(); ++j)
        ++uses[Variable_Name(variables.Write[j], Write_Fallback_Name(int(j) + 1))];

    for (const auto& [table, list] : {std::pair{Read_Table, &variables.Read}, std::pair{Write_Table, &variables.Write}}) {
        for (const TMIBVariable& variable : *list) {
            const QString& name = variable.Description;
            if (name.isEmpty()) continue;
            QString reason;
            if (!Is_Name_Syntax(name)) reason = QStringLiteral("a name must be a letter a-z followed by letters and digits");
            else if (name.size() > Longest_Name) reason = QStringLiteral("a name holds at most 64 characters");
            else if (fixed.contains(name) || uses.value(name) > 1)
                reason = QStringLiteral("the module already uses that name");
            if (!reason.isEmpty())
                return QStringLiteral("The MIB module cannot name a variable \"%1\" (table %2, row %3): %4.")
                    .arg(name, QLatin1String(table), QString::number(variable.Row), reason);
        }
    }
    return {};
}

QByteArray Build_MIB_Text(const TMIBVariables& variables) {
    QByteArray text;
    const auto line = [&text](const QString& l) { Append_Line(text, l); };
    line(QStringLiteral("GATEWAY DEFINITIONS ::= BEGIN"));
    line(QStringLiteral("IMPORTS"));
    line(QStringLiteral("       MODULE-IDENTITY,OBJECT-TYPE,NOTIFICATION-TYPE"));
    line(QStringLiteral("         FROM SNMPv2-SMI"));
    line(QStringLiteral("         DisplayString, TimeStamp"));
    line(QStringLiteral("         FROM SNMPv2-TC"));
    line(QStringLiteral("         enterprises"));
    line(QStringLiteral("         FROM RFC1155-SMI;"));
    line(QString());
    line(QStringLiteral("identity MODULE-IDENTITY"));
    line(QStringLiteral("    LAST-UPDATED \"201701310000Z\""));
    line(QStringLiteral("    ORGANIZATION \"%1\"").arg(Maker_Organisation));
    line(QStringLiteral("    CONTACT-INFO"));
    line(QStringLiteral("\t \"%1").arg(Maker_Contact_Lines[0]));
    line(QStringLiteral("    %1").arg(Maker_Contact_Lines[1]));
    line(QStringLiteral("    %1").arg(Maker_Contact_Lines[2]));
    line(QStringLiteral("    %1\"").arg(Maker_Contact_Lines[3]));
    line(QStringLiteral("    DESCRIPTION"));
    line(QStringLiteral("\t\"MIB objects for agent module \""));
    line(QStringLiteral("    REVISION     \"201701310000Z\""));
    line(QStringLiteral("    DESCRIPTION"));
    line(QStringLiteral("\t\"Corrected notification \""));
    line(QStringLiteral("    REVISION     \"200202060000Z\""));
    line(QStringLiteral("    DESCRIPTION"));
    line(QStringLiteral("\t\"First draft\""));
    line(QStringLiteral("    ::= { korvel 2 }"));
    line(QStringLiteral("korvel          OBJECT IDENTIFIER ::= { enterprises %1 }").arg(Maker_Enterprise_Number));
    line(QStringLiteral("gateway OBJECT IDENTIFIER::= { korvel 1 }"));
    line(QStringLiteral("application OBJECT IDENTIFIER::= { gateway 1 }"));
    line(QStringLiteral("data OBJECT IDENTIFIER::= { application 1 }"));
    line(QStringLiteral("hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  "
                        "DESCRIPTION \"\" ::= { data 1}"));
    line(QStringLiteral("countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  "
                        "DESCRIPTION \"\" ::= { data 2}"));
    line(QStringLiteral("countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  "
                        "DESCRIPTION \"\" ::= { data 3}"));
    line(QStringLiteral("bufferin OBJECT IDENTIFIER::= { data 4 }"));
    for (int k = 1; k <= Data_Blocks; ++k) line(Data_Block_Line("bufferin", "read-only", k));
    line(QStringLiteral(" bufferinval OBJECT IDENTIFIER::= { bufferin 9 }"));
    for (std::size_t i = 0; i < variables.Read.size(); ++i) {
        const TMIBVariable& variable = variables.Read[i];
        const int number = int(i) + 1;
        line(Object_Line(Variable_Name(variable, Read_Fallback_Name(number)), variable.Is_Int, "read-only",
                         variable.Description, "bufferinval", number));
    }
    line(QStringLiteral("bufferout OBJECT IDENTIFIER::= { data 5 }"));
    for (int k = 1; k <= Data_Blocks; ++k) line(Data_Block_Line("bufferout", "read-write", k));
    line(QStringLiteral(" bufferoutval OBJECT IDENTIFIER::= { bufferout 9 }"));
    for (std::size_t j = 0; j < variables.Write.size(); ++j) {
        const TMIBVariable& variable = variables.Write[j];
        const int number = int(j) + 1;
        line(Object_Line(Variable_Name(variable, Write_Fallback_Name(number)), variable.Is_Int, "read-write",
                         variable.Description, "bufferoutval", number));
    }
    line(QStringLiteral("traps OBJECT IDENTIFIER::= { application 2 }"));
    line(QStringLiteral(" trapsval OBJECT IDENTIFIER::= { traps 1 }"));
    // SMIv2 gives a notification no SYNTAX or MAX-ACCESS: it names the object it carries.
    for (std::size_t i = 0; i < variables.Read.size(); ++i) {
        const TMIBVariable& variable = variables.Read[i];
        const int number = int(i) + 1;
        line(QStringLiteral("%1 NOTIFICATION-TYPE OBJECTS { %2 } STATUS current DESCRIPTION \"%3\" ::= { trapsval %4 }")
                 .arg(Notification_Name(number), Variable_Name(variable, Read_Fallback_Name(number)),
                      variable.Description)
                 .arg(number));
    }
    line(QStringLiteral("END"));
    return text;
}

QString Build_MIB_File(const QString& fileName) {
    const QString problem = Check_MIB_Names(MIB_Variables);
    if (!problem.isEmpty()) return problem;
    if (!WriteFileAtomically(fileName, Build_MIB_Text(MIB_Variables)))
        return QStringLiteral("The MIB file \"%1\" cannot be written.").arg(fileName);
    return {};
}
