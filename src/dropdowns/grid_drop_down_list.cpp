#include "dropdowns/grid_drop_down_list.h"

#include "dropdowns/drop_down_form.h"
#include "dropdowns/grid_drop_down.h"
#include "platform/image_list.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

namespace grid_drop_down {

namespace {

constexpr int kWrappedRowMinimum = 24;

// A canvas to measure texts on, away from any window.
class TMeasuringCanvas {
public:
    TMeasuringCanvas() : FImage(1, 1, QImage::Format_RGB32), FPainter(&FImage), FCanvas(&FPainter) {}
    TCanvas& Canvas() { return FCanvas; }

private:
    QImage FImage;
    QPainter FPainter;
    TCanvas FCanvas;
};

}  // namespace

TExColGrid::TExColGrid(TComponent* AOwner, QWidget* AParent) : TExStringGrid(AOwner, AParent) {
    SetFixedRowAlways(true);
    SetFixedRows(1);
    SetFixedCols(0);
    TGridOptions options = Options();
    options.Include(goHorzLine);
    options.Include(goRowSelect);
    options.Exclude(goRangeSelect);
    SetOptions(options);
    SetGridLineWidth(1);
    FOldRow = Row();
}

TExColGrid::~TExColGrid() = default;

void TExColGrid::SetGridLineWidth(int Value) {
    FGridLineWidth = Value;
    Invalidate();
}

TObject* TExColGrid::ItemNumber(int Index) {
    while (int(FItemNumbers.size()) <= Index) FItemNumbers.push_back(std::make_unique<TItemNumber>(int(FItemNumbers.size())));
    return FItemNumbers[std::size_t(Index)].get();
}

int TExColGrid::ItemOfRow(int ARow) const {
    if (ARow < 0 || ARow >= RowCount()) return ARow;
    if (const auto* number = dynamic_cast<const TItemNumber*>(Objects(0, ARow))) return number->Index;
    return ARow;
}

int TExColGrid::RowOfItem(int Item) const {
    for (int row = FixedRows(); row < RowCount(); ++row)
        if (const auto* number = dynamic_cast<const TItemNumber*>(Objects(0, row)); number && number->Index == Item)
            return row;
    return -1;
}

void TExColGrid::ApplyDropDownSettings(TCustomExGridDropDown* DropDown) {
    FExDropDown = DropDown;
    FColumns.Assign(&DropDown->Columns());
    if (ColCount() < FColumns.Count()) SetColCount(FColumns.Count());
    if (DropDown->UseItems()) SetRowCount(DropDown->Items().Count() + 1);
    for (int i = 0; i < FColumns.Count(); ++i) SetColWidths(i, FColumns.Items(i)->Width());
    // The list opens scrolled to its first column.
    SetLeftCol(FixedCols());
    FLineColor = DropDown->LineColor();
    FFixedLineColor = DropDown->FixedLineColor();
    FHeaderColor = DropDown->HeaderColor();
    FHeaderColorTo = DropDown->HeaderColorTo();
    FHeaderHeight = DropDown->HeaderHeight();
    FHeaderFont.Assign(DropDown->HeaderFont());
    SetHoverRow(DropDown->HoverRow());
    SetHoverRowColor(DropDown->HoverRowColor());
    SetHoverRowColorTo(DropDown->HoverRowColorTo());
    FImages = DropDown->Images();
    SetDefaultRowHeight(DropDown->DropDownRowHeight());
    SetRowHeights(0, DropDown->HeaderHeight());
    TGridOptions options = Options();
    const auto follow = [&](TGridOption option, bool on) { on ? options.Include(option) : options.Exclude(option); };
    follow(goColSizing, DropDown->ColumnSizing());
    follow(goColMoving, DropDown->ColumnMoving());
    follow(goRowSizing, DropDown->RowSizing());
    follow(goRowMoving, DropDown->RowMoving());
    SetOptions(options);
    if (DropDown->AutoSizeColumns() && DropDown->UseItems()) AutoSizeItemColumns();
    AutoSizeRows();
}

void TExColGrid::FillFromItems() {
    if (!FExDropDown) return;
    if (ColCount() != FColumns.Count() && FColumns.Count() > 0) SetColCount(FColumns.Count());
    for (int k = 0; k < FColumns.Count(); ++k) SetCells(k, 0, FColumns.Items(k)->Header());
    SetObjects(0, 0, &FHeaderNumber);
    const TDropDownItems& items = FExDropDown->Items();
    if (items.Count() > 0) SetRowCount(FixedRows() + items.Count());
    BeginUpdate();
    for (int i = 0; i < items.Count(); ++i) {
        const TDropDownItem* item = items.Items(i);
        for (int k = 0; k < ColCount(); ++k) SetCells(k, i + 1, item->ColumnText(k));
        SetObjects(0, i + 1, ItemNumber(i));
    }
    EndUpdate();
}

bool TExColGrid::MeasuresInPopUp() const {
    return FExDropDown && parentWidget() && parentWidget() == static_cast<QWidget*>(FExDropDown->DropDownForm());
}

void TExColGrid::AutoSizeColumn(int Index) {
    if (Index < 0 || Index >= FColumns.Count() || !FColumns.Items(Index)->AutoSize() || !MeasuresInPopUp()) return;
    TMeasuringCanvas measuring;
    TCanvas& canvas = measuring.Canvas();
    TDropDownColumn* column = FColumns.Items(Index);
    canvas.Font = column->Font();
    const TDropDownItems& items = FExDropDown->Items();
    int widest = 0;
    for (int r = 1; r < RowCount(); ++r) {
        const TDropDownItem* item = r - 1 < items.Count() ? items.Items(r - 1) : nullptr;
        const QString text = item ? item->ColumnText(Index) : QString();
        const int image = item && column->ColumnType() == ctImage ? item->ImageIndex() : -1;
        int width = image >= 0 && FImages ? FImages->Width() + 4 : 0;
        if (!text.isEmpty()) width += canvas.TextWidth(text) + 6;
        widest = std::max(widest, width);
    }
    column->SetWidth(widest);
    SetColWidths(Index, widest);
}

void TExColGrid::AutoSizeItemColumns() {
    for (int i = 0; i < FColumns.Count(); ++i)
        if (FColumns.Items(i)->AutoSize()) AutoSizeColumn(i);
}

void TExColGrid::AutoSizeRows() {
    bool wrapped = false;
    for (int i = 0; i < FColumns.Count(); ++i) wrapped = wrapped || FColumns.Items(i)->Wordwrap();
    if (!wrapped || !MeasuresInPopUp()) return;
    TMeasuringCanvas measuring;
    TCanvas& canvas = measuring.Canvas();
    const TDropDownItems& items = FExDropDown->Items();
    for (int r = FixedRows(); r < RowCount() && r - 1 < items.Count(); ++r) {
        const TDropDownItem* item = items.Items(r - 1);
        int height = kWrappedRowMinimum;
        for (int k = 0; k < FColumns.Count(); ++k) {
            const TDropDownColumn* column = FColumns.Items(k);
            if (!column->Wordwrap()) continue;
            if (column->ColumnType() == ctImage && FImages && item->ImageIndex() >= 0)
                height = std::max(height, FImages->Height() + 6);
            const QString text = item->ColumnText(k);
            if (text.isEmpty()) continue;
            canvas.Font = column->Font();
            TRect rect{0, 0, column->Width(), 500};
            canvas.DrawText(text, rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            height = std::max(height, rect.Height() + 6);
        }
        SetRowHeights(r, height);
    }
}

int TExColGrid::ScrollBarWidth() { return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

int TExColGrid::ListWidth() const {
    int width = 2 * (BorderStyle() == bsNone ? 0 : 1);
    for (int i = 0; i < ColCount(); ++i) width += ColWidths(i);
    if (!AllRowsVisible()) width += ScrollBarWidth();
    return width;
}

void TExColGrid::DoSelect() {
    if (OnSelect) OnSelect(this);
}

bool TExColGrid::event(QEvent* event) {
    // Tab stays in the list: it neither moves the focus nor a cell.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
        event->accept();
        return true;
    }
    return TExStringGrid::event(event);
}

void TExColGrid::keyPressEvent(QKeyEvent* event) {
    FConfirmSelection = true;
    // Enter chooses the current row, once; neither the key nor its character goes further.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !(event->modifiers() & Qt::AltModifier)) {
        event->accept();
        DoSelect();
        return;
    }
    TExStringGrid::keyPressEvent(event);
}

void TExColGrid::KeyDown(WORD& Key, TShiftState Shift) {
    // Alt+Up and Alt+Down reached the drop-down through the pop-up's key relay already.
    if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN)) return;
    TExStringGrid::KeyDown(Key, Shift);
}

void TExColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FConfirmSelection = true;
    FOldRow = Row();
    TExStringGrid::MouseDown(Button, Shift, X, Y);
}

void TExColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExStringGrid::MouseUp(Button, Shift, X, Y);
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (Button == mbLeft && row >= FixedRows() && row < RowCount() && !HasCheckBox(RealColIndex(col), row)) DoSelect();
}

bool TExColGrid::WheelMove(const std::function<bool()>& Move) {
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    const bool handled = Move();
    FMouseWheelSelection = false;
    return handled;
}

bool TExColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    return WheelMove([&] { return TExStringGrid::DoMouseWheelDown(Shift, MousePos); });
}

bool TExColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    return WheelMove([&] { return TExStringGrid::DoMouseWheelUp(Shift, MousePos); });
}

}  // namespace grid_drop_down
