#pragma once
// A configuration with the fieldbus rule windows' texts, the message boxes answered by
// the test (every question with Answer) and recorded, a window shown as the main
// window shows it, and real clicks and keys on its tables.

#include "core/text_table.h"
#include "editors/configuration_fixture.h"
#include "editors/dali_knx/rule_table_file.h"
#include "editors/golden_files.h"
#include "editors/rule_editor/rule_editor_window.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <algorithm>
#include <functional>
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
    // What a window reports over a file it cannot show whole; rowsLost < 0 is the whole file.
    static TRuleFileProblem Expected_Load_Problem(const QString& message, int rowsLost) {
        TRuleFileProblem problem;
        problem.Add(message);
        problem.Rows_Lost = std::max(rowsLost, 0);
        problem.Whole_File = rowsLost < 0;
        return problem;
    }
    // OK over such a file asks first: No keeps the file byte for byte and the window open,
    // Yes saves a well-formed file. The load's own message is the first one recorded.
    void Expect_OK_Asks_Before_Replacing(TRuleEditorWindow& window, const TRuleFileProblem& problem,
                                         const QString& path, const QByteArray& original) {
        Answer = mrNo;
        window.Btn_OK->Click();
        ASSERT_EQ(Messages.size(), 2u);
        EXPECT_EQ(Messages[1], Lost_Rows_Question(problem));
        EXPECT_EQ(Read_Whole_File(path), original);
        EXPECT_NE(window.ModalResult(), mrOk);
        Answer = mrYes;
        window.Btn_OK->Click();
        EXPECT_EQ(window.ModalResult(), mrOk);
        EXPECT_TRUE(Passes_Xmllint(path));
    }

    // A window made over the input file (none: no file at path) and shown, then OK: no
    // message, and the file written is the expected one byte for byte, well-formed.
    void Expect_OK_Writes_Golden(const std::function<std::unique_ptr<TRuleEditorWindow>()>& make,
                                 const QString& input, const QString& path, const QString& expected) {
        QFile::remove(path);
        if (!input.isEmpty()) ASSERT_TRUE(QFile::copy(input, path));
        const std::unique_ptr<TRuleEditorWindow> window = make();
        Messages.clear();
        Show(*window);
        window->Btn_OK->Click();
        EXPECT_TRUE(Messages.empty()) << Last_Message().toStdString();
        EXPECT_EQ(window->ModalResult(), mrOk);
        EXPECT_EQ(Read_Whole_File(path), Read_Whole_File(expected));
        EXPECT_TRUE(Passes_Xmllint(path));
    }

    std::vector<QString> Messages;
    TModalResult Answer = mrYes;
};
