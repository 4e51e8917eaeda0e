#include "grid/view/html_hint_window.h"

#include "controls/text_utilities.h"
#include "grid/core/string_grid.h"
#include "grid/view/markup_renderer.h"
#include "platform/canvas.h"
#include "platform/image_list.h"
#include "platform/screen_geometry.h"

#include <QEvent>
#include <QImage>
#include <QPainter>

namespace {

constexpr int kWideExtraWidth = 8;
constexpr int kMarkupExtraWidth = 16;
constexpr int kScreenInset = 2;
constexpr TColor kHintShadowColor = TColor(0x808080);

bool IsWideText(const QString& text) { return CellTextKind(text, true) == ckEscapedWide; }

}  // namespace

THTMLHintWindow::THTMLHintWindow(QWidget* AOwner)
    : QWidget(AOwner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("THTMLHintWindow"));
}

void THTMLHintWindow::HideWith(QWidget* Watched) {
    if (FWatched == Watched) return;
    if (FWatched) FWatched->removeEventFilter(this);
    FWatched = Watched;
    if (FWatched) FWatched->installEventFilter(this);
}

bool THTMLHintWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != FWatched) return false;
    switch (event->type()) {
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::Hide: hide(); break;
        default: break;
    }
    return false;
}

void THTMLHintWindow::SetCaption(const QString& Value) {
    FCaption = Value;
    update();
}

void THTMLHintWindow::SetColor(TColor Value) {
    FColor = Value;
    update();
}

void THTMLHintWindow::TakeGridData(QObject* AData) {
    auto* grid = dynamic_cast<TExStringGrid*>(AData);
    if (!grid) return;
    FImages = dynamic_cast<TCustomImageList*>(grid->GridImages());
    FPictureContainer = grid->PictureContainer();
    FWideFontName = grid->font().family();
}

TMarkupTextParams THTMLHintWindow::MarkupParams(TCanvas& Canvas, const QString& Text, const TRect& Bounds) {
    TMarkupTextParams params;
    params.Canvas = &Canvas;
    params.Text = Text;
    params.Bounds = Bounds;
    params.Images = FImages;
    params.PictureContainer = FPictureContainer;
    params.WindowHandle = this;
    params.MouseX = 0;
    params.MouseY = 0;
    params.AnchorColor = clBlue;
    params.ShadowColor = kHintShadowColor;
    return params;
}

THTMLHintWindow::TTextSize THTMLHintWindow::MeasureText(const QString& AHint, int MaxWidth) {
    QImage scratch(1, 1, QImage::Format_ARGB32);
    QPainter painter(&scratch);
    TCanvas canvas(&painter);
    canvas.Font.Name = font().family();
    if (IsWideText(AHint)) {
        if (!FWideFontName.isEmpty()) canvas.Font.Name = FWideFontName;
        FWideCaption = EscapedToWide(AHint);
        TRect r{0, 0, MaxWidth, 0};
        canvas.DrawText(FWideCaption, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        return {r.Width(), r.Height()};
    }
    TMarkupTextParams params = MarkupParams(canvas, AHint, {0, 0, MaxWidth, 0});
    params.MeasureOnly = true;
    params.WordWrap = true;
    DrawMarkupText(params);
    return {params.MaxLineWidth, params.TotalHeight};
}

void THTMLHintWindow::ActivateHintData(const TRect& Rect, const QString& AHint, QObject* AData) {
    TakeGridData(AData);
    ActivateHint(Rect, AHint);
}

void THTMLHintWindow::ActivateHint(const TRect& Rect, const QString& AHint) {
    FCaption = AHint;
    const TTextSize size = MeasureText(AHint, kMeasureWidth);
    const int extraWidth = IsWideText(AHint) ? kWideExtraWidth : kMarkupExtraWidth;
    FTextWidth = size.Width;
    FTextHeight = size.Height;
    TRect r{Rect.Left, Rect.Top, Rect.Left + FTextWidth + extraWidth, Rect.Top + FTextHeight + kMargin};
    if (const std::optional<TRect> monitor = ScreenWorkAreaAt({r.Left, r.Top})) {
        // A hint that would run off the screen's right edge moves left to end inside it.
        if (r.Right > monitor->Right) {
            const int width = r.Width();
            r.Right = monitor->Right - kScreenInset;
            r.Left = r.Right - width;
        }
        if (r.Bottom > monitor->Bottom) {
            r.Bottom = monitor->Bottom - kScreenInset;
            r.Top = r.Bottom - FTextHeight - kMargin;
        }
    }
    setGeometry(r.Left, r.Top, r.Width(), r.Height());
    show();
    update();
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const QString& AHint, QObject* AData) {
    TakeGridData(AData);
    const TTextSize size = MeasureText(AHint, MaxWidth);
    return {0, 0, size.Width, size.Height};
}

void THTMLHintWindow::paintEvent(QPaintEvent*) { Paint(); }

void THTMLHintWindow::DrawHintBorder(TCanvas& Canvas, const TRect& r) const {
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = cl3DLight;
    Canvas.MoveTo(r.Left, r.Bottom - 2);
    Canvas.LineTo(r.Left, r.Top);
    Canvas.LineTo(r.Right - 1, r.Top);
    Canvas.Pen.Color = cl3DDkShadow;
    Canvas.MoveTo(r.Left, r.Bottom - 1);
    Canvas.LineTo(r.Right - 1, r.Bottom - 1);
    Canvas.LineTo(r.Right - 1, r.Top - 1);
}

void THTMLHintWindow::Paint() {
    QPainter painter(this);
    TCanvas canvas(&painter);
    canvas.Font.Name = font().family();
    const TRect client{0, 0, width(), height()};
    canvas.Brush.Color = FColor;
    canvas.FillRect(client);
    DrawHintBorder(canvas, client);
    TRect textRect;
    textRect.Left = client.Left + kMargin;
    textRect.Top = client.Top + (client.Height() - FTextHeight) / 2;
    textRect.Bottom = textRect.Top + FTextHeight + 8;
    textRect.Right = client.Right - kMargin;
    canvas.Brush.Color = FColor;
    if (IsWideText(FCaption)) {
        if (!FWideFontName.isEmpty()) canvas.Font.Name = FWideFontName;
        canvas.DrawText(EscapedToWide(FCaption), textRect, DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    TMarkupTextParams params = MarkupParams(canvas, FCaption, textRect);
    params.WordWrap = false;
    DrawMarkupText(params);
}
