// The extended picker: kind, value, AutoTab across the date fields, check box mode and
// the focus and enabled notices.
#include "grid/edit/ex_date_time_picker.h"

#include "platform/date_time_conversion.h"
#include "platform/standard_controls.h"

#include <QCheckBox>
#include <QEvent>
#include <QSignalBlocker>
#include <cmath>

TExDateTimePicker::TExDateTimePicker(TComponent* AOwner, QWidget* AParent) : TCustomDateTimePicker(AOwner, AParent) {
    SetCtl3D(true);
    SetBorderStyle(bsSingle);
    SetKind(dkDateTime);
}

TExDateTimePicker::~TExDateTimePicker() {
    // The label lives on the parent; it goes with the picker.
    delete FLabel.data();
}

// ---- kind and value ------------------------------------------------------------------------

void TExDateTimePicker::SetKind(TExDateTimeKind Value) {
    FKind = Value;
    TDateTimePicker::SetKind(Value == dkTime ? dtkTime : dtkDate);
    if (Value == dkDateTime && !FTimePicker) CreateTimePicker();
    UpdateTimePicker();
}

TDateTime TExDateTimePicker::DateTime() {
    if (FTimePicker) {
        const QSignalBlocker block(this);
        setDateTime(QDateTime(dateTime().date(), FTimePicker->time()));
    }
    return TDateTimePicker::DateTime();
}

void TExDateTimePicker::SetDateTime(TDateTime Value) {
    // Milliseconds are dropped: the day and its hours, minutes and seconds.
    QDateTime moment = DateTimeToQDateTime(Value);
    if (!moment.isValid()) return;
    const QTime t = moment.time();
    moment.setTime(QTime(t.hour(), t.minute(), t.second()));
    setDateTime(moment);
    if (FKind == dkDateTime && !FTimePicker) CreateTimePicker();
    if (FTimePicker) {
        const QSignalBlocker block(FTimePicker.data());
        FTimePicker->setDateTime(moment);
    }
    if (ShowCheckbox()) {
        ApplyTimePickerCheck();
        FIgnoreTimePickerCheck = FTimePicker && FTimePicker->isEnabled();
    }
}

void TExDateTimePicker::SetDate(TDateTime Value) {
    const TDateTime time = Time();
    SetDateTime(std::trunc(Value) + (Value < 0 ? -time : time));
}

TDateTime TExDateTimePicker::Time() const {
    if (FKind == dkDateTime && FTimePicker) return FTimePicker->Time();
    return TDateTimePicker::Time();
}

void TExDateTimePicker::SetTime(TDateTime Value) {
    TDateTimePicker::SetTime(Value);
    UpdateTimePicker();
}

void TExDateTimePicker::SetTimeFormat(const QString& Value) {
    if (FTimePicker) FTimePicker->SetFormat(Value);
    if (FKind == dkTime) SetFormat(Value);
    FTimeFormat = Value;
    UpdateTimePicker();
}

void TExDateTimePicker::SetAutoTab(bool Value) {
    TCustomDateTimePicker::SetAutoTab(Value);
    if (FTimePicker) FTimePicker->SetAutoTab(Value);
    UpdateTimePicker();
}

void TExDateTimePicker::SetBorderStyle(TBorderStyle Value) {
    TCustomDateTimePicker::SetBorderStyle(Value);
    if (FTimePicker) FTimePicker->SetAutoTab(AutoTab());
    UpdateTimePicker();
}

void TExDateTimePicker::SetBevelKind(TBevelKind Value) {
    FBevelKind = Value;
    UpdateTimePicker();
}

void TExDateTimePicker::SetBevelInner(TBevelCut Value) {
    FBevelInner = Value;
    UpdateTimePicker();
}

void TExDateTimePicker::SetBevelOuter(TBevelCut Value) {
    FBevelOuter = Value;
    UpdateTimePicker();
}

// ---- AutoTab -------------------------------------------------------------------------------

void TExDateTimePicker::KeyPress(QChar& Key) {
    if (AutoTab() && Key >= QLatin1Char('0') && Key <= QLatin1Char('9')) {
        const QDate day = date();
        Fy = WORD(day.year());
        Fm = WORD(day.month());
        Fd = WORD(day.day());
    }
    TCustomDateTimePicker::KeyPress(Key);
}

void TExDateTimePicker::AutoTabStep() {
    if (FKind == dkTime) {
        TCustomDateTimePicker::AutoTabStep();
        return;
    }
    const QDate day = date();
    const bool dayChanged = day.day() != Fd, monthChanged = day.month() != Fm, yearChanged = day.year() != Fy;
    auto focusTimePicker = [this] {
        if (FTimePicker) FTimePicker->setFocus(Qt::TabFocusReason);
    };
    const QString format = Format();
    if (!format.isEmpty()) {
        const QChar last = format.back().toLower();
        const bool lastFieldChanged = (dayChanged && last == QLatin1Char('d')) ||
                                      (monthChanged && last == QLatin1Char('m')) ||
                                      (yearChanged && last == QLatin1Char('y'));
        if (lastFieldChanged) focusTimePicker();
        else if (dayChanged || monthChanged || yearChanged) PostRightArrow();
        return;
    }
    if (dayChanged || monthChanged) PostRightArrow();
    else if (yearChanged) focusTimePicker();
}

// ---- notices -------------------------------------------------------------------------------

void TExDateTimePicker::Change() {
    if (ShowCheckbox() && !Designing()) {
        if (!FIgnoreTimePickerCheck) ApplyTimePickerCheck();
        FIgnoreTimePickerCheck = false;
    }
    DoChange();
}

void TExDateTimePicker::ApplyTimePickerCheck() {
    if (FTimePicker) FTimePicker->setEnabled(isEnabled() && (Checked() || !ShowCheckbox()));
}

void TExDateTimePicker::DoChange() {
    if (OnChange) OnChange(this);
}

void TExDateTimePicker::DoClick() {
    if (OnClick) OnClick(this);
}

void TExDateTimePicker::TimePickerKeyPress(TObject*, QChar&) {}

void TExDateTimePicker::changeEvent(QEvent* e) {
    TCustomDateTimePicker::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) {
        if (FTimePicker) FTimePicker->setEnabled(isEnabled() && (Checked() || !ShowCheckbox()));
        if (FLabel && !FLabelAlwaysEnabled) FLabel->setEnabled(isEnabled());
    } else if (e->type() == QEvent::PaletteChange || e->type() == QEvent::FontChange) {
        if (e->type() == QEvent::FontChange && FLabel && FParentFnt) {
            FLabel->setFont(font());
            PlaceLabel();
        }
        UpdateTimePicker();
    }
}

void TExDateTimePicker::DoEnter() {
    if (FFocusLabel) SetLabelBold(true);
    TCustomDateTimePicker::DoEnter();
}

void TExDateTimePicker::DoExit() {
    // Moving into the embedded time picker is no exit from the picker.
    if (FTimePicker && FTimePicker->hasFocus()) return;
    if (FFocusLabel) SetLabelBold(false);
    TCustomDateTimePicker::DoExit();
}

void TExDateTimePicker::paintEvent(QPaintEvent* e) {
    if (FFirstRun) {
        FFirstRun = false;
        UpdateTimePicker();
    }
    TCustomDateTimePicker::paintEvent(e);
}

void TExDateTimePicker::resizeEvent(QResizeEvent* e) {
    TCustomDateTimePicker::resizeEvent(e);
    UpdateTimePicker();
    PlaceLabel();
}

void TExDateTimePicker::moveEvent(QMoveEvent* e) {
    TCustomDateTimePicker::moveEvent(e);
    PlaceLabel();
}

void TExDateTimePicker::showEvent(QShowEvent* e) {
    TCustomDateTimePicker::showEvent(e);
    PlaceLabel();
}

void TExDateTimePicker::hideEvent(QHideEvent* e) {
    TCustomDateTimePicker::hideEvent(e);
    if (FLabel) FLabel->hide();
}
