#pragma once
// TDateTimePicker: the platform's date and time picker over QDateTimeEdit. It shows
// either the date sections (kind dtkDate) or the time sections (dtkTime) of its value;
// in date mode dmComboBox a month calendar drops down from its button, F4 or Alt+Down,
// in dmUpDown the arrows step the section under the caret.
//
// Digits typed into a number field replace it as they come, and the field stays
// selected until Left or Right moves on (Qt would wait for a field to be complete and
// then move on by itself).
// Left and Right move from field to field, as the platform's picker does (Qt's move the
// caret by one character).
// Keys run through phases the controls override: KeyDown (Shift+Tab arrives as Tab with
// Shift), then KeyPress with the typed character, then the edit's own handling; a phase
// that sets the key to 0 drops it. WantsSpecialKey claims Tab, Enter or Esc before the
// window's focus chain and dialog keys take them. Messages: WM_KEYDOWN and WM_KEYUP act
// as the key typed here (a posted Right-arrow moves to the next section); other messages
// go to the virtual WndProc of a derived control.
//
// Check-box mode (ShowCheckbox) has no Qt counterpart: a check box stands at the
// picker's left; unchecked greys the sections, which then take no typing, and the value
// reads as "no date" (Checked false) while DateTime keeps the last one.
//
// Format: the picker's format letters are mapped onto Qt's display format by the table
// below, longest letter run first; text in single quotes passes unchanged. An empty
// Format shows the short date format of the program's settings (dtkDate) or the long
// time format (dtkTime).

#include "platform/control.h"
#include "platform/custom_control.h"
#include "platform/date_time.h"
#include "platform/messages.h"

#include <QDateTimeEdit>
#include <QPointer>

class QCalendarWidget;
class TMonthCalendar;
class QCheckBox;
class QKeyEvent;

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };

struct TDateTimeFormatLetters {
    const char* Picker;
    const char* Qt;
};
// The picker's format letter runs and what Qt shows for them. Qt has no one-digit year
// and no 12-hour hour without the AM/PM marker: "y" shows two digits, and "h" is the
// 24-hour hour unless the format also holds "t".
inline constexpr TDateTimeFormatLetters kDateTimeFormatLetters[] = {
    {"dddd", "dddd"}, {"ddd", "ddd"}, {"dd", "dd"}, {"d", "d"},
    {"MMMM", "MMMM"}, {"MMM", "MMM"}, {"MM", "MM"}, {"M", "M"},
    {"yyyyy", "yyyy"}, {"yyyy", "yyyy"}, {"yyy", "yyyy"}, {"yy", "yy"}, {"y", "yy"},
    {"HH", "HH"}, {"H", "H"}, {"hh", "hh"}, {"h", "h"},
    {"mm", "mm"}, {"m", "m"}, {"ss", "ss"}, {"s", "s"},
    {"tt", "AP"}, {"t", "AP"},
};
// The Qt display format for a picker format.
QString QtDisplayFormat(const QString& PickerFormat);

class TDateTimePicker : public TControlOf<QDateTimeEdit>, public IMessageHandler {
public:
    explicit TDateTimePicker(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TDateTimePicker() override;

    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind Value);
    TDTDateMode DateMode() const { return FDateMode; }
    void SetDateMode(TDTDateMode Value);

    // The whole days of the value; writing keeps the time of day.
    TDateTime Date() const;
    void SetDate(TDateTime Value);
    // The time of day (a fraction); writing keeps the date.
    TDateTime Time() const;
    void SetTime(TDateTime Value);
    TDateTime DateTime() const;
    void SetDateTime(TDateTime Value);

    QString Format() const { return FFormat; }
    void SetFormat(const QString& Value);
    // 0 means no limit.
    TDateTime MinDate() const { return FMinDate; }
    void SetMinDate(TDateTime Value);
    TDateTime MaxDate() const { return FMaxDate; }
    void SetMaxDate(TDateTime Value);

    bool ShowCheckbox() const { return FShowCheckbox; }
    void SetShowCheckbox(bool Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    QCheckBox* CheckBoxWidget() const { return FCheckBox; }

    // The text the sections show.
    QString Text() const;

    // The month calendar (created with the first call); nullptr for a time picker.
    TMonthCalendar* CalendarWidget();
    bool DroppedDown() const;
    // Opens or closes the month calendar (date pickers in dmComboBox only).
    void DropDown();
    void CloseUp();

    // Moves to a field and selects it, so a typed digit replaces the field.
    void SelectSection(int Index) {
        setCurrentSectionIndex(Index);
        setSelectedSection(currentSection());
    }
    int SectionIndex() const { return currentSectionIndex(); }

    TNotifyEvent OnChange;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnUserInput;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    // Fired by the default KeyDown and KeyPress phases.
    TKeyEvent OnKeyDown;
    std::function<void(TObject* Sender, QChar& Key)> OnKeyPress;

    void WndProc(TMessage& Message) override;

protected:
    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    virtual bool WantsSpecialKey(WORD Key, TShiftState Shift);
    // The value changed (by the user or by code).
    virtual void Change();
    virtual void DoEnter();
    virtual void DoExit();
    virtual void CalendarShown();
    virtual void CalendarHidden();
    // Messages no phase above takes.
    virtual void DefaultHandler(TMessage& Message);

    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void ApplyFormat();
    void ApplyRange();
    void ApplyCheckState();
    void PlaceCheckBox();
    void WatchCalendar();
    bool DropKey(int QtKey, Qt::KeyboardModifiers Modifiers) const;
    // A digit typed into a numeric field: the field takes the digits typed so far at once
    // (a year its four), and stays selected; false for anything else.
    bool TypeDigit(QChar Digit);

    TDateTimeKind FKind = dtkDate;
    TDTDateMode FDateMode = dmComboBox;
    QString FFormat;
    TDateTime FMinDate = 0;
    TDateTime FMaxDate = 0;
    bool FShowCheckbox = false;
    bool FChecked = true;
    QCheckBox* FCheckBox = nullptr;
    QPointer<QWidget> FCalendarWindow;
    TMonthCalendar* FCalendar = nullptr;  // owned by the pop-up Qt makes for it
    bool FFocusInside = false;
    QString FTypedDigits;
    int FTypedSection = -1;
};
