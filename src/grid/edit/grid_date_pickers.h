#pragma once
// The grid's date editors, on the editors' shared key protocol (editor_key_protocol.h):
//
// TGridDatePicker (edDateEdit, edDateEditUpDown, edTimeEdit): a typed digit moves on to
// the next field when it changed one that is not the format's last; Tab, Enter, Esc,
// PgUp, PgDn and End are its own, Up and Down step the field. Enter completes the field
// being typed, stores and validates; Esc shows the cell's text read as a date or time
// (today when it is none) and ends the edit leaving the cell exactly as it was. The
// calendar's week numbers, "Today" line and today frame follow Weeknumbers, ShowToday and
// ShowTodayCircle. Leaving the picker by focus commits.
//
// TGridDateTimePicker (edDateTimeEdit): no validation and no commit on focus loss; Esc
// puts back the date and time the cell held (and leaves the cell as it was), Enter ends
// the edit and advances, Tab (when the grid takes it) ends the edit and walks.

#include "grid/edit/asg_date_time_picker.h"
#include "grid/edit/editor_key_protocol.h"
#include "grid/edit/ex_date_time_picker.h"

class TExStringGrid;

class TGridDatePicker : public TAsgDateTimePicker {
public:
    // AOwner must be a TExStringGrid; it is also the parent.
    explicit TGridDatePicker(TComponent* AOwner);

    bool Weeknumbers = false;
    bool ShowToday = true;
    bool ShowTodayCircle = true;

    // The shown text; writing reads it as a time (time kind) or a date.
    void SetText(const QString& Value);
    // Rebuilds the window's state before each show: calendar closed, first field, no hover.
    void ReCreate();
    // The auto-advance step, run when "DTPShiftFocus" arrives.
    virtual void AutoAdvance();

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    bool WantsSpecialKey(WORD Key, TShiftState Shift) override;
    void DefaultHandler(TMessage& Message) override;
    void DoExit() override;
    void paintEvent(QPaintEvent* e) override;

private:
    TExStringGrid* FGrid;
    TEditorKeyProtocol FProtocol;
    WORD Fy = 0, Fm = 0, Fd = 0;
    WORD Fth = 0, Ftm = 0, Fts = 0, Ftms = 0;
};

class TGridDateTimePicker : public TExDateTimePicker {
public:
    // The owner is kept as the grid without a check; it is also the parent.
    explicit TGridDateTimePicker(TComponent* AOwner);

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    bool WantsSpecialKey(WORD Key, TShiftState Shift) override;

private:
    TExStringGrid* FGrid;
    TEditorKeyProtocol FProtocol;
};
