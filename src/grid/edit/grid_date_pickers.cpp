// The grid's date picker and date-and-time picker editors: their keys on the shared
// protocol, the date picker's auto-advance and its frame in the cell.
#include "grid/edit/grid_date_pickers.h"

#include "grid/core/string_grid.h"
#include "platform/date_time_conversion.h"
#include "platform/wall_clock.h"

#include <QPainter>

namespace {

TExStringGrid* GridOwner(TComponent* AOwner) {
    auto* grid = dynamic_cast<TExStringGrid*>(AOwner);
    if (!grid) throw Exception(QStringLiteral("Invalid class typecast"));
    return grid;
}

bool IsDigit(QChar Key) { return Key >= QLatin1Char('0') && Key <= QLatin1Char('9'); }

}  // namespace

// ---- TGridDatePicker -----------------------------------------------------------------------

TGridDatePicker::TGridDatePicker(TComponent* AOwner)
    : TAsgDateTimePicker(AOwner, GridOwner(AOwner)),
      FGrid(GridOwner(AOwner)),
      FProtocol(FGrid, EditorKeyRules("TGridDatePicker")) {}

void TGridDatePicker::SetText(const QString& Value) {
    try {
        if (Kind() == dtkTime) TDateTimePicker::SetTime(StrToTime(Value));
        else TDateTimePicker::SetDate(StrToDate(Value));
    } catch (const EConvertError&) {
        // A text that is no date leaves the value as it is.
    }
}

void TGridDatePicker::ReCreate() {
    CloseUp();
    FButtonHover = false;
    FMouseInControl = false;
    SelectSection(0);
}

void TGridDatePicker::KeyPress(QChar& Key) {
    if (IsDigit(Key)) {
        const QDateTime now = dateTime();
        Fy = WORD(now.date().year());
        Fm = WORD(now.date().month());
        Fd = WORD(now.date().day());
        Fth = WORD(now.time().hour());
        Ftm = WORD(now.time().minute());
        Fts = WORD(now.time().second());
        Ftms = WORD(now.time().msec());
    }
    TAsgDateTimePicker::KeyPress(Key);
    // Queued behind the key, so the step sees the value the digit made.
    if (IsDigit(Key)) PostMessage(WindowHandle(this), DTPShiftFocus());
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
}

void TGridDatePicker::DefaultHandler(TMessage& Message) {
    if (Message.Msg == DTPShiftFocus()) AutoAdvance();
    TAsgDateTimePicker::DefaultHandler(Message);
}

void TGridDatePicker::AutoAdvance() {
    auto postRight = [this] { PostMessage(WindowHandle(this), WM_KEYDOWN, VK_RIGHT); };
    const QDateTime now = dateTime();
    if (Kind() == dtkTime) {
        const QTime t = now.time();
        if (t.hour() != Fth || t.minute() != Ftm || t.second() != Fts) postRight();
        return;
    }
    const QDate d = now.date();
    const bool dayChanged = d.day() != Fd, monthChanged = d.month() != Fm, yearChanged = d.year() != Fy;
    if (!Format().isEmpty()) {
        const QChar last = Format().back().toLower();
        const bool lastFieldChanged = (dayChanged && last == QLatin1Char('d')) ||
                                      (monthChanged && last == QLatin1Char('m')) ||
                                      (yearChanged && last == QLatin1Char('y'));
        if (!lastFieldChanged && (dayChanged || monthChanged || yearChanged)) postRight();
        return;
    }
    if (dayChanged || monthChanged) postRight();
}

bool TGridDatePicker::WantsSpecialKey(WORD Key, TShiftState) {
    if (Key == VK_RETURN || Key == VK_ESCAPE) return true;
    return Key == VK_TAB && FProtocol.TabCondition();
}

void TGridDatePicker::KeyDown(WORD& Key, TShiftState Shift) {
    TAsgDateTimePicker::KeyDown(Key, Shift);
    if (Key == 0 || !FProtocol.InHandledSet(Key)) return;
    if (Key == VK_TAB && !FProtocol.TabCondition()) return;

    if (Key == VK_ESCAPE) {
        try {
            if (Kind() == dtkTime) TDateTimePicker::SetTime(StrToTime(FGrid->CurrentCell()));
            else TDateTimePicker::SetDate(StrToDate(FGrid->CurrentCell()));
        } catch (const EConvertError&) {
            TDateTimePicker::SetDate(NowDateTime());
        }
        // The picker shows the cell's date; the cell itself keeps its text.
        FGrid->FDateEditCancelled = true;
    }

    if (Key == VK_RETURN) {
        // The field being typed is completed first.
        Perform(this, WM_KEYDOWN, VK_RIGHT);
        Perform(this, WM_KEYUP, VK_RIGHT);
    }
    if (Key == VK_RETURN || Key == VK_TAB) {
        QString shown;
        if (!FProtocol.StoreAndValidate(Text(), shown)) {
            SetText(shown);
            repaint();
            Key = 0;
            return;
        }
        SetText(shown);
        if (Key == VK_TAB && FProtocol.WalkOrPostTab(Shift)) {
            Key = 0;
            return;
        }
    }
    if (!DroppedDown()) FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridDatePicker::DoExit() {
    FGrid->HideInplaceEdit();
    TAsgDateTimePicker::DoExit();
}

void TGridDatePicker::paintEvent(QPaintEvent* e) {
    TAsgDateTimePicker::paintEvent(e);
    // No 3-D border shows in the cell: the outer edge and the pixel inside it take the
    // window colour.
    QPainter painter(this);
    painter.setPen(ToQColor(clWindow));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, width() - 1, height() - 1);
    painter.drawRect(1, 1, width() - 3, height() - 3);
}

// ---- TGridDateTimePicker -------------------------------------------------------------------

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner)
    : TExDateTimePicker(AOwner, static_cast<TExStringGrid*>(AOwner)),
      FGrid(static_cast<TExStringGrid*>(AOwner)),
      FProtocol(FGrid, EditorKeyRules("TGridDateTimePicker")) {}

bool TGridDateTimePicker::WantsSpecialKey(WORD Key, TShiftState) {
    // Tab reaches the editor only when the grid takes it; otherwise the focus moves on.
    return Key == VK_TAB && FProtocol.TabCondition();
}

void TGridDateTimePicker::KeyDown(WORD& Key, TShiftState Shift) {
    TExDateTimePicker::KeyDown(Key, Shift);
    if (Key == VK_ESCAPE) {
        SetDateTime(FGrid->FOriginalDateTime);
        FGrid->FDateEditCancelled = true;
        FProtocol.CloseAndFocusGrid();
        Key = 0;
    } else if (Key == VK_RETURN) {
        FProtocol.CloseAndFocusGrid();
        if (FGrid->Navigation()->AdvanceOnEnter())
            FGrid->AdvanceAfterEdit(FGrid->Col(), FGrid->Row(), false, true, true, false, false);
        Key = 0;
    } else if (Key == VK_TAB && FProtocol.TabCondition()) {
        // Closing stored the date and the time; the shown text is the date alone, so it
        // is not written again over them.
        FProtocol.CloseAndFocusGrid();
        FGrid->TabToNextCell(Shift.Contains(ssShift));
        Key = 0;
    }
}
