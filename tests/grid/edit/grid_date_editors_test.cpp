// The grid's date editors on a grid with a hidden column before one column per date
// kind, opened with F2 and driven with real keys: what each kind shows and stores, Esc
// leaving the cell as it was, Enter and Tab, a validation refusal, the date limits and
// OnCustomStrToDate on opening, unchecked pickers, auto-advance while typing, and the
// calendar's notices.
#include "grid/edit/grid_date_pickers.h"

#include "grid/core/string_grid.h"
#include "grid/view/keyboard_fixture.h"
#include "platform/date_time_conversion.h"
#include "platform/format_settings.h"
#include "platform/month_calendar.h"
#include "platform/wall_clock.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// Real columns: 0 fixed, 1 hidden, 2 date, 3 up-down date, 4 time, 5 date and time,
// 6 plain. Displayed, the date column is 1.
class DateKindsGrid : public TExStringGrid {
public:
    static constexpr int DateCol = 1, UpDownCol = 2, TimeCol = 3, DateTimeCol = 4, PlainCol = 5;  // displayed

    DateKindsGrid() : TExStringGrid(nullptr) {
        SetColCount(7);
        SetRowCount(4);
        SetDefaultColWidth(110);
        SetDefaultRowHeight(24);
        SetOptions(Options().Include(goEditing));
        OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
            static const TEditorType kinds[] = {edNormal, edNormal, edDateEdit, edDateEditUpDown, edTimeEdit,
                                                edDateTimeEdit, edNormal};
            if (ACol >= 0 && ACol < 7) AEditor = kinds[ACol];
        };
        HideColumn(1);
    }
    static int Real(int Displayed) { return Displayed + 1; }
    using TExStringGrid::FOriginalDateTime;
};

class GridDateEditorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Saved = FormatSettings();
        FormatSettings() = TFormatSettings{};  // "M/d/yyyy" and ':'
        SetWallClock([] { return QDateTime(QDate(2026, 12, 11), QTime(9, 30, 0)); });
        Form = std::make_unique<KeyboardForm<DateKindsGrid>>();
    }
    void TearDown() override {
        Form.reset();
        SetWallClock({});
        FormatSettings() = Saved;
    }
    DateKindsGrid& Grid() { return *Form->GridControl; }
    // Puts Text into the displayed column's cell of row 1 and opens its editor with F2.
    void OpenOn(int Col, const QString& Text) {
        Grid().SetCells(DateKindsGrid::Real(Col), 1, Text);
        Grid().FocusCell(Col, 1);
        Form->Key(Qt::Key_F2);
        ASSERT_TRUE(Grid().EditMode());
    }
    QString Cell(int Col) { return Grid().Cells(DateKindsGrid::Real(Col), 1); }
    TGridDatePicker* Date() { return Grid().DateTimePicker(); }
    TGridDateTimePicker* DateAndTime() { return Grid().DateAndTimePicker(); }
    QWidget* Focused() { return QApplication::focusWidget(); }
    static void Settle() {
        for (int i = 0; i < 4; ++i) QApplication::processEvents();
    }

    TFormatSettings Saved;
    std::unique_ptr<KeyboardForm<DateKindsGrid>> Form;
};

TEST_F(GridDateEditorsTest, EachKindOpensOverItsCellShowingTheCellsValue) {
    const struct {
        int col;
        const char* text;
        bool dateAndTime;
        TDateTimeKind kind;
        TDTDateMode mode;
        QDateTime shown;
    } cases[] = {
        {DateKindsGrid::DateCol, "3/5/2024", false, dtkDate, dmComboBox, QDateTime(QDate(2024, 3, 5), QTime())},
        {DateKindsGrid::UpDownCol, "12/31/1999", false, dtkDate, dmUpDown, QDateTime(QDate(1999, 12, 31), QTime())},
        {DateKindsGrid::TimeCol, "10:20:30", false, dtkTime, dmComboBox, QDateTime(QDate(), QTime(10, 20, 30))},
        {DateKindsGrid::DateTimeCol, "3/5/2024 10:20", true, dtkDate, dmComboBox,
         QDateTime(QDate(2024, 3, 5), QTime(10, 20))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        OpenOn(c.col, c.text);
        TDateTimePicker* picker = c.dateAndTime ? static_cast<TDateTimePicker*>(DateAndTime()) : Date();
        EXPECT_TRUE(picker->isVisible());
        EXPECT_TRUE(picker->hasFocus());
        EXPECT_EQ(picker->Kind(), c.kind);
        const TRect cell = Grid().CellRect(c.col, 1);
        EXPECT_EQ(picker->pos(), QPoint(cell.Left, cell.Top));
        EXPECT_EQ(picker->width(), cell.Right - cell.Left - 1);
        if (!c.dateAndTime) {
            if (c.kind == dtkDate) EXPECT_EQ(picker->DateMode(), c.mode);
            EXPECT_EQ(Grid().EditCtrl(), picker);
        }
        if (c.shown.date().isValid()) EXPECT_EQ(picker->date(), c.shown.date());
        if (c.kind == dtkTime || c.dateAndTime)
            EXPECT_EQ(c.dateAndTime ? DateAndTime()->TimePicker()->time() : picker->time(), c.shown.time());
        QTest::keyClick(Focused(), Qt::Key_Escape);
        EXPECT_FALSE(Grid().EditMode());
        EXPECT_FALSE(picker->isVisible());
        EXPECT_EQ(Cell(c.col), QString::fromLatin1(c.text));
    }
}

TEST_F(GridDateEditorsTest, EnterStoresWhatThePickerShows) {
    const struct {
        int col;
        const char* text;
        Qt::Key step;  // on the first field
        const char* stored;
    } cases[] = {
        {DateKindsGrid::DateCol, "3/5/2024", Qt::Key_Up, "4/5/2024"},
        {DateKindsGrid::UpDownCol, "3/5/2024", Qt::Key_Down, "2/5/2024"},
        {DateKindsGrid::TimeCol, "10:20:30", Qt::Key_Up, "11:20:30"},
        {DateKindsGrid::DateTimeCol, "3/5/2024 10:20", Qt::Key_Up, "4/5/2024 10:20"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        OpenOn(c.col, c.text);
        QTest::keyClick(Focused(), c.step);
        QTest::keyClick(Focused(), Qt::Key_Return);
        Settle();
        EXPECT_FALSE(Grid().EditMode());
        EXPECT_EQ(Cell(c.col), QString::fromLatin1(c.stored));
        EXPECT_TRUE(Grid().hasFocus());
    }
}

TEST_F(GridDateEditorsTest, EscLeavesEmptyAndUnreadableCellsAsTheyWere) {
    // The pickers open on now for such texts; Esc must not write now into the cell.
    for (int col : {int(DateKindsGrid::DateCol), int(DateKindsGrid::TimeCol), int(DateKindsGrid::DateTimeCol)}) {
        for (const char* text : {"", "no date"}) {
            SCOPED_TRACE(QString("%1 '%2'").arg(col).arg(text).toStdString());
            int done = 0;
            Grid().OnEditingDone = [&](TObject*) { ++done; };
            OpenOn(col, text);
            if (col == DateKindsGrid::DateTimeCol) {
                EXPECT_EQ(DateTimeToQDateTime(Grid().FOriginalDateTime), QDateTime(QDate(2026, 12, 11), QTime(9, 30)));
            } else if (col == DateKindsGrid::DateCol) {
                EXPECT_EQ(Date()->date(), QDate(2026, 12, 11));
            }
            QTest::keyClick(Focused(), Qt::Key_Up);
            QTest::keyClick(Focused(), Qt::Key_Escape);
            Settle();
            EXPECT_FALSE(Grid().EditMode());
            EXPECT_EQ(Cell(col), QString::fromLatin1(text));
            EXPECT_EQ(done, 1);
        }
    }
    // The date picker shows the cell's date again, today for no date.
    EXPECT_EQ(Date()->date(), QDate(2026, 12, 11));
}

TEST_F(GridDateEditorsTest, OpeningKeepsTheDateInsideTheLimits) {
    const struct {
        const char* text;
        QDate min, max;
        QDate shown;
    } cases[] = {
        {"6/15/2030", QDate(), QDate(2030, 6, 1), QDate(2030, 5, 31)},
        {"1/1/2000", QDate(2000, 1, 1), QDate(), QDate(2000, 1, 2)},
        {"12/31/1999", QDate(2000, 1, 1), QDate(), QDate(2000, 1, 2)},
        {"3/5/2024", QDate(2000, 1, 1), QDate(2030, 6, 1), QDate(2024, 3, 5)},
        {"", QDate(), QDate(), QDate(2026, 12, 11)},
        {"31/31/31", QDate(), QDate(), QDate(2026, 12, 11)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Date()->SetMinDate(c.min.isValid() ? QDateTimeToDateTime(QDateTime(c.min, QTime())) : 0);
        Date()->SetMaxDate(c.max.isValid() ? QDateTimeToDateTime(QDateTime(c.max, QTime())) : 0);
        OpenOn(DateKindsGrid::DateCol, c.text);
        EXPECT_EQ(Date()->date(), c.shown);
        QTest::keyClick(Focused(), Qt::Key_Escape);
    }
    // A handler converts instead, starting from now.
    Date()->SetMinDate(0);
    Date()->SetMaxDate(0);
    QString asked;
    Grid().OnCustomStrToDate = [&](TObject*, const QString& Value, TDateTime& ADate) {
        asked = Value;
        EXPECT_EQ(DateTimeToQDateTime(ADate).date(), QDate(2026, 12, 11));
        ADate = EncodeDate(2001, 2, 3);
    };
    OpenOn(DateKindsGrid::DateCol, "Q3");
    EXPECT_EQ(asked, "Q3");
    EXPECT_EQ(Date()->date(), QDate(2001, 2, 3));
}

TEST_F(GridDateEditorsTest, ARefusedDateKeepsThePickerOpenWithTheGridsText) {
    int validations = 0;
    Grid().OnCellValidate = [&](TObject*, int, int, QString& Value, bool& Valid) {
        ++validations;
        if (Value == "4/5/2024") {
            Valid = false;
            Value = "1/2/2020";
        }
    };
    OpenOn(DateKindsGrid::DateCol, "3/5/2024");
    QTest::keyClick(Focused(), Qt::Key_Up);
    QTest::keyClick(Focused(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(validations, 1);
    EXPECT_TRUE(Grid().EditMode());
    EXPECT_TRUE(Date()->isVisible());
    EXPECT_EQ(Date()->date(), QDate(2020, 1, 2));
    QTest::keyClick(Focused(), Qt::Key_Return);
    Settle();
    EXPECT_FALSE(Grid().EditMode());
    EXPECT_EQ(Cell(DateKindsGrid::DateCol), "1/2/2020");
}

TEST_F(GridDateEditorsTest, TabWithGoTabsStoresAndWalksOn) {
    Grid().SetOptions(Grid().Options().Include(goTabs));
    OpenOn(DateKindsGrid::DateCol, "3/5/2024");
    QTest::keyClick(Focused(), Qt::Key_Up);
    QTest::keyClick(Focused(), Qt::Key_Tab);
    Settle();
    EXPECT_EQ(Cell(DateKindsGrid::DateCol), "4/5/2024");
    EXPECT_EQ(Grid().Col(), DateKindsGrid::UpDownCol);
    if (Grid().EditMode()) QTest::keyClick(Focused(), Qt::Key_Escape);

    OpenOn(DateKindsGrid::DateTimeCol, "3/5/2024 10:20");
    QTest::keyClick(Focused(), Qt::Key_Up);
    QTest::keyClick(Focused(), Qt::Key_Tab);
    Settle();
    // The date and the time both stay: the date alone is not written over them.
    EXPECT_EQ(Cell(DateKindsGrid::DateTimeCol), "4/5/2024 10:20");
    EXPECT_EQ(Grid().Col(), DateKindsGrid::PlainCol);
}

TEST_F(GridDateEditorsTest, UncheckedPickersStoreTheEmptyText) {
    Date()->SetShowCheckbox(true);
    DateAndTime()->SetShowCheckbox(true);
    for (int col : {int(DateKindsGrid::DateCol), int(DateKindsGrid::DateTimeCol)}) {
        OpenOn(col, col == DateKindsGrid::DateCol ? "3/5/2024" : "3/5/2024 10:20");
        TDateTimePicker* picker = col == DateKindsGrid::DateCol ? static_cast<TDateTimePicker*>(Date()) : DateAndTime();
        picker->SetChecked(false);
        QTest::keyClick(Focused(), Qt::Key_Return);
        Settle();
        EXPECT_EQ(Cell(col), QString()) << col;
    }
}

TEST_F(GridDateEditorsTest, TimeCellsStoreInThePickersFormat) {
    Grid().OnGetEditorProp = [this](TObject*, int, int, TEditLink*) { Date()->SetFormat("HH:mm"); };
    OpenOn(DateKindsGrid::TimeCol, "7:05:59");
    QTest::keyClick(Focused(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(Cell(DateKindsGrid::TimeCol), "07:05");
}

TEST_F(GridDateEditorsTest, TypedDigitsMoveOnUnlessTheFormatsLastFieldChanged) {
    Date()->SetFormat("dd/MM/yyyy");
    QString pressed;
    Grid().OnKeyPress = [&](TObject* Sender, QChar& Key) {
        EXPECT_EQ(Sender, &Grid());
        pressed += Key;
    };
    OpenOn(DateKindsGrid::DateCol, "3/5/2024");
    Date()->SelectSection(0);
    QTest::keyClicks(Focused(), "9");  // the day changed: on to the month
    Settle();
    EXPECT_EQ(Date()->date().day(), 9);
    EXPECT_EQ(Date()->SectionIndex(), 1);
    Date()->SelectSection(2);
    QTest::keyClicks(Focused(), "2025");  // the year is the last field: no move
    Settle();
    EXPECT_EQ(Date()->date().year(), 2025);
    EXPECT_EQ(Date()->SectionIndex(), 2);
    EXPECT_EQ(pressed, "92025");
}

TEST_F(GridDateEditorsTest, TheCalendarReportsAndClosesTheEditWithDirectDateClose) {
    Grid().MouseActions()->SetDirectDateDrop(true);
    Grid().MouseActions()->SetDirectDateClose(true);
    Date()->Weeknumbers = true;
    Date()->ShowToday = false;
    QStringList seen;
    Grid().OnDatePickerDropDown = [&](TObject*, int ARow, int ACol) { seen << QString("drop %1,%2").arg(ARow).arg(ACol); };
    Grid().OnDatePickerCloseUp = [&](TObject*, int ARow, int ACol) { seen << QString("close %1,%2").arg(ARow).arg(ACol); };
    OpenOn(DateKindsGrid::DateCol, "3/5/2024");
    ASSERT_TRUE(Date()->DroppedDown());
    TMonthCalendar* calendar = Date()->CalendarWidget();
    EXPECT_EQ(calendar->verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);
    EXPECT_FALSE(calendar->TodayButton()->isVisible());
    EXPECT_TRUE(calendar->TodayCircle());
    // A click on a day picks it and closes the calendar.
    calendar->setSelectedDate(QDate(2024, 3, 20));
    emit calendar->clicked(QDate(2024, 3, 20));
    Settle();
    EXPECT_EQ(seen, QStringList({"drop 1,1", "close 1,1"}));
    EXPECT_FALSE(Grid().EditMode());
    EXPECT_EQ(Cell(DateKindsGrid::DateCol), "3/20/2024");
}

}  // namespace
