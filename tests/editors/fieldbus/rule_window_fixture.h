#pragma once
// A configuration with the fieldbus rule windows' texts, the message boxes answered by
// the test (every question with Answer) and recorded, and a window shown as the main
// window shows it.

#include "core/text_table.h"
#include "editors/configuration_fixture.h"
#include "editors/golden_files.h"
#include "editors/rule_editor/rule_editor_window.h"
#include "platform/dialogs.h"

#include <QCoreApplication>
#include <QFile>
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
    QString Last_Message() const { return Messages.empty() ? QString() : Messages.back(); }

    std::vector<QString> Messages;
    TModalResult Answer = mrYes;
};
