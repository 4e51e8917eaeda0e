// The custom editor link: its key protocol, the ways an edit through it ends, the key
// hook on its control and its own pop-up form.
#include "grid/edit/edit_link.h"

#include "grid/core/string_grid.h"
#include "grid/edit/ex_inplace_edit.h"
#include "grid/view/grid_editor_hooks.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>

namespace {

// The pop-up form: leaving it (its window deactivated, or the focus going to a window
// outside it) is the link's FormExit.
class TEditLinkPopupForm : public QWidget {
public:
    explicit TEditLinkPopupForm(TEditLink* Link)
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), FLink(Link) {
        setObjectName(QStringLiteral("gridform"));
        QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget* Old, QWidget* New) {
            if (Old && isAncestorOf(Old) && (!New || (New != this && !isAncestorOf(New)))) Leave();
        });
    }

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::WindowDeactivate) Leave();
        return QWidget::event(e);
    }

private:
    void Leave() {
        if (isVisible()) FLink->FormExit(FLink);
    }

    TEditLink* FLink;
};

bool IsArrow(WORD Key) { return Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN; }

bool HandledKey(WORD Key, TShiftState Shift) {
    if (Shift.Contains(ssAlt)) return true;
    switch (Key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: return true;
    default: return false;
    }
}

}  // namespace

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

// The form is this link's own: no other link's edit can be left with it gone.
TEditLink::~TEditLink() = default;

// ---- the operations a descendant overrides ------------------------------------------

QWidget* TEditLink::GetEditControl() { return nullptr; }
void TEditLink::CreateEditor(QWidget*) {}
void TEditLink::DestroyEditor() {}
void TEditLink::SetProperties() {}
void TEditLink::SetCellProps(TColor, const TFont&) {}
QString TEditLink::GetEditorValue() { return QString(); }
void TEditLink::SetEditorValue(const QString&) {}

void TEditLink::SetFocus(bool Value) {
    QWidget* control = GetEditControl();
    if (!control || !FOwner) return;
    if (!Value) {
        FOwner->setFocus(Qt::OtherFocusReason);
        return;
    }
    control->show();
    control->setEnabled(true);
    if (FEditStyle == esInplace && !FSubClassed) {
        FControlHook = new TEditLinkControlHook(FOwner, control);
        FSubClassed = true;
    }
    control->activateWindow();
    control->setFocus(Qt::OtherFocusReason);
}

void TEditLink::SetRect(TRect r) {
    QWidget* control = GetEditControl();
    if (!control || !FOwner) return;
    const int line = FOwner->GridLineWidth();
    control->setGeometry(r.Left, r.Top, r.Right - r.Left - line, r.Bottom - r.Top - line);
}

void TEditLink::SetVisible(bool Value) {
    if (QWidget* control = GetEditControl()) control->setVisible(Value);
}

// ---- the key protocol ---------------------------------------------------------------

void TEditLink::EditKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
    if (!FOwner) return;
    TExStringGrid* grid = FOwner;
    bool handled = HandledKey(Key, Shift);
    if ((FWantKeyUpDown && (Key == VK_UP || Key == VK_DOWN)) || (FWantKeyLeftRight && (Key == VK_LEFT || Key == VK_RIGHT)) ||
        (FWantKeyHomeEnd && (Key == VK_END || Key == VK_HOME)) || (FWantKeyPriorNext && (Key == VK_PRIOR || Key == VK_NEXT)) ||
        (FWantKeyReturn && Key == VK_RETURN) || (FWantKeyEscape && Key == VK_ESCAPE) || (FWantTabs && Key == VK_TAB))
        handled = false;
    if (!handled) return;

    if (Key == VK_TAB) {
        if (grid->Navigation()->TabToNextAtEnd()) {
            ForcedGridFocus();
            grid->HideCellEditor(grid->Col(), grid->Row());
            grid->FEditMode = false;
            if (grid->TabToNextCell(Shift.Contains(ssShift)) &&
                !grid->HasClickableObject(grid->RealColIndex(grid->Col()), grid->Row()))
                // F2 to the grid once this key is done: it opens the editor there.
                QMetaObject::invokeMethod(
                    grid, [target = QPointer<TExStringGrid>(grid)] {
                        if (target) target->ShowCellEdit();
                    },
                    Qt::QueuedConnection);
            Key = 0;
            return;
        }
        Key = 0;
    }
    if (Key == VK_ESCAPE) SetEditorValue(grid->OriginalCellValue());
    ForcedGridFocus();
    grid->HideCellEditor(grid->Col(), grid->Row());
    if (FEditStyle == esPopup) EditExit(Sender);
    grid->FEditMode = false;
    grid->SelectCell(grid->Col(), grid->Row());
    if (Key == VK_RETURN && grid->FLastValidation) {
        if (grid->Navigation()->AdvanceOnEnter())
            grid->AdvanceAfterEdit(grid->Col(), grid->Row(), false, true, !Shift.Contains(ssShift), false, false);
        Key = 0;
        return;
    }
    if (!grid->FLastValidation) {
        grid->FLastValidation = true;
        grid->FEditMode = true;
        grid->ShowCellEditor(grid->Col(), grid->Row());
        return;
    }
    if (Key == VK_ESCAPE) {
        Key = 0;
        return;
    }
    if (IsArrow(Key)) {
        grid->EditorKeyToGrid(Key, Shift);
        if (QWidget* control = GetEditControl()) control->setEnabled(false);
        ForcedGridFocus();
    }
}

void TEditLink::ForcedGridFocus() {
    FForcedExit = true;
    FOwner->activateWindow();
    FOwner->setFocus(Qt::OtherFocusReason);
    FForcedExit = false;
}

// ---- ending the edit -------------------------------------------------------------------

QWidget* TEditLink::GetParent() const {
    if (FEditStyle == esPopup) return FPopupForm.get();
    return FOwner;
}

QString TEditLink::GetCellValue() const {
    if (!FOwner) return QString();
    return FOwner->Cells(FOwner->RealColIndex(FOwner->Col()), FOwner->Row());
}

void TEditLink::SetCellValue(const QString& s) {
    if (FOwner) FOwner->StoreEditText(FOwner->RealColIndex(FOwner->Col()), FOwner->Row(), s);
}

void TEditLink::HideEditor() {
    if (!FOwner) return;
    SetCellValue(GetEditorValue());
    FOwner->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::RestoreWinProc() {
    if (FEditStyle != esInplace) return;
    QWidget* control = GetEditControl();
    if (!control) return;
    delete FControlHook.data();
    FSubClassed = false;
    control->hide();
}

void TEditLink::EditExit(TObject*) {
    HideEditor();
    if (FEditStyle == esPopup && FPopupForm) {
        DestroyEditor();
        FPopupForm->hide();
    }
}

void TEditLink::FormExit(TObject* Sender) {
    if (FInFormExit || !FOwner) return;
    FInFormExit = true;
    if (TExInplaceEdit* edit = FOwner->NormalEdit()) edit->SetText(GetEditorValue());
    if (FForcedExit) {
        SetCellValue(GetEditorValue());
    } else {
        EditExit(Sender);
        FOwner->InvokedFocusChange = true;
    }
    FInFormExit = false;
}

void TEditLink::ShowPopupForm(TPoint P) {
    if (!FPopupForm) FPopupForm = std::make_unique<TEditLinkPopupForm>(this);
    FPopupForm->move(P.X, P.Y);
    FPopupForm->resize(std::max(1, FPopupWidth), std::max(1, FPopupHeight));
    FPopupForm->show();
    FPopupForm->move(P.X, P.Y);
}
