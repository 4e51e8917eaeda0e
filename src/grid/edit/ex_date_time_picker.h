#pragma once
// TExDateTimePicker: the flat picker with a kind (date, time, or date and time), the
// metro look and borders on, AutoTab across the date fields into an embedded time
// picker, and a caption label placed as the flat combo places its own.
//
// Date and time (dkDateTime): the picker shows the date; a second picker (a
// TCustomDateTimePicker of kind time, 90 x 17 when made) sits inside it at the right and
// shows the time. It exists only while the kind is dkDateTime: every update under
// another kind frees it. Its changes run DoChange and then OnTimeChange; its key-downs
// run the picker's own key-down, so an owner sees keys typed in the time part too.
//
// Member definitions:
//   ex_date_time_picker.cpp        kind, value, AutoTab, check box mode, messages
//   ex_date_time_picker_time.cpp   the embedded time picker: creation, update, placement
//   ex_date_time_picker_label.cpp  the caption label

#include "grid/edit/custom_date_time_picker.h"
#include "grid/edit/label_position.h"
#include "platform/standard_controls.h"

#include <QPointer>

enum TExDateTimeKind { dkDate, dkTime, dkDateTime };
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };

class TExDateTimePicker : public TCustomDateTimePicker {
public:
    explicit TExDateTimePicker(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TExDateTimePicker() override;

    TExDateTimeKind Kind() const { return FKind; }
    void SetKind(TExDateTimeKind Value);
    TDateTime Date() const { return TDateTimePicker::Date(); }
    void SetDate(TDateTime Value);
    TDateTime Time() const;
    void SetTime(TDateTime Value);
    TDateTime DateTime();
    virtual void SetDateTime(TDateTime Value);
    QString TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(const QString& Value);

    void SetAutoTab(bool Value) override;
    void SetBorderStyle(TBorderStyle Value) override;
    bool NativePaintOnly() const override { return false; }
    void AutoTabStep() override;

    // Bytes 1, 2, 0, 0 from the high end.
    static unsigned GetVersionNr() { return 0x01020000u; }
    QString Version() const { return VersionText(GetVersionNr()); }
    void SetVersion(const QString&) {}

    TBevelKind BevelKind() const { return FBevelKind; }
    void SetBevelKind(TBevelKind Value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);

    // The caption label (created by the first LabelCaption).
    QString LabelCaption() const;
    void SetLabelCaption(const QString& Value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value);
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool Value) { FFocusLabel = Value; }
    const TFont& LabelFont() const { return FLabelFont; }
    void SetLabelFont(const TFont& Value);
    bool ParentFont() const { return FParentFnt; }
    void SetParentFont(bool Value);
    TLabel* PickerLabel() const { return FLabel.data(); }
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

    // The embedded time picker, or nullptr.
    TCustomDateTimePicker* TimePicker() const { return FTimePicker.data(); }
    TNotifyEvent OnTimeChange;

    virtual void DoChange();
    virtual void DoClick();
    virtual void TimePickerKeyPress(TObject* Sender, QChar& Key);

protected:
    void KeyPress(QChar& Key) override;
    void Change() override;
    void DoEnter() override;
    void DoExit() override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void CreateTimePicker();
    void UpdateTimePicker();
    void PlaceTimePicker();
    // The check box rule: the time part is enabled with the picker and a set date.
    void ApplyTimePickerCheck();
    void CreateLabel();
    void PlaceLabel();
    void SetLabelBold(bool Bold);

    TExDateTimeKind FKind = dkDateTime;
    QString FTimeFormat;
    WORD Fy = 0, Fm = 0, Fd = 0;
    QPointer<TLabel> FLabel;
    TFont FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    int FLabelMargin = 4;
    bool FLabelTransparent = false;
    bool FFocusLabel = false;
    bool FLabelAlwaysEnabled = false;
    bool FParentFnt = true;
    bool FIgnoreTimePickerCheck = false;
    bool FFirstRun = true;
    QPointer<TCustomDateTimePicker> FTimePicker;
    TBevelKind FBevelKind = bkNone;
    TBevelCut FBevelInner = bvRaised;
    TBevelCut FBevelOuter = bvLowered;
};
