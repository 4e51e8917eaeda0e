#include "platform/dialogs.h"
#include "test_support.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

// The real message box, without the test responder.
TEST(MessageBoxTest, ShowsItsTextAsWritten) {
    SetMessageDialogResponder({});
    const QString text = QStringLiteral("Do you want to change the Language from <b>A</b> to <img src=\"x\">?");
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    WhenAnyModal([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        const QLabel* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        shown = label->text();
        format = label->textFormat();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(MessageDlg(text, mtConfirmation, {mbYes, mbNo}), mrNo);
    EXPECT_EQ(shown, text);
    EXPECT_EQ(format, Qt::PlainText);
}
