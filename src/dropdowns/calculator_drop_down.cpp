#include "dropdowns/calculator_drop_down.h"

#include "dropdowns/button_items.h"
#include "dropdowns/button_panel.h"
#include "dropdowns/drop_down_form.h"
#include "dropdowns/number_formatting.h"
#include "dropdowns/number_text.h"

#include <cmath>

namespace {

enum { opNone = -1, opAdd = 0, opMultiply = 1, opSubtract = 2, opDivide = 3 };

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

}  // namespace

TExCalculatorDropdown::TExCalculatorDropdown(TComponent* AOwner, QWidget* AParent)
    : TExCustomDropDown(AOwner, AParent), FCalcButtonAppearance(std::make_unique<TButtonAppearance>()) {}

void TExCalculatorDropdown::Initialize() {
    TExCustomDropDown::Initialize();
    SetDropDownColor(clWhite);
    SetDropDownWidth(230);
    FDropDownHeader->SetVisible(false);
    FDropDownFooter->SetVisible(false);
    SetEditType(etFloat);
    FPrevop = opNone;
    SetPrecision(2);
    FDecim = 0;
    FCalcClosed = true;
    FMVal = 0;
}

void TExCalculatorDropdown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (FExButtonPanel) return;
    FExButtonPanel = new TCustomButtonPanel(this, DropDownForm());
    FExButtonPanel->SetExDropDown(this);
    // The keys act on clicks; the keyboard stays with the pop-up's own key events.
    FExButtonPanel->setFocusPolicy(Qt::NoFocus);
    FExButtonPanel->resize(FExButtonPanel->width(), 150);
    FExButtonPanel->CreateDefaultButtons();
    SetControl(FExButtonPanel);
    FExButtonPanel->OnButtonClick = [this](TObject*, int Index) { ButtonClicked(Index); };
}

void TExCalculatorDropdown::SetComponentStyle(TZRTStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    if (!FCalcButtonAppearance) return;
    const TExButtonAppearance& source = *ButtonAppearance();
    TButtonAppearance& target = *FCalcButtonAppearance;
    target.SetBorderColor(source.BorderColor());
    target.SetBorderColorHot(source.BorderColorHot());
    target.SetBorderColorDown(source.BorderColorDown());
    target.SetColor(source.Color());
    target.SetColorTo(source.ColorTo());
    target.SetColorDown(source.ColorDown());
    target.SetColorDownTo(source.ColorDownTo());
    target.SetColorHot(source.ColorHot());
    target.SetColorHotTo(source.ColorHotTo());
    target.SetColorDisabled(source.ColorDisabled());
    target.SetColorDisabledTo(source.ColorDisabledTo());
    if (AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black) {
        target.SetGlowColorHot(source.ColorHot());
        target.SetGlowColorDown(source.ColorHot());
    } else {
        target.SetGlowColorDown(0xD5C244);
        target.SetGlowColorHot(source.ColorDownTo());
    }
}

void TExCalculatorDropdown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    DropDownForm()->SetCancelOnDeActivate(false);
    if (FExButtonPanel) {
        FExButtonPanel->SetButtonAppearance(*FCalcButtonAppearance);
        FExButtonPanel->SetColor(DropDownColor());
        FExButtonPanel->ArrangeButtonItems();
    }
    FNewval = true;
    FDecim = 0;
    FCalcClosed = false;
}

bool TExCalculatorDropdown::CalculatorClosed() const {
    return FCalcClosed || (DropDownForm() && !DropDownForm()->isVisible());
}

std::optional<long double> TExCalculatorDropdown::StrictValue() const {
    long double value = 0;
    if (!TryTextToFloat(StripThousandSeparators(GetText()), value)) return std::nullopt;
    return value;
}

long double TExCalculatorDropdown::Value() {
    if (GetText().isEmpty()) SetText(QStringLiteral("0"));
    return StrictValue().value_or(0);
}

void TExCalculatorDropdown::SetValue(long double AValue) { SetText(FormatGeneral(AValue)); }

void TExCalculatorDropdown::SetShowThousandSeparator(bool Value) {
    if (FShowThousandSeparator == Value) return;
    FShowThousandSeparator = Value;
    const long double current = GetFloatValue();
    SetEditType(Value ? etMoney : etFloat);
    Show(current);
}

bool TExCalculatorDropdown::ApplyPendingOperation() {
    if (GetText().isEmpty() || GetText() == QLatin1String("Error")) SetText(QStringLiteral("0"));
    const std::optional<long double> operand = StrictValue();
    if (!operand) return false;
    const long double x = *operand;
    switch (FPrevop) {
        case opAdd: FPrevval += x; break;
        case opMultiply: FPrevval *= x; break;
        case opSubtract: FPrevval -= x; break;
        case opDivide:
            if (x == 0) {
                FPrevval = 0;
                SetText(QStringLiteral("Error"));
                return true;
            }
            FPrevval /= x;
            break;
        default: FPrevval = x; break;
    }
    if (!std::isfinite(FPrevval)) FPrevval = 0;
    Show(FPrevval);
    FNewval = true;
    return true;
}

void TExCalculatorDropdown::Operation(int Op) {
    if (ApplyPendingOperation()) FPrevop = Op;
}

void TExCalculatorDropdown::CalculateResult() {
    if (!ApplyPendingOperation()) return;
    if (GetText().isEmpty()) SetText(QStringLiteral("0"));
    FPrevop = opNone;
    if (GetText() != QLatin1String("Error")) FPrevval = StrictValue().value_or(FPrevval);
}

void TExCalculatorDropdown::CalculatePercent() {
    if (GetText().isEmpty() || GetText() == QLatin1String("Error")) SetText(QStringLiteral("0"));
    const std::optional<long double> x = StrictValue();
    if (!x) return;
    SetText(FormatGeneral(FPrevval * *x / 100));
}

void TExCalculatorDropdown::Clear() {
    SetText(QStringLiteral("0"));
    FPrevval = 0;
    FPrevop = opNone;
}

void TExCalculatorDropdown::ButtonClicked(int Index) {
    if (!FExButtonPanel || Index < 0 || Index >= FExButtonPanel->Buttons().Count()) return;
    BeforeCalcInput();
    const int tag = FExButtonPanel->Buttons().Items(Index)->Tag();
    if ((tag >= 10 && tag <= 14) || (tag >= 16 && tag <= 18)) FDecim = 0;
    if (((tag >= 0 && tag <= 9) || tag == 14 || tag == 15) && DisplayFull()) return;
    const QChar decimal = DecimalSeparatorChar();
    if (tag >= 0 && tag <= 9) {
        const long double v = GetFloatValue();
        if ((v == 0 && FDecim == 0) || FNewval) {
            SetText(QString::number(tag));
            FNewval = false;
        } else if (FDecim > 0) {
            Show(v + static_cast<long double>(tag) / FDecim);
            FDecim *= 10;
        } else {
            Show(v * 10 + tag);
        }
    } else {
        switch (tag) {
            case 10: Operation(opAdd); break;
            case 11: Operation(opSubtract); break;
            case 12: Operation(opMultiply); break;
            case 13: Operation(opDivide); break;
            case 14: {
                QString display = GetText();
                const int minus = display.indexOf(QLatin1Char('-'));
                if (minus >= 0) display.remove(minus, 1);
                else display.prepend(QLatin1Char('-'));
                SetText(display);
                break;
            }
            case 15:
                if (!GetText().contains(decimal)) SetText(GetText() + decimal);
                FDecim = 10;
                if (FNewval) SetText(QStringLiteral("0"));
                FNewval = false;
                break;
            case 16:
            case 30:
            case 32: Clear(); break;
            case 17: CalculateResult(); break;
            case 18: CalculatePercent(); break;
            case 31:
                if (FPrevop < 0) {
                    QString shortest = FormatGeneral(GetFloatValue());
                    shortest.chop(1);
                    SetText(shortest);
                }
                break;
            case 33: FMVal = 0; break;
            case 34: Show(FMVal); break;
            case 35:
                if (const auto x = StrictValue()) FMVal = *x;
                break;
            case 36:
                if (const auto x = StrictValue()) FMVal += *x;
                break;
            case 37: {
                const long double a = GetFloatValue();
                if (a >= 0) Show(std::sqrt(a));
                else SetText(QStringLiteral("Error"));
                break;
            }
            case 38: {
                const long double a = GetFloatValue();
                if (a != 0) Show(1 / a);
                else SetText(QStringLiteral("Error"));
                break;
            }
            default: break;
        }
    }
    SetIsModified(true);
}

void TExCalculatorDropdown::DropDownKeyPress(QChar& Key) {
    TExCustomDropDown::DropDownKeyPress(Key);
    BeforeCalcInput();
    const QChar decimal = DecimalSeparatorChar();
    if (Key == decimal && !GetText().contains(decimal)) SetText(GetText() + decimal);
    if (IsDigit(Key) && DisplayFull()) return;
    switch (Key.unicode()) {
        case 13:
            CalculateResult();
            DoHideDropDown(false);
            break;
        case 27: DoHideDropDown(true); break;
        case '%': CalculatePercent(); break;
        case '*': Operation(opMultiply); break;
        case '+': Operation(opAdd); break;
        case '-': Operation(opSubtract); break;
        case '/': Operation(opDivide); break;
        case '=': CalculateResult(); break;
        case 'C':
        case 'c':
            SetText(QStringLiteral("0"));
            FPrevval = 0;
            FNewval = true;
            FPrevop = opNone;
            break;
        default:
            if (IsDigit(Key)) FNewval = false;
            break;
    }
}

void TExCalculatorDropdown::DropDownKeyDown(WORD& Key, TShiftState Shift) {
    TExCustomDropDown::DropDownKeyDown(Key, Shift);
    if (Key == VK_TAB || Key == VK_F4) {
        DoHideDropDown(false);
    } else if (Key == VK_BACK) {
        QString display = GetText();
        display.chop(1);
        SetText(display.isEmpty() || display == QLatin1String("Error") ? QStringLiteral("0") : display);
    }
}

void TExCalculatorDropdown::KeyPress(QChar& Key) {
    if (CalculatorClosed()) {
        switch (Key.unicode()) {
            case 13:
            case '=': CalculateResult(); break;
            case '%': CalculatePercent(); break;
            case '*': Operation(opMultiply); break;
            case '+': Operation(opAdd); break;
            case '-': Operation(opSubtract); break;
            case '/': Operation(opDivide); break;
            case 'C':
            case 'c':
                SetText(QStringLiteral("0"));
                FNewval = true;
                FPrevop = opNone;
                break;
            default: break;
        }
    }
    const QChar decimal = DecimalSeparatorChar();
    if (!IsDigit(Key) && Key != decimal && Key != QChar(8) && Key != QLatin1Char('-')) {
        Key = QChar();
        return;
    }
    const QString display = GetText();
    if (IsDigit(Key) && (display == QLatin1String("0") || FNewval)) {
        SetText(QString(Key));
        Key = QChar();
        SetSelStart(FPrefix.size() + 1);
        FNewval = false;
        return;
    }
    if (Key == QChar(8) && display.size() == 1) {
        SetText(QStringLiteral("0"));
        Key = QChar();
        SetSelStart(FPrefix.size() + 1);
        return;
    }
    if (Key == ThousandSeparatorChar() || (Key == decimal && display.contains(decimal))) {
        Key = QChar();
        return;
    }
    TExCustomDropDown::KeyPress(Key);
}

void TExCalculatorDropdown::WMKeyDown(TWMKey& Message) {
    const WORD key = Message.CharCode;
    TExCustomDropDown::WMKeyDown(Message);
    if (key == VK_DELETE && (GetText().isEmpty() || GetText() == QLatin1String("Error"))) SetText(QStringLiteral("0"));
}
