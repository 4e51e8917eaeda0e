#pragma once
// The search footer: a strip along the grid's bottom with the search edit, the close,
// find-next, find-previous and highlight buttons and the match-case box. The grid shows
// it by giving it a height (32) and hides it with height 0 or Visible off; the grid keeps
// it along its client area's bottom edge whenever either of them changes size.

#include "controls/ex_check_box.h"
#include "controls/ex_grid_button.h"
#include "grid/data/ret_edit.h"
#include "platform/custom_control.h"

class TExStringGrid;

// The height of the shown strip.
constexpr int kSearchPanelHeight = 32;

class TSearchPanel : public TCustomControl {
public:
    // The panel lives on the grid and takes its events from it.
    explicit TSearchPanel(TExStringGrid* AGrid);

    TExStringGrid* Grid() const { return FGrid; }
    TRetEdit* EditControl() const { return FEditControl; }
    TExGridButton* ForwardButton() const { return FForwardButton; }
    TExGridButton* BackwardButton() const { return FBackwardButton; }
    TExGridButton* HiliteButton() const { return FHiliteButton; }
    TExGridButton* ExitButton() const { return FExitButton; }
    TExCheckBox* MatchCase() const { return FMatchCase; }

    // Gradient end at the bottom; clNone fills with the panel colour alone.
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);

    // Captions and hints as the grid hands them over; setting one passes it to its control.
    QString FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const QString& Value);
    QString FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const QString& Value);
    QString MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const QString& Value);
    QString HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const QString& Value);
    // A button shows its hint only when the text is not empty.
    QString HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const QString& Value);
    QString HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const QString& Value);
    QString HintClose() const { return FHintClose; }
    void SetHintClose(const QString& Value);
    QString HintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const QString& Value);

    // Shows or hides the controls and places them again (the match-case box moves left
    // when the highlight button is hidden).
    void ShowControls(bool HighLight, bool Close, bool MatchCase, bool FindPrev, bool FindNext);

    // Bound to the grid's search footer handlers when the panel is made.
    TNotifyEvent OnForwardClick;
    TNotifyEvent OnBackwardClick;
    TNotifyEvent OnEditChange;
    TNotifyEvent OnExitClick;
    TNotifyEvent OnHighlightClick;

protected:
    void Paint() override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void PlaceControls();
    void EditChanged();

    TExStringGrid* FGrid;
    TRetEdit* FEditControl;
    TExGridButton* FExitButton;
    TExGridButton* FForwardButton;
    TExGridButton* FBackwardButton;
    TExGridButton* FHiliteButton;
    TExCheckBox* FMatchCase;
    TColor FColorTo = clNone;
    QString FFindNextCaption;
    QString FFindPrevCaption;
    QString FMatchCaseCaption;
    QString FHighLightCaption;
    QString FHintFindNext;
    QString FHintFindPrev;
    QString FHintClose;
    QString FHintHighlight;
};
