#pragma once
// A window holding a drop-down edit, a clock the tests move by hand, one injected
// screen and known number separators.

#include "dropdowns/drop_down_edit.h"
#include "dropdowns/drop_down_form.h"
#include "platform/format_settings.h"
#include "platform/form.h"
#include "platform/screen_geometry.h"
#include "platform/standard_controls.h"
#include "platform/tick_clock.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

// A drop-down whose pop-up holds a plain 150 x 100 content widget.
class PanelDropDown : public TExCustomDropDown {
public:
    PanelDropDown(TComponent* AOwner, QWidget* AParent) : TExCustomDropDown(AOwner, AParent) {
        DropDownHeader()->SetVisible(false);
        DropDownFooter()->SetVisible(false);
    }
    QWidget* Content = nullptr;
    int BeforeCount = 0;

    using TExCustomDropDown::DoHideDropDown;
    using TExCustomDropDown::DoShowDropDown;

protected:
    void CreateDropDownForm() override {
        TExCustomDropDown::CreateDropDownForm();
        if (Content) return;
        Content = new QWidget(DropDownForm());
        Content->setObjectName(QStringLiteral("Content"));
        Content->setFocusPolicy(Qt::StrongFocus);
        Content->resize(150, 100);
    }
    void BeforeDropDown() override {
        TExCustomDropDown::BeforeDropDown();
        ++BeforeCount;
        Content->resize(150, 100);
        SetControl(Content);
    }
};

// Separators of the program's format settings for the time of a test.
class SeparatorsScope {
public:
    SeparatorsScope(QChar decimal, QChar thousand) : FSaved(FormatSettings()) {
        FormatSettings().DecimalSeparator = decimal;
        FormatSettings().ThousandSeparator = thousand;
    }
    ~SeparatorsScope() { FormatSettings() = FSaved; }

private:
    TFormatSettings FSaved;
};

class DropDownWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetTickClock({[this] { return Now; }, [this](int ms) { Now += ms; }});
        SetScreenWorkAreaSource([this](TPoint) { return std::optional<TRect>(Screen); });
        Form = std::make_unique<TForm>(nullptr);
        Form->resize(400, 300);
        Form->move(100, 100);
        Other = new TEdit(Form.get(), Form.get());
        Other->setObjectName(QStringLiteral("Other"));
        Other->setGeometry(20, 200, 100, 22);
    }
    void TearDown() override {
        Form.reset();
        SetScreenWorkAreaSource({});
        SetTickClock({});
    }

    // Makes the drop-down, shows the window and gives the drop-down the focus.
    template <class T = PanelDropDown>
    T* Make() {
        auto* dropDown = CreateDropDown<T>(Form.get(), Form.get());
        dropDown->setObjectName(QStringLiteral("DropDown"));
        dropDown->SetBounds(20, 20, 200, 22);
        dropDown->show();
        Form->show();
        Form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        dropDown->setFocus();
        QApplication::processEvents();
        return dropDown;
    }

    void Tick(std::int64_t ms) { Now += ms; }
    // Where a key typed while the pop-up shows goes: its focused control, else itself.
    static QWidget* PopUpKeyTarget(TExCustomDropDown* dropDown) {
        QWidget* focus = dropDown->DropDownForm()->focusWidget();
        return focus ? focus : dropDown->DropDownForm();
    }
    // A click that goes through the window, as a user's does: an open pop-up sees it.
    static void ClickThroughWindow(QWidget* widget, QPoint at) {
        QWidget* top = widget->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, at));
        QApplication::processEvents();
    }

    std::int64_t Now = 100000;
    TRect Screen{0, 0, 1280, 1024};
    std::unique_ptr<TForm> Form;
    TEdit* Other = nullptr;
};
