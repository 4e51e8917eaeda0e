// Filling, sizing and input of the multi-column drop-down's list grid.

#include "dropdowns/multi_column_list_grid.h"

#include "dropdowns/drop_down_form.h"
#include "dropdowns/multi_column_drop_down.h"
#include "platform/image_list.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

namespace multi_column {

namespace {

constexpr int kWrappedRowMinimum = 24;

}  // namespace

TExColGrid::TExColGrid(TComponent* AOwner, QWidget* AParent) : TStringGrid(AOwner, AParent) {
    SetFixedCols(0);
    SetFixedRows(1);
    // Without fixed columns the view starts at column 0.
    SetCol(0);
    SetLeftCol(0);
    TGridOptions options = Options();
    options.Exclude(goRangeSelect);
    options.Exclude(goDrawFocusSelected);
    options.Include(goHorzLine);
    options.Include(goRowSelect);
    SetOptions(options);
    SetDefaultDrawing(false);
    SetGridLineWidth(0);
    FGridLineWidth = 1;
    setFrameShape(QFrame::NoFrame);
    FOldRow = Row();
}

TExColGrid::~TExColGrid() { SetImages(nullptr); }

void TExColGrid::SetImages(TCustomImageList* Value) {
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages) FImages->FreeNotification(this);
}

void TExColGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TStringGrid::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TExColGrid::SetGridLineWidth(int Value) {
    FGridLineWidth = Value;
    TStringGrid::SetGridLineWidth(0);
    InvalidateGrid();
}

void TExColGrid::FillFrom(TExMultiColumnDropDown* DropDown) {
    FExDropDown = DropDown;
    // A pick confirmed in an earlier opening is no pick in this one.
    FConfirmSelection = false;
    FColumns.Assign(&DropDown->Columns());
    SetColCount(std::max(1, FColumns.Count()));
    const int items = DropDown->Items().Count();
    if (items > 0) {
        SetRowCount(items + 1);
        SetFixedRows(1);
        SetRow(1);
        SetRowCount(items + 1);
    } else {
        SetFixedRows(0);
        SetRowCount(1);
        SetTopRow(0);
    }
    SetCol(0);
    SetLeftCol(0);
    for (int i = 0; i < FColumns.Count(); ++i) SetColWidths(i, FColumns.Items(i)->Width());

    FLineColor = DropDown->LineColor();
    FFixedLineColor = DropDown->FixedLineColor();
    FHeaderColor = DropDown->HeaderColor();
    FHeaderColorTo = DropDown->HeaderColorTo();
    FHeaderHeight = DropDown->HeaderHeight();
    FHeaderFont.Assign(DropDown->HeaderFont());
    SetImages(DropDown->Images());
    SetDefaultRowHeight(DropDown->DropDownRowHeight());
    SetRowHeights(0, DropDown->HeaderHeight());
    TGridOptions options = Options();
    if (DropDown->ColumnSizing()) options.Include(goColSizing);
    else options.Exclude(goColSizing);
    SetOptions(options);

    bool wrapped = false;
    for (int i = 0; i < FColumns.Count(); ++i) {
        if (FColumns.Items(i)->AutoSize()) AutoSizeColumn(i);
        wrapped = wrapped || FColumns.Items(i)->Wordwrap();
    }
    if (wrapped) SizeWrappedRows();
}

bool TExColGrid::MeasuresInPopUp() const {
    return FExDropDown && parentWidget() && parentWidget() == static_cast<QWidget*>(FExDropDown->DropDownForm());
}

namespace {

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

void TExColGrid::AutoSizeColumn(int Column) {
    if (!MeasuresInPopUp()) return;
    TMeasuringCanvas measuring;
    TCanvas& canvas = measuring.Canvas();
    TDropDownColumn* column = FColumns.Items(Column);
    canvas.Font = column->Font();
    const TDropDownItems& items = FExDropDown->Items();
    int widest = 0;
    for (int i = 0; i < items.Count(); ++i) {
        const TDropDownItem* item = items.Items(i);
        int width = 0;
        if (column->ColumnType() == ctImage && FImages && item->ImageIndex() >= 0) width += FImages->Width() + 4;
        const QString text = item->ColumnText(Column);
        if (!text.isEmpty()) width += canvas.TextWidth(text) + 6;
        widest = std::max(widest, width);
    }
    SetColWidths(Column, widest);
    column->SetWidth(widest);
}

void TExColGrid::SizeWrappedRows() {
    if (!MeasuresInPopUp()) return;
    TMeasuringCanvas measuring;
    TCanvas& canvas = measuring.Canvas();
    const TDropDownItems& items = FExDropDown->Items();
    for (int i = 0; i < items.Count(); ++i) {
        const TDropDownItem* item = items.Items(i);
        int height = kWrappedRowMinimum;
        for (int c = 0; c < FColumns.Count(); ++c) {
            const TDropDownColumn* column = FColumns.Items(c);
            if (!column->Wordwrap()) continue;
            int candidate = 0;
            if (column->ColumnType() == ctImage && FImages && item->ImageIndex() >= 0) candidate = FImages->Height() + 6;
            canvas.Font = column->Font();
            TRect r{0, 0, ColWidths(c), 0};
            canvas.DrawText(item->ColumnText(c), r, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
            candidate = std::max(candidate, r.Height() + 6);
            height = std::max(height, candidate);
        }
        SetRowHeights(i + 1, height);
    }
}

int TExColGrid::ScrollBarWidth() { return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

bool TExColGrid::AllDataRowsVisible() const {
    int total = 0;
    for (int r = 0; r < RowCount(); ++r) total += RowHeights(r);
    return total <= viewport()->height();
}

int TExColGrid::ColumnsWidth() const {
    int width = 0;
    for (int i = 0; i < FColumns.Count() && i < ColCount(); ++i) width += ColWidths(i);
    if (!AllDataRowsVisible()) width += ScrollBarWidth();
    return width;
}

void TExColGrid::Select() {
    if (OnSelect) OnSelect(this);
}

bool TExColGrid::event(QEvent* event) {
    // Tab stays in the list: it neither moves the focus nor a cell.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
        event->accept();
        return true;
    }
    return TStringGrid::event(event);
}

void TExColGrid::KeyDown(WORD& Key, TShiftState Shift) {
    FConfirmSelection = true;
    // Alt+Up and Alt+Down reached the drop-down through the pop-up's key relay already.
    if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN)) return;
    const WORD key = Key;
    TStringGrid::KeyDown(Key, Shift);
    if (key == VK_RETURN) Select();
}

void TExColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FConfirmSelection = true;
    FOldRow = Row();
    TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TExColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const bool sizing = GridState() == gsColSizing || GridState() == gsRowSizing;
    TStringGrid::MouseUp(Button, Shift, X, Y);
    const TGridCoord cell = MouseCoord(X, Y);
    if (!sizing && cell.Y >= FixedRows() && cell.Y < RowCount()) Select();
}

bool TExColGrid::WheelMove(const std::function<bool()>& Move) {
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    const bool handled = Move();
    FMouseWheelSelection = false;
    return handled;
}

bool TExColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    return WheelMove([&] { return TStringGrid::DoMouseWheelDown(Shift, MousePos); });
}

bool TExColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    return WheelMove([&] { return TStringGrid::DoMouseWheelUp(Shift, MousePos); });
}

}  // namespace multi_column
