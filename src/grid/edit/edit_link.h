#pragma once
// TEditLink: puts an application's own control into a cell as its editor (edCustom). A
// descendant creates the control, moves values between control and cell, and assigns
// EditKeyDown as the control's key-down handling and EditExit as its exit. The base
// decides which keys the control keeps (the want-key properties) and how the edit ends,
// and keeps the pop-up form of the pop-up style: a frameless stay-on-top tool window
// named "gridform" that belongs to this link alone and goes with it. Leaving the pop-up
// (its deactivation, or the focus going elsewhere) runs FormExit, which ends the edit
// once. Its own versions of the control operations do nothing.

#include "platform/canvas.h"
#include "platform/component.h"
#include "platform/control.h"
#include "platform/virtual_keys.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class TExStringGrid;

enum TEditStyle { esInplace, esPopup };

class TEditLink : public TComponent {
public:
    explicit TEditLink(TComponent* AOwner = nullptr);
    ~TEditLink() override;

    // ---- the 11 operations a descendant overrides, in their order ----
    virtual void EditKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    virtual QWidget* GetEditControl();
    virtual void CreateEditor(QWidget* AParent);
    virtual void DestroyEditor();
    virtual void SetFocus(bool Value);
    virtual void SetRect(TRect r);
    virtual void SetVisible(bool Value);
    virtual void SetProperties();
    virtual void SetCellProps(TColor AColor, const TFont& AFont);
    virtual QString GetEditorValue();
    virtual void SetEditorValue(const QString& s);

    void EditExit(TObject* Sender);
    void FormExit(TObject* Sender);
    // The pop-up form in the pop-up style, otherwise the grid.
    QWidget* GetParent() const;
    QString GetCellValue() const;
    void SetCellValue(const QString& s);
    void HideEditor();
    void RestoreWinProc();

    TExStringGrid* Grid() const { return FOwner; }
    TPoint EditCell() const { return FEditCell; }
    // The pop-up form, made on the first pop-up edit (nullptr before).
    QWidget* PopupForm() const { return FPopupForm.get(); }

    bool WantKeyLeftRight() const { return FWantKeyLeftRight; }
    void SetWantKeyLeftRight(bool Value) { FWantKeyLeftRight = Value; }
    bool WantKeyUpDown() const { return FWantKeyUpDown; }
    void SetWantKeyUpDown(bool Value) { FWantKeyUpDown = Value; }
    bool WantKeyHomeEnd() const { return FWantKeyHomeEnd; }
    void SetWantKeyHomeEnd(bool Value) { FWantKeyHomeEnd = Value; }
    bool WantKeyPriorNext() const { return FWantKeyPriorNext; }
    void SetWantKeyPriorNext(bool Value) { FWantKeyPriorNext = Value; }
    bool WantKeyReturn() const { return FWantKeyReturn; }
    void SetWantKeyReturn(bool Value) { FWantKeyReturn = Value; }
    bool WantKeyEscape() const { return FWantKeyEscape; }
    void SetWantKeyEscape(bool Value) { FWantKeyEscape = Value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    // Kept for descendants; the base does not consult it.
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    TEditStyle EditStyle() const { return FEditStyle; }
    void SetEditStyle(TEditStyle Value) { FEditStyle = Value; }
    int PopupWidth() const { return FPopupWidth; }
    void SetPopupWidth(int Value) { FPopupWidth = Value; }
    int PopupHeight() const { return FPopupHeight; }
    void SetPopupHeight(int Value) { FPopupHeight = Value; }
    bool AutoPopupWidth() const { return FAutoPopupWidth; }
    void SetAutoPopupWidth(bool Value) { FAutoPopupWidth = Value; }
    // Screen position of the pop-up; -1 (either one) places it at the cell.
    int PopupLeft() const { return FPopupLeft; }
    void SetPopupLeft(int Value) { FPopupLeft = Value; }
    int PopupTop() const { return FPopupTop; }
    void SetPopupTop(int Value) { FPopupTop = Value; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }

private:
    friend class TExStringGrid;
    // The grid's side of opening the pop-up style: the form made once, placed at P, shown
    // and sized.
    void ShowPopupForm(TPoint P);
    // The grid takes the focus while this link is the one moving it.
    void ForcedGridFocus();

    QPointer<TExStringGrid> FOwner;
    bool FWantKeyLeftRight = false;
    bool FWantKeyUpDown = false;
    bool FWantKeyHomeEnd = false;
    bool FWantKeyPriorNext = false;
    bool FWantKeyReturn = false;
    bool FWantKeyEscape = false;
    TEditStyle FEditStyle = esInplace;
    std::unique_ptr<QWidget> FPopupForm;
    int FPopupWidth = 0;
    int FPopupHeight = 0;
    bool FForcedExit = false;
    TPoint FEditCell{-1, -1};
    int FTag = 0;
    bool FAutoPopupWidth = false;
    int FPopupLeft = -1;
    int FPopupTop = -1;
    bool FSubClassed = false;
    bool FWantReturns = false;
    bool FWantTabs = false;
    // The key hook on the control while FSubClassed (deleted with the control otherwise).
    QPointer<QObject> FControlHook;
    // FormExit is under way: hiding the form deactivates it once more.
    bool FInFormExit = false;
};
