#pragma once
// The edit with a button and a unit (TAsgUnitEditBtn): the unit (UnitID) is drawn at
// the right of the text, in UnitSpace pixels before the button; the button opens a menu
// of the Units, and choosing one makes it the unit, firing OnUnitChanged only when the
// unit really changed. TextAndUnit joins text and unit, and splits a value at the unit
// whose first occurrence ends it. The grid's unit editor derives from it.

#include "grid/edit/edit_button.h"
#include "platform/string_list.h"

#include <QMenu>
#include <QPointer>
#include <functional>

using TUnitChangeEvent = std::function<void(TObject* Sender, const QString& NewUnit)>;

class TAsgUnitEditBtn : public TAsgEditBtn {
public:
    explicit TAsgUnitEditBtn(TComponent* AOwner, QWidget* AParent = nullptr);

    QString UnitID() const { return FUnitID; }
    void SetUnitID(const QString& Value);
    const TStringList& Units() const { return FUnits; }
    // Copies the list; a null list changes nothing.
    void SetUnits(const TStringList* Value);
    int UnitSpace() const { return FUnitSize; }
    void SetUnitSpace(int Value);
    // Text followed by UnitID. Writing splits the value at the first unit (in list order)
    // whose first occurrence ends it; a value that ends in no unit becomes the whole text,
    // with no unit.
    QString TextAndUnit() const { return Text() + FUnitID; }
    void SetTextAndUnit(const QString& Value);

    // Fires OnClickBtn with the edit as Sender, then opens the menu of the units below
    // the button (the menu is open when this returns; choosing an item sends WM_COMMAND).
    void ClickBtn(TObject* Sender) override;
    // The menu opened by the last ClickBtn while it is open; nullptr otherwise.
    QMenu* UnitMenu() const { return FUnitMenu; }

    void WndProc(TMessage& Message) override;

    TUnitChangeEvent OnUnitChanged;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A chosen menu item: identifier 1 to Units.Count in the low word, the notification
    // code in the high word.
    void WMCommand(TMessage& Message);

    QString FUnitID;
    TStringList FUnits;
    QPointer<QMenu> FUnitMenu;
};
