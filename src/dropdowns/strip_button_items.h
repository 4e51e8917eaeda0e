#pragma once
// The buttons a pop-up's header or footer strip shows, as items of a collection.
// Changing an item's caption, enabled state or width tells the collection's OnChange;
// image index, height and modal result are stored only, and adding, deleting or
// moving items tells nobody.

#include "platform/collection.h"
#include "platform/form.h"

#include <QString>

// What header and footer buttons share.
class TStripButtonItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    // The modal result a footer button carries; 0 for a header button.
    virtual TModalResult ItemModalResult() const { return mrNone; }

protected:
    void AssignButton(const TStripButtonItem& Source);

private:
    void Changed();

    QString FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    int FHeight = 0;  // 0: the button's content decides
    int FWidth = 0;   // 0: the button's content decides
};

class THeaderButton : public TStripButtonItem {
public:
    using TStripButtonItem::TStripButtonItem;
    // From another header button; anything else raises EConvertError.
    void Assign(const TPersistent* Source) override;
};

class TFooterButton : public TStripButtonItem {
public:
    using TStripButtonItem::TStripButtonItem;
    void Assign(const TPersistent* Source) override;
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    TModalResult ItemModalResult() const override { return FModalResult; }

private:
    TModalResult FModalResult = mrNone;
};

using THeaderButtons = TCollectionOf<THeaderButton>;
using TFooterButtons = TCollectionOf<TFooterButton>;
