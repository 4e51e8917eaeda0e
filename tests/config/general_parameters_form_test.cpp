#include "config/general_parameters_form.h"

#include "core/program_state.h"
#include "core/text_table.h"
#include "platform/file_system.h"
#include "test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <memory>

namespace {

QByteArray GoldenDefaults() {
    QFile file(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/golden/par_gen_defaults/ParGen.xml"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The window on an open configuration "Test" without a parameters file.
class GeneralParametersFormTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        Load_Default_Texts();
        SW_Code = SW_Code_Const;
        Set_Program_Folders(ProgramDir());
        Project_Name = QStringLiteral("Test");
        Project_Folder = PathJoin(Dir_Projects, Project_Name);
        ForceDirectories(PathJoin(Project_Folder, QStringLiteral("bin")));
        Build_Configuration_Paths();
        Form = std::make_unique<TFParGen>(nullptr);
    }
    void TearDown() override {
        Form.reset();
        ProgramFolderTest::TearDown();
    }

    // Shows the window modally, runs the action on it, and returns the modal result;
    // the window is cancelled without a question if the action left it open.
    TModalResult Run(std::function<void()> action) {
        WhenShownModally(Form.get(), [this, action] {
            action();
            if (Form->Modal() && Form->ModalResult() == mrNone) Form->SetModalResult(mrCancel);
        });
        return Form->ShowModal();
    }

    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
    QCheckBox* Check(const char* name) const { return Find<QCheckBox>(name); }
    template <class Widget>
    Widget* Find(const char* name) const {
        auto* widget = Form->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void Type(const char* name, const QString& text) const {
        QLineEdit* edit = Edit(name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void Toggle(const char* name) const { QTest::keyClick(Check(name), Qt::Key_Space); }
    void Click(const char* name) const { QTest::mouseClick(Find<QWidget>(name), Qt::LeftButton); }

    QStringList MessageTexts() const {
        QStringList texts;
        for (const MessageDialogRequest& m : Messages) texts << m.text;
        return texts;
    }
    QByteArray Written() const { return ReadFile(QStringLiteral("PROJECTS/Test/ParGen.xml")); }

    std::unique_ptr<TFParGen> Form;
};

TEST_F(GeneralParametersFormTest, WithoutAFileEveryDefaultIsShownAndOkWritesTheFile) {
    const std::pair<const char*, const char*> edits[] = {
        {"E_IP1", "192"},          {"E_IP2", "168"},           {"E_IP3", "0"},
        {"E_IP4", "10"},           {"E_SM1", "255"},           {"E_SM2", "255"},
        {"E_SM3", "255"},          {"E_SM4", "0"},             {"E_GAT1", "192"},
        {"E_GAT2", "168"},         {"E_GAT3", "0"},            {"E_GAT4", "1"},
        {"E_ID_DEV_KNX", "1.1.200"}, {"E_ID_Tun_KNX", "1.1.201"}, {"E_ID_Mana_KNX", "1.1.202"},
        {"E_CTRL_Port_KNX", "50000"}, {"E_TUN_Port_KNX", "50001"}, {"E_MANA_Port_KNX", "50002"},
        {"E_KNX_TimeOut_DALI", "6000"}, {"E_KNX_Delay_Packets", "100"}, {"E_DALI_Console_Port", "10001"},
        {"E_DALI_Data_Point_ADV", "3/3/0"}, {"E_DALI_Data_Point_SW", "3/3/1"}, {"E_DALI_Data_Point_DIM", "3/3/2"},
        {"E_DALI_Data_Point_ADV2", "3/3/3"}, {"E_DALI_Data_Point_SW2", "3/3/4"}, {"E_DALI_Data_Point_DIM2", "3/3/5"},
    };
    const TModalResult result = Run([&] {
        for (const auto& [name, value] : edits) EXPECT_EQ(Edit(name)->text(), QString::fromLatin1(value)) << name;
        EXPECT_FALSE(Check("CB_ModTCPs_EN_GAT")->isChecked());
        EXPECT_TRUE(Check("CB_KNX_Interface_Enable")->isChecked());
        EXPECT_FALSE(Check("CB_DALI_Disable_Scan")->isChecked());
        EXPECT_FALSE(Check("CB_DALI_En_DALI2")->isChecked());
        EXPECT_EQ(Find<QComboBox>("CB_KNX_Type")->currentText(), QStringLiteral("KNX TP"));
        EXPECT_FALSE(Find<QComboBox>("CB_KNX_Type")->isEnabled());
        EXPECT_TRUE(Edit("E_ID_Tun_KNX")->isEnabled());
        EXPECT_FALSE(Form->Is_Change);
        Click("Btn_OK");
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Written(), GoldenDefaults());
}

TEST_F(GeneralParametersFormTest, AFileThatIsNotXmlIsReadAsMissingAndOkRepairsIt) {
    WriteFile(QStringLiteral("PROJECTS/Test/ParGen.xml"), "<Par_Gen><MTCPs_IP1>1</MTCP");
    const TModalResult result = Run([&] {
        EXPECT_EQ(Edit("E_IP1")->text(), QStringLiteral("192"));
        Click("Btn_OK");
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Written(), GoldenDefaults());
}

TEST_F(GeneralParametersFormTest, ValuesLoadAsWrittenAndReloadUnchanged) {
    WriteFile(QStringLiteral("PROJECTS/Test/ParGen.xml"),
              "<Par_Gen><MTCPs_EN_GAT>1</MTCPs_EN_GAT><MTCPs_GAT4>254</MTCPs_GAT4><KNX_ID_DEV>2.3.4</KNX_ID_DEV>"
              "<KNX_ETHERNET_INTERFACE_ENABLE>true</KNX_ETHERNET_INTERFACE_ENABLE><KNX_ID_TUNNEL/>"
              "<DALI_DISABLE_SCAN>1</DALI_DISABLE_SCAN><DALI_DATA_POINT_SW>7/7/7</DALI_DATA_POINT_SW></Par_Gen>");
    Run([&] {
        EXPECT_TRUE(Check("CB_ModTCPs_EN_GAT")->isChecked());
        EXPECT_EQ(Edit("E_GAT4")->text(), QStringLiteral("254"));
        EXPECT_EQ(Edit("E_ID_DEV_KNX")->text(), QStringLiteral("2.3.4"));
        // "true" is not "1": the KNX/IP function is off, and its fields with it.
        EXPECT_FALSE(Check("CB_KNX_Interface_Enable")->isChecked());
        EXPECT_FALSE(Edit("E_ID_Tun_KNX")->isEnabled());
        EXPECT_EQ(Edit("E_ID_Tun_KNX")->text(), QString());
        EXPECT_TRUE(Check("CB_DALI_Disable_Scan")->isChecked());
        EXPECT_FALSE(Check("CB_DALI_En_DALI2")->isChecked());
        EXPECT_EQ(Find<QComboBox>("CB_KNX_Type")->currentIndex(), 0);
        Click("Btn_OK");
    });
    const QByteArray first = Written();
    EXPECT_TRUE(first.contains("<KNX_ETHERNET_INTERFACE_ENABLE>0</KNX_ETHERNET_INTERFACE_ENABLE>"));
    EXPECT_TRUE(first.contains("<KNX_ID_TUNNEL />"));
    Run([&] { Click("Btn_OK"); });
    EXPECT_EQ(Written(), first);
}

struct CheckCase {
    const char* field;
    const char* text;
    int message;  // 0: the check passes and OK writes the file
    const char* toggle = nullptr;  // a check box switched after typing
};

TEST_F(GeneralParametersFormTest, EachCheckStopsWithItsTextInOrder) {
    const CheckCase cases[] = {
        {"E_IP1", "256", 469},   {"E_IP2", "", 470},      {"E_IP3", "x", 471},     {"E_IP4", "-1", 472},
        {"E_IP1", "0", 0},       {"E_IP4", "255", 0},
        {"E_SM1", "300", 473},   {"E_SM2", "", 474},      {"E_SM3", "256", 475},   {"E_SM4", "999", 476},
        {"E_GAT1", "300", 0},    {"E_GAT4", "", 0},
        {"E_GAT1", "300", 477, "CB_ModTCPs_EN_GAT"},      {"E_GAT2", "", 478, "CB_ModTCPs_EN_GAT"},
        {"E_GAT3", "256", 479, "CB_ModTCPs_EN_GAT"},      {"E_GAT4", "-5", 480, "CB_ModTCPs_EN_GAT"},
        {"E_GAT4", "255", 0, "CB_ModTCPs_EN_GAT"},
        {"E_ID_DEV_KNX", "1/1/1", 521}, {"E_ID_DEV_KNX", "0.0.0", 521}, {"E_ID_DEV_KNX", " 1.1.9 ", 0},
        {"E_ID_Tun_KNX", "16.1.1", 522},  {"E_ID_Mana_KNX", "1.1", 523},
        {"E_CTRL_Port_KNX", "65536", 524}, {"E_TUN_Port_KNX", "", 525}, {"E_MANA_Port_KNX", "-1", 526},
        {"E_CTRL_Port_KNX", "0", 0},      {"E_MANA_Port_KNX", "50000", 527}, {"E_TUN_Port_KNX", "50002", 527},
        {"E_ID_Tun_KNX", "bad", 0, "CB_KNX_Interface_Enable"},
        {"E_MANA_Port_KNX", "50000", 0, "CB_KNX_Interface_Enable"},
        {"E_KNX_TimeOut_DALI", "100001", 1245}, {"E_KNX_TimeOut_DALI", "100000", 0}, {"E_KNX_TimeOut_DALI", "0", 0},
        {"E_KNX_Delay_Packets", "19", 1251}, {"E_KNX_Delay_Packets", "1001", 1251},
        {"E_KNX_Delay_Packets", "20", 0},   {"E_KNX_Delay_Packets", "1000", 0},
        {"E_DALI_Console_Port", "10000", 466}, {"E_DALI_Console_Port", "65536", 466},
        {"E_DALI_Console_Port", "0", 0},  {"E_DALI_Console_Port", "9999", 0}, {"E_DALI_Console_Port", "65535", 0},
        {"E_DALI_Data_Point_ADV", "0/0/0", 528},   {"E_DALI_Data_Point_SW", "1.1.1", 1223},
        {"E_DALI_Data_Point_DIM", "32/0", 1224},   {"E_DALI_Data_Point_ADV2", "", 1266},
        {"E_DALI_Data_Point_SW2", "1/8/0", 1267},  {"E_DALI_Data_Point_DIM2", "x", 1268},
        {"E_DALI_Data_Point_DIM2", "31/2047", 0},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " = \"" + c.text + "\"");
        DeleteFile(File_ParGen);
        Messages.clear();
        const TModalResult result = Run([&] {
            Type(c.field, QString::fromLatin1(c.text));
            if (c.toggle) Toggle(c.toggle);
            Click("Btn_OK");
            if (c.message) EXPECT_EQ(Form->ModalResult(), mrNone) << "the window stays open";
        });
        if (c.message) {
            EXPECT_EQ(MessageTexts(), QStringList{LangText(c.message)});
            EXPECT_EQ(Messages.front().type, mtError);
            EXPECT_FALSE(FileExists(File_ParGen));
        } else {
            EXPECT_EQ(result, mrOk);
            EXPECT_TRUE(Messages.empty());
            // Written exactly as typed, unchecked fields included.
            EXPECT_TRUE(Written().contains(QByteArray(">") + c.text + "<") || QByteArray(c.text).isEmpty());
        }
    }
}

TEST_F(GeneralParametersFormTest, FirstFailingCheckWins) {
    Run([&] {
        Type("E_DALI_Data_Point_DIM2", QStringLiteral("bad"));
        Type("E_KNX_Delay_Packets", QStringLiteral("1"));
        Type("E_SM2", QStringLiteral("999"));
        Click("Btn_OK");
    });
    EXPECT_EQ(MessageTexts(), QStringList{LangText(474)});
}

TEST_F(GeneralParametersFormTest, KnxIpSwitchEnablesItsFields) {
    Run([&] {
        const char* fields[] = {"E_ID_Tun_KNX", "E_ID_Mana_KNX", "E_CTRL_Port_KNX", "E_TUN_Port_KNX", "E_MANA_Port_KNX"};
        Toggle("CB_KNX_Interface_Enable");
        for (const char* f : fields) EXPECT_FALSE(Edit(f)->isEnabled()) << f;
        EXPECT_TRUE(Edit("E_ID_DEV_KNX")->isEnabled());
        Toggle("CB_KNX_Interface_Enable");
        for (const char* f : fields) EXPECT_TRUE(Edit(f)->isEnabled()) << f;
    });
}

TEST_F(GeneralParametersFormTest, DotKeyMovesAlongTheAddressEdits) {
    Run([&] {
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        const std::pair<const char*, const char*> moves[] = {
            {"E_IP1", "E_IP2"}, {"E_IP4", "E_SM1"}, {"E_SM4", "E_GAT1"}, {"E_GAT3", "E_GAT4"}, {"E_GAT4", "E_GAT4"}};
        for (const auto& [from, to] : moves) {
            QLineEdit* edit = Edit(from);
            edit->setFocus();
            const QString before = edit->text();
            QTest::keyClick(edit, Qt::Key_Period, Qt::NoModifier);
            EXPECT_EQ(edit->text(), before) << from;
            EXPECT_TRUE(Edit(to)->hasFocus()) << from << " -> " << to;
        }
        // Other keys pass, and a dot in another edit is typed as usual.
        Type("E_IP1", QStringLiteral("12"));
        EXPECT_EQ(Edit("E_IP1")->text(), QStringLiteral("12"));
        Type("E_ID_DEV_KNX", QStringLiteral("1.2.3"));
        EXPECT_EQ(Edit("E_ID_DEV_KNX")->text(), QStringLiteral("1.2.3"));
    });
}

TEST_F(GeneralParametersFormTest, CollapseAndExpandGiveTheLayout) {
    // OK and Cancel stand on the strip below the content; their layout top counts from the content's top.
    const auto layout = [this] {
        const int content = Form->P_Content->Height();
        return std::vector<int>{Form->GB_KNX->Top(),      Form->GB_DALI->Top(),
                                Form->GB_Modbus_TCP_Slave->Top(), content + Form->Btn_OK->Top(),
                                content + Form->Btn_Cancel->Top(), Form->Layout_Client_Height(),
                                Form->P_Content->Width()};
    };
    EXPECT_EQ(layout(), (std::vector<int>{70, 439, 671, 874, 874, 915, 312}));
    EXPECT_EQ(Form->GB_KNX->Height(), 363);
    EXPECT_EQ(Form->GB_DALI->Height(), 226);
    EXPECT_EQ(Form->GB_Modbus_TCP_Slave->Height(), 190);

    Run([&] {
        Click("Btn_KNX_Collapse");
        EXPECT_EQ(Form->GB_DALI->Top(), 102);
        EXPECT_FALSE(Form->L_KNX_Type->Visible());
        EXPECT_FALSE(Form->Btn_KNX_Collapse->Visible());
        EXPECT_TRUE(Form->Btn_KNX_Expande->Visible());
        Click("Btn_DALI_Collapse");
        Click("Btn_Modbus_TCP_Slave_Collapse");
    });
    EXPECT_EQ(layout(), (std::vector<int>{70, 102, 134, 173, 173, 214, 312}));

    // Showing the window again keeps the boxes collapsed.
    Run([&] {
        EXPECT_EQ(Form->ClientHeight(), 214);
        EXPECT_FALSE(Form->SB_Content->verticalScrollBar()->isVisible()) << "the collapsed form fits";
        Click("Btn_DALI_Expande");
        EXPECT_TRUE(Form->L_DALI_Console_Port->Visible());
        EXPECT_EQ(Form->GB_DALI->Height(), 226);
        Click("Btn_KNX_Expande");
        Click("Btn_Modbus_TCP_Slave_Expande");
    });
    EXPECT_EQ(layout(), (std::vector<int>{70, 439, 671, 874, 874, 915, 312}));
    EXPECT_TRUE(Form->GB_KNX_Visible && Form->GB_DALI_Visible && Form->GB_Modbus_TCP_Slave_Visible);
}

TEST_F(GeneralParametersFormTest, CancelAsksOnlyAfterAChange) {
    EXPECT_EQ(Run([&] { Click("Btn_Cancel"); }), mrCancel);
    EXPECT_TRUE(Messages.empty());

    Answers = {mrNo, mrYes};
    const TModalResult result = Run([&] {
        Type("E_IP1", QStringLiteral("10"));
        Click("Btn_Cancel");
        EXPECT_EQ(Form->ModalResult(), mrNone) << "No keeps the window open";
        Click("Btn_Cancel");
    });
    EXPECT_EQ(result, mrCancel);
    ASSERT_EQ(Messages.size(), 2u);
    EXPECT_EQ(Messages[0].text, LangText(424));
    EXPECT_EQ(Messages[0].type, mtConfirmation);
    EXPECT_FALSE(FileExists(File_ParGen));

    // A check box click counts as a change too; the next showing starts unchanged.
    Messages.clear();
    Answers = {mrYes};
    Run([&] {
        EXPECT_FALSE(Form->Is_Change);
        Toggle("CB_DALI_En_DALI2");
        Click("Btn_Cancel");
    });
    EXPECT_EQ(Messages.size(), 1u);
}

TEST_F(GeneralParametersFormTest, AFileThatCannotBeWrittenKeepsTheWindowOpen) {
    const TModalResult result = Run([&] {
        QDir(Project_Folder).removeRecursively();
        Click("Btn_OK");
        EXPECT_EQ(Form->ModalResult(), mrNone);
        EXPECT_EQ(Messages.size(), 1u);
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(Messages.front().type, mtError);
}

TEST_F(GeneralParametersFormTest, ClosingThroughTheWindowManagerAsksAsCancelDoes) {
    // Without a change the window closes at once.
    EXPECT_EQ(Run([&] { EXPECT_TRUE(Form->close()); }), mrCancel);
    EXPECT_TRUE(Messages.empty());

    Answers = {mrNo, mrYes};
    const TModalResult result = Run([&] {
        Type("E_KNX_Delay_Packets", QStringLiteral("50"));
        // QWidget::close sends the close event the window manager's close box and Alt+F4 send.
        EXPECT_FALSE(Form->close()) << "No keeps the window";
        EXPECT_TRUE(Form->isVisible());
        EXPECT_EQ(Form->ModalResult(), mrNone);
        EXPECT_TRUE(Form->close());
    });
    EXPECT_EQ(result, mrCancel);
    ASSERT_EQ(MessageTexts(), (QStringList{LangText(424), LangText(424)}));
    EXPECT_EQ(Messages[0].type, mtConfirmation);
    EXPECT_FALSE(FileExists(File_ParGen));
}

// The dot key moves along the address parts and the field it reaches has its text
// selected, so typing replaces it; Tab into a field selects it as well.
TEST_F(GeneralParametersFormTest, AddressesTypedOverOldOnesAreSavedAsTyped) {
    WriteFile(QStringLiteral("PROJECTS/Test/ParGen.xml"),
              "<Par_Gen><MTCPs_IP1>192</MTCPs_IP1><MTCPs_IP2>168</MTCPs_IP2><MTCPs_IP3>0</MTCPs_IP3>"
              "<MTCPs_IP4>1</MTCPs_IP4><MTCPs_EN_GAT>1</MTCPs_EN_GAT></Par_Gen>");
    const TModalResult result = Run([&] {
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        // Tab from the box above enters the first address part.
        Check("CB_DALI_En_DALI2")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Edit("E_IP1"));
        EXPECT_EQ(Edit("E_IP1")->selectedText(), QStringLiteral("192"));
        // Address, mask and gateway in one go, the dot key moving from part to part.
        for (QChar key : QStringLiteral("192.168.0.2.255.255.0.0.10.1.2.3"))
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
        EXPECT_EQ(QApplication::focusWidget(), Edit("E_GAT4"));
        Click("Btn_OK");
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(Messages.empty()) << MessageTexts().join(u'|').toStdString();
    const QByteArray written = Written();
    for (const char* element : {"<MTCPs_IP1>192<", "<MTCPs_IP2>168<", "<MTCPs_IP3>0<", "<MTCPs_IP4>2<",
                                "<MTCPs_SUB1>255<", "<MTCPs_SUB2>255<", "<MTCPs_SUB3>0<", "<MTCPs_SUB4>0<",
                                "<MTCPs_GAT1>10<", "<MTCPs_GAT2>1<", "<MTCPs_GAT3>2<", "<MTCPs_GAT4>3<"})
        EXPECT_TRUE(written.contains(element)) << element;
}

TEST_F(GeneralParametersFormTest, AnAddressPartTakesThreeCharactersButKeepsALongerValueRead) {
    // Read from the file, a longer value stays whole (the checks judge it); typing is held to three.
    WriteFile(QStringLiteral("PROJECTS/Test/ParGen.xml"), "<Par_Gen><MTCPs_GAT1>1000</MTCPs_GAT1></Par_Gen>");
    Run([&] {
        EXPECT_EQ(Edit("E_GAT1")->text(), QStringLiteral("1000"));
        for (const char* name : {"E_IP1", "E_SM3", "E_GAT4"}) {
            Type(name, QStringLiteral("1234"));
            EXPECT_EQ(Edit(name)->text(), QStringLiteral("123")) << name;
        }
        // Other fields are not limited.
        Type("E_KNX_TimeOut_DALI", QStringLiteral("100000"));
        EXPECT_EQ(Edit("E_KNX_TimeOut_DALI")->text(), QStringLiteral("100000"));
    });
}

// The whole form is 915 high; on a lower screen the window takes the screen's height,
// the boxes scroll, and OK and Cancel stay in view and work.
TEST_F(GeneralParametersFormTest, OnALowScreenTheContentScrollsAndOkStaysInView) {
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect available = screen->availableGeometry();
    if (available.height() >= Form->Layout_Client_Height()) GTEST_SKIP() << "the screen is tall enough for the whole form";
    const TModalResult result = Run([&] {
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        EXPECT_TRUE(available.contains(Form->frameGeometry()))
            << "the window lies on the screen: " << Form->frameGeometry().y() << "+" << Form->frameGeometry().height()
            << " in " << available.y() << "+" << available.height();
        EXPECT_EQ(Form->Layout_Client_Height(), 915);
        EXPECT_TRUE(Form->SB_Content->verticalScrollBar()->isVisible());
        for (QWidget* button : {static_cast<QWidget*>(Form->Btn_OK), static_cast<QWidget*>(Form->Btn_Cancel)}) {
            const QRect inWindow(button->mapTo(Form.get(), QPoint()), button->size());
            EXPECT_TRUE(Form->rect().contains(inWindow)) << button->objectName().toStdString();
        }
        // The last address part lies below the view; the dot key chain brings it into view.
        QLineEdit* last = Edit("E_GAT4");
        Edit("E_IP4")->setFocus();
        EXPECT_TRUE(last->visibleRegion().isEmpty());
        for (int dot = 0; dot < 8; ++dot) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Period);
        EXPECT_TRUE(last->hasFocus());
        EXPECT_EQ(last->visibleRegion().boundingRect(), last->rect());
        Click("Btn_OK");
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Written(), GoldenDefaults());
}

}  // namespace
