#pragma once
// A horizontal track bar: a position between Min and Max, ticks every Frequency,
// moved by PageSize with Page Up and Page Down. OnChange reports every position change,
// whether by the user or by code.

#include "platform/control.h"

#include <QSlider>

class TTrackBar : public TControlOf<QSlider> {
public:
    explicit TTrackBar(TComponent* AOwner, QWidget* AParent = nullptr);

    int Min() const { return minimum(); }
    void SetMin(int value) { setMinimum(value); }
    int Max() const { return maximum(); }
    void SetMax(int value) { setMaximum(value); }
    // Kept within Min..Max.
    int Position() const { return value(); }
    void SetPosition(int value) { setValue(value); }
    int Frequency() const { return tickInterval(); }
    void SetFrequency(int value);
    int PageSize() const { return pageStep(); }
    void SetPageSize(int value) { setPageStep(value); }

    TNotifyEvent OnChange;
};
