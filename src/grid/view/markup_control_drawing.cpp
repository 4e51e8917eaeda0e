#include "grid/view/markup_control_drawing.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace {

// The frame colour of edit and combo boxes in a themed window.
constexpr TColor kThemedFrameColor = 0xB99D7F;

QStyle* StyleFor(QWidget* window) {
    if (window) return window->style();
    return qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
}

void InitOption(QStyleOption& option, QWidget* window, const TRect& r) {
    if (window) option.initFrom(window);
    else option.palette = QApplication::palette();
    option.rect = r.ToQRect();
    option.state |= QStyle::State_Enabled;
    option.state &= ~QStyle::State_HasFocus;
}

void DrawValue(TCanvas& canvas, const QString& value, TRect r, unsigned alignment) {
    canvas.DrawText(value, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | alignment);
}

void DrawBox(TCanvas& canvas, int x, int top, int right, int bottom) {
    canvas.Pen.Color = kThemedFrameColor;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Color = clWhite;
    canvas.Brush.Style = bsSolid;
    canvas.Rectangle(x, top, right, bottom);
}

}  // namespace

void DrawMarkupControl(TCanvas& Canvas, QWidget* Window, const TControlTag& Tag, const TMarkupControlPlace& Place,
                       int MouseX, int MouseY, bool ControlPressed) {
    QStyle* style = StyleFor(Window);
    const TPen pen = Canvas.Pen;
    const TBrush brush = Canvas.Brush;
    const TFont font = Canvas.Font;
    const int x = Place.X, b = Place.Bottom, s = Place.LineHeight, width = Place.Width;
    const bool checked = Tag.VALUE.toUpper() == QLatin1String("TRUE");
    QPainter* painter = Canvas.Painter();
    if (Tag.TYPE == QLatin1String("EDIT") || Tag.TYPE == QLatin1String("PASSWORD") || Tag.TYPE == QLatin1String("MASK")) {
        DrawBox(Canvas, x, b - s + 4, x + width, b + 2);
        const QString shown = Tag.TYPE == QLatin1String("PASSWORD") ? QString(Tag.VALUE.size(), QLatin1Char('*')) : Tag.VALUE;
        DrawValue(Canvas, shown, Rect(x + 2, b - s + 4, x + width, b), DT_LEFT);
    } else if (Tag.TYPE == QLatin1String("COMBO")) {
        DrawBox(Canvas, x, b - s + 4, x + width, b + 2);
        DrawValue(Canvas, Tag.VALUE, Rect(x + 4, b - s + 4, x + width - 18, b), DT_LEFT);
        if (style) {
            const bool hot = x - 2 < MouseX && MouseX < x + width - 2 && b - Place.BoxHeight - 2 < MouseY && MouseY < b - 2;
            QStyleOptionButton option;
            InitOption(option, Window, Rect(x + width - 18, b - s + 5, x + width - 1, b + 1));
            if (hot) option.state |= QStyle::State_MouseOver;
            style->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, painter, Window);
            option.rect = option.rect.adjusted(4, 4, -4, -4);
            style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, painter, Window);
        }
    } else if (Tag.TYPE == QLatin1String("CHECK") || Tag.TYPE == QLatin1String("RADIO")) {
        const bool radio = Tag.TYPE == QLatin1String("RADIO");
        if (style) {
            QStyleOptionButton option;
            InitOption(option, Window, radio ? Rect(x + 2, b - 14, x + 14, b) : Rect(x + 2, b - 15, x + 15, b));
            option.state |= checked ? QStyle::State_On : QStyle::State_Off;
            style->drawPrimitive(radio ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, &option,
                                 painter, Window);
        }
    } else if (Tag.TYPE == QLatin1String("BUTTON")) {
        const TRect r = Rect(x + 2, b - Place.ControlHeight, x + width - 2, b);
        if (style) {
            const bool hot = x - 2 < MouseX && MouseX < x + width - 2 && b - 26 < MouseY && MouseY < b - 2;
            QStyleOptionButton option;
            InitOption(option, Window, r);
            if (ControlPressed) option.state |= QStyle::State_Sunken;
            else if (hot) option.state |= QStyle::State_MouseOver;
            option.state |= QStyle::State_Raised;
            style->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, painter, Window);
        }
        DrawValue(Canvas, Tag.VALUE, Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2), DT_CENTER);
    }
    Canvas.Pen = pen;
    Canvas.Brush = brush;
    Canvas.Font = font;
}
