#pragma once
// An integer edit with a horizontal track bar in its pop-up. Moving the track bar writes
// the number into the edit; typing or setting a number moves the track bar. With typing
// off (the default) Up and Down step the position without opening the pop-up, and a
// horizontal mouse drag over the edit changes it by one per PageSize pixels.

#include "dropdowns/drop_down_edit.h"

class TTrackBar;

class TExTrackBarDropDown : public TExCustomDropDown {
public:
    explicit TExTrackBarDropDown(TComponent* AOwner, QWidget* AParent = nullptr);

    // Min, Max and Position are read back from the track bar, which keeps Position
    // within Min..Max.
    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int Value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value);
    TTrackBar* TrackBar() const { return FTrackBar; }

    TNotifyEvent OnTrackChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void Change() override;
    void WMKeyDown(TWMKey& Message) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void TrackChanged();
    void ReadBack();

    TTrackBar* FTrackBar = nullptr;
    int FMin = 0;
    int FFrequency = 1;
    int FPageSize = 2;
    int FMax = 10;
    int FPosition = 0;
    bool FMouseDraging = false;
    int FMouseX = 0;
};
