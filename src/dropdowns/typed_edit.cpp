// The typed edit modes of the drop-down edit: what may be typed or pasted, how texts
// and numbers are written and read, prefix and suffix around the bare text, and the
// clipboard events.

#include "controls/text_utilities.h"
#include "dropdowns/drop_down_edit.h"
#include "dropdowns/number_formatting.h"
#include "dropdowns/number_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cmath>

namespace {

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool IsAsciiLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}
bool IsHexLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('f')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}
bool IsControlKeyChar(QChar c) { return c == QChar(8) || c == QChar(9) || c == QChar(13); }

// A minus stands only first in a number.
bool MinusOnlyFirst(const QString& text) {
    const int minus = text.lastIndexOf(QLatin1Char('-'));
    return minus <= 0;
}

QString HexText(std::uint64_t value) { return QString::number(value, 16).toUpper(); }

}  // namespace

QString TExCustomDropDown::GetText() const {
    QString text = TCustomMaskEdit::Text();
    if (!FPrefix.isEmpty() && text.startsWith(FPrefix)) text.remove(0, FPrefix.size());
    if (!FSuffix.isEmpty() && text.size() >= FSuffix.size()) text.chop(FSuffix.size());
    return text;
}

void TExCustomDropDown::SetTextDirect(const QString& Value) { TCustomMaskEdit::SetText(Value); }

void TExCustomDropDown::SetBareText(const QString& Bare, int Caret) {
    SetTextDirect(FPrefix + Bare + FSuffix);
    SetSelStart(Caret);
}

void TExCustomDropDown::SetText(const QString& Value) {
    QString value = Value;
    if (value.isEmpty() && (IsNumberType() || FEditType == etHex)) value = QStringLiteral("0");
    if (FPrecision > 0 && !value.isEmpty() && value != QLatin1String("Error")) {
        if (FEditType == etMoney) value = FormatFixed(TextToFloat(value), FPrecision, true);
        else if (FEditType == etFloat) value = FormatFixed(TextToFloat(value), FPrecision, false);
    }
    if (FEditType == etHex) value = value.toUpper();
    SetTextDirect(FPrefix + value + FSuffix);
    FOldText = value;
    SetIsModified(false);
}

void TExCustomDropDown::SetPrefix(const QString& Value) {
    const QString bare = GetText();
    FPrefix = Value;
    SetTextDirect(FPrefix + bare + FSuffix);
}

void TExCustomDropDown::SetSuffix(const QString& Value) {
    const QString bare = GetText();
    FSuffix = Value;
    SetTextDirect(FPrefix + bare + FSuffix);
}

void TExCustomDropDown::SetIsModified(bool Value) {
    if (Loading() || !FEditorEnabled || ReadOnly()) return;
    SetModified(Value);
    FIsModified = Value;
}

long double TExCustomDropDown::TextToFloat(const QString& S) {
    long double value = 0;
    return TryTextToFloat(StripThousandSeparators(S), value) ? value : 0;
}

long double TExCustomDropDown::GetFloatValue() const {
    const QString bare = GetText();
    switch (FEditType) {
        case etNumeric:
        case etFloat:
            if (bare.isEmpty() || bare == QLatin1String("Error") || bare == QLatin1String("-")) return 0;
            return TextToFloat(bare);
        case etMoney: {
            if (bare.isEmpty()) return 0;
            QString number = StripThousandSeparators(bare);
            if (number.endsWith(DecimalSeparatorChar())) number.chop(1);
            if (number.isEmpty() || number == QLatin1String("-")) return 0;
            return TextToFloat(number);
        }
        case etHex: {
            if (bare.isEmpty()) return 0;
            // A leading minus counts: "-1A" is -26.
            if (bare.startsWith(QLatin1Char('-'))) return -static_cast<long double>(HexToInt(bare.mid(1)));
            return HexToInt(bare);
        }
        case etString: return PlainNumberScan(bare);
        default: return 0;
    }
}

void TExCustomDropDown::SetFloatValue(double Value) {
    const bool general = FPrecision < 0;
    switch (FEditType) {
        case etString:
        case etFloat: SetText(general ? FormatGeneral(Value) : FormatFixed(Value, FPrecision, false)); break;
        case etNumeric: SetText(general ? FormatGeneral(Value) : FormatFixed(Value, FPrecision, true)); break;
        case etMoney:
            SetText(general ? FormatGeneral(Value) : FormatFixed(Value, FPrecision, false));
            ApplyThousandSeparators();
            break;
        case etHex: {
            const double whole = std::trunc(Value);
            const auto bits = static_cast<std::uint64_t>(static_cast<std::int64_t>(
                std::clamp(whole, -9.2233720368547758e18, 9.2233720368547748e18)));
            SetText(HexText(bits));
            break;
        }
        default: break;
    }
    SetIsModified(true);
}

void TExCustomDropDown::SetIntValue(int Value) {
    switch (FEditType) {
        case etNumeric:
        case etFloat: SetText(QString::number(Value)); break;
        case etMoney:
            SetText(QString::number(Value));
            ApplyThousandSeparators();
            break;
        case etHex: SetText(HexText(static_cast<std::uint32_t>(Value))); break;
        default: break;
    }
    SetIsModified(true);
}

void TExCustomDropDown::SetEditType(TDropDownEditType Value) {
    if (FEditType == Value) return;
    FEditType = Value;
    if (Value == etPassword) {
        SetPasswordChar(QLatin1Char('*'));
        FCanUndo = false;
    } else {
        SetPasswordChar(QChar());
    }
    const int kind = ClassifyNumber(GetText());
    if (Value == etNumeric && kind != ncInteger) SetIntValue(0);
    else if ((Value == etFloat || Value == etMoney) && kind != ncInteger && kind != ncFloat) SetFloatValue(0);
    else if (Value == etHex && kind != ncInteger && kind != ncHexadecimal) SetIntValue(0);
}

void TExCustomDropDown::SetPrecision(std::int16_t Value) {
    if (FPrecision == Value) return;
    if (FEditType != etString && FEditType != etFloat && FEditType != etMoney) return;
    FPrecision = Value;
    const int kind = ClassifyNumber(GetText());
    if (kind != ncInteger && kind != ncFloat) SetFloatValue(0);
    else SetFloatValue(static_cast<double>(GetFloatValue()));
}

void TExCustomDropDown::ApplyThousandSeparators() {
    QString bare = GetText();
    if (bare.isEmpty()) return;
    const int lengthBefore = bare.size();
    const int caret = SelStart();
    QString sign;
    if (bare.startsWith(QLatin1Char('-'))) {
        sign = QStringLiteral("-");
        bare.remove(0, 1);
    }
    const int decimal = bare.indexOf(DecimalSeparatorChar());
    const QString fraction = decimal >= 0 ? bare.mid(decimal).left(255) : QString();
    const long double whole = std::trunc(std::fabs(GetFloatValue()));
    const QString integer = FormatFixed(whole, 0, FAutoThousandSeparator);
    const std::int16_t precision = FPrecision;
    FPrecision = 0;
    const QString full = FPrefix + sign + integer + fraction + FSuffix;
    // Only a write that changes the text reports a change to swallow.
    FBlockChange = full != TCustomMaskEdit::Text();
    SetTextDirect(full);
    FPrecision = precision;
    SetSelStart(caret + (GetText().size() - lengthBefore));
}

void TExCustomDropDown::SelectAll() { setSelection(FPrefix.size(), GetText().size()); }

void TExCustomDropDown::SelectBeforeDecimal() {
    const int decimal = GetText().indexOf(DecimalSeparatorChar());
    SetSelStart(FPrefix.size() + (decimal >= 0 ? decimal : 0));
}

void TExCustomDropDown::SelectAfterDecimal() {
    const int decimal = GetText().indexOf(DecimalSeparatorChar());
    SetSelStart(FPrefix.size() + (decimal >= 0 ? decimal + 1 : 0));
}

int TExCustomDropDown::IntegerPartEnd(const QString& T) const {
    const QString text = StripThousandSeparators(T);
    const int decimal = text.indexOf(DecimalSeparatorChar());
    int end = decimal >= 0 ? decimal + 1 : text.size() + 1;
    if (FSigned && IsNumberType() && text.contains(QLatin1Char('-'))) --end;
    return end;
}

int TExCustomDropDown::DecimalPosition() const {
    const QString bare = GetText();
    const int decimal = bare.indexOf(DecimalSeparatorChar());
    if (decimal >= 0) return decimal + 1 + FPrefix.size();
    return FPrefix.size() + bare.size() + FSuffix.size() + 1;
}

bool TExCustomDropDown::TypedKeyDownBefore(TWMKey& Message) {
    const int end = EndOfNumber();
    const int prefix = FPrefix.size();
    const int selectionEnd = SelStart() + SelLength();
    auto drop = [&Message] {
        Message.CharCode = 0;
        return true;
    };
    switch (Message.CharCode) {
        case VK_RIGHT:
            if (!FSuffix.isEmpty() && selectionEnd >= end) return drop();
            break;
        case VK_LEFT:
            if (!FPrefix.isEmpty() && selectionEnd <= prefix) return drop();
            break;
        case VK_END:
            if (FSuffix.isEmpty()) break;
            if (Message.Shift.Contains(ssShift)) setSelection(SelStart(), end - SelStart());
            else SetSelStart(end);
            return drop();
        case VK_HOME:
            if (FPrefix.isEmpty()) break;
            if (Message.Shift.Contains(ssShift)) SetSel(end, prefix);
            else SetSelStart(prefix);
            return drop();
        case VK_BACK:
            if (FPrefix.isEmpty()) break;
            if (SelStart() <= prefix + 1) return drop();
            SetIsModified(true);
            break;
        case VK_DELETE: {
            if (!FSuffix.isEmpty()) {
                if (selectionEnd >= end && SelLength() == 0) return drop();
                SetIsModified(true);
            }
            if (SelStart() < prefix) break;
            QString remaining = GetText();
            const int at = SelStart() - prefix;
            remaining.remove(at, SelLength() > 0 ? SelLength() : 1);
            if (FLengthLimit > 0 && IntegerPartEnd(remaining) - 1 > FLengthLimit) return drop();
            SetIsModified(true);
            break;
        }
        default: break;
    }
    return false;
}

void TExCustomDropDown::TypedKeyDownAfter(WORD Key) {
    if (Key == VK_DELETE && FEditType == etMoney) ApplyThousandSeparators();
    if (!FPrefix.isEmpty() && cursorPosition() < FPrefix.size()) SetSelStart(FPrefix.size());
}

bool TExCustomDropDown::FractionIsFull() const {
    const QString bare = GetText();
    const int caret = SelStart() - FPrefix.size();
    const int decimal = bare.indexOf(DecimalSeparatorChar()) + 1;
    return FPrecision > 0 && bare.size() - caret <= FPrecision && decimal > 0 && caret >= decimal &&
           bare.size() - decimal >= FPrecision;
}

bool TExCustomDropDown::SeparatorPlacementRefuses() const {
    const QChar thousand = ThousandSeparatorChar();
    QString bare = GetText();
    int caret = SelStart() - FPrefix.size();
    int nearest = bare.size();
    if (!bare.contains(thousand)) return false;
    for (int t = bare.indexOf(thousand) + 1; t > 0; t = bare.indexOf(thousand) + 1) {
        const int distance = std::abs(t - caret);
        nearest = std::min(nearest, distance);
        if (distance < 3) return true;
        if (caret > t) caret -= t;
        bare = bare.mid(t);
    }
    return nearest > 3;
}

void TExCustomDropDown::ToggleSign() {
    const int caret = SelStart();
    const int prefix = FPrefix.size();
    QString bare = GetText();
    if (FEditType == etNumeric && SelLength() == bare.size()) {
        SetBareText(QStringLiteral("-"), prefix + 1);
        return;
    }
    const int minus = bare.indexOf(QLatin1Char('-'));
    if (minus >= 0) {
        // The minus goes, wherever it stands; never a digit.
        bare.remove(minus, 1);
        SetBareText(bare, caret > prefix && caret > 0 ? caret - 1 : prefix);
        if (FEditType == etFloat || FEditType == etMoney) SetIsModified(true);
    } else {
        SetBareText(QLatin1Char('-') + bare, caret + 1);
        SetIsModified(true);
    }
}

void TExCustomDropDown::TypedChar(TWMKey& Message) {
    const QChar decimal = DecimalSeparatorChar();
    const QChar thousand = ThousandSeparatorChar();
    const int prefix = FPrefix.size();
    const QString bare = GetText();
    const int selectionStart = SelStart();
    const int selectionLength = SelLength();
    QChar c(Message.CharCode);
    auto pass = [this, &Message, &c] {
        Message.CharCode = c.unicode();
        TCustomMaskEdit::WMChar(Message);
    };

    if (FExcelStyleDecimalSeparator && (c == QLatin1Char('.') || c == QLatin1Char(',')) &&
        (Message.KeyData & KeyDataKeypad))
        c = decimal;
    if (c == QChar(8) && !FPrefix.isEmpty() && selectionStart <= prefix && selectionLength == 0) return;
    const bool signedNumber = FSigned && IsNumberType();
    if (FLengthLimit > 0 && IntegerPartEnd(bare) > FLengthLimit && selectionLength == 0 &&
        selectionStart < DecimalPosition() && c != QChar(8) && c != decimal &&
        !(c == QLatin1Char('-') && signedNumber))
        return;
    if (c == QChar(8)) {
        const bool wholeSelected = !bare.isEmpty() && selectionLength == bare.size();
        pass();
        // The window's notice of this change was swallowed; the emptied edit says so once.
        if (wholeSelected && GetText().isEmpty()) Change();
        return;
    }
    if (c == QChar(10) && KeyboardShiftState().Contains(ssCtrl)) return;
    if (IsNumberType() && !FSigned && c == QLatin1Char('-')) return;

    switch (FEditType) {
        case etString:
        case etPassword:
            SetIsModified(true);
            pass();
            break;
        case etNumeric:
            if (c == QLatin1Char('-')) ToggleSign();
            else if (IsControlKeyChar(c) || IsDigit(c) || KeyboardShiftState().Contains(ssCtrl)) pass();
            break;
        case etFloat:
        case etMoney: {
            const bool money = FEditType == etMoney;
            if (money) {
                if (c == decimal && (bare.contains(decimal) || FPrecision == 0)) {
                    if (FPrecision <= 0) return;
                    if (!bare.isEmpty() && selectionLength == bare.size()) SetText(FormatFixed(0, 1, false));
                    SelectAfterDecimal();
                    return;
                }
                if (!IsControlKeyChar(c) && c != QLatin1Char('-') && !IsDigit(c) && c != decimal) return;
            } else {
                if (c == QLatin1Char(',') && decimal != QLatin1Char(',') && thousand != QLatin1Char(',')) return;
                if (c == QLatin1Char('.') && decimal != QLatin1Char('.') && thousand != QLatin1Char('.')) return;
                if (!IsControlKeyChar(c) && c != QLatin1Char(',') && c != QLatin1Char('-') && c != QLatin1Char('.') &&
                    !IsDigit(c))
                    return;
                if (c == decimal && !SelText().contains(decimal) && (bare.contains(decimal) || FPrecision == 0)) {
                    if (FPrecision > 0) SelectAfterDecimal();
                    return;
                }
                if (c == QLatin1Char(',') && bare.contains(QLatin1Char(',')) && !SelText().contains(QLatin1Char(',')) &&
                    thousand != QLatin1Char(','))
                    return;
            }
            if ((c == thousand || c == decimal) && SeparatorPlacementRefuses()) return;
            if (FractionIsFull() && (IsDigit(c) || c == decimal) && selectionLength == 0) {
                const int caret = selectionStart - prefix;
                const int decimalAt = bare.indexOf(decimal) + 1;
                if (IsDigit(c) && FPrecision > 0 && decimalAt <= caret && caret < bare.size()) SetSelLength(1);
                else return;
            }
            if (selectionStart == prefix && bare.isEmpty() && c == decimal) {
                SetBareText(QStringLiteral("0") + decimal, prefix + 2);
                SetIsModified(true);
                return;
            }
            if (c == QLatin1Char('-')) {
                // A minus typed over a selection toggles the sign too: it never lands
                // inside the number.
                const std::int16_t precision = FPrecision;
                FPrecision = 0;
                ToggleSign();
                FPrecision = precision;
                return;
            }
            pass();
            if (money) {
                const QString now = GetText();
                if (!now.isEmpty() && now != QLatin1String("-") && c != decimal) {
                    if (Modified()) SetIsModified(true);
                    ApplyThousandSeparators();
                }
            }
            break;
        }
        case etUppercase:
            c = QString(c).toUpper().at(0);
            pass();
            break;
        case etLowerCase:
            c = QString(c).toLower().at(0);
            pass();
            break;
        case etMixedCase: {
            pass();
            SetTextDirect(FPrefix + CapitalizeWords(GetText()) + FSuffix);
            SetSelStart(selectionStart + 1);
            break;
        }
        case etRange: {
            if (!IsControlKeyChar(c) && !IsDigit(c) && !IsRangeSeparator(c)) return;
            SetIsModified(true);
            if (IsRangeSeparator(c)) {
                const QString full = TCustomMaskEdit::Text();
                const bool before = selectionStart > 0 && IsRangeSeparator(full.at(selectionStart - 1));
                const bool after = selectionStart < full.size() && IsRangeSeparator(full.at(selectionStart));
                if (selectionStart <= prefix || before || after) return;
            }
            pass();
            break;
        }
        case etHex: {
            if (!IsControlKeyChar(c) && c != QLatin1Char('-') && !IsDigit(c) && !IsHexLetter(c)) return;
            // A minus only at the start, and only one.
            if (c == QLatin1Char('-') &&
                (selectionStart != prefix || (bare.startsWith(QLatin1Char('-')) && selectionLength == 0)))
                return;
            SetIsModified(true);
            pass();
            break;
        }
        case etAlphaNumeric:
            if (!IsControlKeyChar(c) && !IsDigit(c) && !IsAsciiLetter(c)) return;
            SetIsModified(true);
            pass();
            break;
        case etValidChars:
            if (!FValidChars.contains(c) && c != QChar(8)) return;
            SetIsModified(true);
            pass();
            break;
    }
    if (Modified()) SetIsModified(true);
}

void TExCustomDropDown::EditChanged() {
    if (FBlockChange) {
        FBlockChange = false;
        return;
    }
    TCustomMaskEdit::EditChanged();
}

void TExCustomDropDown::TypedMousePress(QMouseEvent* event, bool& handled) {
    handled = false;
    if (event->button() != Qt::LeftButton || !hasFocus() || SelLength() == 0) return;
    const int at = CharFromPos(event->position().toPoint().x());
    if (at >= SelStart() && at <= SelStart() + SelLength()) {
        FButtonDown = true;
        handled = true;
    }
}

void TExCustomDropDown::TypedMouseRelease(QMouseEvent* event) {
    const bool pending = FButtonDown;
    FButtonDown = false;
    if (pending) SetSelStart(CharFromPos(event->position().toPoint().x()));
    TCustomMaskEdit::mouseReleaseEvent(event);
    if (!FEditorEnabled) return;
    if (!FPrefix.isEmpty() && cursorPosition() < FPrefix.size()) SelectAll();
    if (!FSuffix.isEmpty()) {
        const int end = EndOfNumber();
        if (SelLength() == 0 && SelStart() > end) SetSelStart(end);
        else if (SelLength() > 0 && SelStart() + SelLength() > end) setSelection(SelStart(), end - SelStart());
    }
}

void TExCustomDropDown::FormatOnFocusLoss() {
    const bool empty = GetText().isEmpty();
    const bool floating = FEditType == etFloat || FEditType == etMoney;
    if (FPrecision > 0 && floating && (!empty || !FAllowNumericNullValue)) {
        const bool modified = FIsModified;
        SetFloatValue(static_cast<double>(GetFloatValue()));
        SetIsModified(modified);
    }
    if (FEditType == etNumeric && GetText().isEmpty() && !FAllowNumericNullValue) SetText(QStringLiteral("0"));
    if (floating && GetText().isEmpty() && !FAllowNumericNullValue) SetFloatValue(0);
}

void TExCustomDropDown::WMCopy(TMessage& Message) {
    bool allow = true;
    if (OnClipboardCopy && !FBlockCopy)
        OnClipboardCopy(this, GetText().mid(SelStart() - FPrefix.size(), SelLength()), allow);
    FBlockCopy = false;
    if (allow) TCustomMaskEdit::WMCopy(Message);
}

void TExCustomDropDown::WMCut(TMessage& Message) {
    if (!FEditorEnabled || ReadOnly()) return;
    bool allow = true;
    FBlockCopy = true;
    if (OnClipboardCut) OnClipboardCut(this, GetText().mid(SelStart() - FPrefix.size(), SelLength()), allow);
    if (allow) TCustomMaskEdit::WMCut(Message);
    FBlockCopy = false;
}

void TExCustomDropDown::WMPaste(TMessage&) {
    if (ReadOnly()) return;
    const QString pasted = QGuiApplication::clipboard()->text();
    if (pasted.isEmpty()) return;
    const QString bare = GetText();
    const int prefix = FPrefix.size();
    const int at = std::clamp(SelStart() - prefix, 0, int(bare.size()));
    const int replaced = SelLength();
    const QString result = bare.left(at) + pasted + bare.mid(at + replaced);
    const int selectionAnchor = prefix + at;
    const int selectionCaret = prefix + at + pasted.size();
    const bool selectPasted = replaced > 0;

    bool allow = true;
    if (OnClipboardPaste) OnClipboardPaste(this, result, allow);
    if (!allow) return;
    if (MaxLength() > 0 && pasted.size() + bare.size() - replaced > MaxLength()) return;

    const bool unsignedOk = FSigned || !result.contains(QLatin1Char('-'));
    const int kind = ClassifyNumber(result);
    auto everyChar = [&result](auto test) { return std::all_of(result.begin(), result.end(), test); };
    switch (FEditType) {
        case etString:
        case etPassword: SetText(result); break;
        case etNumeric:
            if (kind == ncInteger && unsignedOk && MinusOnlyFirst(result)) {
                SetText(result);
                SetIsModified(true);
            }
            break;
        case etFloat:
        case etMoney:
            if ((kind == ncInteger || kind == ncFloat) && (FPrecision != 0 || !pasted.contains(DecimalSeparatorChar())) &&
                unsignedOk && MinusOnlyFirst(result)) {
                SetText(result);
                SetFloatValue(static_cast<double>(GetFloatValue()));
                SetIsModified(true);
            }
            break;
        case etUppercase: SetText(result.toUpper()); break;
        case etLowerCase: SetText(result.toLower()); break;
        case etMixedCase: SetText(CapitalizeWords(result)); break;
        case etAlphaNumeric:
            if (everyChar([](QChar c) { return IsDigit(c) || IsAsciiLetter(c); })) {
                SetText(result);
                SetIsModified(true);
            }
            break;
        case etValidChars:
            if (everyChar([this](QChar c) { return FValidChars.contains(c); })) {
                SetText(result);
                SetIsModified(true);
            }
            break;
        case etRange:
        case etHex: break;
    }
    if (FEditType == etMoney && GetText().size() > 3) SelectAll();
    else if (selectPasted) SetSel(selectionAnchor, selectionCaret);
    else SetSelStart(selectionCaret);
    switch (FEditType) {
        case etString:
        case etUppercase:
        case etMixedCase:
        case etLowerCase:
        case etPassword: SetIsModified(true); break;
        default: break;
    }
}
