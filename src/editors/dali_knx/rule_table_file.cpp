#include "editors/dali_knx/rule_table_file.h"

#include "config/rule_cell_rules.h"

#include <algorithm>

void TRuleFileProblem::Add(const QString& message) {
    if (!Message.isEmpty()) Message += u'\n';
    Message += message;
}

QString Lost_Rows_Question(const TRuleFileProblem& problem) {
    return problem.Whole_File
               ? QStringLiteral("%1\n\nSaving replaces the whole file with the tables shown. Save anyway?").arg(problem.Message)
               : QStringLiteral("%1\n\nSaving loses %2 row(s) of the file. Save anyway?")
                     .arg(problem.Message)
                     .arg(problem.Rows_Lost);
}

QString Full_Table_Message(int rows) {
    return QStringLiteral("The table is full: it holds at most %1 rules. Delete a rule before inserting one.").arg(rows);
}

TRuleFileProblem Load_Table_File(TXMLDocument& document, const QString& fileName) {
    TRuleFileProblem problem;
    const TRuleFile file = Open_Rule_File(document, fileName);
    if (file.State == TRuleFileState::Missing || file.Loaded()) return problem;
    problem.Add(file.Message + QStringLiteral(" Saving replaces the whole file."));
    problem.Whole_File = true;
    document.Clear();
    return problem;
}

TXMLNode First_Node_Root(const TXMLDocument& document, const QString& fileName, const QString& rootName,
                         TRuleFileProblem& problem) {
    const TXMLNode first = document.DocumentElement();
    if (first.IsNull()) return {};  // missing or unreadable: already said
    if (first.IsElement()) return first;
    problem.Add(QStringLiteral("The file \"%1\" does not begin with its root element \"%2\". Saving replaces the whole file.")
                    .arg(fileName, rootName));
    problem.Whole_File = true;
    return {};
}

TCellTable Read_Table_Rows(const TXMLNode& list, const TTableLayout& layout, const QString& fileName,
                           TRuleFileProblem& problem) {
    Q_ASSERT(layout.Attributes.size() == layout.Defaults.size());
    TCellTable table;
    const std::size_t columns = layout.Attributes.size();
    std::vector<std::optional<QString>> values(columns);
    int file_rows = 0;
    bool stopped = false;
    for (TXMLNode node = list.FindNode(QStringLiteral("row")); !node.IsNull(); node = node.NextSibling()) {
        if (!node.IsElement() || node.NodeNameUtf8() != "row") continue;
        ++file_rows;
        if (stopped) continue;
        if (file_rows > layout.Max_Rows) {
            problem.Add(QStringLiteral("The list \"%1\" in the file \"%2\" holds more rows than the table (%3); "
                                       "the table shows the first %3.")
                            .arg(layout.List_Name, fileName, QString::number(layout.Max_Rows)));
            stopped = true;
            continue;
        }
        node.ReadAttributes(layout.Attributes, values);
        QStringList row;
        row.reserve(qsizetype(columns));
        for (std::size_t c = 0; c < columns && !stopped; ++c) {
            if (values[c]) {
                row.append(*values[c]);  // shared; kept for the next row to reuse
            } else if (layout.Defaults[c]) {
                row.append(*layout.Defaults[c]);
            } else {
                problem.Add(QStringLiteral("Row %1 of the list \"%2\" in the file \"%3\" lacks the attribute \"%4\"; "
                                           "the table shows the rows before it.")
                                .arg(QString::number(file_rows), layout.List_Name, fileName,
                                     QString::fromLatin1(layout.Attributes[c])));
                stopped = true;
            }
        }
        if (!stopped) table.push_back(std::move(row));
    }
    const int used = Used_Rows(table, layout.Key_Column);
    if (used < int(table.size()))
        problem.Add(QStringLiteral("Row %1 of the list \"%2\" in the file \"%3\" has an empty %4; "
                                   "that row and the rows after it are not saved.")
                        .arg(QString::number(used + 1), layout.List_Name, fileName, layout.Key_Caption));
    problem.Rows_Lost += file_rows - used;
    return table;
}

int Used_Rows(const TCellTable& table, int keyColumn) {
    const auto blank = std::find_if(table.begin(), table.end(), [keyColumn](const QStringList& row) {
        return keyColumn >= row.size() || Key_Cell_Is_Empty(row[keyColumn]);
    });
    return int(blank - table.begin());
}

void Append_Table_Rows(TXMLNode list, const TCellTable& table, const TTableLayout& layout) {
    const int used = Used_Rows(table, layout.Key_Column);
    for (int r = 0; r < used; ++r) {
        const QStringList& cells = table[std::size_t(r)];
        TXMLNode row = list.AddChild(QStringLiteral("row"));
        for (std::size_t c = 0; c < layout.Attributes.size(); ++c) {
            const QString text = qsizetype(c) < cells.size() ? cells[qsizetype(c)] : QString();
            if (int(c) == layout.Check_Box_Column)
                row.AppendAttribute(layout.Attributes[c], text == Flag_On_Text ? Flag_On_Text : QStringLiteral("N"));
            else
                row.AppendAttribute(layout.Attributes[c], text);
        }
    }
}
