// Modal forms: nesting, closing while shown modally, and a form freed while its
// ShowModal still runs.

#include "platform/form.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

class ClosableForm : public TForm {
public:
    explicit ClosableForm(TComponent* owner) : TForm(owner) {}
    TCloseAction closeAction = caHide;
    int closeRequests = 0;

protected:
    void FormClose(TObject*, TCloseAction& Action) override {
        ++closeRequests;
        Action = closeAction;
    }
};

TEST(FormTest, ClosingAModalFormCancelsItUnlessItRefuses) {
    ClosableForm form(nullptr);
    form.closeAction = caNone;
    WhenShownModally(&form, [&] {
        form.Close();  // refused: the form stays modal
        EXPECT_TRUE(form.Modal());
        EXPECT_TRUE(form.isVisible());
        form.closeAction = caHide;
        form.Close();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(form.closeRequests, 2);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Modal());
}

TEST(FormTest, NestedModalFormsEachReturnTheirOwnResult) {
    TForm outer(nullptr);
    TForm inner(nullptr);
    TModalResult innerResult = mrNone;
    WhenShownModally(&outer, [&] {
        WhenShownModally(&inner, [&] {
            EXPECT_EQ(QApplication::activeModalWidget(), &inner);
            inner.SetModalResult(mrOk);
        });
        innerResult = inner.ShowModal();
        // Back in the outer form's loop, which still runs.
        EXPECT_TRUE(outer.Modal());
        outer.SetModalResult(mrNo);
    });
    EXPECT_EQ(outer.ShowModal(), mrNo);
    EXPECT_EQ(innerResult, mrOk);
    EXPECT_FALSE(inner.Modal());
}

TEST(FormTest, AFormFreedWhileShownModallyEndsItsLoop) {
    auto* form = new TForm(nullptr);
    WhenShownModally(form, [form] { delete form; });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
