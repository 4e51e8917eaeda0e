#pragma once
// A shown form holding one edit control under test (focused) and a line edit after it,
// with English separators, beeps counted and the visual-style probe restored afterwards.

#include "controls/office_theme.h"
#include "platform/form.h"
#include "platform/format_settings.h"
#include "platform/message_beep.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

template <class Control>
class EditControlFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SavedSettings = FormatSettings();
        FormatSettings() = TFormatSettings{};  // ':' '/' ',' '.' and "M/d/yyyy"
        SetMessageBeepSink([this] { ++Beeps; });
        Form = std::make_unique<TForm>(nullptr);
        Form->resize(300, 120);
        Edit = new Control(Form.get(), Form.get());
        Edit->SetBounds(10, 10, 120, 24);
        After = new QLineEdit(Form.get());
        After->setGeometry(10, 60, 120, 24);
        Form->show();
        QApplication::setActiveWindow(Form.get());
        (void)QTest::qWaitForWindowExposed(Form.get());
        Edit->setFocus(Qt::OtherFocusReason);
    }
    void TearDown() override {
        Form.reset();
        SetVisualStyleProbe(nullptr);
        SetMessageBeepSink({});
        FormatSettings() = SavedSettings;
    }
    void Type(const QString& Keys) {
        for (QChar c : Keys) QTest::keyClick(Edit, c.toLatin1());
    }
    // The pixel of a widget's own painting.
    static TColor PixelOf(QWidget* Widget, int X, int Y) {
        return FromQColor(Widget->grab().toImage().pixelColor(X, Y));
    }

    TFormatSettings SavedSettings;
    std::unique_ptr<TForm> Form;
    Control* Edit = nullptr;     // a child of Form
    QLineEdit* After = nullptr;  // a child of Form
    int Beeps = 0;
};
