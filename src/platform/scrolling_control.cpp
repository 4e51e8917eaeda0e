#include "platform/scrolling_control.h"

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner, QWidget* AParent)
    : TControlOf<QScrollArea>(AOwner, AParent), FVertScrollBar(verticalScrollBar()),
      FHorzScrollBar(horizontalScrollBar()) {
    setWidgetResizable(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    FVertScrollBar.SetTracking(true);
    FHorzScrollBar.SetTracking(true);
}

void TScrollingWinControl::SetContent(QWidget* content) {
    setWidget(content);
    // QScrollArea hides a widget it is given before being shown; the content is always shown.
    if (content) content->show();
}
