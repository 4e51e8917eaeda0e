#include "core/text_table.h"
#include "editors/fieldbus/gsdml_file_name.h"
#include "editors/fieldbus/profinet_file_name_dialog.h"
#include "platform/wall_clock.h"
#include "test_support.h"

#include <QtTest/QTest>
#include <memory>

namespace {

class ProfinetFileNameDialogTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        Load_Default_Texts();
        SetWallClock([] { return QDateTime(QDate(2023, 5, 2), QTime(23, 59)); });
        Dialog = std::make_unique<TFProfinetFileName>(nullptr);
    }
    void TearDown() override {
        Dialog.reset();
        SetWallClock({});
        ProgramFolderTest::TearDown();
    }

    // Types the user part into the real edit and presses OK; the modal result tells
    // whether the dialog closed.
    TModalResult Confirm(const QString& userPart) {
        WhenShownModally(Dialog.get(), [this, userPart] {
            Dialog->E_XML_User->clear();
            QTest::keyClicks(Dialog->E_XML_User, userPart);
            QTest::mouseClick(Dialog->Btn_OK, Qt::LeftButton);
            if (Dialog->ModalResult() == mrNone) Dialog->Btn_Cancel->Click();
        });
        return Dialog->ShowModal();
    }

    std::unique_ptr<TFProfinetFileName> Dialog;
};

TEST_F(ProfinetFileNameDialogTest, TheNameJoinsTheFixedPartsAndTheUserPart) {
    EXPECT_EQ(Dialog->L_XML_Fix1->Caption(), "GSDML-V2.31-Korvel-RT30591");
    EXPECT_EQ(Dialog->L_XML_Fix2->Caption(), "-20230502.xml");
    EXPECT_EQ(Dialog->Caption(), "PROFINET XML File Name");
    EXPECT_EQ(Dialog->Label4->Caption(), "User Part");
    EXPECT_EQ(Dialog->ClientWidth(), 540);
    EXPECT_EQ(Dialog->ClientHeight(), 205);
    struct Case {
        QString user;
        QString name;
    };
    const Case cases[] = {
        {"abc", "GSDML-V2.31-Korvel-RT30591_abc-20230502.xml"},
        {"_abc", "GSDML-V2.31-Korvel-RT30591_abc-20230502.xml"},
        {"_", "GSDML-V2.31-Korvel-RT30591_-20230502.xml"},
        {"", "GSDML-V2.31-Korvel-RT30591-20230502.xml"},
        {"   ", "GSDML-V2.31-Korvel-RT30591-20230502.xml"},
        {" hall 2 ", "GSDML-V2.31-Korvel-RT30591_ hall 2 -20230502.xml"},
        {"Stra\u00dfe", "GSDML-V2.31-Korvel-RT30591_Stra\u00dfe-20230502.xml"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Confirm(c.user), mrOk) << c.user.toStdString();
        EXPECT_EQ(Dialog->Name_File_XML, c.name);
    }
    // The user part is kept for the next showing.
    EXPECT_EQ(Dialog->E_XML_User->Text(), QStringLiteral("Stra\u00dfe"));
}

TEST_F(ProfinetFileNameDialogTest, PartsThatLeaveTheFolderAreRefusedAndTheDialogStaysOpen) {
    ASSERT_EQ(Confirm("ok"), mrOk);
    for (const QString& user : {QString("a/b"), QString("..\\up"), QString("tab\there")}) {
        SCOPED_TRACE(user.toStdString());
        Messages.clear();
        bool stayedOpen = false;
        WhenShownModally(Dialog.get(), [&] {
            Dialog->E_XML_User->SetText(user);
            QTest::mouseClick(Dialog->Btn_OK, Qt::LeftButton);
            stayedOpen = Dialog->ModalResult() == mrNone;
            Dialog->Btn_Cancel->Click();
        });
        EXPECT_EQ(Dialog->ShowModal(), mrCancel);
        EXPECT_TRUE(stayedOpen);
        ASSERT_EQ(Messages.size(), 1u);
        EXPECT_EQ(Messages[0].type, mtError);
        EXPECT_EQ(Dialog->Name_File_XML, "GSDML-V2.31-Korvel-RT30591_ok-20230502.xml");
    }
    EXPECT_TRUE(Is_GSDML_User_Part_Allowed(" blanks stay "));
}

}  // namespace
