#include "editors/rule_editor/rule_table.h"

#include "config/rule_cell_rules.h"
#include "core/text_table.h"
#include "grid/core/column_grid.h"

namespace {

constexpr int kRowHeight = 22;

TEditorType Editor_Of(TRuleCell cell) {
    switch (cell) {
    case TRuleCell::Check: return edDataCheckBox;
    case TRuleCell::ComboEdit: return edComboEdit;
    case TRuleCell::ComboList: return edComboList;
    case TRuleCell::Number:
    case TRuleCell::Edit: break;
    }
    return edNormal;
}

int Data_Rows(const TExColumnGrid& grid) { return grid.RowCount() - 1; }

// The attributes of the table's columns, in column order, for the reader.
std::vector<TRuleAttribute> Rule_Attributes(const TRuleTable& table) {
    std::vector<TRuleAttribute> attributes;
    std::vector<int> attributeOfColumn;
    for (const TRuleColumn& column : table.Columns) {
        attributeOfColumn.push_back(int(attributes.size()));
        if (!column.Attribute) continue;
        const int when = column.Default_When_On < 0 ? -1 : attributeOfColumn[std::size_t(column.Default_When_On)];
        attributes.push_back({QString::fromLatin1(column.Attribute), column.Default, when});
    }
    return attributes;
}

}  // namespace

void Build_Rule_Grid(TExColumnGrid& grid, const TRuleTable& table) {
    grid.BeginUpdate();
    grid.SetColCount(int(table.Columns.size()));
    grid.SetFixedCols(1);
    grid.SetFixedRows(1);
    grid.SetDefaultRowHeight(kRowHeight);
    grid.SetOptions(grid.Options() + TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                                  goRangeSelect, goColSizing});
    for (int c = 0; c < int(table.Columns.size()); ++c) {
        const TRuleColumn& column = table.Columns[std::size_t(c)];
        TGridColumnItem* item = grid.Columns()->Items(c);
        item->SetWidth(column.Width);
        item->SetColor(column.Color);
        item->SetEditor(Editor_Of(column.Cell));
        item->SetReadOnly(column.Cell == TRuleCell::Number);
        item->SetEditLength(column.Edit_Length);
        if (column.Cell == TRuleCell::Check) {
            item->SetCheckTrue(Flag_On_Text);
            item->SetCheckFalse(QStringLiteral("N"));
        }
    }
    for (int c = int(table.Columns.size()) - 1; c >= 0; --c)
        if (table.Columns[std::size_t(c)].Hidden) grid.HideColumn(c);
    grid.EndUpdate();
}

void Fill_Number_Items(TExColumnGrid& grid, int column, int count, const QString& first) {
    TStringList* items = grid.Columns()->Items(column)->ComboItems();
    items->Clear();
    if (!first.isEmpty()) items->Add(first);
    for (int n = 0; n < count; ++n) items->Add(QString::number(n));
}

void Set_Rule_Headers(TExColumnGrid& grid, const TRuleTable& table, QStringList* hints) {
    if (hints) hints->clear();
    for (int c = 0; c < int(table.Columns.size()); ++c) {
        const TRuleColumn& column = table.Columns[std::size_t(c)];
        grid.Columns()->Items(c)->SetHeader(LangText(column.Header));
        if (hints && c > 0) hints->append(column.Hint ? LangText(column.Hint) : QString());
    }
}

void Reset_Rule_Rows(TExColumnGrid& grid, const TRuleTable& table) {
    grid.BeginUpdate();
    for (int r = 1; r < grid.RowCount(); ++r) {
        grid.SetCells(0, r, QString::number(r));
        for (int c = 1; c < int(table.Columns.size()); ++c)
            grid.SetCells(c, r, c == table.Enable_Column ? Flag_On_Text : QString());
    }
    grid.EndUpdate();
}

namespace {

TRuleRows Read_Rule_Rows(TExColumnGrid& grid, const TRuleTable& table, const TXMLNode& list, const QString& fileName) {
    const QString listName = QString::fromLatin1(table.List_Name ? table.List_Name : "");
    const TRuleRows read = Read_Rule_List(list, Rule_Attributes(table), Data_Rows(grid), fileName, listName);
    grid.BeginUpdate();
    for (std::size_t r = 0; r < read.Rows.size(); ++r) {
        int attribute = 0;
        for (int c = 0; c < int(table.Columns.size()); ++c)
            if (table.Columns[std::size_t(c)].Attribute) grid.SetCells(c, int(r) + 1, read.Rows[r][attribute++]);
    }
    grid.EndUpdate();
    return read;
}

}  // namespace

QString Fill_Rule_Rows(TExColumnGrid& grid, const TRuleTable& table, const TXMLNode& list, const QString& fileName) {
    const TRuleRows read = Read_Rule_Rows(grid, table, list, fileName);
    // Rows beyond the table are a file no editor wrote; they are left out silently.
    return read.Rows_Left_Out > 0 ? QString() : read.Message;
}

void Load_Rule_Rows(TExColumnGrid& grid, const TRuleTable& table, const TXMLNode& list, const QString& fileName,
                    TRuleFileProblem& problem) {
    const TRuleRows read = Read_Rule_Rows(grid, table, list, fileName);
    if (read.Message.isEmpty() || (table.Drop_Rows_Beyond && read.Rows_Left_Out > 0)) return;
    problem.Add(read.Message);
    if (list.IsNull()) {
        problem.Whole_File = true;
        return;
    }
    int fileRows = 0;
    for (TXMLNode node = list.ChildCount() > 0 ? list.Child(0) : TXMLNode(); !node.IsNull(); node = node.NextSibling())
        if (node.IsElement()) ++fileRows;
    problem.Rows_Lost += fileRows - int(read.Rows.size());
}

TRuleFileProblem Load_Rule_File(const QString& fileName,
                                std::initializer_list<std::pair<TExColumnGrid*, const TRuleTable*>> tables) {
    TRuleFileProblem problem;
    TXMLDocument document;
    const TRuleFile file = Open_Rule_File(document, fileName);
    if (file.State == TRuleFileState::Missing) return problem;
    if (!file.Loaded()) {
        problem.Add(file.Message);
        problem.Whole_File = true;
        return problem;
    }
    for (const auto& [grid, table] : tables) {
        const TXMLNode list =
            table->List_Name ? Find_Rule_List(file.Root, QString::fromLatin1(table->List_Name)) : file.Root;
        Load_Rule_Rows(*grid, *table, list, fileName, problem);
    }
    return problem;
}

TCellTable Rule_Cells(const TExColumnGrid& grid, const TRuleTable& table) {
    TCellTable cells;
    cells.reserve(std::size_t(Data_Rows(grid)));
    for (int r = 1; r <= Data_Rows(grid); ++r) {
        QStringList row;
        row.reserve(qsizetype(table.Columns.size()) - 1);
        for (int c = 1; c < int(table.Columns.size()); ++c) row << grid.Cells(c, r);
        cells.push_back(std::move(row));
    }
    return cells;
}

void Put_Rule_Cells(TExColumnGrid& grid, const TCellTable& cells) {
    grid.BeginUpdate();
    for (std::size_t r = 0; r < cells.size() && int(r) < Data_Rows(grid); ++r)
        for (int c = 0; c < cells[r].size(); ++c) grid.SetCells(c + 1, int(r) + 1, cells[r][c]);
    grid.EndUpdate();
}

int Visited_Rule_Rows(const TExColumnGrid& grid, const TRuleTable& table) {
    const int rows = Data_Rows(grid);
    if (table.Key_Column < 0) return rows;
    for (int r = 1; r <= rows; ++r)
        if (Key_Cell_Is_Empty(grid.Cells(table.Key_Column, r))) return r - 1;
    return rows;
}

TRulesBelowGap Rules_Below_Gap(const TExColumnGrid& grid, const TRuleTable& table) {
    TRulesBelowGap gap;
    if (table.Key_Column < 0) return gap;
    for (int r = Visited_Rule_Rows(grid, table) + 2; r <= Data_Rows(grid); ++r) {
        if (Key_Cell_Is_Empty(grid.Cells(table.Key_Column, r))) continue;
        if (gap.First_Row == 0) gap.First_Row = r;
        ++gap.Count;
    }
    return gap;
}

QString Rules_Below_Gap_Question(const TRulesBelowGap& gap) {
    return QStringLiteral("Row %1 and %2 rule(s) below an empty row are not saved: the table ends at the first row "
                          "whose key cell is empty. Save without them?")
        .arg(gap.First_Row)
        .arg(gap.Count);
}

QString Rule_Row_Error(const QString& prefix, int row, const QString& text) { return prefix + QString::number(row) + text; }

void Append_Rule_Rows(TXMLNode parent, const TExColumnGrid& grid, const TRuleTable& table, const QString& rowName) {
    const int rows = Visited_Rule_Rows(grid, table);
    for (int r = 1; r <= rows; ++r) {
        TXMLNode element = parent.AddChild(rowName);
        for (int c = 0; c < int(table.Columns.size()); ++c) {
            const TRuleColumn& column = table.Columns[std::size_t(c)];
            if (column.Attribute) element.SetAttribute(QString::fromLatin1(column.Attribute), grid.Cells(c, r));
        }
    }
}
