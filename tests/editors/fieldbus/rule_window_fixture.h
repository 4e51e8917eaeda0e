#pragma once
// A configuration with the fieldbus rule windows' texts, the message boxes answered by
// the test (every question with Answer) and recorded, a window shown as the main
// window shows it, and real clicks and keys on its tables.

#include "core/text_table.h"
#include "editors/configuration_fixture.h"
#include "editors/golden_files.h"
#include "editors/rule_editor/rule_editor_window.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <memory>
#include <vector>

class RuleWindowFixture : public ConfigurationFixture {
protected:
    void SetUp() override {
        ConfigurationFixture::SetUp();
        Load_Default_Texts();
        SetMessageDialogResponder([this](const MessageDialogRequest& request) {
            Messages.push_back(request.text);
            return request.buttons.Contains(mbYes) ? int(Answer) : int(mrOk);
        });
    }
    void TearDown() override {
        SetMessageDialogResponder({});
        ConfigurationFixture::TearDown();
    }
    static void Show(TForm& window) {
        window.hide();
        window.show();
        QCoreApplication::processEvents();
    }
    static void Write_File(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    static void Activate(TForm& window) {
        Show(window);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    static void Click(TExColumnGrid& grid, int col, int row) {
        const TRect r = grid.CellRect(col, row);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        QApplication::processEvents();
    }
    // Clicks the cell, types into it key by key to whatever has the focus, and ends with Enter.
    static void Type(TExColumnGrid& grid, int col, int row, const QString& text) {
        grid.setFocus();
        Click(grid, col, row);
        for (const QChar ch : text) {
            QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
            QApplication::processEvents();
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
    }
    QString Last_Message() const { return Messages.empty() ? QString() : Messages.back(); }

    std::vector<QString> Messages;
    TModalResult Answer = mrYes;
};
