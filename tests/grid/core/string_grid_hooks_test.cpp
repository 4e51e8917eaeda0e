// String grid per-cell hooks: each gives its built-in answer, then fires its event with
// the row and column in the order of the event's type; the change notifiers.

#include "grid/core/string_grid.h"
#include "grid/edit/grid_date_pickers.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QStringList>

namespace {

// Column 3, row 5: a mix-up of the two shows in every recorded call.
constexpr int kCol = 3;
constexpr int kRow = 5;

class StringGridHooksTest : public ::testing::Test {
protected:
    TExStringGrid Grid{nullptr};
    QStringList Calls;
};

TEST_F(StringGridHooksTest, EventsReceiveRowAndColumnInTheirTypesOrder) {
    Grid.OnGridHint = [&](TObject*, int a, int b, QString&) { Calls << QStringLiteral("hint %1 %2").arg(a).arg(b); };
    Grid.OnGetAlignment = [&](TObject*, int a, int b, TAlignment&, TVAlignment&) {
        Calls << QStringLiteral("align %1 %2").arg(a).arg(b);
    };
    Grid.OnGetEditorType = [&](TObject*, int a, int b, TEditorType&) {
        Calls << QStringLiteral("editor %1 %2").arg(a).arg(b);
    };
    Grid.OnCanEditCell = [&](TObject*, int a, int b, bool&) { Calls << QStringLiteral("canedit %1 %2").arg(a).arg(b); };
    Grid.OnIsPasswordCell = [&](TObject*, int a, int b, bool&) {
        Calls << QStringLiteral("password %1 %2").arg(a).arg(b);
    };
    Grid.OnGetWordWrap = [&](TObject*, int a, int b, bool&) { Calls << QStringLiteral("wrap %1 %2").arg(a).arg(b); };
    Grid.OnGetCheckTrue = [&](TObject*, int a, int b, QString&) { Calls << QStringLiteral("true %1 %2").arg(a).arg(b); };
    Grid.OnGetCellColor = [&](TObject*, int a, int b, TGridDrawState, TBrush*, TFont*) {
        Calls << QStringLiteral("color %1 %2").arg(a).arg(b);
    };
    Grid.OnComboCloseUp = [&](TObject*, int a, int b) { Calls << QStringLiteral("closeup %1 %2").arg(a).arg(b); };
    Grid.OnIsFixedCell = [&](TObject*, int a, int b, bool&) { Calls << QStringLiteral("fixed %1 %2").arg(a).arg(b); };

    const RealCol col(kCol);
    const DisplRow row(kRow);
    QString hint, wide;
    Grid.GetCellHint(col, row, hint, wide);
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    Grid.GetCellAlignment(col, row, ha, va);
    TEditorType editor = edNormal;
    Grid.GetCellEditorType(col, row, editor);
    bool flag = true;
    Grid.CanEditCell(col, row, flag);
    Grid.IsPasswordCell(col, row, flag);
    Grid.GetCellWordWrap(col, row, flag);
    QString text;
    Grid.GetCheckTrue(col, row, text);
    TBrush brush;
    TFont font;
    Grid.GetCellColor(col, row, TGridDrawState(), &brush, &font);
    Grid.DoComboCloseUp(row, col);
    bool fixed = false;
    Grid.IsFixedCell(DisplCol(kCol), row, fixed);

    EXPECT_EQ(Calls, (QStringList{"hint 5 3", "align 5 3", "editor 3 5", "canedit 5 3", "password 5 3", "wrap 3 5",
                                  "true 3 5", "color 5 3", "closeup 5 3", "fixed 5 3"}));
}

TEST_F(StringGridHooksTest, HasNoEditorOnlyWithAHandlerThatAnswersNone) {
    Grid.SetDefaultEditor(edNone);
    EXPECT_FALSE(Grid.HasNoEditor(RealCol(kCol), DisplRow(kRow)));
    Grid.OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
        if (c == kCol) e = edNone;
    };
    EXPECT_TRUE(Grid.HasNoEditor(RealCol(kCol), DisplRow(kRow)));
    EXPECT_FALSE(Grid.HasNoEditor(RealCol(kCol + 1), DisplRow(kRow)));
}

TEST_F(StringGridHooksTest, FixedCellsCountFixedLinesAndEveryCellOfAGridDownToItsFixedRows) {
    auto fixed = [&](int c, int r) {
        bool f = false;
        Grid.IsFixedCell(DisplCol(c), DisplRow(r), f);
        return f;
    };
    EXPECT_TRUE(fixed(0, 4));
    EXPECT_TRUE(fixed(2, 0));
    EXPECT_FALSE(fixed(2, 4));
    Grid.SetFixedRowAlways(true);
    Grid.TStringGrid::SetRowCount(1);
    EXPECT_TRUE(fixed(2, 0));
    Grid.TStringGrid::SetRowCount(3);
    EXPECT_FALSE(fixed(2, 2));
    // The handler is asked only while the cell is not fixed yet.
    int asked = 0;
    Grid.OnIsFixedCell = [&](TObject*, int, int, bool& f) {
        ++asked;
        f = true;
    };
    EXPECT_TRUE(fixed(0, 2));
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(fixed(2, 2));
    EXPECT_EQ(asked, 1);
}

TEST_F(StringGridHooksTest, CanEditBaseCellAsksTheBaseCellOfAMergedArea) {
    Grid.SetOptions(Grid.Options().Include(goEditing));
    Grid.MergeCells(1, 1, 2, 2);
    std::vector<std::pair<int, int>> asked;
    Grid.OnCanEditCell = [&](TObject*, int r, int c, bool&) { asked.push_back({c, r}); };
    bool canEdit = true;
    Grid.CanEditBaseCell(RealCol(2), DisplRow(2), canEdit);
    EXPECT_TRUE(canEdit);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], std::make_pair(1, 1));

    Grid.SetReadOnly(1, 1, true);
    Grid.CanEditBaseCell(RealCol(2), DisplRow(2), canEdit);
    EXPECT_FALSE(canEdit);

    // Without editing in the options a cell with properties is not editable either.
    Grid.SetReadOnly(1, 1, false);
    Grid.SetOptions(Grid.Options().Exclude(goEditing));
    canEdit = true;
    Grid.CanEditBaseCell(RealCol(1), DisplRow(1), canEdit);
    EXPECT_FALSE(canEdit);
}

TEST_F(StringGridHooksTest, ComboAndSpinButtonsFollowTheEditorKindWhenAlwaysVisible) {
    Grid.OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
        if (c == 2) e = edComboList;
        if (c == 3) e = edFloatSpinEdit;
    };
    EXPECT_FALSE(Grid.CellHasComboBox(RealCol(2), DisplRow(2)));
    Grid.ControlLook()->DropDownAlwaysVisible = true;
    Grid.ControlLook()->SpinButtonsAlwaysVisible = true;
    EXPECT_TRUE(Grid.CellHasComboBox(RealCol(2), DisplRow(2)));
    EXPECT_FALSE(Grid.CellHasComboBox(RealCol(3), DisplRow(2)));
    EXPECT_TRUE(Grid.CellHasSpinEdit(RealCol(3), DisplRow(2)));
    EXPECT_FALSE(Grid.CellHasSpinEdit(RealCol(3), DisplRow(0)));  // a fixed cell never
    Grid.OnHasComboBox = [](TObject*, int c, int, bool& has) { has = c == 4; };
    EXPECT_FALSE(Grid.CellHasComboBox(RealCol(2), DisplRow(2)));
    EXPECT_TRUE(Grid.CellHasComboBox(RealCol(4), DisplRow(2)));
}

TEST_F(StringGridHooksTest, CellColourTakesTheActiveHeaderLookThenTheCellsPropertiesThenTheHandler) {
    Grid.SetActiveCellShow(true);
    Grid.TStringGrid::SetCol(2);
    Grid.TStringGrid::SetRow(3);
    TBrush brush;
    TFont font;
    Grid.GetCellColor(RealCol(2), DisplRow(0), TGridDrawState(), &brush, &font);
    EXPECT_EQ(brush.Color, Grid.ActiveCellColor());
    EXPECT_TRUE(font.Style.Contains(fsBold));

    Grid.SetColors(3, 4, clRed);
    Grid.SetFontColors(3, 4, clBlue);
    Grid.SetFontSizes(3, 4, 15);
    brush = TBrush();
    font = TFont();
    Grid.GetCellColor(RealCol(3), DisplRow(4), TGridDrawState(), &brush, &font);
    EXPECT_EQ(brush.Color, clRed);
    EXPECT_EQ(font.Color, clBlue);
    EXPECT_EQ(font.Size, 15);

    // A cell showing a check box keeps the brush it was given.
    Grid.CreateCellGraphic(3, 4)->SetCheckBox(true, false, false, haLeft, vaTop);
    brush = TBrush();
    Grid.GetCellColor(RealCol(3), DisplRow(4), TGridDrawState(), &brush, &font);
    EXPECT_EQ(brush.Color, clWhite);
    Grid.OnGetCellColor = [](TObject*, int, int, TGridDrawState, TBrush* b, TFont*) { b->Color = clLime; };
    Grid.GetCellColor(RealCol(3), DisplRow(4), TGridDrawState(), &brush, &font);
    EXPECT_EQ(brush.Color, clLime);
}

TEST_F(StringGridHooksTest, CheckTextsStartFromTheGridsAndTheHandlerMayChangeThem) {
    QString text;
    Grid.GetCheckTrue(RealCol(1), DisplRow(1), text);
    EXPECT_EQ(text, "Y");
    Grid.GetCheckFalse(RealCol(1), DisplRow(1), text);
    EXPECT_EQ(text, "N");
    Grid.OnGetCheckTrue = [](TObject*, int, int, QString& v) { v = "1"; };
    Grid.GetCheckTrue(RealCol(1), DisplRow(1), text);
    EXPECT_EQ(text, "1");
}

TEST_F(StringGridHooksTest, ColumnFilterOffersEachTextOnceWithTheClearEntryFirst) {
    Grid.SetFilterDropDownAuto(true);
    Grid.TStringGrid::SetRowCount(5);
    Grid.SetCells(1, 1, "New York");
    Grid.SetCells(1, 2, "Rome");
    Grid.SetCells(1, 3, " New York ");
    Grid.SetCells(1, 4, "Rome");
    ASSERT_TRUE(Grid.GetColumnFilter(RealCol(1)));
    const TStringList& list = *Grid.FilterList();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list[0], "(All)");
    // A cell text is offered whole and filters on exactly that text.
    EXPECT_EQ(list[1], "New York");
    EXPECT_TRUE(Grid.IsCellTextFilterEntry(1));
    EXPECT_EQ(list[2], "Rome");

    // Without the automatic list a fixed column offers nothing unless the handler adds.
    Grid.SetFilterDropDownAuto(false);
    EXPECT_FALSE(Grid.GetColumnFilter(RealCol(0)));
    Grid.OnGetColumnFilter = [](TObject*, int, TStrings* entries) { entries->Add("mine"); };
    EXPECT_TRUE(Grid.GetColumnFilter(RealCol(0)));
}

TEST_F(StringGridHooksTest, SavedTextOfEmptyCheckBoxesIsTheirCheckText) {
    Grid.CreateCellGraphic(1, 1)->SetCheckBox(true, false, false, haLeft, vaTop);
    Grid.CreateCellGraphic(2, 1)->SetCheckBox(cbGrayed, false, haLeft, vaTop);
    Grid.CreateCellGraphic(3, 1)->SetCheckBox(cbChecked, false, haLeft, vaTop);
    Grid.SetCells(4, 1, "<b>bold</b>");
    QString text;
    Grid.SaveCell(RealCol(1), DisplRow(1), text);
    EXPECT_EQ(text, "Y");
    Grid.SaveCell(RealCol(2), DisplRow(1), text);
    EXPECT_EQ(text, "N");
    Grid.SaveCell(RealCol(3), DisplRow(1), text);
    EXPECT_EQ(text, "Y");
    Grid.SaveCell(RealCol(4), DisplRow(1), text);
    EXPECT_EQ(text, "<b>bold</b>");
    Grid.SetSaveWithHTML(false);
    Grid.OnSaveCell = [](TObject*, int, int, QString& v) { v += "!"; };
    Grid.SaveCell(RealCol(4), DisplRow(1), text);
    EXPECT_EQ(text, "bold!");
}

TEST_F(StringGridHooksTest, LoadedTextGoesRawIntoTheCellAfterTheHandler) {
    Grid.OnGetDisplText = [](TObject*, int, int, QString& v) { v = "shown"; };
    Grid.OnLoadCell = [](TObject*, int, int, QString& v) { v = v.toUpper(); };
    Grid.LoadCell(RealCol(2), DisplRow(2), "abc");
    EXPECT_EQ(Grid.GridCells(2, 2), "ABC");
}

// A notifier that records what it is told, in a shared log.
class RecordingNotifier : public TGridChangeNotifier {
public:
    RecordingNotifier(QStringList& log, QString name) : TGridChangeNotifier(nullptr), FLog(log), FName(std::move(name)) {}
    void CellsChanged(TRect R) override { FLog << QStringLiteral("%1 %2").arg(FName).arg(R.Right); }

private:
    QStringList& FLog;
    QString FName;
};

TEST_F(StringGridHooksTest, CellChangesReachTheEventThenTheNotifiersInRegistrationOrder) {
    RecordingNotifier first(Calls, "first"), second(Calls, "second");
    Grid.RegisterNotifier(&first);
    Grid.RegisterNotifier(&second);
    Grid.RegisterNotifier(&first);  // once only
    Grid.OnCellsChanged = [&](TObject*, TRect R) { Calls << QStringLiteral("event %1").arg(R.Right); };
    Grid.DoCellsChanged(Rect(0, 0, 7, 7));
    EXPECT_EQ(Calls, (QStringList{"event 7", "first 7", "second 7"}));
    Calls.clear();
    Grid.UnRegisterNotifier(&first);
    Grid.DoCellsChanged(Rect(0, 0, 2, 2));
    EXPECT_EQ(Calls, (QStringList{"event 2", "second 2"}));
}

}  // namespace

namespace {

TEST(StringGridDatePickers, ChangesReachTheEventsWithTheCurrentCell) {
    TExStringGrid grid(nullptr);
    grid.TStringGrid::SetCol(2);
    grid.TStringGrid::SetRow(3);
    QString edited;
    int editedCol = -1;
    grid.OnEditChange = [&](TObject*, int c, int, const QString& v) {
        editedCol = c;
        edited = v;
    };
    TGridDatePicker* date = grid.DateTimePicker();
    EXPECT_EQ(grid.DateTimePicker(), date);
    EXPECT_FALSE(date->isVisible());
    EXPECT_FALSE(date->isEnabled());
    // Outside an edit the picker's changes are no edit changes.
    date->TDateTimePicker::SetDate(EncodeDate(2024, 2, 29));
    EXPECT_EQ(editedCol, -1);

    TDateTime received = 0;
    int receivedRow = -1;
    grid.OnDateTimeChange = [&](TObject*, int, int r, TDateTime v) {
        receivedRow = r;
        received = v;
    };
    TGridDateTimePicker* dateAndTime = grid.DateAndTimePicker();
    EXPECT_FALSE(dateAndTime->isEnabled());
    EXPECT_TRUE(dateAndTime->AutoTab());
    dateAndTime->SetDateTime(2.25);
    dateAndTime->TimePicker()->setTime(QTime(12, 0));
    EXPECT_EQ(receivedRow, 3);
    EXPECT_DOUBLE_EQ(received, 2.5);
}

}  // namespace
