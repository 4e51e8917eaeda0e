// What the grid's window procedure did with the messages that are events here: the
// posted "GridEditDone", the combo editor's change notices, the owner form's resize
// and asking SelectCell again for the current cell.

#include "grid/core/string_grid.h"
#include "grid/view/grid_edit_done_event.h"
#include "grid/view/header_drag_button.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <functional>

void TExStringGrid::customEvent(QEvent* event) {
    if (event->type() == TGridEditDoneEvent::EventType()) {
        const auto* done = static_cast<TGridEditDoneEvent*>(event);
        GridEditDone(done->Col(), done->Row());
        return;
    }
    TBaseGrid::customEvent(event);
}

void TExStringGrid::GridEditDone(int ACol, int ARow) {
    if (OnEditCellDone) OnEditCellDone(this, ACol, ARow);
    if (FMouseActions->EditOnDblClickOnly()) {
        HideEditor();
        SetEditorMode(false);
        TGridOptions options = Options();
        options.Exclude(goEditing);
        SetOptions(options);
    }
}

namespace {

// Hands the events of one object to a function before the object sees them.
class TEventWatch : public QObject {
public:
    TEventWatch(QObject* parent, std::function<void(QEvent*)> watch) : QObject(parent), FWatch(std::move(watch)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        // While the grid is being destroyed its base classes still hear focus and key
        // events; the grid's own part is gone by then.
        if (dynamic_cast<TExStringGrid*>(parent())) FWatch(event);
        return false;
    }

private:
    std::function<void(QEvent*)> FWatch;
};

}  // namespace

void TExStringGrid::ConnectInputNotices() {
    // A middle press starts panning; any press or key while panning ends it and then
    // goes on as usual.
    viewport()->installEventFilter(new TEventWatch(this, [this](QEvent* event) {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) return;
        const auto* press = static_cast<QMouseEvent*>(event);
        if (FWheelPan) {
            StopPanning();
        } else if (press->button() == Qt::MiddleButton && IntelliPan() != ipNone &&
                   RowCount() > TStringGrid::FixedRows()) {
            const QPoint p = press->position().toPoint();
            StartPanning({p.x(), p.y()});
        }
    }));
    installEventFilter(new TEventWatch(this, [this](QEvent* event) {
        if (event->type() == QEvent::KeyPress && FWheelPan) StopPanning();
        const bool escape =
            event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
        if (escape || event->type() == QEvent::FocusOut) CancelMode();
    }));

    // The combo editor: a selection the user makes, and text the user types (a text set
    // by code leaves the edit unmodified), each reported once.
    QObject::connect(FEditCombo, &QComboBox::activated, this, [this](int index) { ComboEditorChanged(index); });
    QObject::connect(FEditCombo, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (!FEditCombo->lineEdit() || !FEditCombo->lineEdit()->isModified()) return;
        const int index = FEditCombo->currentIndex();
        ComboEditorChanged(index >= 0 && FEditCombo->itemText(index) == text ? index : -1);
    });
}

void TExStringGrid::CancelMode() {
    const TGridState state = GridState();
    if (!FEnhRowColMove || (state != gsColMoving && state != gsRowMoving)) return;
    if (Surface()->cursor().shape() != Qt::DragMoveCursor) return;
    Surface()->unsetCursor();
    if (MoveButton) MoveButton->setEnabled(false);
    EndMoveFeedback();
    SetGridState(gsNormal);
}

void TExStringGrid::ComboEditorChanged(int ItemIndex) {
    if (!FEditCombo->isVisible()) return;
    const int realCol = RealColIndex(Col());
    const QString text = ItemIndex < 0 ? FEditCombo->currentText() : FEditCombo->itemText(ItemIndex);
    if (OnComboChange) OnComboChange(this, realCol, Row(), ItemIndex, text);
    if (OnComboObjectChange) {
        TObject* object = ItemIndex < 0 ? nullptr : static_cast<TObject*>(FEditCombo->itemData(ItemIndex).value<void*>());
        OnComboObjectChange(this, realCol, Row(), ItemIndex, text, object);
    }
}

void TExStringGrid::OwnerFormResize(TObject* Sender) {
    if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csDestroying)) return;
    if (auto* form = dynamic_cast<TForm*>(Sender); form && FSizeWithForm) {
        const int newWidth = width() + form->Width() - FOldFormWidth;
        const int newHeight = height() + form->Height() - FOldFormHeight;
        // A grid is never shrunk away; the form's size is taken only when the grid follows.
        if (newWidth > 0 && newHeight > 0) {
            resize(newWidth, newHeight);
            FOldFormWidth = form->Width();
            FOldFormHeight = form->Height();
        }
    }
    if (FOnResize) {
        try {
            FOnResize(Sender);
        } catch (...) {
            // The form's own handler must not break the grid's resizing.
        }
    }
    StretchFromNotice();
}

void TExStringGrid::Select() { SelectCell(Col(), Row()); }
