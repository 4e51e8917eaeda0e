#pragma once
// The face of a dragged column header: the header caption on the fixed cells' colour in a
// bordered pop-up, plain captions centred on one line with an ellipsis, captions with
// mini-HTML drawn by the markup renderer. A drag shows it as its image; a column move
// lets it follow the mouse.

#include "platform/custom_control.h"

class TExStringGrid;

class THeaderDragButton : public TCustomControlOf<QWidget> {
public:
    explicit THeaderDragButton(TExStringGrid* AGrid);

    TExStringGrid* Grid() const { return FGrid; }
    QString Caption() const override { return FCaption; }
    void SetCaption(const QString& Value) override;
    // Kept for the settings that carry it; the face does not change with it.
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }

protected:
    void Paint() override;

private:
    TExStringGrid* FGrid;
    QString FCaption;
    bool FFlat = false;
};
