// The hidden export buttons reach their exports through the main window's dispatch (a
// hidden button takes no real click, so the dispatch is called with the button as sender).

#include "app/create_windows.h"
#include "app/main_window.h"
#include "core/program_state.h"
#include "editors/fieldbus/profinet_file_name_dialog.h"
#include "platform/application.h"
#include "test_support.h"

#include <QTest>

namespace {

class MainWindowExportsTest : public ProgramFolderTest {
protected:
    void TearDown() override {
        SetFileDialogResponder({});
        Application()->DestroyComponents();
        ProgramFolderTest::TearDown();
    }

    TFVastreloneFirmWare* Start(bool withConfiguration) {
        if (withConfiguration) {
            WriteFile("PROJECTS/Plant/keep", "");
            WriteFile("Vastrelon.xml",
                      "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj></Conf_Settings>");
        }
        Create_All_Windows(*Application());
        FVastreloneFirmWare->show();
        SetFileDialogResponder([this](const FileDialogRequest& request) -> std::optional<QString> {
            Requests.push_back(request);
            return PathIn("PROJECTS/Plant/") + request.fileName;
        });
        return FVastreloneFirmWare;
    }

    std::vector<FileDialogRequest> Requests;
};

TEST_F(MainWindowExportsTest, WithoutAConfigurationTheExportsAreRefused) {
    TFVastreloneFirmWare* window = Start(false);
    for (TLbButton* button : {window->Btn_SNMP_MIB, window->Btn_CANopen_EDS, window->Btn_PROFINET_XML}) {
        Messages.clear();
        window->Btn_Click(button);
        ASSERT_EQ(Messages.size(), 1u);
        EXPECT_EQ(Messages[0].text, "Error! Project not Valid");
        EXPECT_FALSE(button->isVisible());
    }
    EXPECT_TRUE(Requests.empty());
}

TEST_F(MainWindowExportsTest, EachExportWritesItsFile) {
    TFVastreloneFirmWare* window = Start(true);
    window->SaveMIB->FileName = "GATEWAY";
    window->Btn_Click(window->Btn_SNMP_MIB);
    EXPECT_TRUE(ReadFile("PROJECTS/Plant/GATEWAY.mib").startsWith("GATEWAY DEFINITIONS ::= BEGIN\r\n"));

    window->SaveEDS->FileName = "device";
    window->Btn_Click(window->Btn_CANopen_EDS);
    EXPECT_TRUE(ReadFile("PROJECTS/Plant/device.eds").startsWith("[FileInfo]\r\n"));

    // The name dialog first, then the save dialog proposing its name.
    WhenShownModally(FProfinetFileName, [] {
        QTest::keyClicks(FProfinetFileName->E_XML_User, "hall");
        QTest::mouseClick(FProfinetFileName->Btn_OK, Qt::LeftButton);
    });
    window->Btn_Click(window->Btn_PROFINET_XML);
    ASSERT_EQ(Requests.size(), 3u);
    EXPECT_TRUE(Requests[2].fileName.startsWith("GSDML-V2.31-Korvel-RT30591_hall-"));
    EXPECT_TRUE(ReadFile("PROJECTS/Plant/" + Requests[2].fileName).startsWith("\xEF\xBB\xBF<?xml"));
    EXPECT_TRUE(Messages.empty());

    // A second MIB export over the first asks, and No keeps it.
    WriteFile("PROJECTS/Plant/GATEWAY.mib", "mine");
    Answers = {mrNo};
    window->SaveMIB->FileName = "GATEWAY";
    window->Btn_Click(window->Btn_SNMP_MIB);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].type, mtConfirmation);
    EXPECT_EQ(ReadFile("PROJECTS/Plant/GATEWAY.mib"), "mine");
    for (TLbButton* button : {window->Btn_SNMP_MIB, window->Btn_CANopen_EDS, window->Btn_PROFINET_XML})
        EXPECT_FALSE(button->isVisible());
}

}  // namespace
