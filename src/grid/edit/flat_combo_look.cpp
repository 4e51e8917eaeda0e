// Painting of the flat combo: the state the drawing routines read, the platform's own
// painting clipped away from our button strip, and the text field kept clear of it.
#include "grid/edit/flat_combo.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QStyle>
#include <QStyleOptionComboBox>

TFlatComboLook TAsgCustomCombo::Look() const {
    TFlatComboLook look = WidgetLook(this);
    look.ButtonWidth = FButtonWidth;
    look.Flat = FFlat;
    look.ThemedPlatform = FIsThemed;
    look.ThemesActive = ThemesActive();
    look.DisabledBorder = FDisabledBorder;
    look.IsWinXP = FIsWinXP;
    look.IsVista = FIsVista;
    look.Focused = FHasFocus;
    look.MouseInControl = FMouseInControl;
    look.ButtonHover = FButtonHover;
    look.DroppedDown = FDroppedDown;
    look.FocusBorder = FFocusBorder;
    look.Designing = ComponentState().Contains(csDesigning);
    look.Color = Color() == clDefault ? clWindow : Color();
    look.ButtonColor = FButtonColor;
    look.ButtonColorHot = FButtonColorHot;
    look.ButtonColorDown = FButtonColorDown;
    look.ButtonTextColor = FButtonTextColor;
    look.ButtonTextColorDown = FButtonTextColorDown;
    look.ButtonBorderColor = FButtonBorderColor;
    look.BorderColor = FBorderColor;
    look.FocusBorderColor = FFocusBorderColor;
    look.FlatLineColor = FFlatLineColor;
    return look;
}

void TAsgCustomCombo::paintEvent(QPaintEvent* e) {
    const TFlatComboLook look = Look();
    const bool leftToRight = layoutDirection() == Qt::LeftToRight;
    if (!FlatComboPaintsItself(look)) {
        TComboBox::paintEvent(e);
        if (!FlatComboBordersFollowPlatformFrame(look) || !leftToRight) return;
        QPainter painter(this);
        TCanvas canvas(&painter);
        PaintFlatComboBorders(canvas, look);
        return;
    }
    QPainter painter(this);
    TCanvas canvas(&painter);
    QRegion platformArea(rect());
    if (!look.Simple) {
        painter.fillRect(rect(), ToQColor(look.Color));
        if (leftToRight) platformArea -= PaintFlatComboButton(canvas, look).ToQRect();
    }
    // The platform paints the rest, as QComboBox would, around the button strip and
    // without its own arrow button, whose place our button takes.
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (!look.Simple && leftToRight) {
        const QRect platformButton = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
        platformArea -= QRect(platformButton.left(), 0, width() - platformButton.left(), height());
    }
    painter.save();
    painter.setClipRegion(platformArea);
    style()->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, this);
    style()->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter, this);
    painter.restore();
    if (leftToRight) PaintFlatComboBorders(canvas, look);
}

void TAsgCustomCombo::KeepEditFieldLeftOfButton() {
    QLineEdit* edit = lineEdit();
    if (!edit) return;
    // The button strip the platform's painting leaves to us, in control coordinates.
    const int stripLeft = width() - FButtonWidth - 4;
    QRect field = edit->geometry();
    if (field.right() < stripLeft) return;
    field.setRight(stripLeft - 1);
    edit->setGeometry(field);
}

void TAsgCustomCombo::resizeEvent(QResizeEvent* e) {
    TComboBox::resizeEvent(e);
    KeepEditFieldLeftOfButton();
    PlaceLabel();
}

void TAsgCustomCombo::moveEvent(QMoveEvent* e) {
    TComboBox::moveEvent(e);
    PlaceLabel();
}

void TAsgCustomCombo::showEvent(QShowEvent* e) {
    TComboBox::showEvent(e);
    KeepEditFieldLeftOfButton();
}
