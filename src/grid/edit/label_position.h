#pragma once
// Where an edit control keeps its caption label (the flat combo and the spin edits).

// "lpRighBottom" is spelled without the t, as every form that stores it does.
enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom
};

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the label's top-left corner goes beside a control's bounds: TextWidth is the
// measured caption (the left positions keep it clear of the control), LabelSize the
// label's own size (used for centring and the top and bottom positions).
QPoint LabelTopLeft(TLabelPosition Position, const QRect& Control, int TextWidth, QSize LabelSize, int Margin);

class QFont;
class QLabel;
class QWidget;
// Places a control's caption label: onto the control's parent, its background filled
// unless Transparent, in Font (its boldness kept), sized to its text, at Position beside
// the control, shown with the control.
void PlaceCaptionLabel(QLabel* Label, const QWidget* Control, TLabelPosition Position, int Margin, bool Transparent,
                       const QFont& Font);
