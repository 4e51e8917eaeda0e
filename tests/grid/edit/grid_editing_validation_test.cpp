// Validation of an edited cell through the plain edit: handlers that accept, correct and
// refuse, left by Enter, an arrow key and focus loss; the invalid-entry balloon; the modified
// flags after a refusal.

#include "grid/edit/edit_balloon.h"
#include "grid/view/keyboard_fixture.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

using RuleForm = KeyboardForm<RuleTableFixture>;

enum class Answer { Accept, Correct, Refuse, RefuseCorrected };

void Answering(RuleTableFixture& grid, Answer answer) {
    grid.OnCellValidate = [answer](TObject*, int, int, QString& Value, bool& Valid) {
        if (answer == Answer::Correct || answer == Answer::RefuseCorrected) Value = "fixed";
        if (answer == Answer::Refuse || answer == Answer::RefuseCorrected) Valid = false;
    };
}

enum class Leave { Enter, Down, FocusElsewhere };

void LeaveEditor(RuleForm& form, Leave how) {
    RuleTableFixture& grid = *form.GridControl;
    switch (how) {
    case Leave::Enter: QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return); break;
    case Leave::Down: QTest::keyClick(grid.InplaceEditor(), Qt::Key_Down); break;
    case Leave::FocusElsewhere: form.After->setFocus(Qt::OtherFocusReason); break;
    }
    QCoreApplication::processEvents();
}

TEST(GridEditingValidationTest, HandlersAcceptCorrectAndRefuseWhicheverWayTheEditIsLeft) {
    struct Case {
        Answer Handler;
        Leave How;
        QString Cell;       // the edited cell afterwards
        bool BackOnCell;    // the current cell is the edited one
        bool EditorOpen;    // the editor reopened there
    };
    const Case cases[] = {
        {Answer::Accept, Leave::Enter, "typed", false, false},
        {Answer::Correct, Leave::Enter, "fixed", false, false},
        {Answer::Refuse, Leave::Enter, "1,2", true, true},
        {Answer::RefuseCorrected, Leave::Enter, "fixed", true, true},
        {Answer::Accept, Leave::Down, "typed", false, false},
        {Answer::Refuse, Leave::Down, "1,2", true, true},
        {Answer::RefuseCorrected, Leave::Down, "fixed", true, true},
        {Answer::Accept, Leave::FocusElsewhere, "typed", true, false},
        // Focus gone to another control: the cell is corrected, the editor stays closed.
        {Answer::Refuse, Leave::FocusElsewhere, "1,2", true, false},
        {Answer::RefuseCorrected, Leave::FocusElsewhere, "fixed", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.Handler) << " leave " << int(c.How));
        RuleForm form;
        RuleTableFixture& grid = *form.GridControl;
        grid.Navigation()->SetAdvanceOnEnter(true);
        grid.Navigation()->SetAdvanceAutoEdit(false);
        Answering(grid, c.Handler);
        grid.FocusCell(1, 2);
        form.Type('t');
        ASSERT_TRUE(grid.EditMode());
        QTest::keyClicks(grid.InplaceEditor(), "yped");
        LeaveEditor(form, c.How);
        EXPECT_EQ(grid.Cells(1, 2), c.Cell);
        EXPECT_EQ(grid.Col() == 1 && grid.Row() == 2, c.BackOnCell);
        EXPECT_EQ(grid.EditMode(), c.EditorOpen);
        if (c.EditorOpen) EXPECT_EQ(grid.InplaceEditor()->Text(), c.Cell);
        if (c.How == Leave::FocusElsewhere) EXPECT_TRUE(form.After->hasFocus());
    }
}

TEST(GridEditingValidationTest, AnUnchangedTextIsNotValidatedUnlessAlwaysValidate) {
    for (const bool always : {false, true}) {
        RuleForm form;
        RuleTableFixture& grid = *form.GridControl;
        grid.SetAlwaysValidate(always);
        int calls = 0;
        grid.OnCellValidate = [&](TObject*, int, int, QString&, bool&) { ++calls; };
        grid.FocusCell(1, 2);
        form.Key(Qt::Key_F2);
        ASSERT_TRUE(grid.EditMode());
        QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
        EXPECT_EQ(calls, always ? 1 : 0);
    }
}

TEST(GridEditingValidationTest, TheBalloonShowsTitleAndTextWhenSetAndNothingOtherwise) {
    struct Case {
        QString Title, Text;
        bool Shown;
    };
    for (const Case& c : {Case{"Invalid", "Only digits", true}, Case{"", "Only digits", true}, Case{"", "", false}}) {
        SCOPED_TRACE((c.Title + "/" + c.Text).toStdString());
        RuleForm form;
        RuleTableFixture& grid = *form.GridControl;
        grid.SetInvalidEntryTitle(c.Title);
        grid.SetInvalidEntryText(c.Text);
        grid.SetInvalidEntryIcon(ieError);
        Answering(grid, Answer::Refuse);
        grid.FocusCell(1, 2);
        form.Type('x');
        QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
        TEditBalloon* balloon = grid.InvalidEntryBalloon();
        EXPECT_EQ(balloon && balloon->isVisible(), c.Shown);
        if (!c.Shown) continue;
        EXPECT_EQ(balloon->Title(), c.Title);
        EXPECT_EQ(balloon->Text(), c.Text);
        EXPECT_EQ(balloon->Icon(), ieError);
        QTest::keyClick(grid.InplaceEditor(), Qt::Key_A);  // gone at the next key
        EXPECT_FALSE(balloon->isVisible());
    }
}

TEST(GridEditingValidationTest, ARefusalPuttingTheEarlierTextBackLeavesTheModifiedFlags) {
    RuleForm form;
    RuleTableFixture& grid = *form.GridControl;
    grid.SetFixedCols(1);
    Answering(grid, Answer::Refuse);
    grid.FocusCell(1, 2);
    form.Type('x');
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
    EXPECT_EQ(grid.Cells(1, 2), "1,2");
    EXPECT_FALSE(grid.Modified());
    EXPECT_FALSE(grid.RowModified(2));
}

}  // namespace
