#include "test_support.h"

#include "core/program_state.h"
#include "platform/file_system.h"
#include "platform/form.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QPointer>
#include <QTimer>

void ProgramFolderTest::SetUp() {
    ASSERT_TRUE(FDir.isValid());
    Reset_Program_State();
    SetProgramFolderForTesting(FDir.path());
    SetMessageDialogResponder([this](const MessageDialogRequest& request) {
        Messages.push_back(request);
        if (!Answers.empty()) {
            const TModalResult answer = Answers.front();
            Answers.erase(Answers.begin());
            return answer;
        }
        return request.buttons.Contains(mbYes) ? mrYes : mrOk;
    });
}

void ProgramFolderTest::TearDown() {
    SetMessageDialogResponder({});
    SetFileDialogResponder({});
    SetProgramFolderForTesting(QString());
    Reset_Program_State();
}

void ProgramFolderTest::WriteFile(const QString& relative, const QByteArray& content) const {
    const QString path = PathIn(relative);
    ForceDirectories(ExtractFilePath(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ProgramFolderTest::ReadFile(const QString& relative) const {
    QFile file(PathIn(relative));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

namespace {
void PollUntil(std::function<bool()> ready, std::function<void()> action, int triesLeft) {
    QTimer::singleShot(triesLeft > 0 ? 5 : 0, [ready, action, triesLeft] {
        if (ready() || triesLeft <= 0) {
            action();
            return;
        }
        PollUntil(ready, action, triesLeft - 1);
    });
}
}  // namespace

void WhenShownModally(TForm* form, std::function<void()> action) {
    // The form may be freed before it is ever shown; the poll then gives up quietly.
    QPointer<QWidget> watched(form);
    PollUntil([watched, form] { return !watched || (form->Modal() && form->isVisible()); },
              [watched, action = std::move(action)] {
                  if (watched) action();
              },
              2000);
}

void WhenAnyModal(std::function<void()> action) {
    PollUntil([] { return QApplication::activeModalWidget() != nullptr; }, std::move(action), 2000);
}

QRect VerticalThumbRect(const QScrollBar* bar) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    option.singleStep = bar->singleStep();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
}
