#pragma once
// The grid's spin editor: a spin box whose range and step are set the way the column
// items give them. MinValue and MaxValue both 0 mean no range.

#include <QSpinBox>
#include <algorithm>
#include <limits>

class TGridSpin : public QSpinBox {
public:
    explicit TGridSpin(QWidget* AParent) : QSpinBox(AParent) { ApplyRange(); }

    int MinValue() const { return FMinValue; }
    void SetMinValue(int Value) {
        FMinValue = Value;
        ApplyRange();
    }
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int Value) {
        FMaxValue = Value;
        ApplyRange();
    }
    int Increment() const { return singleStep(); }
    void SetIncrement(int Value) { setSingleStep(Value); }

private:
    void ApplyRange() {
        if (FMinValue == 0 && FMaxValue == 0) setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        else setRange(FMinValue, std::max(FMinValue, FMaxValue));
    }

    int FMinValue = 0;
    int FMaxValue = 0;
};
