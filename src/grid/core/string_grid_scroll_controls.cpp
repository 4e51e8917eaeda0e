// The grid's thin scroll bars (Metro scroll type): one vertical control on the right
// edge and one horizontal on the bottom edge, in place of the window's bars.

#include "grid/core/scroll_control.h"
#include "grid/core/string_grid.h"

void TExStringGrid::CreateScrollControls() {
    if (FScrollType != ssMetro) return;
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto create = [this](TScrollDirection Direction) {
        auto* control = new TScrollControl(nullptr, this);
        control->SetDirection(Direction);
        if (Direction == sdVertical) {
            control->SetWidth(6);
            control->SetAlign(alRight);
        } else {
            control->SetHeight(6);
            control->SetAlign(alBottom);
        }
        control->Show();
        control->raise();
        return control;
    };
    if (!vscrlctrl) vscrlctrl = create(sdVertical);
    if (!hscrlctrl) hscrlctrl = create(sdHorizontal);
    TControl::AlignChildren(this);
}

void TExStringGrid::FreeScrollControls() {
    delete vscrlctrl;
    vscrlctrl = nullptr;
    delete hscrlctrl;
    hscrlctrl = nullptr;
}
