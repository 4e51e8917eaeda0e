// The characters the plain in-place edit takes: the keypad's decimal point, the length
// limit, line breaks, the rule of each plain editor kind and the advance of a full edit.

#include "grid/core/string_grid.h"
#include "grid/edit/ex_inplace_edit.h"

#include "controls/text_utilities.h"
#include "platform/format_settings.h"
#include "platform/message_beep.h"

namespace {

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool IsEditingControlChar(QChar c) {
    const ushort code = c.unicode();
    return code == 8 || code == 9 || code == 13 || code == 27;
}

bool TakesLineFeed(TEditorType kind) {
    switch (kind) {
    case edNormal:
    case edCapital:
    case edMixedCase:
    case edLowerCase:
    case edUpperCase:
    case edValidChars: return true;
    default: return false;
    }
}

}  // namespace

bool TExInplaceEdit::FloatCharAllowed(QChar Ch, TShiftState Shift, bool Positive) {
    const QChar decimal = FormatSettings().DecimalSeparator;
    const QChar thousand = FormatSettings().ThousandSeparator;
    const bool candidate = IsEditingControlChar(Ch) || IsDigit(Ch) || Ch == QLatin1Char(',') ||
                           Ch == QLatin1Char('.') || (Ch == QLatin1Char('-') && !Positive);
    // Control shortcuts pass; any other stranger is dropped without a sound.
    if (!candidate) return Shift.Contains(ssCtrl);
    const QString text = Text();
    const QString outsideSelection = text.left(SelStart()) + text.mid(SelStart() + SelLength());
    if (Ch == decimal && outsideSelection.contains(decimal)) return false;
    if (Ch == thousand && thousand != decimal) return false;
    if (Ch == QLatin1Char('-') && (SelStart() != 0 || text.contains(QLatin1Char('-'))) &&
        !SelText().contains(QLatin1Char('-'))) {
        MessageBeep();
        return false;
    }
    return true;
}

bool TExInplaceEdit::CharAllowedByKind(QChar& Ch, TShiftState Shift) {
    auto beep = [] {
        MessageBeep();
        return false;
    };
    const ushort code = Ch.unicode();
    switch (FGrid->CurrentEditor()) {
    case edNormal:
    case edPassword: return true;
    case edNumeric:
        if (!IsEditingControlChar(Ch) && !IsDigit(Ch) && Ch != QLatin1Char('-')) return beep();
        if (Ch == QLatin1Char('-') && (Text().contains(QLatin1Char('-')) || SelStart() != 0)) return beep();
        return true;
    case edPositiveNumeric: return IsEditingControlChar(Ch) || IsDigit(Ch) || beep();
    case edFloat: return FloatCharAllowed(Ch, Shift, false);
    case edPositiveFloat: return FloatCharAllowed(Ch, Shift, true);
    case edCapital:
    case edUpperCase: Ch = QString(Ch).toUpper().at(0); return true;
    case edLowerCase: Ch = QString(Ch).toLower().at(0); return true;
    case edMixedCase: return true;
    case edValidChars: {
        if (code == 8 || code == 13) return true;
        const QString valid = FGrid->ValidChars();
        if (!valid.isEmpty()) return valid.contains(Ch) || beep();
        return (code <= 255 && FGrid->ValidCharSet().test(code)) || beep();
    }
    default: return false;
    }
}

void TExInplaceEdit::WMChar(TWMKey& Message) {
    QChar ch(Message.CharCode);
    const TShiftState shift = Message.Shift;
    if (FGrid->ExcelStyleDecimalSeparator() && ch == QLatin1Char('.') && (Message.KeyData & KeyDataKeypad))
        ch = FormatSettings().DecimalSeparator;
    TNavigation* navigation = FGrid->Navigation();
    const bool multiLineGrid = FGrid->WordWrap() || FGrid->Multilinecells();
    if (ch.unicode() == 1 && shift.Contains(ssCtrl)) return;
    if (ch.unicode() == 10 && shift.Contains(ssCtrl) && !(navigation->AllowCtrlEnter() && multiLineGrid) &&
        !navigation->LineFeedOnEnter())
        return;
    const ushort code = ch.unicode();
    if (FLengthLimit > 0 && Text().size() >= FLengthLimit && SelLength() == 0 && code != 8 && code != 27 &&
        code != 13)
        return;
    const TEditorType kind = FGrid->CurrentEditor();
    if (TakesLineFeed(kind) && code == 13 && navigation->LineFeedOnEnter()) {
        DefaultChar(ch);
        return;
    }
    // Copy, paste, cut and undo reach the edit in every kind: the paste has rules of its own.
    const bool clipboardShortcut = shift.Contains(ssCtrl) && (code == 3 || code == 22 || code == 24 || code == 26);
    if (!clipboardShortcut && !CharAllowedByKind(ch, shift)) return;
    const int caretBefore = SelStart();
    Message.CharCode = ch.unicode();
    TInplaceEdit::WMChar(Message);
    // A filled mask moves on by itself, as if Enter followed the last character.
    if (isVisible() && code >= 32 && navigation->AdvanceAuto() && !EditMask().isEmpty() && EditMaskFilled() &&
        SelLength() == 0 && SelStart() == ShownLength()) {
        GridKeyPress(QChar(13));
        return;
    }
    if (kind == edMixedCase && Message.CharCode >= 32) {
        SetText(CapitalizeWords(Text()));
        SetModified(true);
        SetSelStart(caretBefore + 1);
    }
    const int maxLength = FGrid->MaxEditLength();
    if (isVisible() && navigation->AdvanceAuto() && navigation->AdvanceOnEnter() && maxLength > 0 &&
        Text().size() == maxLength && SelLength() == 0 && SelStart() == ShownLength())
        GridKeyPress(QChar(13));
}
