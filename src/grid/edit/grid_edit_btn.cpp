// The grid's edit-with-button editor: keys by the shared protocol, the character filter
// of its kinds, the button, change, double click and exit.
#include "grid/edit/grid_edit_btn.h"

#include "grid/core/string_grid.h"
#include "grid/edit/editor_key_protocol.h"
#include "grid/edit/editor_paste.h"
#include "grid/edit/lookup_completion.h"
#include "grid/edit/edit_button_char_filter.h"
#include "platform/message_beep.h"

TGridEditBtn::TGridEditBtn(TComponent* AOwner)
    : TAsgEditBtn(AOwner, EditorGridOwner(AOwner)),
      FGrid(EditorGridOwner(AOwner)),
      FProtocol(FGrid, EditorKeyRules("TGridEditBtn")) {
    SetButtonCaption(QStringLiteral("..."));
    OnClickBtn = [this](TObject*) { ButtonClicked(); };
}

void TGridEditBtn::ReCreate() {
    SetEditMask(QString());
    SetText(QString());
}

void TGridEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
    const bool handled = FProtocol.InHandledSet(Key);
    if (!handled && FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    FSelKeyDown = SelStart();
    if (!handled || Shift.Contains(ssCtrl)) {
        TAsgEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
    const TEditorType noted = FGrid->EditControl;
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        QString shown;
        const bool accepted = FProtocol.StoreAndValidate(Text(), shown);
        SetText(FGrid->NewCellText());
        if (!accepted) {
            SelectAll();
            Key = 0;
            update();
            FGrid->EditControl = noted;
            return;
        }
        if (Key == VK_TAB && FProtocol.TabCondition() && FProtocol.WalkOrPostTab(Shift)) {
            Key = 0;
            return;
        }
    }
    if (Key == VK_ESCAPE) SetText(FGrid->OriginalCellValue());
    FProtocol.EndEdit(Key, Shift);
}

void TGridEditBtn::KeyUp(WORD& Key, TShiftState Shift) {
    if (FGrid->OnKeyUp) FGrid->OnKeyUp(FGrid, Key, Shift);
    const bool plainKey = !Shift.Contains(ssShift) && !Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl);
    if (plainKey && FGrid->Navigation()->CursorWalkEditor() && SelLength() == 0) {
        const bool leftAtStart = Key == VK_LEFT && FSelKeyDown == 0;
        const bool rightAtEnd = Key == VK_RIGHT && SelStart() == Text().length();
        if (leftAtStart || rightAtEnd) {
            Key = 0;
            FProtocol.WalkOutOfCell(rightAtEnd, Text());
            return;
        }
    }
    if (Key != VK_RETURN) TAsgEditBtn::KeyUp(Key, Shift);
    CompleteFromLookup();
}

void TGridEditBtn::CompleteFromLookup() {
    if (!WorkMode || SelLength() != 0 || !isVisible() || !FGrid->Lookup()) return;
    const TStringList* items = FGrid->LookupItems();
    const int typed = SelStart();
    const QString prefix = Text().left(typed);
    const int found = FirstStartingWith(prefix, items->Count(), FGrid->LookupCaseSensitive(),
                                        [items](int i) { return items->Strings(i); });
    if (found < 0) return;
    const QString completed = prefix + items->Strings(found).mid(typed, kMaxCompletedTail);
    if (completed == Text()) return;
    SetText(completed);
    SetSel(typed, completed.length());
}

void TGridEditBtn::WMPaste(TMessage& /*Message*/) {
    if (!EditorEnabled() || ReadOnly()) return;
    const std::optional<QString> pasted = GridPasteText(FGrid, this);
    if (!pasted) return;
    const QString text = Text();
    const int start = SelStart();
    const bool replacesSelection = SelLength() > 0;
    const QString joined = text.left(start) + *pasted + text.mid(start + SelLength());
    if (MaxLength() > 0 && joined.size() > MaxLength()) return;
    SetText(joined);
    FGrid->SetCurrentEditText(joined);
    if (replacesSelection) SetSel(start, start + pasted->size());
    else SetSelStart(start + pasted->size());
}

void TGridEditBtn::WMChar(TWMKey& Message) {
    const QChar key(Message.CharCode);
    if (key == QChar(13) || key == QChar(9)) return;
    QChar typed = key;
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, typed);
    if (typed.isNull()) return;
    switch (EditButtonCharVerdict(FGrid->EditControl, *this, typed)) {
    case TCharVerdict::Pass: Message.CharCode = typed.unicode(); TAsgEditBtn::WMChar(Message); break;
    case TCharVerdict::Beep: MessageBeep(); break;
    case TCharVerdict::Drop: break;
    }
}

void TGridEditBtn::CMWantSpecialKey(TMessage& Message) {
    TAsgEditBtn::CMWantSpecialKey(Message);
    const WORD key = WORD(Message.WParam);
    if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FProtocol.TabCondition())) Message.Result = 1;
}

void TGridEditBtn::ButtonClicked() {
    SetText(FGrid->DoEllipsClick(Text()));
    SelectAll();
    if (FStopEditAfterClick) FProtocol.CloseAndFocusGrid();
}

void TGridEditBtn::Change() {
    TAsgEditBtn::Change();
    if (!isVisible()) return;
    FGrid->FollowEditorText(Text());
    if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridEditBtn::mouseDoubleClickEvent(QMouseEvent* e) {
    TAsgEditBtn::mouseDoubleClickEvent(e);
    if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

void TGridEditBtn::DoExit() {
    FGrid->HideInplaceEdit();
    TAsgEditBtn::DoExit();
}
