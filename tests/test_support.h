#pragma once
// Shared test fixtures: a temporary program folder, recorded message boxes and
// driving of modal windows.

#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <vector>

class TForm;

// Points the program at an empty temporary folder and resets the program-wide state;
// message boxes are recorded and answered from a script instead of being shown.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString ProgramDir() const { return FDir.path(); }
    QString PathIn(const QString& relative) const { return FDir.path() + QLatin1Char('/') + relative; }
    void WriteFile(const QString& relative, const QByteArray& content) const;
    QByteArray ReadFile(const QString& relative) const;

    // Messages shown so far, and the answers the next questions get (Yes when empty).
    std::vector<MessageDialogRequest> Messages;
    std::vector<TModalResult> Answers;

private:
    QTemporaryDir FDir;
};

// Runs action once the form is shown modally (the action usually closes it).
void WhenShownModally(TForm* form, std::function<void()> action);
// Runs action once any modal window is shown.
void WhenAnyModal(std::function<void()> action);

class QScrollBar;
// Where the style draws the thumb of a vertical scroll bar, in the bar's coordinates.
QRect VerticalThumbRect(const QScrollBar* bar);

