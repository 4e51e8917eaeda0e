#include "grid/edit/unit_edit_button.h"

#include <QPainter>

TAsgUnitEditBtn::TAsgUnitEditBtn(TComponent* AOwner, QWidget* AParent) : TAsgEditBtn(AOwner, AParent) {
    FUnitSize = 20;
    SetRightAlign(true);
    SetEditRect();
}

void TAsgUnitEditBtn::SetUnitID(const QString& Value) {
    FUnitID = Value;
    update();
}

void TAsgUnitEditBtn::SetUnits(const TStringList* Value) {
    if (Value) FUnits.Assign(*Value);
}

void TAsgUnitEditBtn::SetUnitSpace(int Value) {
    FUnitSize = Value;
    SetEditRect();
    update();
}

void TAsgUnitEditBtn::SetTextAndUnit(const QString& Value) {
    for (int i = 0; i < FUnits.Count(); ++i) {
        const QString& unit = FUnits[i];
        if (unit.isEmpty()) continue;
        // Only the unit's first occurrence counts, and it must end the value.
        const qsizetype first = Value.indexOf(unit);
        if (first >= 0 && first == Value.size() - unit.size()) {
            SetText(Value.left(first));
            SetUnitID(Value.mid(first));
            return;
        }
    }
    // A value in no unit opens whole and without a unit, so closing it unchanged keeps it.
    SetText(Value);
    SetUnitID(QString());
}

void TAsgUnitEditBtn::ClickBtn(TObject*) {
    const QPointer<TAsgUnitEditBtn> alive(this);
    if (OnClickBtn) OnClickBtn(this);
    if (!alive) return;
    if (FUnitMenu) FUnitMenu->close();
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (int i = 0; i < FUnits.Count(); ++i) {
        const WPARAM identifier = WPARAM(i + 1);
        QObject::connect(menu->addAction(FUnits[i]), &QAction::triggered, this,
                         [this, identifier] { Perform(this, WM_COMMAND, identifier); });
    }
    FUnitMenu = menu;
    // Below the edit's client area, 15 pixels left of its right edge; never exec, so the
    // caller goes on while the menu is open.
    const int frame = FrameWidth();
    menu->popup(mapToGlobal(QPoint(width() - frame - 15, height() - frame)));
}

void TAsgUnitEditBtn::WndProc(TMessage& Message) {
    if (Message.Msg == WM_COMMAND) {
        WMCommand(Message);
        return;
    }
    TAsgEditBtn::WndProc(Message);
}

void TAsgUnitEditBtn::WMCommand(TMessage& Message) {
    const unsigned code = unsigned(Message.WParam >> 16) & 0xFFFF;
    const int identifier = int(Message.WParam & 0xFFFF);
    if (code == EN_CHANGE || identifier < 1 || identifier > FUnits.Count()) return;
    const QString chosen = FUnits[identifier - 1];
    const bool changed = chosen != FUnitID;
    SetUnitID(chosen);
    if (changed && OnUnitChanged) OnUnitChanged(this, FUnitID);
}

void TAsgUnitEditBtn::paintEvent(QPaintEvent* event) {
    TAsgEditBtn::paintEvent(event);
    const int frame = FrameWidth();
    const int right = width() - frame - (ButtonWidth() + 3);
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(palette().color(QPalette::Base));
    painter.drawText(QRect(right - FUnitSize, frame + 2, FUnitSize, height() - 2 * frame - 2),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, FUnitID);
}
