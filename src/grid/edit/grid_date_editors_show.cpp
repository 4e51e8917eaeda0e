// The grid's date editors: made on first use, opened on a cell of a date kind (filled
// from the cell text, which falls back to now when it is no date), closed into the cell,
// and the date picker's notices.
#include "grid/edit/grid_date_pickers.h"

#include "grid/core/string_grid.h"
#include "platform/date_time_conversion.h"
#include "platform/format_settings.h"
#include "platform/month_calendar.h"

#include <QCoreApplication>
#include <QKeyEvent>

bool TExStringGrid::IsDateEditorKind(TEditorType Kind) {
    return Kind == edDateEdit || Kind == edDateEditUpDown || Kind == edTimeEdit || Kind == edDateTimeEdit;
}

// ---- the editors ---------------------------------------------------------------------------

TGridDatePicker* TExStringGrid::DateTimePicker() {
    if (FDateTimePicker) return FDateTimePicker;
    FDateTimePicker = new TGridDatePicker(this);
    FDateTimePicker->setObjectName(QStringLiteral("DateTimePicker"));
    FDateTimePicker->setEnabled(false);
    FDateTimePicker->hide();
    FDateTimePicker->OnCloseUp = [this](TObject*) { DoDatePickerCloseUp(); };
    FDateTimePicker->OnDropDown = [this](TObject*) { DoDatePickerDropDown(); };
    FDateTimePicker->OnChange = [this](TObject*) { DoDatePickerChange(); };
    return FDateTimePicker;
}

TGridDateTimePicker* TExStringGrid::DateAndTimePicker() {
    if (FDateAndTimePicker) return FDateAndTimePicker;
    FDateAndTimePicker = new TGridDateTimePicker(this);
    FDateAndTimePicker->setObjectName(QStringLiteral("DateAndTimePicker"));
    FDateAndTimePicker->hide();
    FDateAndTimePicker->setEnabled(false);
    FDateAndTimePicker->SetAutoTab(true);
    FDateAndTimePicker->OnCloseUp = [this](TObject*) {
        if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
    };
    FDateAndTimePicker->OnTimeChange = [this](TObject*) {
        WMNotifyDateTimeChange(DateTimeToQDateTime(FDateAndTimePicker->DateTime()));
    };
    return FDateAndTimePicker;
}

// ---- notices -------------------------------------------------------------------------------

void TExStringGrid::DoDatePickerCloseUp() {
    if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
    if (FMouseActions->DirectDateClose() && FEditMode) {
        HideInplaceEdit();
        setFocus(Qt::OtherFocusReason);
    }
}

void TExStringGrid::DoDatePickerDropDown() {
    TGridDatePicker* picker = DateTimePicker();
    if (TMonthCalendar* calendar = picker->CalendarWidget()) {
        calendar->SetWeekNumbers(picker->Weeknumbers);
        calendar->SetTodayLine(picker->ShowToday);
        calendar->SetTodayCircle(picker->ShowTodayCircle);
    }
    if (OnDatePickerDropDown) OnDatePickerDropDown(this, Row(), Col());
}

void TExStringGrid::DoDatePickerChange() {
    if (OnEditChange && FEditMode) OnEditChange(this, Col(), Row(), DateTimePicker()->Text());
}

// ---- opening -------------------------------------------------------------------------------

void TExStringGrid::ShowDateCellEditor(int ACol, int ARow) {
    const TRect R = CellRect(ACol, ARow);
    const int W = R.Right - R.Left - 1;
    const int H = R.Bottom - R.Top - 1;
    const int RCol = RealColIndex(ACol);
    TColor color = clWindow;
    TFont font;
    CellEditorLook(ACol, color, font);
    const QString text = GetEditText(ACol, ARow);
    FDateEditCancelled = false;
    FEditMode = true;

    if (EditControl == edDateTimeEdit) {
        TGridDateTimePicker* picker = DateAndTimePicker();
        TDateTime value = NowDateTime();
        try {
            if (!text.trimmed().isEmpty()) value = StrToDateTime(text);
        } catch (const EConvertError&) {
            value = NowDateTime();
        }
        FOriginalDateTime = value;
        picker->SetDateTime(value);
        picker->SetKind(dkDateTime);
        picker->SetBorderStyle(bsNone);
        picker->SetBounds(R.Left, R.Top, W, picker->height() < H ? H : picker->height());
        DoGetEditorProp(RealCol(RCol), DisplRow(ARow), nullptr);
        picker->setFont(font.ToQFont());
        picker->SetColor(color);
        picker->setVisible(true);
        picker->setEnabled(true);
        picker->raise();
        picker->setFocus(Qt::OtherFocusReason);
        return;
    }

    TGridDatePicker* picker = DateTimePicker();
    picker->ReCreate();
    if (EditControl == edTimeEdit) {
        TDateTime value = NowDateTime();
        try {
            if (!text.trimmed().isEmpty()) value = StrToTime(text);
        } catch (const EConvertError&) {
            value = NowDateTime();
        }
        picker->SetKind(dtkTime);
        picker->TDateTimePicker::SetTime(value);
        picker->SetBounds(R.Left, R.Top, W, H);
    } else {
        TDateTime value = NowDateTime();
        if (!text.isEmpty()) {
            if (OnCustomStrToDate) {
                OnCustomStrToDate(this, text, value);
            } else {
                try {
                    value = StrToDate(text);
                    if (picker->MaxDate() != 0 && value > picker->MaxDate()) value = picker->MaxDate() - 1;
                    if (picker->MinDate() != 0 && value <= picker->MinDate()) value = picker->MinDate() + 1;
                } catch (const EConvertError&) {
                    value = NowDateTime();
                }
            }
        }
        picker->SetKind(dtkDate);
        picker->SetDateMode(EditControl == edDateEditUpDown ? dmUpDown : dmComboBox);
        picker->TDateTimePicker::SetDate(value);
        DoGetEditorProp(RealCol(RCol), DisplRow(ARow), nullptr);
        picker->SetBounds(R.Left, R.Top, W, picker->height() != H ? H : picker->height());
    }
    picker->setFont(font.ToQFont());
    picker->setVisible(true);
    picker->setEnabled(true);
    picker->SetColor(color);
    if (EditControl == edTimeEdit) DoGetEditorProp(RealCol(RCol), DisplRow(ARow), nullptr);
    picker->raise();
    picker->setFocus(Qt::OtherFocusReason);
    if (EditControl != edTimeEdit) {
        if (FMouseActions->DirectDateDrop()) Perform(picker, WM_KEYDOWN, VK_F4);
        if (!FStartEditChar.isNull())
            QCoreApplication::postEvent(picker,
                                        new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(FStartEditChar)));
    }
    FEditCtrl = picker;
}

// ---- closing -------------------------------------------------------------------------------

void TExStringGrid::HideDateCellEditor(int ACol, int ARow) {
    const int RCol = RealColIndex(ACol);
    if (EditControl == edDateTimeEdit) {
        if (!FDateAndTimePicker) return;
        TGridDateTimePicker* picker = FDateAndTimePicker;
        QString text;
        if (!picker->ShowCheckbox() || picker->Checked()) {
            const QDateTime moment = DateTimeToQDateTime(picker->DateTime());
            text = moment.date().toString(FormatSettings().ShortDateFormat) + QLatin1Char(' ') +
                   moment.time().toString(ShortTimeFormat());
        }
        StoreEditText(RCol, ARow, FDateEditCancelled ? FCellCache : text);
        FEditMode = false;
        picker->setEnabled(false);
        picker->hide();
        FDateEditCancelled = false;
        return;
    }
    if (!FDateTimePicker) return;
    TGridDatePicker* picker = FDateTimePicker;
    QString text = !picker->ShowCheckbox() || picker->Checked() ? picker->Text() : QString();
    // An edit ended with Esc leaves the cell exactly as it was.
    if (FDateEditCancelled) text = FCellCache;
    StoreEditText(RCol, ARow, text);
    FEditMode = false;
    picker->setEnabled(false);
    picker->hide();
    picker->CloseUp();
    FDateEditCancelled = false;
}
