#include "platform/date_time_picker.h"

#include "platform/custom_control.h"
#include "platform/date_time_conversion.h"
#include "platform/format_settings.h"
#include "platform/mask_edit.h"
#include "platform/month_calendar.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

int QtKeyOfVirtualKey(WORD Key) {
    if (Key >= '0' && Key <= '9') return Qt::Key_0 + (Key - '0');
    if (Key >= 'A' && Key <= 'Z') return Qt::Key_A + (Key - 'A');
    switch (Key) {
    case VK_BACK: return Qt::Key_Backspace;
    case VK_TAB: return Qt::Key_Tab;
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_END: return Qt::Key_End;
    case VK_HOME: return Qt::Key_Home;
    case VK_LEFT: return Qt::Key_Left;
    case VK_UP: return Qt::Key_Up;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_DOWN: return Qt::Key_Down;
    case VK_DELETE: return Qt::Key_Delete;
    case VK_F4: return Qt::Key_F4;
    default: return 0;
    }
}

constexpr int kCheckBoxSpace = 18;

}  // namespace

QString QtDisplayFormat(const QString& PickerFormat) {
    QString result;
    int i = 0;
    while (i < PickerFormat.size()) {
        const QChar c = PickerFormat[i];
        if (c == QLatin1Char('\'')) {
            const int close = PickerFormat.indexOf(QLatin1Char('\''), i + 1);
            const int end = close < 0 ? PickerFormat.size() : close + 1;
            result += PickerFormat.mid(i, end - i);
            i = end;
            continue;
        }
        // The longest letter run of the table that starts here.
        const TDateTimeFormatLetters* match = nullptr;
        for (const TDateTimeFormatLetters& entry : kDateTimeFormatLetters) {
            const QLatin1String run(entry.Picker);
            if (PickerFormat.mid(i, run.size()) == run && (!match || run.size() > qsizetype(qstrlen(match->Picker))))
                match = &entry;
        }
        if (match) {
            result += QLatin1String(match->Qt);
            i += int(qstrlen(match->Picker));
        } else if (c.isLetter()) {
            // A letter the picker does not read is shown as it is, never as one of Qt's.
            result += QLatin1Char('\'') + QString(c) + QLatin1Char('\'');
            ++i;
        } else {
            result += c;
            ++i;
        }
    }
    return result;
}

TDateTimePicker::TDateTimePicker(TComponent* AOwner, QWidget* AParent) : TControlOf<QDateTimeEdit>(AOwner, AParent) {
    setDateTime(QDateTime::currentDateTime());
    setCalendarPopup(true);
    FCalendar = new TMonthCalendar(this);
    setCalendarWidget(FCalendar);
    setKeyboardTracking(true);
    ApplyFormat();
    QObject::connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] { Change(); });
}

TDateTimePicker::~TDateTimePicker() = default;

// ---- value ---------------------------------------------------------------------------------

TDateTime TDateTimePicker::Date() const { return std::trunc(DateTime()); }

void TDateTimePicker::SetDate(TDateTime Value) {
    const QDateTime day = DateTimeToQDateTime(Value);
    if (!day.isValid()) return;
    setDateTime(QDateTime(day.date(), dateTime().time()));
}

TDateTime TDateTimePicker::Time() const {
    return dateTime().time().msecsSinceStartOfDay() / 86400000.0;
}

void TDateTimePicker::SetTime(TDateTime Value) {
    const QDateTime moment = DateTimeToQDateTime(Value);
    if (!moment.isValid()) return;
    setDateTime(QDateTime(dateTime().date(), moment.time()));
}

TDateTime TDateTimePicker::DateTime() const { return QDateTimeToDateTime(dateTime()); }

void TDateTimePicker::SetDateTime(TDateTime Value) {
    const QDateTime moment = DateTimeToQDateTime(Value);
    if (moment.isValid()) setDateTime(moment);
}

QString TDateTimePicker::Text() const { return lineEdit()->text(); }

// ---- kind, mode, format and range ---------------------------------------------------------

void TDateTimePicker::SetKind(TDateTimeKind Value) {
    FKind = Value;
    ApplyFormat();
}

void TDateTimePicker::SetDateMode(TDTDateMode Value) {
    FDateMode = Value;
    ApplyFormat();
}

void TDateTimePicker::SetFormat(const QString& Value) {
    FFormat = Value;
    ApplyFormat();
}

void TDateTimePicker::ApplyFormat() {
    QString format = FFormat.isEmpty() ? (FKind == dtkTime ? LongTimeFormat() : FormatSettings().ShortDateFormat)
                                       : QtDisplayFormat(FFormat);
    // A date picker always shows its date, a time picker its time, whatever the format adds.
    const TDateTime value = DateTime();
    setDisplayFormat(format);
    if (FKind == dtkDate && !(displayedSections() & QDateTimeEdit::DateSections_Mask))
        setDisplayFormat(FormatSettings().ShortDateFormat);
    if (FKind == dtkTime && !(displayedSections() & QDateTimeEdit::TimeSections_Mask))
        setDisplayFormat(LongTimeFormat());
    setCalendarPopup(FKind == dtkDate && FDateMode == dmComboBox);
    ApplyRange();
    SetDateTime(value);
}

void TDateTimePicker::SetMinDate(TDateTime Value) {
    FMinDate = Value;
    ApplyRange();
}

void TDateTimePicker::SetMaxDate(TDateTime Value) {
    FMaxDate = Value;
    ApplyRange();
}

void TDateTimePicker::ApplyRange() {
    // Qt limits the time of day too when the range lies within one day: the limits are
    // whole days here, the time sections stay free.
    const QDate lowest = FMinDate != 0 ? DateTimeToQDateTime(FMinDate).date() : QDate(100, 1, 1);
    const QDate highest = FMaxDate != 0 ? DateTimeToQDateTime(FMaxDate).date() : QDate(9999, 12, 31);
    if (FKind == dtkTime) {
        setDateTimeRange(QDateTime(QDate(100, 1, 1), QTime(0, 0)), QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999)));
        return;
    }
    setDateTimeRange(QDateTime(lowest, QTime(0, 0)), QDateTime(std::max(lowest, highest), QTime(23, 59, 59, 999)));
}

// ---- check box -----------------------------------------------------------------------------

void TDateTimePicker::SetShowCheckbox(bool Value) {
    FShowCheckbox = Value;
    if (Value && !FCheckBox) {
        FCheckBox = new QCheckBox(this);
        FCheckBox->setObjectName(QStringLiteral("DateTimePickerCheckBox"));
        FCheckBox->setFocusPolicy(Qt::NoFocus);
        FCheckBox->setChecked(FChecked);
        QObject::connect(FCheckBox, &QCheckBox::toggled, this, [this](bool on) {
            if (on == FChecked) return;
            FChecked = on;
            ApplyCheckState();
            Change();
        });
    }
    if (FCheckBox) FCheckBox->setVisible(Value);
    PlaceCheckBox();
    ApplyCheckState();
}

void TDateTimePicker::SetChecked(bool Value) {
    if (FChecked == Value) return;
    FChecked = Value;
    if (FCheckBox) {
        const QSignalBlocker block(FCheckBox);
        FCheckBox->setChecked(Value);
    }
    ApplyCheckState();
}

void TDateTimePicker::ApplyCheckState() {
    const bool active = !FShowCheckbox || FChecked;
    lineEdit()->setEnabled(active);
    setReadOnly(!active);
}

void TDateTimePicker::PlaceCheckBox() {
    if (!FCheckBox || !FShowCheckbox) return;
    const int side = FCheckBox->sizeHint().height();
    FCheckBox->setGeometry(3, (height() - side) / 2, kCheckBoxSpace, side);
    QRect field = lineEdit()->geometry();
    if (field.left() < kCheckBoxSpace + 2) {
        field.setLeft(kCheckBoxSpace + 2);
        lineEdit()->setGeometry(field);
    }
}

void TDateTimePicker::resizeEvent(QResizeEvent* e) {
    TControlOf<QDateTimeEdit>::resizeEvent(e);
    PlaceCheckBox();
}

void TDateTimePicker::showEvent(QShowEvent* e) {
    TControlOf<QDateTimeEdit>::showEvent(e);
    PlaceCheckBox();
}

// ---- calendar ------------------------------------------------------------------------------

TMonthCalendar* TDateTimePicker::CalendarWidget() {
    if (FKind != dtkDate) return nullptr;
    WatchCalendar();
    return FCalendar;
}

void TDateTimePicker::WatchCalendar() {
    QCalendarWidget* calendar = calendarWidget();
    if (!calendar || calendar->window() == FCalendarWindow) return;
    FCalendarWindow = calendar->window();
    FCalendarWindow->installEventFilter(this);
}

bool TDateTimePicker::DroppedDown() const { return FCalendarWindow && FCalendarWindow->isVisible(); }

void TDateTimePicker::DropDown() {
    if (!calendarPopup() || DroppedDown() || isReadOnly()) return;
    CalendarWidget();
    // The calendar opens as a press on the drop-down button would open it.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QRect button = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    const QPointF at = button.isValid() ? QPointF(button.center()) : QPointF(width() - 4, height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    mousePressEvent(&press);
    WatchCalendar();
}

void TDateTimePicker::CloseUp() {
    if (DroppedDown()) FCalendarWindow->hide();
}

void TDateTimePicker::CalendarShown() {
    if (OnDropDown) OnDropDown(this);
}

void TDateTimePicker::CalendarHidden() {
    if (OnCloseUp) OnCloseUp(this);
}

bool TDateTimePicker::eventFilter(QObject* watched, QEvent* e) {
    if (watched == FCalendarWindow) {
        if (e->type() == QEvent::Show) CalendarShown();
        if (e->type() == QEvent::Hide) CalendarHidden();
    }
    return TControlOf<QDateTimeEdit>::eventFilter(watched, e);
}

// ---- keys and messages ---------------------------------------------------------------------

bool TDateTimePicker::DropKey(int QtKey, Qt::KeyboardModifiers Modifiers) const {
    if (QtKey == Qt::Key_F4) return !(Modifiers & (Qt::AltModifier | Qt::ControlModifier));
    return QtKey == Qt::Key_Down && (Modifiers & Qt::AltModifier);
}

bool TDateTimePicker::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        TShiftState shift = ShiftStateOf(key->modifiers());
        WORD code = VirtualKeyOf(key->key());
        if (key->key() == Qt::Key_Backtab) shift.Include(ssShift);
        if ((code == VK_TAB || code == VK_RETURN || code == VK_ESCAPE) && WantsSpecialKey(code, shift)) {
            if (e->type() == QEvent::ShortcutOverride) {
                key->accept();
                return true;
            }
            // Past QWidget::event, which would hand Tab to the focus chain first.
            keyPressEvent(key);
            return true;
        }
    }
    return TControlOf<QDateTimeEdit>::event(e);
}

void TDateTimePicker::keyPressEvent(QKeyEvent* e) {
    const TKeyboardStateScope keyboard(e->modifiers());
    WORD key = VirtualKeyOf(e->key());
    TShiftState shift = ShiftStateOf(e->modifiers());
    if (e->key() == Qt::Key_Backtab) shift.Include(ssShift);
    if (key != 0) {
        KeyDown(key, shift);
        if (key == 0) {
            e->accept();
            return;
        }
    }
    QChar ch = KeyCharacterOf(e);
    if (!ch.isNull()) {
        KeyPress(ch);
        if (ch.isNull()) {
            e->accept();
            return;
        }
    }
    if (DropKey(e->key(), e->modifiers())) {
        DropDown();
        e->accept();
        return;
    }
    if (FShowCheckbox && FCheckBox && e->key() == Qt::Key_Space && e->modifiers() == Qt::NoModifier) {
        FCheckBox->toggle();
        e->accept();
        return;
    }
    if (!ch.isNull() && TypeDigit(ch)) {
        e->accept();
        return;
    }
    FTypedDigits.clear();
    if ((e->key() == Qt::Key_Right || e->key() == Qt::Key_Left) && e->modifiers() == Qt::NoModifier) {
        // The arrows move from field to field, the whole field selected.
        const int next = currentSectionIndex() + (e->key() == Qt::Key_Right ? 1 : -1);
        if (next >= 0 && next < sectionCount()) setCurrentSectionIndex(next);
        setSelectedSection(currentSection());
        e->accept();
        return;
    }
    const QDateTime before = dateTime();
    TControlOf<QDateTimeEdit>::keyPressEvent(e);
    if (dateTime() != before && OnUserInput) OnUserInput(this);
}

bool TDateTimePicker::TypeDigit(QChar Digit) {
    if (!Digit.isDigit() || Digit.unicode() > '9' || isReadOnly()) return false;
    const QDateTimeEdit::Section section = currentSection();
    const QString shown = sectionText(section);
    bool numeric = false;
    shown.toInt(&numeric);
    if (!numeric) return false;
    int highest = 0;
    switch (section) {
    case QDateTimeEdit::DaySection: highest = 31; break;
    case QDateTimeEdit::MonthSection: highest = 12; break;
    case QDateTimeEdit::YearSection: highest = 9999; break;
    case QDateTimeEdit::HourSection: highest = 23; break;
    case QDateTimeEdit::MinuteSection:
    case QDateTimeEdit::SecondSection: highest = 59; break;
    default: return false;
    }
    if (FTypedSection != currentSectionIndex()) FTypedDigits.clear();
    FTypedSection = currentSectionIndex();
    FTypedDigits += Digit;
    const int value = FTypedDigits.toInt();
    // A year takes effect with its fourth digit; the other fields at once.
    const bool year = section == QDateTimeEdit::YearSection;
    const QDateTime now = dateTime();
    QDate date = now.date();
    QTime time = now.time();
    if (!year || FTypedDigits.size() == 4) {
        int y = date.year(), m = date.month(), d = date.day();
        switch (section) {
        case QDateTimeEdit::DaySection: d = value; break;
        case QDateTimeEdit::MonthSection: m = value; break;
        case QDateTimeEdit::YearSection: y = value; break;
        case QDateTimeEdit::HourSection: time = QTime(value, time.minute(), time.second()); break;
        case QDateTimeEdit::MinuteSection: time = QTime(time.hour(), value, time.second()); break;
        default: time = QTime(time.hour(), time.minute(), value); break;
        }
        // A new month or year keeps the day where it can, else takes the month's last.
        if (section != QDateTimeEdit::DaySection && m >= 1 && m <= 12 && y >= 1)
            d = std::min(d, QDate(y, m, 1).daysInMonth());
        date = QDate(y, m, d);
        if (date.isValid() && time.isValid()) {
            setDateTime(QDateTime(date, time));
            if (OnUserInput) OnUserInput(this);
        } else {
            FTypedDigits = Digit;  // the digit starts the field afresh
        }
    }
    if (FTypedDigits.size() >= (year ? 4 : 2) || FTypedDigits.toInt() * 10 > highest) FTypedDigits.clear();
    setSelectedSection(section);
    return true;
}

void TDateTimePicker::keyReleaseEvent(QKeyEvent* e) {
    const TKeyboardStateScope keyboard(e->modifiers());
    WORD key = VirtualKeyOf(e->key());
    if (key != 0) KeyUp(key, ShiftStateOf(e->modifiers()));
    if (key != 0) TControlOf<QDateTimeEdit>::keyReleaseEvent(e);
}

void TDateTimePicker::KeyDown(WORD& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TDateTimePicker::KeyPress(QChar& Key) {
    if (OnKeyPress) OnKeyPress(this, Key);
}

void TDateTimePicker::KeyUp(WORD&, TShiftState) {}
bool TDateTimePicker::WantsSpecialKey(WORD, TShiftState) { return false; }

void TDateTimePicker::Change() {
    if (OnChange) OnChange(this);
}

void TDateTimePicker::WndProc(TMessage& Message) {
    if (Message.Msg == WM_KEYDOWN || Message.Msg == WM_KEYUP) {
        const int qtKey = QtKeyOfVirtualKey(WORD(Message.WParam));
        if (qtKey == 0) return;
        QKeyEvent key(Message.Msg == WM_KEYDOWN ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, Qt::NoModifier);
        if (Message.Msg == WM_KEYDOWN) keyPressEvent(&key);
        else keyReleaseEvent(&key);
        return;
    }
    DefaultHandler(Message);
}

void TDateTimePicker::DefaultHandler(TMessage&) {}

// ---- focus ---------------------------------------------------------------------------------

void TDateTimePicker::focusInEvent(QFocusEvent* e) {
    TControlOf<QDateTimeEdit>::focusInEvent(e);
    if (FFocusInside) return;
    FFocusInside = true;
    DoEnter();
}

void TDateTimePicker::focusOutEvent(QFocusEvent* e) {
    TControlOf<QDateTimeEdit>::focusOutEvent(e);
    // The calendar taking the keyboard is no exit: the picker keeps the edit.
    if (e->reason() == Qt::PopupFocusReason || DroppedDown()) return;
    if (!FFocusInside) return;
    FFocusInside = false;
    DoExit();
}

void TDateTimePicker::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TDateTimePicker::DoExit() {
    if (OnExit) OnExit(this);
}
