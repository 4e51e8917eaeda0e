// The grid's side of the search footer: finding as the user types, the find buttons, the
// highlight toggle and the close button, and the copy of the SearchFooter settings into
// the panel.

#include "grid/core/string_grid.h"
#include "grid/data/search_panel.h"

namespace {

constexpr TPoint kNoCell{-1, -1};

}  // namespace

TFindParams TExStringGrid::SearchFooterFindParams(bool WithFixedAndHiddenRows) {
    const TSearchFooter& footer = *FSearchFooter;
    TFindParams params;
    if (FSearchPanel->HiliteButton()->Down()) params.Include(fnIgnoreHTMLTags);
    if (FSearchPanel->MatchCase()->Checked()) params.Include(fnMatchCase);
    if (footer.SearchActiveColumnOnly()) params.Include(fnFindInCurrentCol);
    if (footer.SearchMatchStart()) params.Include(fnMatchStart);
    if (WithFixedAndHiddenRows && footer.SearchFixedCells()) params.Include(fnIncludeFixed);
    if (WithFixedAndHiddenRows && footer.SearchHiddenRows()) params.Include(fnIncludeHiddenRows);
    if (footer.SearchDirection() == sdLeftRight) params.Include(fnDirectionLeftRight);
    if (footer.SearchColumn() >= 0 && footer.SearchColumn() < ColCount()) {
        FFindCol = footer.SearchColumn();
        params.Include(fnFindInPresetCol);
    }
    return params;
}

// SearchColumn is a displayed column; highlighting takes real ones.
void TExStringGrid::SearchFooterHighlight() {
    const QString text = FSearchPanel->EditControl()->Text();
    const bool matchCase = FSearchPanel->MatchCase()->Checked();
    if (FSearchFooter->SearchColumn() == -1) HilightInGrid(false, matchCase, text);
    else HilightInCol(false, matchCase, RealColIndex(FSearchFooter->SearchColumn()), text);
}

void TExStringGrid::SearchFooterUnHighlight() {
    if (FSearchFooter->SearchColumn() == -1) UnHilightInGrid(false);
    else UnHilightInCol(false, RealColIndex(FSearchFooter->SearchColumn()));
}

void TExStringGrid::SearchPanelEditChange(TObject*) {
    const QString text = FSearchPanel->EditControl()->Text();
    bool defaultSearch = true;
    if (OnSearchEditChange) OnSearchEditChange(this, text, defaultSearch);
    if (!defaultSearch || !FSearchFooter->AutoSearch()) return;
    FFindParams = SearchFooterFindParams(true) + TFindParams{fnAutoGoto};
    const bool highlighting = FSearchPanel->HiliteButton()->Down() || FSearchFooter->AlwaysHighLight();
    if (highlighting) SearchFooterUnHighlight();
    if (text.isEmpty()) {
        FSearchPanel->EditControl()->SetColor(clWindow);
        return;
    }
    FSearchCell = Find(kNoCell, text, FFindParams);
    DoSearchFooterAction(text, FSearchCell.X, FSearchCell.Y, saFindFirst);
    if (FSearchCell == kNoCell) {
        FSearchPanel->EditControl()->SetColor(clRed);
        return;
    }
    FSearchPanel->EditControl()->SetColor(clWindow);
    // A match in a held-out row has been brought into view by the move to it, if at all.
    if (!FFindParams.Contains(fnIncludeHiddenRows)) ScrollInView(FSearchCell.X, FSearchCell.Y);
    if (highlighting) SearchFooterHighlight();
}

void TExStringGrid::SearchPanelForwardClick(TObject*) {
    const QString text = FSearchPanel->EditControl()->Text();
    if (!FSearchFooter->AutoSearch()) {
        if (text != FSearchFooter->LastSearch()) FSearchCell = kNoCell;
        FSearchFooter->SetLastSearch(text);
    }
    FSearchCell = Find(FSearchCell, text, SearchFooterFindParams(false) + TFindParams{fnAutoGoto});
    if (FSearchCell != kNoCell) ScrollInView(FSearchCell.X, FSearchCell.Y);
    DoSearchFooterAction(text, FSearchCell.X, FSearchCell.Y, saFindNext);
    FSearchPanel->update();
}

void TExStringGrid::SearchPanelBackwardClick(TObject*) {
    const QString text = FSearchPanel->EditControl()->Text();
    if (!FSearchFooter->AutoSearch()) {
        if (text != FSearchFooter->LastSearch()) FSearchCell = kNoCell;
        FSearchFooter->SetLastSearch(text);
    }
    // Backwards always runs column by column.
    TFindParams params = SearchFooterFindParams(false) + TFindParams{fnAutoGoto, fnBackward};
    params.Exclude(fnDirectionLeftRight);
    FSearchCell = Find(FSearchCell, text, params);
    if (FSearchCell != kNoCell) ScrollInView(FSearchCell.X, FSearchCell.Y);
    DoSearchFooterAction(text, FSearchCell.X, FSearchCell.Y, saFindPrevious);
    FSearchPanel->update();
}

void TExStringGrid::SearchPanelExitClick(TObject*) {
    if (OnSearchFooterClose) OnSearchFooterClose(this);
    FSearchFooter->SetVisible(false);
}

void TExStringGrid::SearchPanelHighLightClick(TObject*) {
    if (FSearchPanel->HiliteButton()->Down()) SearchFooterHighlight();
    else SearchFooterUnHighlight();
}

void TExStringGrid::SearchFooterChange(TObject*) {
    if (ComponentState().Contains(csLoading) || !FSearchPanel) return;
    const TSearchFooter& footer = *FSearchFooter;
    TSearchPanel& panel = *FSearchPanel;
    const bool justHidden = FSearchFooterWasVisible && !footer.Visible();
    if ((panel.HiliteButton()->Down() && justHidden) || footer.AlwaysHighLight()) UnHilightInGrid(false);
    FSearchFooterWasVisible = footer.Visible();

    panel.SetColor(footer.Color());
    panel.SetColorTo(footer.ColorTo());
    panel.SetFindNextCaption(footer.FindNextCaption());
    panel.SetFindPrevCaption(footer.FindPrevCaption());
    panel.SetMatchCaseCaption(footer.MatchCaseCaption());
    panel.SetHighLightCaption(footer.HighLightCaption());
    panel.SetHintFindNext(footer.HintFindNext());
    panel.SetHintFindPrev(footer.HintFindPrev());
    panel.SetHintClose(footer.HintClose());
    panel.SetHintHighlight(footer.HintHighlight());
    panel.setFont(footer.Font().ToQFont());
    panel.ShowControls(footer.ShowHighLight(), footer.ShowClose(), footer.ShowMatchCase(), footer.ShowFindPrev(),
                       footer.ShowFindNext());

    panel.SetHeight(footer.Visible() ? kSearchPanelHeight : 0);
    panel.SetVisible(footer.Visible());
    ApplyBorderMargins();
    AlignSearchPanel();
    if (footer.Visible()) ScrollAboveSearchFooter();
}
