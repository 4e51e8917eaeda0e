// Creation, properties and their guards, focus, mouse, enabled change and the drop-down
// list of the flat combo.
#include "grid/edit/flat_combo.h"

#include "controls/office_theme.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QCursor>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>

TAsgCustomCombo::TAsgCustomCombo(TComponent* AOwner, QWidget* AParent) : TComboBox(AOwner, AParent) {
    FButtonWidth = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    FIsThemed = (GetFileVersion(QStringLiteral("COMCTL32.DLL")) >> 16) > 5;
    setMouseTracking(true);
    SetColor(clWindow);
}

void TAsgCustomCombo::Init() { FNormalColor = Color(); }

void TAsgCustomCombo::SelectItem(const QString& AString) {
    const int index = Items().IndexOf(AString);
    if (index >= 0) SetItemIndex(index);
}

void TAsgCustomCombo::Loaded() {
    TComboBox::Loaded();
    if (FDropWidth > 0) SetDropWidth(FDropWidth);
    FOldColor = FLoadedColor;
    if (!(FFlatParentColor && !FFlat)) SetColor(FLoadedColor);
    if (FLabel && !FLabelAlwaysEnabled) FLabel->setEnabled(isEnabled());
    if (FLabel && FParentFont) FLabel->setFont(font());
    PlaceLabel();
    Init();
}

void TAsgCustomCombo::LookChanged() {
    KeepEditFieldLeftOfButton();
    update();
}

void TAsgCustomCombo::SetLookColor(TColor& field, TColor value) {
    field = value;
    LookChanged();
}

void TAsgCustomCombo::SetFlat(bool value) {
    if (FFlat == value) return;
    FFlat = value;
    if (FFlatParentColor && FFlat) {
        if (parentWidget()) SetColor(ParentBrushColor());
    } else {
        SetColor(FLoadedColor);
    }
    LookChanged();
}

void TAsgCustomCombo::SetEtched(bool value) {
    FEtched = value;
    LookChanged();
}

void TAsgCustomCombo::SetFlatLineColor(TColor value) { SetLookColor(FFlatLineColor, value); }

void TAsgCustomCombo::SetFlatParentColor(bool value) {
    FFlatParentColor = value;
    LookChanged();
}

void TAsgCustomCombo::SetBorderColor(TColor value) {
    if (FBorderColor == value) return;
    SetLookColor(FBorderColor, value);
}

void TAsgCustomCombo::SetFocusBorder(bool value) {
    FFocusBorder = value;
    LookChanged();
}

void TAsgCustomCombo::SetFocusBorderColor(TColor value) { SetLookColor(FFocusBorderColor, value); }

void TAsgCustomCombo::SetDisabledBorder(bool value) {
    FDisabledBorder = value;
    LookChanged();
}

void TAsgCustomCombo::SetIsVista(bool value) {
    FIsVista = value;
    LookChanged();
}

void TAsgCustomCombo::SetButtonWidth(int value) {
    if (value < 14 || value > 32) return;
    FButtonWidth = value;
    LookChanged();
}

void TAsgCustomCombo::SetDropWidth(int value) {
    FDropWidth = value;
    if (value > 0) view()->setMinimumWidth(value);
}

void TAsgCustomCombo::SetAutoComplete(bool value) {
    FAutoComplete = value;
    if (!isEditable()) return;
    if (!value) {
        setCompleter(nullptr);
    } else if (!completer()) {
        auto* completion = new QCompleter(model(), this);
        completion->setCompletionMode(QCompleter::InlineCompletion);
        completion->setCaseSensitivity(Qt::CaseInsensitive);
        setCompleter(completion);
    }
}

void TAsgCustomCombo::SetParentFont(bool value) {
    FParentFont = value;
    if (value && parentWidget()) setFont(parentWidget()->font());
    PlaceLabel();
}

void TAsgCustomCombo::SetParentColor(bool value) {
    FParentColor = value;
    if (value) SetColor(ParentBrushColor());
}

void TAsgCustomCombo::SetColor(TColor value) {
    if (ComponentState().Contains(csLoading)) FLoadedColor = value;
    TComboBox::SetColor(value);
    if (value == clDefault || value == clNone) return;
    // The text field and the list face take the colour as well as the widget background.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, ToQColor(value));
    palette.setColor(QPalette::Button, ToQColor(value));
    setPalette(palette);
}

TColor TAsgCustomCombo::ParentBrushColor() const { return ParentBrushColorOf(this); }

bool TAsgCustomCombo::ThemesActive() const { return FIsThemed && CurrentVisualStyle().Active; }

// ---- focus ----

void TAsgCustomCombo::focusInEvent(QFocusEvent* e) {
    TComboBox::focusInEvent(e);
    if (e->reason() == Qt::PopupFocusReason && FHasFocus) return;
    DoEnter();
}

void TAsgCustomCombo::focusOutEvent(QFocusEvent* e) {
    TComboBox::focusOutEvent(e);
    if (e->reason() == Qt::PopupFocusReason) return;
    DoExit();
}

void TAsgCustomCombo::DoEnter() {
    if (ComponentState().Contains(csDesigning)) return;
    FHasFocus = true;
    if (FFocusColor != clNone) SetColor(FFocusColor);
    if (FFocusLabel) SetLabelBold(true);
    LookChanged();
}

void TAsgCustomCombo::DoExit() {
    FHasFocus = false;
    if (FFocusColor != clNone && FNormalColor != clNone) SetColor(FNormalColor);
    SetLabelBold(false);
    LookChanged();
}

// ---- mouse ----

void TAsgCustomCombo::enterEvent(QEnterEvent* e) {
    TComboBox::enterEvent(e);
    if (FMouseInControl || !isEnabled()) return;
    FMouseInControl = true;
    update();
    if (FAutoFocus && !ComponentState().Contains(csDesigning)) {
        QWidget* form = window();
        if (form == this || form->isActiveWindow()) setFocus(Qt::MouseFocusReason);
    }
    if (FIsWinXP) update();
}

void TAsgCustomCombo::leaveEvent(QEvent* e) {
    TComboBox::leaveEvent(e);
    // Our own list opening under the pointer is no leaving of the button: held down, it
    // shows the pressed colours.
    if (!FDroppedDown) FButtonHover = false;
    if (FIsWinXP) update();
    if (!FMouseInControl || !isEnabled()) return;
    FMouseInControl = false;
    update();
}

bool TAsgCustomCombo::IsOverButton(QPoint p) const {
    return width() - FButtonWidth < p.x() && p.x() < width() && rect().contains(p);
}

void TAsgCustomCombo::mouseMoveEvent(QMouseEvent* e) {
    TComboBox::mouseMoveEvent(e);
    const bool hover = IsOverButton(e->position().toPoint());
    if (hover == FButtonHover) return;
    FButtonHover = hover;
    update();
}

void TAsgCustomCombo::mousePressEvent(QMouseEvent* e) {
    // The text field ends left of our button, so the whole button strip opens the list.
    const int x = e->position().toPoint().x();
    if (isEditable() && e->button() == Qt::LeftButton && x >= width() - FButtonWidth - 4) {
        if (FDroppedDown) hidePopup();
        else showPopup();
        e->accept();
        return;
    }
    TComboBox::mousePressEvent(e);
}

// ---- enabled change ----

void TAsgCustomCombo::EnabledChanged() {
    const bool loading = ComponentState().Contains(csLoading);
    if (FFlat && !loading) {
        if (!isEnabled()) {
            FOldColor = Color();
            FOldParentColor = FParentColor;
            SetParentColor(true);
        } else {
            FParentColor = FOldParentColor;
            SetColor(FOldColor);
        }
    }
    if (FLabel && !loading && !ComponentState().Contains(csDesigning)) {
        if (!FLabelAlwaysEnabled) FLabel->setEnabled(isEnabled());
        PlaceLabel();
    }
    update();
}

void TAsgCustomCombo::changeEvent(QEvent* e) {
    TComboBox::changeEvent(e);
    switch (e->type()) {
    case QEvent::EnabledChange:
        EnabledChanged();
        break;
    case QEvent::FontChange:
        if (FLabel && FParentFont) {
            FLabel->setFont(font());
            PlaceLabel();
        }
        KeepEditFieldLeftOfButton();
        break;
    case QEvent::StyleChange:
        KeepEditFieldLeftOfButton();
        break;
    default:
        break;
    }
}

bool TAsgCustomCombo::event(QEvent* e) {
    const bool result = TComboBox::event(e);
    switch (e->type()) {
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::ParentChange:
        PlaceLabel();
        break;
    case QEvent::ChildPolished:
        // A text field made by a change of style comes with the platform's geometry and
        // completion.
        KeepEditFieldLeftOfButton();
        SetAutoComplete(FAutoComplete);
        break;
    default:
        break;
    }
    return result;
}

// ---- the drop-down list ----

void TAsgCustomCombo::showPopup() {
    const bool wasDropped = FDroppedDown;
    // Set first: showing the list makes the pointer leave the control.
    FDroppedDown = true;
    TComboBox::showPopup();
    if (!view()->window()->isVisible()) {  // an empty list does not open
        FDroppedDown = wasDropped;
        return;
    }
    if (wasDropped) return;
    // The list can also close without hidePopup (a click elsewhere), so its hiding is watched.
    FListWindow = view()->window();
    FListWindow->installEventFilter(this);
    update();
    if (OnDropDown) OnDropDown(this);
}

void TAsgCustomCombo::hidePopup() {
    TComboBox::hidePopup();
    ListClosed();
}

bool TAsgCustomCombo::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Hide && FListWindow && watched == FListWindow) ListClosed();
    return TComboBox::eventFilter(watched, e);
}

void TAsgCustomCombo::ListClosed() {
    if (!FDroppedDown) return;
    FDroppedDown = false;
    FButtonHover = IsOverButton(mapFromGlobal(QCursor::pos()));
    update();
    if (OnDropUp) OnDropUp(this);
}
