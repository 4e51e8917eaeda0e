// The grid's HTML hint window: mini-HTML and wide-text cell hints, and, with
// UseHTMLHints, the hints of every control of the program.

#include "grid/core/string_grid.h"

#include "grid/view/html_hint_window.h"
#include "platform/hint_info.h"
#include "platform/screen_geometry.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPointer>
#include <QToolTip>

namespace {

// Shows the tooltips of all widgets in one HTML hint window while installed.
class THTMLHintManager : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        // The grid shows its own cell hints.
        if (!widget || dynamic_cast<TExStringGrid*>(widget->parentWidget()) || dynamic_cast<TExStringGrid*>(widget))
            return false;
        const QString hint = widget->toolTip();
        if (hint.isEmpty()) return false;
        if (!FWindow) FWindow = new THTMLHintWindow();
        const QPoint at = static_cast<QHelpEvent*>(event)->globalPos();
        FWindow->HideWith(widget);
        FWindow->ActivateHint({at.x(), at.y() + kBelowCursor, at.x(), at.y() + kBelowCursor}, hint);
        return true;
    }
    void Hide() {
        if (FWindow) FWindow->hide();
    }

private:
    static constexpr int kBelowCursor = 20;
    QPointer<THTMLHintWindow> FWindow;
};

THTMLHintManager& HintManager() {
    static auto* manager = new THTMLHintManager();
    return *manager;
}

}  // namespace

void TExStringGrid::SetUseHTMLHints(bool Value) {
    FUseHTMLHints = Value;
    if (Value)
        qApp->installEventFilter(&HintManager());
    else {
        qApp->removeEventFilter(&HintManager());
        HintManager().Hide();
    }
}

THTMLHintWindow* TExStringGrid::HTMLHintWindow() {
    if (!FHTMLHintWindow) FHTMLHintWindow = new THTMLHintWindow(this);
    return FHTMLHintWindow;
}

void TExStringGrid::ShowHTMLHint(const QString& Hint, const THintInfo& Info) {
    THTMLHintWindow* window = HTMLHintWindow();
    window->SetColor(Info.HintColor);
    const std::optional<TRect> screen = ScreenWorkAreaAt(Info.HintPos);
    const int maxWidth = Info.HintMaxWidth > 0 ? Info.HintMaxWidth : screen ? screen->Width() : THTMLHintWindow::kMeasureWidth;
    TRect r = window->CalcHintRect(maxWidth, Hint, Info.HintData);
    r = {Info.HintPos.X, Info.HintPos.Y, Info.HintPos.X + r.Width(), Info.HintPos.Y + r.Height()};
    window->HideWith(Surface());
    window->ActivateHintData(r, Hint, Info.HintData);
}
