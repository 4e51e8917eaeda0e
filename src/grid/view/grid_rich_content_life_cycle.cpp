// Where the grid's construction, window creation and loading set up its picture cache,
// balloons, floating footer panel and the change handlers of its display settings.

#include "grid/core/string_grid.h"

#include "grid/view/balloon_window.h"
#include "grid/view/footer_panel.h"
#include "grid/view/header_drag_button.h"
#include "grid/view/picture_container.h"

std::unique_ptr<THTMLPictureCache, void (*)(THTMLPictureCache*)> TExStringGrid::MakeImageCache() {
    return {new THTMLPictureCache(), [](THTMLPictureCache* cache) { delete cache; }};
}

void TExStringGrid::CreateRichContentParts() {
    FFooterPanel = new TFooterPanel(this);
    MoveButton = new THeaderDragButton(this);
    FDragDropSettings->OnChange = [this](TObject*) { DragDropSettingsChange(); };
    FShowModified->OnChange = [this](TObject*) { ShowModifiedChange(); };
    FBands->OnChange = [this](TObject*) { BandsChange(); };
    FBalloonSettings->OnEnableChange = [this](TObject*) { BalloonEnableChange(); };
}

void TExStringGrid::CreateRichContentWindows() {
    if (FBalloonSettings->Enable) BalloonInit();
    FFooterPanel->CreateWnd();
}

void TExStringGrid::LoadedRichContent() {
    if (FBalloonSettings->Enable) BalloonInit();
}

void TExStringGrid::ShowModifiedChange() {
    RepaintCol(0);
}

void TExStringGrid::BandsChange() { InvalidateGrid(); }

void TExStringGrid::PaintFooterPanel() {
    if (FFooterPanel && FFloatingFooter->Visible) FFooterPanel->update();
}
