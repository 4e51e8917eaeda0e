// The grid's spin editor: its keys by the shared protocol, the page keys, the button
// clicks reported by type, change and exit.
#include "grid/edit/grid_spin.h"

#include "grid/core/string_grid.h"
#include "grid/edit/editor_key_protocol.h"

TGridSpin::TGridSpin(TComponent* AOwner)
    : TAsgSpinEdit(AOwner, EditorGridOwner(AOwner)), FGrid(EditorGridOwner(AOwner)), FProtocol(FGrid, EditorKeyRules("TGridSpin")) {
    SetMaxValue(100);
    SetMinValue(0);
    SetIncrement(1);
}

void TGridSpin::ReCreate() {
    SetText(QString());
    SetSelStart(0);
}

bool TGridSpin::PageStep(WORD Key) {
    if (SpinType() != sptNormal && SpinType() != sptFloat) return false;
    const bool integer = SpinType() == sptNormal;
    switch (Key) {
    case VK_PRIOR:
        if (integer && Value() + Increment() <= MaxValue()) SetValue(Value() + Increment());
        if (!integer && FloatValue() + IncrementFloat() <= MaxFloatValue()) SetFloatValue(FloatValue() + IncrementFloat());
        break;
    case VK_NEXT:
        if (integer && Value() - Increment() >= MinValue()) SetValue(Value() - Increment());
        if (!integer && FloatValue() - IncrementFloat() >= MinFloatValue()) SetFloatValue(FloatValue() - IncrementFloat());
        break;
    case VK_END:
        if (integer) SetValue(MinValue());
        else SetFloatValue(MinFloatValue());
        break;
    case VK_HOME:
        if (integer) SetValue(MaxValue());
        else SetFloatValue(MaxFloatValue());
        break;
    default: return false;
    }
    // Whatever the type, the page keys report the integer value.
    if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), Key == VK_PRIOR || Key == VK_HOME);
    return true;
}

void TGridSpin::WMKeyDown(TWMKey& Message) {
    WORD& Key = Message.CharCode;
    const TShiftState Shift = Message.Shift;
    // The grid's page step replaces the base's; the caret keys of dates and times go on.
    if (PageStep(Key)) {
        Key = 0;
        return;
    }
    if (!FProtocol.InHandledSet(Key)) {
        TAsgSpinEdit::WMKeyDown(Message);
        return;
    }
    if (Key == VK_ESCAPE) {
        // The cell gets back exactly the text it had, even an empty or non-numeric one.
        SetText(FGrid->OriginalCellValue());
    } else {
        QString shown;
        const bool accepted = FProtocol.StoreAndValidate(Text(), shown);
        if (!FGrid->EditMode()) {
            // A refusal reopened the editor (which filled it anew), or the edit ended.
            Key = 0;
            return;
        }
        SetText(shown);
        if (!accepted) {
            SetSelStart(Text().size());
            Key = 0;
            update();
            return;
        }
        // With goTabs the walk (the editor closed first); without, the edit ends below.
        if (Key == VK_TAB && FGrid->Options().Contains(goTabs) && FProtocol.WalkOrPostTab(Shift)) {
            Key = 0;
            return;
        }
    }
    FProtocol.EndEdit(Key, Shift);
}

void TGridSpin::WMChar(TWMKey& Message) {
    if (Message.CharCode == '\t' || Message.CharCode == '\r') return;
    TAsgSpinEdit::WMChar(Message);
}

void TGridSpin::KeyPress(QChar& Key) {
    if (Key == QChar(27)) Key = QChar();
    if (Key == QChar(13)) return;
    TAsgSpinEdit::KeyPress(Key);
}

void TGridSpin::CMWantSpecialKey(TMessage& Message) {
    TAsgSpinEdit::CMWantSpecialKey(Message);
    const WORD key = WORD(Message.WParam);
    if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid->Options().Contains(goTabs))) Message.Result = 1;
}

void TGridSpin::UpButtonClick(TObject* Sender) {
    TAsgSpinEdit::UpButtonClick(Sender);
    ReportButtonClick(true);
}

void TGridSpin::DownButtonClick(TObject* Sender) {
    TAsgSpinEdit::DownButtonClick(Sender);
    ReportButtonClick(false);
}

void TGridSpin::ReportButtonClick(bool Up) {
    const int col = FGrid->Col();
    const int row = FGrid->Row();
    switch (SpinType()) {
    case sptNormal:
        if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, col, row, Value(), Up);
        break;
    case sptFloat:
        if (FGrid->OnFloatSpinClick) FGrid->OnFloatSpinClick(FGrid, col, row, FloatValue(), Up);
        break;
    case sptDate:
        if (FGrid->OnDateSpinClick) FGrid->OnDateSpinClick(FGrid, col, row, DateValue(), Up);
        break;
    case sptTime:
        if (FGrid->OnTimeSpinClick) FGrid->OnTimeSpinClick(FGrid, col, row, TimeValue(), Up);
        break;
    }
}

void TGridSpin::Change() {
    TAsgSpinEdit::Change();
    if (!isVisible()) return;
    FGrid->FollowEditorText(Text());
    if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridSpin::DoExit() {
    FGrid->HideInplaceEdit();
    TAsgSpinEdit::DoExit();
}
