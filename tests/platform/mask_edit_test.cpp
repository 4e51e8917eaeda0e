#include "platform/form.h"
#include "platform/mask_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <vector>

namespace {

// An edit that records the phases a key runs through and can drop keys in each.
class RecordingEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;

    std::vector<QString> Log;
    WORD DropKeyDown = 0;
    QChar DropChar;
    bool WantAll = false;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override {
        Log.push_back(QStringLiteral("down %1").arg(Key));
        if (Key == DropKeyDown) Key = 0;
        TCustomMaskEdit::KeyDown(Key, Shift);
    }
    void KeyPress(QChar& Key) override {
        Log.push_back(QStringLiteral("char %1").arg(Key.unicode()));
        if (Key == DropChar) Key = QChar();
        TCustomMaskEdit::KeyPress(Key);
    }
    void KeyUp(WORD& Key, TShiftState Shift) override {
        Log.push_back(QStringLiteral("up %1").arg(Key));
        TCustomMaskEdit::KeyUp(Key, Shift);
    }
    void CMWantSpecialKey(TMessage& Message) override {
        Log.push_back(QStringLiteral("want %1").arg(Message.WParam));
        Message.Result = WantAll ? 1 : 0;
    }
    void WMCut(TMessage& Message) override {
        Log.push_back(QStringLiteral("cut"));
        TCustomMaskEdit::WMCut(Message);
    }
    void WMCopy(TMessage& Message) override {
        Log.push_back(QStringLiteral("copy"));
        TCustomMaskEdit::WMCopy(Message);
    }
    void WMPaste(TMessage& Message) override {
        Log.push_back(QStringLiteral("paste"));
        TCustomMaskEdit::WMPaste(Message);
    }
};

// A control of the window that takes Enter as a dialog key (a default button).
class DefaultButton : public QWidget, public IMessageHandler {
public:
    using QWidget::QWidget;
    int DialogKeys = 0;
    void WndProc(TMessage& Message) override {
        if (Message.Msg == CM_DIALOGKEY && Message.WParam == VK_RETURN) {
            ++DialogKeys;
            Message.Result = 1;
        }
    }
};

class MaskEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Edit = new RecordingEdit(Form.get(), Form.get());
        Form->resize(300, 100);
        Form->show();
        Form->activateWindow();
        Edit->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    }
    std::unique_ptr<TForm> Form;
    RecordingEdit* Edit = nullptr;
};

TEST_F(MaskEditTest, AKeyRunsKeyDownCharacterAndKeyUp) {
    QTest::keyClick(Edit, Qt::Key_A);
    EXPECT_EQ(Edit->Log, (std::vector<QString>{"down 65", "char 97", "up 65"}));
    EXPECT_EQ(Edit->Text(), "a");
}

TEST_F(MaskEditTest, TheCharacterRunsEvenWhenTheKeyDownWasDropped) {
    Edit->DropKeyDown = 'B';
    QTest::keyClick(Edit, Qt::Key_B);
    EXPECT_EQ(Edit->Log, (std::vector<QString>{"down 66", "char 98", "up 66"}));
    EXPECT_EQ(Edit->Text(), "b");
}

TEST_F(MaskEditTest, ADroppedCharacterIsNotTyped) {
    Edit->DropChar = QLatin1Char('x');
    QTest::keyClicks(Edit, "xyx");
    EXPECT_EQ(Edit->Text(), "y");
}

TEST_F(MaskEditTest, ADroppedDeleteKeyDeletesNothing) {
    Edit->SetText("abc");
    Edit->SetSelStart(0);
    Edit->DropKeyDown = VK_DELETE;
    QTest::keyClick(Edit, Qt::Key_Delete);
    EXPECT_EQ(Edit->Text(), "abc");
    Edit->DropKeyDown = 0;
    QTest::keyClick(Edit, Qt::Key_Delete);
    EXPECT_EQ(Edit->Text(), "bc");
}

TEST_F(MaskEditTest, ControlKeysTypeTheirControlCharacters) {
    QTest::keyClick(Edit, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(Edit, Qt::Key_Escape);
    QTest::keyClick(Edit, Qt::Key_Backspace);
    const std::vector<QString> chars = [this] {
        std::vector<QString> result;
        for (const QString& entry : Edit->Log)
            if (entry.startsWith("char")) result.push_back(entry);
        return result;
    }();
    EXPECT_EQ(chars, (std::vector<QString>{"char 10", "char 27", "char 8"}));
}

TEST_F(MaskEditTest, AnUnwantedEnterGoesToTheWindowsDialogKeysFirst) {
    auto* button = new DefaultButton(Form.get());
    QTest::keyClick(Edit, Qt::Key_Return);
    EXPECT_EQ(button->DialogKeys, 1);
    EXPECT_EQ(Edit->Log, (std::vector<QString>{"want 13", "up 13"}));

    Edit->Log.clear();
    Edit->WantAll = true;
    QTest::keyClick(Edit, Qt::Key_Return);
    EXPECT_EQ(button->DialogKeys, 1);
    EXPECT_EQ(Edit->Log, (std::vector<QString>{"want 13", "down 13", "char 13", "up 13"}));
}

TEST_F(MaskEditTest, AFormWithKeyPreviewSeesTheKeysFirstAndMayDropThem) {
    std::vector<QString> formLog;
    Form->SetKeyPreview(true);
    Form->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) {
        formLog.push_back(QStringLiteral("form down %1").arg(Key));
        if (Key == 'Q') Key = 0;
    };
    Form->OnKeyPress = [&](TObject*, QChar& Key) {
        formLog.push_back(QStringLiteral("form char %1").arg(Key));
        if (Key == QLatin1Char('q')) Key = QChar();
    };
    QTest::keyClick(Edit, Qt::Key_Q);
    QTest::keyClick(Edit, Qt::Key_W);
    EXPECT_EQ(formLog, (std::vector<QString>{"form down 81", "form char q", "form down 87", "form char w"}));
    EXPECT_EQ(Edit->Text(), "w");
    EXPECT_EQ(Edit->Log, (std::vector<QString>{"up 81", "down 87", "char 119", "up 87"}));
}

TEST_F(MaskEditTest, ClipboardKeysAndMenuCommandsGoThroughTheHooks) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* hook;
    };
    const Case cases[] = {
        {Qt::Key_C, Qt::ControlModifier, "copy"},     {Qt::Key_V, Qt::ControlModifier, "paste"},
        {Qt::Key_X, Qt::ControlModifier, "cut"},      {Qt::Key_Insert, Qt::ControlModifier, "copy"},
        {Qt::Key_Insert, Qt::ShiftModifier, "paste"}, {Qt::Key_Delete, Qt::ShiftModifier, "cut"},
    };
    for (const Case& c : cases) {
        Edit->Log.clear();
        QTest::keyClick(Edit, c.key, c.modifiers);
        EXPECT_NE(std::find(Edit->Log.begin(), Edit->Log.end(), QString::fromLatin1(c.hook)), Edit->Log.end())
            << c.hook;
    }
}

TEST_F(MaskEditTest, CutCopyAndPasteMoveTheSelectedText) {
    Edit->SetText("hello");
    Edit->SetSel(0, 2);
    QTest::keyClick(Edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "he");
    EXPECT_EQ(Edit->Text(), "llo");
    Edit->SetSelStart(3);
    QTest::keyClick(Edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit->Text(), "llohe");
}

TEST_F(MaskEditTest, WritingTheTextReportsAChangeOnlyWhenItDiffers) {
    int changes = 0;
    QString seen;
    Edit->OnChange = [&](TObject*) {
        ++changes;
        seen = Edit->Text();
    };
    Edit->SetText("one\ntwo");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(seen, "one\ntwo");
    EXPECT_EQ(Edit->Text(), "one\ntwo");
    EXPECT_EQ(Edit->SelStart(), 0);
    Edit->SetText("one\ntwo");
    EXPECT_EQ(changes, 1);
}

TEST_F(MaskEditTest, AKeyMessageActsAsATypedKey) {
    Edit->SetText("ab");
    Edit->SetSelStart(2);
    // No modifier key is held while the messages arrive.
    const TKeyboardStateScope keyboard(Qt::NoModifier);
    Perform(Edit, WM_KEYDOWN, VK_LEFT, 0);
    Perform(Edit, WM_CHAR, 'x', 0);
    EXPECT_EQ(Edit->Text(), "axb");
    EXPECT_EQ(Edit->Log, (std::vector<QString>{"down 37", "char 120"}));
}

TEST_F(MaskEditTest, TheTextRectangleKeepsTheRightEndFreeOfText) {
    Edit->resize(200, 24);
    const int frame = Edit->FrameWidth();
    Edit->SetTextRect(Rect(1, 1, 200 - 2 * frame - 30, 20));
    EXPECT_EQ(Edit->textMargins().right(), 30);
    Edit->resize(260, 24);
    EXPECT_EQ(Edit->textMargins().right(), 90);
}

TEST(EditMaskTranslation, TheOriginalMaskCharactersBecomeQts) {
    struct Case {
        const char* original;
        const char* qt;
    };
    const Case cases[] = {
        {"", ""},
        {"000", "999"},
        {"999", "000"},
        {"LlAaCc", "AaNnXx"},
        {"!99/99/0000;1;_", "00/00/9999;_"},
        {">LL<>ll", ">AA!aa"},
        {"\\L0", "\\L9"},
        {"0-N", "9-\\N"},
    };
    for (const Case& c : cases) EXPECT_EQ(QtInputMaskOf(QString::fromLatin1(c.original)), QString::fromLatin1(c.qt)) << c.original;
}

}  // namespace
