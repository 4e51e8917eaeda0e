// The grid's unit editor: keys with text and unit together, the character filter of its
// kinds, the button, the unit change relayed to the grid, and exit.
#include "grid/edit/grid_unit_edit_btn.h"

#include "grid/core/string_grid.h"
#include "grid/edit/editor_key_protocol.h"
#include "grid/edit/edit_button_char_filter.h"
#include "platform/message_beep.h"

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner)
    : TAsgUnitEditBtn(AOwner, EditorGridOwner(AOwner)),
      FGrid(EditorGridOwner(AOwner)),
      FProtocol(FGrid, EditorKeyRules("TGridUnitEditBtn")) {
    SetButtonCaption(QStringLiteral("..."));
    OnClickBtn = [this](TObject*) {
        SetText(FGrid->DoEllipsClick(Text()));
        SelectAll();
    };
    OnUnitChanged = [this](TObject* Sender, const QString& NewUnit) { FGrid->UnitEditUnitChanged(Sender, NewUnit); };
}

void TGridUnitEditBtn::ReCreate() {
    SetText(QString());
    SetUnitID(QString());
}

void TGridUnitEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
    if (!FProtocol.InHandledSet(Key)) {
        TAsgUnitEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        QString shown;
        const bool accepted = FProtocol.StoreAndValidate(TextAndUnit(), shown);
        SetTextAndUnit(FGrid->CurrentCell());
        if (!accepted) {
            Key = 0;
            return;
        }
    }
    if (Key == VK_RETURN && FGrid->Navigation()->AdvanceOnEnter()) {
        FProtocol.CloseAndFocusGrid();
        Key = 0;
        FGrid->AdvanceAfterEdit(FGrid->Col(), FGrid->Row(), false, true, true, false, false);
        return;
    }
    // With goTabs the walk (the editor closed first); without, the edit ends below.
    if (Key == VK_TAB && FGrid->Options().Contains(goTabs) && FProtocol.WalkOrPostTab(Shift)) {
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE) {
        SetUnitID(QString());
        SetText(FGrid->CurrentCell());
    }
    FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridUnitEditBtn::WMChar(TWMKey& Message) {
    const QChar key(Message.CharCode);
    if (key == QChar(13)) return;
    switch (EditButtonCharVerdict(FGrid->EditControl, *this, key)) {
    case TCharVerdict::Pass: TAsgUnitEditBtn::WMChar(Message); break;
    case TCharVerdict::Beep: MessageBeep(); break;
    case TCharVerdict::Drop: break;
    }
}

void TGridUnitEditBtn::CMWantSpecialKey(TMessage& Message) {
    TAsgUnitEditBtn::CMWantSpecialKey(Message);
    const WORD key = WORD(Message.WParam);
    if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid->Options().Contains(goTabs))) Message.Result = 1;
}

void TGridUnitEditBtn::DoExit() {
    FGrid->HideInplaceEdit();
    TAsgUnitEditBtn::DoExit();
}
