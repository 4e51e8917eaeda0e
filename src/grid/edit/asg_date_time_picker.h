#pragma once
// TAsgDateTimePicker: the platform picker with the flat, coloured or metro look. The
// grid's date editor derives from it and the grid's colour tones set its button and
// border colours and MetroStyle.

#include "grid/edit/flat_date_time_picker.h"

class TAsgDateTimePicker : public TFlatDateTimePicker {
public:
    explicit TAsgDateTimePicker(TComponent* AOwner, QWidget* AParent = nullptr);

    // Bytes 1, 0, 0, 0 from the high end.
    static unsigned GetVersionNr() { return 0x01000000u; }
    QString Version() const { return VersionText(GetVersionNr()); }
    void SetVersion(const QString&) {}

    bool MetroActive() const override { return FMetroStyle && !Designing(); }

protected:
    int MetroFillInset() const override { return 15; }
    bool OutlineNeedsBorderColor() const override { return true; }
};
