// Themed parts through the Fusion style (one look on every desktop) and the classic
// frame controls in our own 3D drawing.
#include "platform/canvas.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <memory>

namespace {

QStyle* FusionStyle() {
    static std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Fusion")));
    return style ? style.get() : QApplication::style();
}

QStyle::State StateFlags(int state) {
    QStyle::State flags = QStyle::State_Active;
    if (state != 3) flags |= QStyle::State_Enabled;
    if (state == 1) flags |= QStyle::State_MouseOver;
    if (state == 2) flags |= QStyle::State_Sunken;
    return flags;
}

// A check column draws the same few check boxes in every row, and the style draws each
// with antialiased paths; so each look is drawn once into a picture and copied after.
struct TIndicatorKey {
    int Part;
    int State;  // the style's state flags, the mark among them
    QSize Size;
    qreal PixelRatio;
    qint64 Palette;
    friend bool operator==(const TIndicatorKey&, const TIndicatorKey&) = default;
};

size_t qHash(const TIndicatorKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.Part, key.State, key.Size.width(), key.Size.height(), key.PixelRatio,
                      key.Palette);
}

// A few sizes in a few states; a bound keeps odd sizes from growing it without end.
constexpr qsizetype kMaxIndicators = 64;

const QImage& IndicatorImage(const TIndicatorKey& key, QStyle* style, const QStyleOptionButton& option) {
    // Pictures drawn on another thread (into images) are that thread's own.
    thread_local QHash<TIndicatorKey, QImage> images;
    if (auto found = images.constFind(key); found != images.constEnd()) return *found;
    QImage image(key.Size * key.PixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(key.PixelRatio);
    image.fill(Qt::transparent);
    QStyleOptionButton atOrigin = option;
    atOrigin.rect = QRect(QPoint(0, 0), key.Size);
    QPainter painter(&image);
    style->drawPrimitive(QStyle::PrimitiveElement(key.Part), &atOrigin, &painter);
    painter.end();
    if (images.size() >= kMaxIndicators) images.clear();
    return *images.insert(key, image);
}

// A picture copies pixel for pixel only where the painter moves by whole pixels on a
// device of whole pixel ratio and blends over what is there.
bool Copies_Pixel_For_Pixel(const QPainter& painter) {
    const QTransform& t = painter.worldTransform();
    const qreal ratio = painter.device()->devicePixelRatioF();
    return t.type() <= QTransform::TxTranslate && t.dx() == qRound(t.dx()) && t.dy() == qRound(t.dy()) &&
           ratio == qRound(ratio) && painter.compositionMode() == QPainter::CompositionMode_SourceOver;
}

}  // namespace

void TCanvas::DrawThemedPart(const TRect& r, TThemedPart part, int state, TCheckMark mark, int percent) {
    if (r.IsEmpty()) return;
    QStyle* style = FusionStyle();
    QStyle::State flags = StateFlags(state);
    FPainter->save();
    switch (part) {
    case tpCheckBox:
    case tpRadioButton: {
        QStyleOptionButton option;
        option.rect = r.ToQRect();
        option.state = flags | (mark == cmChecked ? QStyle::State_On
                                : mark == cmMixed ? QStyle::State_NoChange
                                                  : QStyle::State_Off);
        const QStyle::PrimitiveElement element =
            part == tpCheckBox ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton;
        if (!Copies_Pixel_For_Pixel(*FPainter)) {
            style->drawPrimitive(element, &option, FPainter);
            break;
        }
        const TIndicatorKey key{int(element), int(option.state), option.rect.size(),
                                FPainter->device()->devicePixelRatioF(), option.palette.cacheKey()};
        FPainter->drawImage(option.rect.topLeft(), IndicatorImage(key, style, option));
        break;
    }
    case tpPushButton: {
        QStyleOptionButton option;
        option.rect = r.ToQRect();
        option.state = flags | (state == 2 ? QStyle::State_Sunken : QStyle::State_Raised);
        style->drawControl(QStyle::CE_PushButtonBevel, &option, FPainter);
        break;
    }
    case tpComboArrow:
    case tpSpinUp:
    case tpSpinDown:
    case tpSpinLeft:
    case tpSpinRight: {
        // A raised button face with the arrow of its kind in the middle.
        QStyleOptionButton option;
        option.rect = r.ToQRect();
        option.state = flags | QStyle::State_Raised;
        style->drawControl(QStyle::CE_PushButtonBevel, &option, FPainter);
        QStyleOption arrow;
        arrow.rect = part == tpComboArrow ? r.ToQRect().adjusted(3, 3, -3, -3) : r.ToQRect().adjusted(2, 1, -2, -1);
        arrow.state = flags;
        const QStyle::PrimitiveElement element = part == tpSpinUp      ? QStyle::PE_IndicatorArrowUp
                                                 : part == tpSpinLeft  ? QStyle::PE_IndicatorArrowLeft
                                                 : part == tpSpinRight ? QStyle::PE_IndicatorArrowRight
                                                                       : QStyle::PE_IndicatorArrowDown;
        style->drawPrimitive(element, &arrow, FPainter);
        break;
    }
    case tpHeaderSection: {
        QStyleOptionHeader option;
        option.rect = r.ToQRect();
        option.state = flags | QStyle::State_Raised;
        style->drawControl(QStyle::CE_HeaderSection, &option, FPainter);
        break;
    }
    case tpProgressBar:
    case tpProgressChunk: {
        QStyleOptionProgressBar option;
        option.rect = r.ToQRect();
        option.state = flags | QStyle::State_Horizontal;
        option.minimum = 0;
        option.maximum = 100;
        option.progress = part == tpProgressChunk ? 100 : qBound(0, percent, 100);
        style->drawControl(part == tpProgressBar ? QStyle::CE_ProgressBarGroove : QStyle::CE_ProgressBarContents,
                           &option, FPainter);
        break;
    }
    }
    FPainter->restore();
}

void TCanvas::DrawFrameControl(const TRect& r, TFrameControl kind, bool checked, bool grayed, bool flat, int state) {
    if (r.IsEmpty()) return;
    const bool disabled = state == 3;
    const QColor face = ToQColor(disabled || state == 2 ? clBtnFace : clWindow);
    const QColor mark = ToQColor(disabled ? clGrayText : clWindowText);
    switch (kind) {
    case fcCheckBox:
        if (flat) {
            FPainter->fillRect(r.ToQRect(), face);
            const TPen keep = Pen;
            Pen.Color = clBtnShadow;
            FrameRect(r);
            Pen = keep;
        } else {
            FPainter->fillRect(r.ToQRect(), face);
            DrawEdge(r, ekSunken, false);
        }
        if (checked || grayed) {
            // A tick of three-pixel-high strokes, grey when the box is three-state.
            const QColor c = grayed ? ToQColor(clBtnShadow) : mark;
            const int x0 = r.Left + (r.Width() - 7) / 2, y0 = r.Top + (r.Height() - 7) / 2;
            for (int i = 0; i < 7; ++i) {
                const int y = i < 3 ? y0 + 2 + i : y0 + 4 - (i - 2);
                FPainter->fillRect(QRect(x0 + i, y, 1, 3), c);
            }
        }
        break;
    case fcRadioButton: {
        FPainter->save();
        FPainter->setRenderHint(QPainter::Antialiasing, true);
        FPainter->setPen(ToQColor(flat ? clBtnShadow : cl3DDkShadow));
        FPainter->setBrush(face);
        FPainter->drawEllipse(QRectF(r.Left + 0.5, r.Top + 0.5, r.Width() - 1.0, r.Height() - 1.0));
        if (checked) {
            FPainter->setPen(Qt::NoPen);
            FPainter->setBrush(mark);
            const double inset = r.Width() / 3.0;
            FPainter->drawEllipse(QRectF(r.Left + inset, r.Top + inset, r.Width() - 2 * inset, r.Height() - 2 * inset));
        }
        FPainter->restore();
        break;
    }
    case fcPushButton:
        if (flat) {
            FPainter->fillRect(r.ToQRect(), ToQColor(clBtnFace));
            const TPen keep = Pen;
            Pen.Color = clBtnShadow;
            FrameRect(r);
            Pen = keep;
        } else {
            DrawEdge(r, state == 2 ? ekSunken : ekRaised, true);
        }
        break;
    case fcComboArrow:
    case fcSpinUp:
    case fcSpinDown: {
        if (flat) {
            FPainter->fillRect(r.ToQRect(), ToQColor(clBtnFace));
        } else {
            DrawEdge(r, state == 2 ? ekSunken : ekRaised, true);
        }
        // A small solid arrow in the middle, pointing down (or up for the upper spin button).
        const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
        const int size = qMax(1, qMin(4, qMin(r.Width(), r.Height()) / 3));
        for (int row = 0; row < size; ++row) {
            const int y = kind == fcSpinUp ? cy - size / 2 + row : cy - size / 2 + row;
            const int half = kind == fcSpinUp ? row : size - 1 - row;
            FPainter->fillRect(QRect(cx - half, y, 2 * half + 1, 1), mark);
        }
        break;
    }
    case fcScrollLeft:
    case fcScrollRight: {
        if (flat) {
            FPainter->fillRect(r.ToQRect(), ToQColor(clBtnFace));
        } else {
            DrawEdge(r, state == 2 ? ekSunken : ekRaised, true);
        }
        // A small solid arrow in the middle, pointing left or right; pushed one pixel on.
        const int shift = state == 2 ? 1 : 0;
        const int cx = r.Left + r.Width() / 2 + shift, cy = r.Top + r.Height() / 2 + shift;
        const int size = qMax(1, qMin(4, qMin(r.Width(), r.Height()) / 3));
        for (int column = 0; column < size; ++column) {
            const int x = cx - size / 2 + column;
            const int half = kind == fcScrollLeft ? column : size - 1 - column;
            FPainter->fillRect(QRect(x, cy - half, 1, 2 * half + 1), mark);
        }
        break;
    }
    }
}
