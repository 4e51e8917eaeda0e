// The cell checker in the validation of a typed value: the correction comes before
// OnCellValidate sees the value, the marks after it (on the corrected text, accepted or
// refused), the base checker changes nothing, and a destroyed checker is forgotten.
#include "inplace_edit_fixture.h"

#include "grid/data/ex_string_grid_check.h"

#include <QTest>

namespace {

class Recorder : public TExStringGridCheck {
public:
    QString Correct(int ACol, int ARow, const QString& s) override {
        Calls.push_back(QString("correct %1,%2 %3").arg(ACol).arg(ARow).arg(s));
        return QString(s).replace("teh", "the");
    }
    QString MarkError(int, int, const QString& s) override {
        Calls.push_back("mark " + s);
        return QString(s).replace("cat", "<e>cat</e>");
    }
    std::vector<QString> Calls;
};

using CellCheckerValidationTest = InplaceEditFixture;

TEST_F(CellCheckerValidationTest, CorrectionBeforeTheHandlerAndMarksAfterItOnTheCorrectedText) {
    struct Case {
        bool AutoCorrect, AutoMarkError, Accept;
        QString Cell;
        std::vector<QString> Calls;
    };
    const Case cases[] = {
        {true, false, true, "the cat", {"correct 2,2 teh cat", "validate the cat"}},
        {false, true, true, "teh <e>cat</e>", {"validate teh cat", "mark teh cat"}},
        {true, true, true, "the <e>cat</e>", {"correct 2,2 teh cat", "validate the cat", "mark the cat"}},
        // A refusal still gets the marks; the cell shows the marked text, not the typed one.
        {true, true, false, "the <e>cat</e>", {"correct 2,2 teh cat", "validate the cat", "mark the cat"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Cell.toStdString() + (c.Accept ? " accepted" : " refused"));
        Recorder checker;
        checker.SetAutoCorrect(c.AutoCorrect);
        checker.SetAutoMarkError(c.AutoMarkError);
        Grid().SetCellChecker(&checker);
        Grid().OnCellValidate = [&](TObject*, int, int, QString& Value, bool& Valid) {
            checker.Calls.push_back("validate " + Value);
            Valid = c.Accept;
        };
        OpenOn("x");
        Edit()->selectAll();
        QTest::keyClicks(Edit(), "teh cat");
        Form->Key(Qt::Key_Return);
        EXPECT_EQ(Grid().Cells(2, 2), c.Cell);
        EXPECT_EQ(checker.Calls, c.Calls);
        if (Grid().EditorMode()) Form->Key(Qt::Key_Escape);
        Grid().OnCellValidate = nullptr;
        Grid().SetCellChecker(nullptr);
        Grid().FocusCell(2, 2);
    }
}

TEST_F(CellCheckerValidationTest, BaseCheckerChangesNothingAndADestroyedOneIsForgotten) {
    auto checker = std::make_unique<TExStringGridCheck>();
    checker->SetAutoCorrect(true);
    checker->SetAutoMarkError(true);
    Grid().SetCellChecker(checker.get());
    OpenOn("x");
    Edit()->selectAll();
    QTest::keyClicks(Edit(), "teh cat");
    Form->Key(Qt::Key_Return);
    EXPECT_EQ(Grid().Cells(2, 2), "teh cat");
    checker.reset();
    EXPECT_EQ(Grid().CellChecker(), nullptr);
    Grid().FocusCell(2, 2);
    OpenOn("y");
    Edit()->selectAll();
    QTest::keyClicks(Edit(), "yz");
    Form->Key(Qt::Key_Return);
    EXPECT_EQ(Grid().Cells(2, 2), "yz");
}

}  // namespace
