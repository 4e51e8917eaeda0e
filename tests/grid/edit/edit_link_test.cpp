// The custom editor link on a grid, with a line edit as its control: which keys the
// control keeps by the want-key properties, how Esc, Enter and Tab end the edit, both
// styles, where the pop-up goes, leaving the pop-up ending the edit once, and two links
// with pop-ups used in turn.
#include "cell_editors_fixture.h"

#include <QApplication>

namespace {

class EditLinkTest : public CellEditorsFixture {
protected:
    void OpenCustom(const QString& Text) { OpenOn(CellEditorGrid::Custom, Text); }
    QLineEdit* LinkEdit() { return Link->Edit(); }
};

TEST_F(EditLinkTest, OpensInPlaceOverTheCellWithItsTextAndTheKeyHook) {
    OpenCustom("abc");
    ASSERT_TRUE(Grid().EditMode());
    ASSERT_NE(LinkEdit(), nullptr);
    EXPECT_EQ(LinkEdit()->parentWidget(), &Grid());
    EXPECT_EQ(LinkEdit()->text(), "abc");
    EXPECT_EQ(Focused(), LinkEdit());
    EXPECT_EQ(Link->Grid(), &Grid());
    EXPECT_EQ(Link->EditCell(), (TPoint{CellEditorGrid::Custom, 2}));
    EXPECT_EQ(Grid().EditCtrl(), LinkEdit());
    const TRect cell = Grid().CellRect(Displayed(CellEditorGrid::Custom), 2);
    EXPECT_EQ(LinkEdit()->geometry(), QRect(cell.Left, cell.Top, cell.Right - cell.Left - 1, cell.Bottom - cell.Top - 1));
}

// One row per key: the want-key property set first (none when null), and whether the
// control keeps the key (the edit goes on) or the edit ends.
TEST_F(EditLinkTest, WantKeyPropertiesDecideWhichKeysStayWithTheControl) {
    struct WantCase {
        const char* Name;
        void (TEditLink::*Want)(bool);
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        bool Stays;
    };
    const WantCase cases[] = {
        {"Home reaches the control", nullptr, Qt::Key_Home, Qt::NoModifier, true},
        {"End ends the edit", nullptr, Qt::Key_End, Qt::NoModifier, false},
        {"End wanted", &TEditLink::SetWantKeyHomeEnd, Qt::Key_End, Qt::NoModifier, true},
        {"Left ends the edit", nullptr, Qt::Key_Left, Qt::NoModifier, false},
        {"Left wanted", &TEditLink::SetWantKeyLeftRight, Qt::Key_Left, Qt::NoModifier, true},
        {"Down wanted", &TEditLink::SetWantKeyUpDown, Qt::Key_Down, Qt::NoModifier, true},
        {"PgDn ends the edit", nullptr, Qt::Key_PageDown, Qt::NoModifier, false},
        {"PgDn wanted", &TEditLink::SetWantKeyPriorNext, Qt::Key_PageDown, Qt::NoModifier, true},
        {"Enter ends the edit", nullptr, Qt::Key_Return, Qt::NoModifier, false},
        {"Enter wanted", &TEditLink::SetWantKeyReturn, Qt::Key_Return, Qt::NoModifier, true},
        {"Esc wanted", &TEditLink::SetWantKeyEscape, Qt::Key_Escape, Qt::NoModifier, true},
        {"Alt with any key ends the edit", &TEditLink::SetWantKeyReturn, Qt::Key_B, Qt::AltModifier, false},
        {"a letter stays", nullptr, Qt::Key_B, Qt::NoModifier, true},
    };
    for (const WantCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Link = std::make_unique<LineEditLink>();
        Grid().SetEditLink(Link.get());
        if (c.Want) (Link.get()->*c.Want)(true);
        Grid().SetCells(CellEditorGrid::Custom, 2, "abc");
        OpenCustom("abc");
        ASSERT_TRUE(Grid().EditMode());
        QTest::keyClick(LinkEdit(), c.Key, c.Modifiers);
        Settle();
        EXPECT_EQ(Grid().EditMode(), c.Stays);
        if (Grid().EditMode()) {
            QTest::keyClick(LinkEdit(), Qt::Key_Escape);
            Settle();
            if (Grid().EditMode()) Grid().HideInplaceEdit();
        }
        Grid().FocusCell(Displayed(CellEditorGrid::Custom), 2);
    }
}

TEST_F(EditLinkTest, EscRestoresTheOldTextAndEnterStoresTheNewOneOnTheSameCell) {
    int done = 0;
    Grid().OnEditingDone = [&](TObject*) { ++done; };
    OpenCustom("old");
    QTest::keyClicks(LinkEdit(), "er");
    QTest::keyClick(LinkEdit(), Qt::Key_Escape);
    Settle();
    EXPECT_EQ(Cell(CellEditorGrid::Custom), "old");
    EXPECT_EQ(Grid().Col(), Displayed(CellEditorGrid::Custom));
    EXPECT_FALSE(Grid().EditMode());
    EXPECT_FALSE(LinkEdit()->isVisible());
    EXPECT_EQ(done, 1);

    OpenCustom("old");
    QTest::keyClicks(LinkEdit(), "!");
    QTest::keyClick(LinkEdit(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(Cell(CellEditorGrid::Custom), "old!");
    EXPECT_EQ(Focused(), &Grid());
}

TEST_F(EditLinkTest, TabEndsTheEditAndWalksOnOnlyWithTabToNextAtEnd) {
    for (bool walk : {false, true}) {
        SCOPED_TRACE(walk);
        Grid().Navigation()->SetTabToNextAtEnd(walk);
        OpenCustom("t");
        QTest::keyClicks(LinkEdit(), "x");
        QTest::keyClick(LinkEdit(), Qt::Key_Tab);
        Settle();
        EXPECT_EQ(Cell(CellEditorGrid::Custom), "tx");
        if (walk) {
            // From the last column to the first of the next row.
            EXPECT_EQ(Grid().Col(), Displayed(CellEditorGrid::Spin));
            EXPECT_EQ(Grid().Row(), 3);
            if (Grid().EditMode()) Grid().HideInplaceEdit();
        } else {
            EXPECT_EQ(Grid().Col(), Displayed(CellEditorGrid::Custom));
            EXPECT_FALSE(Grid().EditMode());
        }
    }
}

TEST_F(EditLinkTest, PopupGoesToPopupLeftAndTopOrToTheCellWhenEitherIsMinusOne) {
    Link->SetEditStyle(esPopup);
    Link->SetPopupWidth(120);
    Link->SetPopupHeight(40);
    const TRect cell = Grid().CellRect(Displayed(CellEditorGrid::Custom), 2);
    const QPoint atCell = Grid().mapToGlobal(QPoint(cell.Left, cell.Top));
    struct PlaceCase {
        int Left, Top;
        QPoint Expected;
    };
    const PlaceCase cases[] = {{300, 200, {300, 200}}, {-1, 200, atCell}, {300, -1, atCell}, {-1, -1, atCell}};
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.Left * 1000 + c.Top);
        Link->SetPopupLeft(c.Left);
        Link->SetPopupTop(c.Top);
        OpenCustom("p");
        QWidget* form = Link->PopupForm();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->objectName(), "gridform");
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(form->pos(), c.Expected);
        EXPECT_EQ(form->size(), QSize(120, 40));
        EXPECT_EQ(LinkEdit()->parentWidget(), form);
        QTest::keyClicks(LinkEdit(), "q");
        QTest::keyClick(LinkEdit(), Qt::Key_Return);
        Settle();
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(Grid().EditMode());
        EXPECT_EQ(Cell(CellEditorGrid::Custom), "pq");
    }
}

TEST_F(EditLinkTest, LeavingThePopupEndsTheEditOnceAndStoresTheValue) {
    Link->SetEditStyle(esPopup);
    Link->SetPopupWidth(100);
    Link->SetPopupHeight(30);
    int done = 0;
    Grid().OnEditingDone = [&](TObject*) { ++done; };
    OpenCustom("v");
    Settle();
    ASSERT_EQ(Focused(), LinkEdit());
    QTest::keyClicks(LinkEdit(), "w");
    QApplication::setActiveWindow(Form->Form.get());
    Form->After->setFocus();
    Settle();
    EXPECT_FALSE(Grid().EditMode());
    EXPECT_FALSE(Link->PopupForm()->isVisible());
    EXPECT_EQ(Cell(CellEditorGrid::Custom), "vw");
    EXPECT_EQ(done, 1);
    EXPECT_EQ(Link->Destroyed, 1);
}

// Each link owns its own pop-up form: the second link's first pop-up edit must not free
// the first link's form, whose next edit would then use a freed window.
TEST_F(EditLinkTest, TwoLinksWithPopupsUsedInTurnEachKeepTheirOwnForm) {
    LineEditLink second;
    for (LineEditLink* link : {Link.get(), &second}) {
        link->SetEditStyle(esPopup);
        link->SetPopupWidth(90);
        link->SetPopupHeight(30);
    }
    for (int round = 0; round < 2; ++round) {
        for (LineEditLink* link : {Link.get(), &second}) {
            Grid().SetEditLink(link);
            OpenCustom(QString("r%1").arg(round));
            ASSERT_NE(link->Edit(), nullptr);
            QTest::keyClicks(link->Edit(), "+");
            QTest::keyClick(link->Edit(), Qt::Key_Return);
            Settle();
            EXPECT_EQ(Cell(CellEditorGrid::Custom), QString("r%1+").arg(round));
        }
    }
    EXPECT_NE(Link->PopupForm(), second.PopupForm());
    Grid().SetEditLink(Link.get());
}

TEST_F(EditLinkTest, CustomCellWithoutALinkOpensNothingAndTheGridKeepsTheKeys) {
    Grid().SetEditLink(nullptr);
    Grid().FocusCell(Displayed(CellEditorGrid::Custom), 2);
    Form->Key(Qt::Key_F2);
    EXPECT_FALSE(Grid().EditMode());
    Form->Key(Qt::Key_Down);
    EXPECT_EQ(Grid().Row(), 3);
}

TEST_F(EditLinkTest, GridForgetsADestroyedLink) {
    auto gone = std::make_unique<LineEditLink>();
    Grid().SetEditLink(gone.get());
    gone.reset();
    EXPECT_EQ(Grid().EditLink(), nullptr);
}

}  // namespace
