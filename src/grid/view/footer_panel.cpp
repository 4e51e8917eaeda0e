#include "grid/view/footer_panel.h"

#include "grid/core/string_grid.h"
#include "grid/view/markup_renderer.h"
#include "platform/image_list.h"

#include <QHelpEvent>
#include <QToolTip>

namespace {

constexpr TColor kPreviewShadow = TColor(0x808080);
constexpr TColor kPreviewLight = TColor(0xFFFFFF);
constexpr int kTemplateTopInset = 2;

bool IsRaisedLook(TGridLook look) { return look == glSoft || look == glZRT || look == glXP || look == glVista; }

// Sets the grid's selection text colour for the footer's drawing and puts it back after.
class TSelectionTextColorScope {
public:
    TSelectionTextColorScope(TExStringGrid& Grid, TColor Color) : FGrid(Grid), FSaved(Grid.SelectionTextColor()) {
        FGrid.SetSelectionTextColor(Color);
    }
    ~TSelectionTextColorScope() { FGrid.SetSelectionTextColor(FSaved); }

private:
    TExStringGrid& FGrid;
    TColor FSaved;
};

}  // namespace

TFooterPanel::TFooterPanel(TExStringGrid* AOwner) : TCustomControlOf<QWidget>(AOwner, AOwner), FGrid(AOwner) {
    setObjectName(QStringLiteral("FooterPanel"));
    setFocusPolicy(Qt::NoFocus);
    FGrid->installEventFilter(this);
    SetPanelHeight(0);
    hide();
}

void TFooterPanel::CreateWnd() {
    const TFloatingFooter& footer = *FGrid->FloatingFooter();
    SetPanelHeight(footer.Visible ? footer.Height : 0);
    if (FGrid->OnCreatedFloatingFooter) FGrid->OnCreatedFloatingFooter(FGrid);
}

void TFooterPanel::SetPanelHeight(int Value) {
    resize(width(), std::max(0, Value));
    PlaceAlongGridBottom();
}

void TFooterPanel::PlaceAlongGridBottom() {
    const QRect cells = FGrid->viewport()->geometry();
    setGeometry(cells.left(), cells.bottom() + 1 - height(), cells.width(), height());
}

bool TFooterPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FGrid && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        PlaceAlongGridBottom();
    return false;
}

int TFooterPanel::VisibleColumnsWidth() const {
    int width = 0;
    for (int c = 0; c < FGrid->TStringGrid::FixedCols(); ++c) width += FGrid->ColWidths(c);
    for (int c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c) width += FGrid->ColWidths(c);
    return width;
}

int TFooterPanel::ColumnAt(int X) const {
    int left = 0;
    auto holds = [&](int c) {
        const int right = left + FGrid->ColWidths(c);
        const bool inside = X >= left && X < right;
        left = right;
        return inside;
    };
    for (int c = 0; c < FGrid->TStringGrid::FixedCols(); ++c)
        if (holds(c)) return c;
    for (int c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c)
        if (holds(c)) return c;
    return -1;
}

QString TFooterPanel::ExpandTemplate(const QString& Template) const {
    static const QString kOpen = QStringLiteral("<#");
    QString result;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = Template.indexOf(kOpen, from);
        const qsizetype close = open < 0 ? -1 : Template.indexOf(QLatin1Char('>'), open + kOpen.size());
        if (close < 0) return result + Template.mid(from);
        result += Template.mid(from, open - from);
        bool valid = false;
        const int column = Template.mid(open + kOpen.size(), close - open - kOpen.size()).toInt(&valid);
        if (valid && column >= 0 && column < FGrid->AllColCount()) result += FGrid->Cells(column, FGrid->Row());
        from = close + 1;
    }
}

void TFooterPanel::Paint() {
    TCanvas& canvas = *Canvas();
    const TFloatingFooter& footer = *FGrid->FloatingFooter();
    const TRect client{0, 0, width(), height()};
    int footerWidth = VisibleColumnsWidth();
    TRect area = client;
    area.Right = std::min(client.Right, client.Left + footerWidth);
    switch (footer.FooterStyle) {
        case fsFixedLastRow: PaintFixedLastRow(canvas, area); break;
        case fsColumnPreview: PaintColumnPreview(canvas, area); break;
        case fsCustomPreview: PaintCustomPreview(canvas, area); break;
        case fsCustomPaint:
            if (FGrid->OnFooterPaint) FGrid->OnFooterPaint(this, footer.Column(), &canvas, client);
            footerWidth = client.Width();
            break;
    }
    if (footerWidth < client.Width()) {
        canvas.Brush.Color = FGrid->Color();
        canvas.FillRect({client.Left + footerWidth, client.Top, client.Right, client.Bottom});
    }
    if (footer.BorderColor() != clNone) {
        canvas.Pen.Color = footer.BorderColor();
        canvas.Pen.Width = 1;
        canvas.MoveTo(0, 0);
        canvas.LineTo(footerWidth, 0);
    }
}

void TFooterPanel::PaintFixedLastRowLines(TCanvas& Canvas, const TRect& Area) {
    const TGridOptions options = FGrid->Options();
    const bool vertLines = options.Contains(goFixedVertLine);
    const bool horzLines = options.Contains(goFixedHorzLine);
    const bool raised = vertLines && IsRaisedLook(FGrid->Look()) && !FGrid->Flat();
    const int fixedCols = FGrid->TStringGrid::FixedCols();
    int x = Area.Left;
    auto lines = [&](int c) {
        const int right = x + FGrid->ColWidths(c);
        if (raised) {
            Canvas.Pen.Color = clWhite;
            Canvas.MoveTo(x, Area.Bottom);
            Canvas.LineTo(x, Area.Top);
        }
        if (horzLines) {
            Canvas.Pen.Color = FGrid->GridLineColor();
            Canvas.MoveTo(x, Area.Top);
            Canvas.LineTo(right - 1, Area.Top);
        }
        if (vertLines) {
            const bool grey = c >= fixedCols && FGrid->Look() != glVista;
            Canvas.Pen.Color = grey ? kPreviewShadow : FGrid->GridLineColor();
            Canvas.MoveTo(right - 1, Area.Top);
            Canvas.LineTo(right - 1, Area.Bottom);
        }
        x = right;
    };
    for (int c = 0; c < fixedCols; ++c) lines(c);
    for (int c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c) lines(c);
}

void TFooterPanel::PaintFixedLastRow(TCanvas& Canvas, const TRect& Area) {
    const TFloatingFooter& footer = *FGrid->FloatingFooter();
    Canvas.Brush.Color = footer.Color();
    Canvas.Pen.Color = footer.Color();
    Canvas.FillRect(Area);
    PaintFixedLastRowLines(Canvas, Area);
    const TGridOptions options = FGrid->Options();
    const bool horzLines = options.Contains(goFixedHorzLine);
    const bool raised = horzLines && IsRaisedLook(FGrid->Look()) && !FGrid->Flat();
    const int lastRow = FGrid->RowCount() - 1;
    const int fixedCols = FGrid->TStringGrid::FixedCols();
    int left = Area.Left;
    auto cell = [&](int c) {
        TRect r{left, horzLines ? 1 : 0, left + FGrid->ColWidths(c) - 1, Area.Bottom};
        left = r.Right + 1;
        if (raised) r.Left += 1;
        const bool scrolled = c >= fixedCols;
        const int realCol = FGrid->RealColIndex(c);
        if (scrolled) {
            if (FGrid->OnGetCellColor) {
                TBrush brush;
                brush.Color = clNone;
                TFont font = Canvas.Font;
                FGrid->OnGetCellColor(FGrid, lastRow, realCol, TGridDrawState{gdFixed}, &brush, &font);
                if (brush.Color != clNone) {
                    Canvas.Brush.Color = brush.Color;
                    Canvas.FillRect(r);
                }
            }
            if (FGrid->Colors(realCol, lastRow) != clNone) {
                Canvas.Brush.Color = FGrid->Colors(realCol, lastRow);
                Canvas.FillRect(r);
            }
        }
        if (!FGrid->IsBaseCell(c, lastRow)) return;
        if (scrolled && FGrid->OnFooterPaint)
            FGrid->OnFooterPaint(this, c, &Canvas, r);
        else
            FGrid->DrawGridCell(Canvas, c, lastRow, r, TGridDrawState{gdFixed});
    };
    for (int c = 0; c < fixedCols; ++c) cell(c);
    for (int c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c) cell(c);
}

void TFooterPanel::PaintPreviewFrame(TCanvas& Canvas, const TRect& Area) {
    Canvas.Brush.Color = FGrid->FloatingFooter()->Color();
    Canvas.FillRect(Area);
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = kPreviewShadow;
    Canvas.MoveTo(Area.Left, Area.Bottom - 1);
    Canvas.LineTo(Area.Right - 1, Area.Bottom - 1);
    Canvas.LineTo(Area.Right - 1, Area.Top);
    Canvas.Pen.Color = kPreviewLight;
    Canvas.MoveTo(Area.Left, Area.Bottom - 1);
    Canvas.LineTo(Area.Left, Area.Top);
    Canvas.LineTo(Area.Right - 1, Area.Top);
}

void TFooterPanel::PaintColumnPreview(TCanvas& Canvas, const TRect& Area) {
    PaintPreviewFrame(Canvas, Area);
    TSelectionTextColorScope black(*FGrid, clBlack);
    const int column = FGrid->FloatingFooter()->Column();
    if (FGrid->OnFooterPaint)
        FGrid->OnFooterPaint(this, column, &Canvas, Area);
    else
        FGrid->DrawGridCell(Canvas, column, FGrid->Row(), Area, TGridDrawState{});
}

void TFooterPanel::PaintCustomPreview(TCanvas& Canvas, const TRect& Area) {
    PaintPreviewFrame(Canvas, Area);
    TSelectionTextColorScope black(*FGrid, clBlack);
    const QString& customTemplate = FGrid->FloatingFooter()->CustomTemplate();
    if (FGrid->InDesignMode()) {
        TRect r = Area;
        Canvas.DrawText(customTemplate, r, 0);
        return;
    }
    TMarkupTextParams params;
    params.Canvas = &Canvas;
    params.Text = ExpandTemplate(customTemplate);
    params.Bounds = {Area.Left, Area.Top + kTemplateTopInset, Area.Right, Area.Bottom};
    params.Images = dynamic_cast<const TCustomImageList*>(FGrid->GridImages());
    params.PictureContainer = FGrid->PictureContainer();
    params.PictureCache = FGrid->ImageCache();
    params.WindowHandle = this;
    params.MouseX = 0;
    params.MouseY = 0;
    params.WordWrap = !FGrid->EnhTextSize();
    params.AnchorColor = FGrid->URLColor();
    params.ShadowColor = kPreviewShadow;
    DrawMarkupText(params);
}

void TFooterPanel::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControlOf<QWidget>::MouseMove(Shift, X, Y);
    if (!FGrid->FloatingFooter()->ShowHint() || FLastHintX < 0) return;
    const int column = ColumnAt(X);
    if (column == FLastHintX) return;
    QToolTip::hideText();
    FLastHintX = column;
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControlOf<QWidget>::MouseUp(Button, Shift, X, Y);
    if (FGrid->OnClick) FGrid->OnClick(FGrid);
    if (FGrid->OnClickCell) FGrid->OnClickCell(FGrid, FGrid->RowCount() - 1, ColumnAt(X));
}

bool TFooterPanel::ShowHintAt(const QPoint& Position) {
    const int column = ColumnAt(Position.x());
    QString hint = toolTip();
    if (FGrid->OnGridHint && column >= 0) FGrid->OnGridHint(FGrid, FGrid->RowCount() - 1, column, hint);
    const bool showHint = FGrid->FloatingFooter()->ShowHint();
    FLastHintX = showHint && column >= 0 ? column : -1;
    if (!showHint || hint.isEmpty()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(mapToGlobal(Position), hint, this);
    return true;
}

bool TFooterPanel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        ShowHintAt(static_cast<QHelpEvent*>(event)->pos());
        return true;
    }
    if (event->type() == QEvent::Leave) FLastHintX = -1;
    return TCustomControlOf<QWidget>::event(event);
}
