// Keys of the spin edit: the arrows and page keys step, typed characters pass
// IsValidChar, and paste, cut and Delete follow EditorEnabled.
#include "grid/edit/spin_edit.h"
#include "platform/format_settings.h"
#include "platform/message_beep.h"

void TAsgSpinEdit::UpButtonClick(TObject*) { IncrementValue(false); }

void TAsgSpinEdit::DownButtonClick(TObject*) { DecrementValue(false); }

void TAsgSpinEdit::WMKeyDown(TWMKey& Message) {
    switch (Message.CharCode) {
    case VK_PRIOR: IncrementValue(true); break;
    case VK_NEXT: DecrementValue(true); break;
    case VK_UP: IncrementValue(false); break;
    case VK_DOWN: DecrementValue(false); break;
    case VK_TAB:
        // Only a Tab sent as a message gets here (a typed one moves the focus before):
        // unless a handler takes it, it moves the focus as a typed one does.
        TCustomMaskEdit::WMKeyDown(Message);
        if (Message.CharCode != 0) focusNextPrevChild(!Message.Shift.Contains(ssShift));
        return;
    default: TCustomMaskEdit::WMKeyDown(Message); return;
    }
    Message.Result = 0;
}

void TAsgSpinEdit::KeyDown(WORD& Key, TShiftState Shift) {
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        PostMessage(WindowHandle(this), WM_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_DELETE && !FEditorEnabled) Key = 0;
    TCustomMaskEdit::KeyDown(Key, Shift);
}

void TAsgSpinEdit::KeyPress(QChar& Key) {
    if (!IsValidChar(Key)) {
        Key = QChar();
        MessageBeep();
        return;
    }
    TCustomMaskEdit::KeyPress(Key);
}

void TAsgSpinEdit::WMChar(TWMKey& Message) {
    // The keypad's point types the decimal separator of the settings.
    if (FExcelStyleDecimalSeparator && Message.CharCode == '.' && (Message.KeyData & KeyDataKeypad) != 0)
        Message.CharCode = FormatSettings().DecimalSeparator.unicode();
    TCustomMaskEdit::WMChar(Message);
}

void TAsgSpinEdit::WMPaste(TMessage& Message) {
    if (FEditorEnabled && !ReadOnly()) TCustomMaskEdit::WMPaste(Message);
}

void TAsgSpinEdit::WMCut(TMessage& Message) {
    if (FEditorEnabled && !ReadOnly()) TCustomMaskEdit::WMCut(Message);
}

namespace {

// A separator that can also stand in a number passes for the number types only.
bool SeparatorValidFor(QChar Separator, TAsgSpinType Type) {
    const TFormatSettings& settings = FormatSettings();
    const bool numberLike = Separator == settings.DecimalSeparator || Separator == settings.ThousandSeparator ||
                            Separator == QLatin1Char('-') || Separator == QLatin1Char('+');
    return numberLike && (Type == sptNormal || Type == sptFloat);
}

}  // namespace

bool TAsgSpinEdit::IsValidChar(QChar& Key) {
    constexpr QChar Backspace(8), Enter(13), Escape(27), Minus(u'-');
    if (Key == Backspace) return FEditorEnabled;
    const TFormatSettings& settings = FormatSettings();
    const QString text = Text();
    bool valid = Key == settings.DecimalSeparator || Key == settings.ThousandSeparator ||
                 Key == settings.TimeSeparator || Key == settings.DateSeparator || Key.isDigit() || Key == Minus ||
                 (Key.unicode() < 32 && Key != Enter);
    if (Key == settings.TimeSeparator && FSpinType != sptTime) valid = valid && SeparatorValidFor(Key, FSpinType);
    if (Key == settings.DateSeparator && FSpinType != sptDate) valid = valid && SeparatorValidFor(Key, FSpinType);
    if (Key == Minus) {
        const qsizetype minus = text.indexOf(Minus);
        if (minus < 0) valid = valid && SelStart() == 0;
        else valid = valid && SelStart() == 0 && minus < SelStart() + SelLength();
    }
    switch (FSpinType) {
    case sptNormal: valid = valid && (Key.isDigit() || Key == Minus); break;
    case sptFloat: {
        if (Key == Escape || Key == Enter) break;
        if (Key == settings.ThousandSeparator) valid = false;
        if (Key == settings.DecimalSeparator && text.contains(Key) && !SelText().contains(Key)) valid = false;
        // At most Precision digits behind the separator while the caret stands there.
        const qsizetype separator = text.indexOf(settings.DecimalSeparator) + 1;
        if (FPrecision > 0 && separator > 0 && SelStart() >= separator && SelLength() == 0 && valid &&
            text.size() >= separator + FPrecision)
            valid = false;
        break;
    }
    case sptTime:
        if (Key == settings.TimeSeparator && text.count(settings.TimeSeparator) >= 2) valid = false;
        break;
    case sptDate: break;
    }
    if (!FEditorEnabled && valid && Key.unicode() >= 32) valid = false;
    return valid;
}
