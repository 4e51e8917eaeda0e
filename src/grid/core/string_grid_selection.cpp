// String grid selection queries: selected cells, rows and columns with their counts,
// the selected text, and a picture of a cell block in a window of its own.

#include "grid/core/string_grid.h"
#include "grid/data/no_active_form.h"

#include "controls/text_utilities.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>
#include <algorithm>

TGridRect TExStringGrid::SelectionRectangleOrdered() const {
    const TGridRect s = Selection();
    return {std::min(s.Left, s.Right), std::min(s.Top, s.Bottom), std::max(s.Left, s.Right),
            std::max(s.Top, s.Bottom)};
}

void TExStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow) {
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

bool TExStringGrid::RowFlagSet(int ARow) const {
    return ARow >= 0 && ARow < static_cast<int>(FRowSelect.size()) && FRowSelect[ARow];
}

bool TExStringGrid::IsSelected(int ACol, int ARow) const {
    if (ACol < TStringGrid::FixedCols() || ARow < TStringGrid::FixedRows()) return false;
    if (FMouseActions->DisjunctCellSelect()) return SelectedCells(ACol, ARow);
    if (FMouseActions->DisjunctRowSelect())
        return RowFlagSet(FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow);
    if (FMouseActions->DisjunctColSelect())
        return ACol < static_cast<int>(FColSelect.size()) && FColSelect[ACol];
    return CellInGridRect(Selection(), ACol, ARow);
}

bool TExStringGrid::SelectedCells(int ACol, int ARow) const {
    if (FMouseActions->DisjunctCellSelect())
        return std::find(FSelectedCells.begin(), FSelectedCells.end(), TGridCoord{ACol, ARow}) != FSelectedCells.end();
    return CellInGridRect(SelectionRectangleOrdered(), ACol, ARow);
}

void TExStringGrid::SetSelectedCells(int ACol, int ARow, bool Value) {
    if (ACol < 0 || ARow < 0) return;
    const TGridCoord cell{ACol, ARow};
    auto it = std::find(FSelectedCells.begin(), FSelectedCells.end(), cell);
    if (Value && it == FSelectedCells.end()) FSelectedCells.push_back(cell);
    else if (!Value && it != FSelectedCells.end()) FSelectedCells.erase(it);
    else return;
    RepaintCell(ACol, ARow);
}

TGridCoord TExStringGrid::SelectedCell(int n) const {
    if (n < 0 || n >= static_cast<int>(FSelectedCells.size())) return {-1, -1};
    return FSelectedCells[n];
}

int TExStringGrid::SelectedCellsCount() {
    if (!FMouseActions->DisjunctCellSelect()) {
        FSelectedCells.clear();
        const TGridRect s = SelectionRectangleOrdered();
        if (s.Left == s.Right && s.Top == s.Bottom) {
            FSelectedCells.push_back({Col(), Row()});
        } else {
            for (int c = s.Left; c <= s.Right; ++c)
                for (int r = s.Top; r <= s.Bottom; ++r) FSelectedCells.push_back({c, r});
        }
    }
    return static_cast<int>(FSelectedCells.size());
}

int TExStringGrid::SelectedRowCount() const {
    if (FMouseActions->DisjunctRowSelect()) return RowSelectCount();
    TGridRect s = Selection();
    s.Bottom = std::min(s.Bottom, RowCount() - FFixedFooters - 1);
    const TPoint topLeftSpan = CellSpan(s.Left, s.Top);
    if (IsMergedCell(s.Left, s.Top) && s.Top + topLeftSpan.Y > s.Bottom) return topLeftSpan.Y + 1;
    int count = std::abs(s.Top - s.Bottom) + 1;
    if (IsMergedCell(s.Left, s.Bottom)) count += CellSpan(s.Left, s.Bottom).Y;
    return count;
}

int TExStringGrid::SelectedColCount() const {
    if (FMouseActions->DisjunctColSelect()) return static_cast<int>(FColSelect.size());
    const TGridRect s = Selection();
    const TPoint topLeftSpan = CellSpan(s.Left, s.Top);
    if (IsMergedCell(s.Left, s.Top) && s.Left + topLeftSpan.X > s.Right) return topLeftSpan.X + 1;
    int count = std::abs(s.Left - s.Right) + 1;
    if (IsMergedCell(s.Right, s.Top)) count += CellSpan(s.Right, s.Top).X;
    return count;
}

int TExStringGrid::SelectedRow(int n) const {
    if (FMouseActions->DisjunctRowSelect())
        return n >= 0 && n < FSelectedRows->Count() ? FSelectedRows->Items(n) : -1;
    const TGridRect s = SelectionRectangleOrdered();
    const int row = s.Top + n;
    return n >= 0 && row <= s.Bottom ? row : -1;
}

void TExStringGrid::ClearSelectedCells() {
    const TGridRect single{TStringGrid::FixedCols(), TStringGrid::FixedRows(), TStringGrid::FixedCols(),
                           TStringGrid::FixedRows()};
    SetSelection(single);
    FSelectedCells.clear();
    InvalidateGrid();
}

void TExStringGrid::ClearModifiedRows() {
    FModifiedRows->Clear();
    InvalidateGrid();
}

QString TExStringGrid::SelectedText() const {
    TGridRect r = Selection();
    if (Options().Contains(goRowSelect) && FDragDropSettings->OleEntireRows) {
        r.Left = 0;
        r.Right = ColCount() - 1;
    }
    std::vector<int> rows;
    if (FMouseActions->DisjunctRowSelect()) {
        for (int row = TStringGrid::FixedRows(); row < RowCount(); ++row)
            if (RowFlagSet(FMouseActions->RowSelectPersistent() ? RealRowIndex(row) : row)) rows.push_back(row);
    } else {
        for (int row = r.Top; row <= r.Bottom; ++row) rows.push_back(row);
    }
    QString result;
    for (int row : rows) {
        for (int c = r.Left; c <= r.Right; ++c) {
            QString text = Cells(RealColIndex(c), row);
            if (CountTextLines(text, FMultilinecells) > 1 && FExcelClipboardFormat)
                text = LineBreaksToVTabsQuoted(text);
            result += text;
            if (c < r.Right) result += QLatin1Char('\t');
        }
        if (row != r.Bottom) result += QStringLiteral("\r\n");
    }
    return result;
}

QWidget* TExStringGrid::SelectionToForm(TGridRect ARect) {
    const QPixmap whole = grab();
    const QPoint offset = Surface()->mapTo(this, QPoint(0, 0));
    TRect a = CellRect(ARect.Left, ARect.Top);
    TRect b = CellRect(ARect.Right, ARect.Bottom);
    const int left = std::min(a.Left, b.Left) + offset.x();
    const int top = std::min(a.Top, b.Top) + offset.y();
    const int right = std::max(a.Right, b.Right) - 1 + offset.x();
    const int bottom = std::max(a.Bottom, b.Bottom) - 1 + offset.y();
    QPixmap picture = whole.copy(left + 1, top + 1, right - left + 1, bottom - top + 1);
    QPainter painter(&picture);
    painter.setPen(ToQColor(GridFixedLineColor()));
    if (ARect.Left == 0 && TStringGrid::FixedCols() > 0 && Options().Contains(goFixedHorzLine))
        painter.drawLine(0, 0, 0, picture.height() - 1);
    if (ARect.Top == 0 && TStringGrid::FixedRows() > 0 && Options().Contains(goFixedVertLine))
        painter.drawLine(0, 0, picture.width() - 1, 0);
    painter.end();

    auto* window = new TNoActiveForm(this);
    window->setWindowOpacity(192.0 / 255.0);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* image = new QLabel(window);
    image->setObjectName(QStringLiteral("SelectionImage"));
    image->setPixmap(picture);
    layout->addWidget(image);
    window->resize(picture.size());
    return window;
}
