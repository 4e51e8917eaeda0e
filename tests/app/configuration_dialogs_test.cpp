#include "app/main_window.h"
#include "app/new_project_dialog.h"
#include "app/open_configuration_dialog.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "platform/file_system.h"
#include "test_support.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <memory>

namespace {

// The main window with the two step-1 dialogs, on an empty program folder.
class ConfigurationDialogsTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        FMain = std::make_unique<TFVastreloneFirmWare>(nullptr);
        FVastreloneFirmWare = FMain.get();
        FNewDialog = std::make_unique<TFNew_Project>(nullptr);
        FNew_Project = FNewDialog.get();
        FOpenDialog = std::make_unique<TFOpenConf>(nullptr);
        FOpenConf = FOpenDialog.get();
        FMain->show();
    }
    void TearDown() override {
        FVastreloneFirmWare = nullptr;
        FNew_Project = nullptr;
        FOpenConf = nullptr;
        FOpenDialog.reset();
        FNewDialog.reset();
        FMain.reset();
        ProgramFolderTest::TearDown();
    }

    // Types each character as its own key press; a control character, which no key
    // types, arrives as a paste would bring it.
    static void TypeText(QLineEdit* edit, const QString& text) {
        for (QChar c : text) {
            if (!c.isPrint()) {
                edit->insert(QString(c));
                continue;
            }
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
    }

    static void ClickOn(QWidget* form, const char* name) {
        QWidget* widget = form->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr) << name;
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    // Clicks "New", types each name followed by Enter, then cancels unless the dialog closed.
    void CreateWithNames(const QStringList& names) {
        WhenShownModally(FNew_Project, [this, names] {
            auto* edit = FNew_Project->findChild<QLineEdit*>(QStringLiteral("E_New_Proj"));
            for (const QString& name : names) {
                if (FNew_Project->ModalResult() != mrNone) break;
                edit->clear();
                TypeText(edit, name);
                QTest::keyClick(edit, Qt::Key_Return);
            }
            if (FNew_Project->ModalResult() == mrNone) ClickOn(FNew_Project, "Btn_Cancel");
        });
        ClickOn(FMain.get(), "Btn_New");
    }

    void OpenWith(std::function<void()> action) {
        WhenShownModally(FOpenConf, std::move(action));
        ClickOn(FMain.get(), "Btn_Open");
    }

    QListWidget* List() const { return FOpenConf->findChild<QListWidget*>(QStringLiteral("ListBox1")); }
    QString ConfLabel() const { return FMain->L_Name_Conf->Caption() + QLatin1Char('|') + FMain->L_Name_Conf_L2->Caption(); }
    QStringList MessageTexts() const {
        QStringList texts;
        for (const MessageDialogRequest& m : Messages) texts << m.text;
        return texts;
    }

    std::unique_ptr<TFVastreloneFirmWare> FMain;
    std::unique_ptr<TFNew_Project> FNewDialog;
    std::unique_ptr<TFOpenConf> FOpenDialog;
};

TEST_F(ConfigurationDialogsTest, NewConfigurationMakesItsFoldersAndBecomesCurrent) {
    EXPECT_EQ(ConfLabel(), LangText(9) + QLatin1Char('|') + LangText(10));
    CreateWithNames({QStringLiteral("Test")});

    EXPECT_TRUE(Messages.empty());
    EXPECT_TRUE(DirectoryExists(PathIn(QStringLiteral("PROJECTS/Test/bin"))));
    EXPECT_EQ(Project_Name, QStringLiteral("Test"));
    EXPECT_EQ(Project_Folder, PathIn(QStringLiteral("PROJECTS/Test")));
    EXPECT_EQ(File_ParGen, PathIn(QStringLiteral("PROJECTS/Test/ParGen.xml")));
    EXPECT_EQ(ConfLabel(), LangText(11) + QStringLiteral("|Test"));
}

TEST_F(ConfigurationDialogsTest, RefusedNamesShowTheirTextAndKeepTheDialogOpen) {
    CreateWithNames({QStringLiteral("Test")});
    Messages.clear();

    // Each name is refused in turn; Cancel then closes without changing anything.
    const QStringList names = {QString(),           QStringLiteral("Test"),  QStringLiteral("a/b"),
                               QStringLiteral("a\\b"), QStringLiteral(".."), QStringLiteral("."),
                               QStringLiteral(" x"),  QStringLiteral("x "),  QStringLiteral("a\tb")};
    CreateWithNames(names);

    QStringList expected = {LangText(107), LangText(106)};
    while (expected.size() < names.size()) expected << LangText(105);
    EXPECT_EQ(MessageTexts(), expected);
    for (const MessageDialogRequest& m : Messages) EXPECT_EQ(m.type, mtError);
    EXPECT_EQ(QDir(PathIn(QStringLiteral("PROJECTS"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("Test")});
    EXPECT_EQ(Project_Name, QStringLiteral("Test"));
    EXPECT_EQ(ConfLabel(), LangText(11) + QStringLiteral("|Test"));
}

TEST_F(ConfigurationDialogsTest, BinFolderThatCannotBeMadeLeavesNothingBehind) {
    // A projects folder so deep that the configuration's folder is just possible and
    // its bin folder is beyond the longest path the system takes.
    QString deep = PathIn(QStringLiteral("deep"));
    while (deep.size() < 3900) deep += QStringLiteral("/") + QString(100, u'd');
    ASSERT_TRUE(ForceDirectories(deep));
    Dir_Projects = deep;
    const QString name(4094 - deep.size() - 1, u'n');

    CreateWithNames({name});

    EXPECT_EQ(MessageTexts(), QStringList{LangText(105)});
    EXPECT_FALSE(DirectoryExists(PathJoin(deep, name)));
    EXPECT_TRUE(Project_Folder.isEmpty());
}

TEST_F(ConfigurationDialogsTest, OpenListsOnlyFoldersAndPreselectsTheCurrentOne) {
    for (const char* folder : {"a", "B", "c", ".hidden"}) ForceDirectories(PathIn(QStringLiteral("PROJECTS/") + folder));
    WriteFile(QStringLiteral("PROJECTS/file.xml"), "x");
    Project_Name = QStringLiteral("B");
    Project_Folder = PathIn(QStringLiteral("PROJECTS/B"));

    QStringList listed;
    QString selected;
    OpenWith([&] {
        for (int i = 0; i < List()->count(); ++i) listed << List()->item(i)->text();
        selected = List()->currentItem() ? List()->currentItem()->text() : QString();
        ClickOn(FOpenConf, "Btn_Cancel");
    });
    listed.sort();
    EXPECT_EQ(listed, QStringList({"B", "a", "c"}));
    EXPECT_EQ(selected, QStringLiteral("B"));
    EXPECT_EQ(FOpenConf->Name_Conf, QStringLiteral("B"));

    // Names differ only in case: the current one, exactly, is preselected; a current name
    // in other capitals finds its folder too.
    ForceDirectories(PathIn(QStringLiteral("PROJECTS/b")));
    for (const char* current : {"B", "b"}) {
        Project_Folder = PathIn(QStringLiteral("PROJECTS/") + current);
        OpenWith([&] { ClickOn(FOpenConf, "Btn_Cancel"); });
        EXPECT_EQ(FOpenConf->Name_Conf, QString::fromLatin1(current));
    }
    QDir(PathIn(QStringLiteral("PROJECTS/b"))).removeRecursively();
    Project_Folder = PathIn(QStringLiteral("PROJECTS/C"));
    OpenWith([&] { ClickOn(FOpenConf, "Btn_Cancel"); });
    EXPECT_EQ(FOpenConf->Name_Conf, QStringLiteral("c"));

    // With none open the first listed folder is chosen, and OK opens it.
    Project_Folder.clear();
    QString first;
    OpenWith([&] {
        first = List()->item(0)->text();
        ClickOn(FOpenConf, "Btn_OK");
    });
    EXPECT_EQ(Project_Name, first);
    EXPECT_EQ(Project_Folder, PathIn(QStringLiteral("PROJECTS/") + first));
    EXPECT_EQ(ConfLabel(), LangText(11) + QLatin1Char('|') + first);
}

TEST_F(ConfigurationDialogsTest, ClickOrKeyboardChoosesTheConfigurationToOpen) {
    for (const char* folder : {"a", "b", "c"}) ForceDirectories(PathIn(QStringLiteral("PROJECTS/") + folder));
    QString clicked;
    OpenWith([&] {
        QListWidgetItem* last = List()->item(2);
        clicked = last->text();
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, List()->visualItemRect(last).center());
        ClickOn(FOpenConf, "Btn_OK");
    });
    EXPECT_EQ(Project_Name, clicked);

    QString below;
    OpenWith([&] {
        // The open configuration is preselected; the arrow key moves the choice.
        const int row = List()->currentRow();
        below = List()->item(row == 0 ? 1 : row - 1)->text();
        QTest::keyClick(List(), row == 0 ? Qt::Key_Down : Qt::Key_Up);
        ClickOn(FOpenConf, "Btn_OK");
    });
    EXPECT_EQ(Project_Name, below);
}

// A double click or Enter on a listed name opens it as choosing it and OK do; the list
// has the focus, so its current name shows as chosen.
TEST_F(ConfigurationDialogsTest, DoubleClickOrEnterOnANameOpensIt) {
    for (const char* folder : {"a", "b", "c"}) ForceDirectories(PathIn(QStringLiteral("PROJECTS/") + folder));
    QString doubleClicked;
    OpenWith([&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(FOpenConf));
        EXPECT_TRUE(List()->hasFocus());
        ASSERT_NE(List()->currentItem(), nullptr);
        EXPECT_TRUE(List()->currentItem()->isSelected());
        QListWidgetItem* item = List()->item(1);
        doubleClicked = item->text();
        const QPoint at = List()->visualItemRect(item).center();
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, at);
    });
    EXPECT_EQ(FOpenConf->ModalResult(), mrOk);
    EXPECT_EQ(Project_Name, doubleClicked);
    EXPECT_EQ(ConfLabel(), LangText(11) + QLatin1Char('|') + doubleClicked);

    QString entered;
    OpenWith([&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(FOpenConf));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        entered = List()->currentItem()->text();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(FOpenConf->ModalResult(), mrOk);
    EXPECT_EQ(Project_Name, entered);
    EXPECT_NE(entered, doubleClicked);

    // A double click beside the names opens nothing.
    OpenWith([&] {
        QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, QPoint(5, List()->viewport()->height() - 5));
        EXPECT_TRUE(FOpenConf->Modal());
        ClickOn(FOpenConf, "Btn_Cancel");
    });
    EXPECT_EQ(FOpenConf->ModalResult(), mrCancel);
}

TEST_F(ConfigurationDialogsTest, NothingIsOpenedFromAnEmptyListOrAVanishedFolder) {
    // A name chosen earlier whose folder was deleted since.
    ForceDirectories(PathIn(QStringLiteral("PROJECTS/Old")));
    OpenWith([&] { ClickOn(FOpenConf, "Btn_OK"); });
    ASSERT_EQ(Project_Name, QStringLiteral("Old"));
    QDir(PathIn(QStringLiteral("PROJECTS/Old"))).removeRecursively();

    OpenWith([&] {
        EXPECT_EQ(List()->count(), 0);
        ClickOn(FOpenConf, "Btn_OK");
    });
    EXPECT_TRUE(Project_Folder.isEmpty());
    EXPECT_TRUE(File_ParGen.isEmpty());
    EXPECT_EQ(ConfLabel(), LangText(9) + QLatin1Char('|') + LangText(10));

    // A folder deleted while the dialog is open.
    ForceDirectories(PathIn(QStringLiteral("PROJECTS/Brief")));
    OpenWith([&] {
        QDir(PathIn(QStringLiteral("PROJECTS/Brief"))).removeRecursively();
        ClickOn(FOpenConf, "Btn_OK");
    });
    EXPECT_TRUE(Project_Folder.isEmpty());
    EXPECT_EQ(ConfLabel(), LangText(9) + QLatin1Char('|') + LangText(10));
}

TEST_F(ConfigurationDialogsTest, CancelChangesNothing) {
    ForceDirectories(PathIn(QStringLiteral("PROJECTS/a")));
    OpenWith([&] { ClickOn(FOpenConf, "Btn_Cancel"); });
    EXPECT_TRUE(Project_Name.isEmpty());
    EXPECT_TRUE(Project_Folder.isEmpty());
}

}  // namespace
