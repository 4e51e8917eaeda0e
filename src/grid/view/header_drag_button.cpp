#include "grid/view/header_drag_button.h"

#include "grid/core/string_grid.h"
#include "grid/view/markup_renderer.h"
#include "platform/image_list.h"

THeaderDragButton::THeaderDragButton(TExStringGrid* AGrid)
    : TCustomControlOf<QWidget>(nullptr, AGrid), FGrid(AGrid) {
    // A pop-up of its own, so that it can stand anywhere over the screen while dragged.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("MoveButton"));
    setFocusPolicy(Qt::NoFocus);
    setEnabled(false);
    hide();
}

void THeaderDragButton::SetCaption(const QString& Value) {
    FCaption = Value;
    update();
}

void THeaderDragButton::Paint() {
    TCanvas& canvas = *Canvas();
    const TRect client{0, 0, width(), height()};
    canvas.Brush.Color = FGrid->FixedColor();
    canvas.Pen.Color = clBlack;
    canvas.Rectangle(client);
    canvas.Font = *FGrid->FixedFont();
    canvas.TransparentText = true;
    TRect inside{client.Left + 1, client.Top + 1, client.Right - 1, client.Bottom - 1};
    if (!FCaption.contains(QLatin1String("</"))) {
        canvas.DrawText(FCaption, inside, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
        return;
    }
    TMarkupTextParams params;
    params.Canvas = &canvas;
    params.Text = FCaption;
    params.Bounds = inside;
    params.Images = dynamic_cast<const TCustomImageList*>(FGrid->GridImages());
    params.PictureContainer = FGrid->PictureContainer();
    params.PictureCache = FGrid->ImageCache();
    params.WindowHandle = this;
    DrawMarkupText(params);
}
