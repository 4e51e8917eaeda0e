// The DMX default values editor as a user meets it: the channels the general parameters
// name, the values the file holds, the check on OK and the file it writes.

#include "editors/automation/dmx_default_values_editor.h"

#include "config/general_parameters_file.h"
#include "core/text_table.h"
#include "editors/configuration_fixture.h"
#include "editors/golden_files.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

namespace {

void Write_File(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray Rows_File(int rows) {
    QByteArray xml = "<DMX_Default_Values>";
    for (int r = 1; r <= rows; ++r) xml += "<Row Default_Value=\"" + QByteArray::number(r % 256) + "\" Mnemonic=\"Ch" + QByteArray::number(r) + "\"/>";
    return xml + "</DMX_Default_Values>";
}

class DMXDefaultValuesTest : public ConfigurationFixture {
protected:
    void SetUp() override {
        ConfigurationFixture::SetUp();
        Load_Default_Texts();
        SetMessageDialogResponder([this](const MessageDialogRequest& request) {
            Messages.push_back(request.text);
            return request.buttons.Contains(mbYes) ? mrYes : mrOk;
        });
        Editor = std::make_unique<TFDMXDefVal>(nullptr);
    }
    void TearDown() override {
        Editor.reset();
        SetMessageDialogResponder({});
        ConfigurationFixture::TearDown();
    }
    void Channels(const QByteArray& text) {
        Write_File(File_ParGen, "<Par_Gen><DMX_Num_Channels>" + text + "</DMX_Num_Channels></Par_Gen>");
    }
    void Show() {
        Editor->hide();
        Editor->show();
        QCoreApplication::processEvents();
    }
    TExColumnGrid& Grid() { return *Editor->ACG_DMX_Def_Val; }

    std::unique_ptr<TFDMXDefVal> Editor;
    std::vector<QString> Messages;
};

TEST_F(DMXDefaultValuesTest, WindowLayoutAndTexts) {
    Show();
    EXPECT_EQ(Editor->ClientWidth(), 475);
    EXPECT_EQ(Editor->ClientHeight(), 337);
    EXPECT_EQ(Editor->Caption(), "DMX Default Value");
    EXPECT_EQ(Grid().ColCount(), 3);
    EXPECT_EQ(Grid().Cells(0, 0), "Channel");
    EXPECT_EQ(Grid().Cells(1, 0), "Default Value");
    EXPECT_EQ(Grid().Cells(2, 0), "Mnemonic");
    EXPECT_EQ(Grid().ColWidths(2), 250);
    EXPECT_EQ(Editor->Btn_OK->Left(), 16);
    EXPECT_EQ(Editor->Btn_Cancel->Left(), 134);
    EXPECT_EQ(Editor->Btn_Cancel->Width(), 110);
    EXPECT_EQ(Editor->Btn_Cancel->Height(), 28);
    EXPECT_FALSE(Grid().Options().Contains(goEditing));
}

// The channel count comes anew from the general parameters on every show.
TEST_F(DMXDefaultValuesTest, ChannelsFollowTheGeneralParameters) {
    struct Case {
        const char* parGen;  // nullptr: no file
        int channels;
    };
    const Case cases[] = {
        {nullptr, 512},
        {"<Par_Gen><Other>1</Other></Par_Gen>", 512},  // what this product's form writes
        {"<Par_Gen><DMX_Num_Channels>16</DMX_Num_Channels></Par_Gen>", 16},
        {"<Par_Gen><DMX_Num_Channels>many</DMX_Num_Channels></Par_Gen>", 512},
        {"<Par_Gen><DMX_Num_Channels>1</DMX_Num_Channels></Par_Gen>", 1},
        {"<Par_Gen><DMX_Num_Channels>0</DMX_Num_Channels></Par_Gen>", 512},
        {"<Par_Gen><DMX_Num_Channels>-3</DMX_Num_Channels></Par_Gen>", 512},
        {"<Par_Gen><DMX_Num_Channels>513</DMX_Num_Channels></Par_Gen>", 512},
        {"<Par_Gen><DMX_Num_Channels>2000000000</DMX_Num_Channels></Par_Gen>", 512},
        {"not xml at all", 512},
    };
    for (const Case& test : cases) {
        QFile::remove(File_ParGen);
        if (test.parGen) Write_File(File_ParGen, test.parGen);
        Show();
        EXPECT_EQ(Grid().RowCount(), test.channels + 1) << (test.parGen ? test.parGen : "no file");
        EXPECT_EQ(Grid().Cells(0, test.channels), QString::number(test.channels));
        EXPECT_EQ(Grid().Cells(1, test.channels), "0");
    }
    EXPECT_TRUE(Messages.empty());
}

// 16 channels and a file of 512 rows: 16 shown, 16 saved, missing attributes defaulted.
TEST_F(DMXDefaultValuesTest, FileRowsBeyondTheChannelsAreLeftOutAndNotSaved) {
    Channels("16");
    QByteArray file = Rows_File(512);
    file.replace("<Row Default_Value=\"2\" Mnemonic=\"Ch2\"/>", "<Row/>");
    Write_File(File_DMX_Default_Values, file);
    Show();
    ASSERT_EQ(Grid().RowCount(), 17);
    EXPECT_EQ(Grid().Cells(1, 1), "1");
    EXPECT_EQ(Grid().Cells(2, 1), "Ch1");
    EXPECT_EQ(Grid().Cells(1, 2), "0");
    EXPECT_EQ(Grid().Cells(2, 2), "");
    EXPECT_EQ(Grid().Cells(2, 16), "Ch16");
    EXPECT_TRUE(Messages.empty());

    Editor->Btn_OKClick(nullptr);
    EXPECT_EQ(Editor->ModalResult(), mrOk);
    const QByteArray saved = Read_Whole_File(File_DMX_Default_Values);
    EXPECT_EQ(saved.count("<Row "), 16);
    EXPECT_TRUE(saved.contains("<Row Default_Value=\"0\" Mnemonic=\"\" />"));
    EXPECT_FALSE(saved.contains("SW_VERSION"));

    // Fewer rows in the file than channels: the rest keep "0".
    Channels("20");
    Show();
    EXPECT_EQ(Grid().Cells(2, 16), "Ch16");
    EXPECT_EQ(Grid().Cells(1, 20), "0");
}

// Every channel's value must be an integer 0 to 255; the first failure names its row
// and nothing is written.
TEST_F(DMXDefaultValuesTest, CheckNamesTheFirstBadChannelAndSavesNothing) {
    struct Case {
        const char* value;
        bool passes;
    };
    const Case cases[] = {{"0", true},     {"255", true},   {"$FF", true},  {"  7", true}, {"", false},
                          {"256", false},  {"-1", false},   {"7 ", false},  {"1.5", false}, {"x", false}};
    Channels("4");
    for (const Case& test : cases) {
        Messages.clear();
        QFile::remove(File_DMX_Default_Values);
        Show();
        Editor->SetModalResult(mrNone);
        Grid().SetCells(1, 3, QString::fromUtf8(test.value));
        Grid().SetCells(1, 4, "300");  // a later failure is not the one reported
        if (test.passes) Grid().SetCells(1, 4, "4");
        Editor->Btn_OKClick(nullptr);
        if (test.passes) {
            EXPECT_TRUE(Messages.empty()) << test.value;
            EXPECT_EQ(Editor->ModalResult(), mrOk) << test.value;
            EXPECT_TRUE(QFile::exists(File_DMX_Default_Values));
        } else {
            ASSERT_EQ(Messages.size(), 1u) << test.value;
            EXPECT_EQ(Messages[0], "Error row 3!! Default Value must be between 0 and 255") << test.value;
            EXPECT_EQ(Editor->ModalResult(), mrNone) << test.value;
            EXPECT_FALSE(QFile::exists(File_DMX_Default_Values)) << test.value;
        }
    }
}

// Edits left by Cancel are gone at the next show; a saved table comes back as saved.
TEST_F(DMXDefaultValuesTest, ShowLoadsWhatOkSavedAndForgetsCancelledEdits) {
    Channels("3");
    Show();
    Grid().SetCells(1, 2, "128");
    Grid().SetCells(2, 2, "Dimmer <1> & \"A\"");
    Editor->Btn_OKClick(nullptr);
    ASSERT_EQ(Editor->ModalResult(), mrOk);
    Show();
    Grid().SetCells(1, 2, "9");
    Show();  // as after Cancel
    EXPECT_EQ(Grid().Cells(1, 2), "128");
    EXPECT_EQ(Grid().Cells(2, 2), "Dimmer <1> & \"A\"");
}

// A file that is not XML is named in one error box; the table shows the defaults and
// OK replaces the file the user was told about once the question is answered Yes.
TEST_F(DMXDefaultValuesTest, UnreadableFileIsReportedAndReplacedOnYes) {
    Channels("2");
    Write_File(File_DMX_Default_Values, "<DMX_Default_Values><Row Default_Value=\"5\"");
    Show();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].contains(File_DMX_Default_Values)) << Messages[0].toStdString();
    EXPECT_EQ(Grid().Cells(1, 1), "0");
    Editor->Btn_OKClick(nullptr);
    ASSERT_EQ(Messages.size(), 2u);
    EXPECT_TRUE(Messages[1].endsWith("Save anyway?")) << Messages[1].toStdString();
    EXPECT_EQ(Editor->ModalResult(), mrOk);
    EXPECT_EQ(Read_Whole_File(File_DMX_Default_Values).count("<Row "), 2);
}

}  // namespace
