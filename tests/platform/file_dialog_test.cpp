// The real file dialogs, without the test responder.

#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "test_support.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Runs action once the active modal window is of type W.
template <typename W>
void WhenModalIs(std::function<void(W*)> action, int triesLeft = 400) {
    QTimer::singleShot(5, [action, triesLeft] {
        if (auto* window = qobject_cast<W*>(QApplication::activeModalWidget())) action(window);
        else if (triesLeft > 0) WhenModalIs<W>(action, triesLeft - 1);
    });
}

TEST(FileDialogTest, SaveShowsItsFilterOnceAndAsksAboutTheFileWithItsDefaultExtension) {
    SetFileDialogResponder({});
    QTemporaryDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir.filePath("x.mib"), "old"));
    TSaveDialog save(nullptr);
    save.DefaultExt = "*.mib";
    save.Filter = "Management Information Base (*.mib)|*.mib";
    save.InitialDir = dir.path();
    save.Options = {ofOverwritePrompt};

    QStringList filters;
    QString question;
    WhenModalIs<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText("x");
        // The user is asked about the existing x.mib, says No, and then leaves the dialog.
        WhenModalIs<QMessageBox>([&, dialog](QMessageBox* box) {
            question = box->text();
            box->button(QMessageBox::No)->click();
            QTimer::singleShot(0, dialog, &QDialog::reject);
        });
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(filters, QStringList{"Management Information Base (*.mib)"});
    EXPECT_TRUE(question.contains("x.mib")) << question.toStdString();

    // Answered Yes, the file with the extension is the one chosen.
    WhenModalIs<QFileDialog>([&](QFileDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText("x");
        WhenModalIs<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        static_cast<QDialog*>(dialog)->accept();
    });
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName, dir.filePath("x.mib"));
}

}  // namespace
