// How the detail drop-down sizes and paints the rows of its list: picture or image,
// caption, and the notes under the caption.
#include "dropdowns/detail_drop_down.h"

#include "dropdowns/drop_down_form.h"
#include "dropdowns/dropdown_drawing.h"
#include "platform/image_list.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>

void TExDetailDropDown::SizeItem(TSize& ASize) const {
    // A pop-up not yet shown has no width of its own; it opens as wide as the edit.
    const bool popUpSized = DropDownForm() && DropDownForm()->isVisible();
    int width = FDropDownWidth > 0 ? FDropDownWidth : (popUpSized ? DropDownForm()->width() : this->width());
    if (FItemSelector && FItemSelector->verticalScrollBar()->isVisible())
        width -= FItemSelector->verticalScrollBar()->sizeHint().width();
    width -= 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
    ASize.cx = std::max(1, width);
    ASize.cy = FItemHeight;
}

void TExDetailDropDown::DrawItem(TCanvas& Canvas, TRect R, int Index) const {
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(const_cast<TExDetailDropDown*>(this), Canvas, R);
        return;
    }
    if (Index < 0 || Index >= FItems.Count()) return;
    const TDetailItem* item = FItems.Items(Index);
    const bool hasCaption = !item->Caption().isEmpty();
    // The picture wins over the image-list image; without a caption it stands centred.
    const auto left = [&](int w) { return hasCaption ? R.Left + 2 : R.Left + (R.Width() - w) / 2; };
    if (!item->Image().Empty()) {
        const QImage& image = item->Image().Image();
        Canvas.Painter()->drawImage(left(image.width()), R.Top + (R.Height() - image.height()) / 2, image);
        R.Left += image.width() + 4;
    } else if (Images() && item->ImageIndex() >= 0) {
        Images()->Draw(Canvas, left(Images()->Width()), R.Top + (R.Height() - Images()->Height()) / 2,
                       item->ImageIndex(), true);
        R.Left += Images()->Width() + 4;
    }

    TColor color = FCaptionFont.Color;
    if (FItemSelector && FItemSelector->ItemHot() == Index) color = FItemAppearance.ColorHotText();
    if (Index == FItemIndex) color = FItemAppearance.ColorSelectedText();
    Canvas.Font = FCaptionFont;
    Canvas.Font.Color = color;
    Canvas.Brush.Style = bsClear;
    Canvas.TransparentText = true;
    R.Left += 4;
    R.Right -= 4;
    R.Top += 2;
    TRect captionRect = R;
    Canvas.DrawText(item->Caption(), captionRect, DT_END_ELLIPSIS);

    if (item->Notes().isEmpty()) return;
    R.Top += Canvas.TextHeight(QStringLiteral("gh"));
    Canvas.Font = FNotesFont;
    Canvas.Font.Color = color;
    TSize size;
    DrawHTMLText(Canvas, item->Notes(), R, size, 0, true, Images());
}
