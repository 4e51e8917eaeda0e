// The grid's balloon hints: the balloon window lives while Balloon.Enable is on and asks
// the grid for the balloon of the cell under the mouse each time it is about to show.

#include "grid/core/string_grid.h"

#include "grid/view/balloon_window.h"

namespace {

constexpr int kStartingIcon = TBalloonWindow::biErrorIcon;
const QString kStartingTitle = QStringLiteral("ToolTipText");
constexpr int kOpaque = 255;

}  // namespace

void TExStringGrid::BalloonInit() {
    if (FBalloonSettings->FInit) return;
    FBalloonSettings->FInit = true;
    CreateBalloonWindow();
    AddBalloonTool(kStartingIcon, kStartingTitle);
    if (!FHToolTip) return;
    if (FBalloonSettings->InitialDelay != -1) FHToolTip->SetInitialDelay(FBalloonSettings->InitialDelay);
    if (FBalloonSettings->ReshowDelay != -1) FHToolTip->SetReshowDelay(FBalloonSettings->ReshowDelay);
    if (FBalloonSettings->AutoHideDelay != -1) FHToolTip->SetAutoPopDelay(FBalloonSettings->AutoHideDelay);
    if (FBalloonSettings->Transparency != 0) FHToolTip->SetOpacity(kOpaque - FBalloonSettings->Transparency);
}

void TExStringGrid::BalloonDone() {
    DestroyBalloonWindow();
    FBalloonSettings->FInit = false;
}

void TExStringGrid::BalloonEnableChange() {
    if (ComponentState().Contains(csLoading)) return;
    if (FBalloonSettings->Enable)
        BalloonInit();
    else
        BalloonDone();
}

void TExStringGrid::CreateBalloonWindow() {
    DestroyBalloonWindow();
    FHToolTip = new TBalloonWindow(this);
}

void TExStringGrid::DestroyBalloonWindow() {
    delete FHToolTip;
    FHToolTip = nullptr;
}

void TExStringGrid::AddBalloonTool(int Icon, const QString& Title) {
    if (!FHToolTip) return;
    FHToolTip->AddTool(Surface(), [this](TPoint Position) {
        const TBalloonText balloon = BalloonText(Position.X, Position.Y);
        FHToolTip->SetColors(FBalloonSettings->BackgroundColor, FBalloonSettings->TextColor);
        if (balloon.Shown) FLastBalloonPos = {balloon.Col, balloon.Row};
        return TBalloonWindow::TBalloonContent{balloon.Shown, balloon.Title, balloon.Text, balloon.Icon};
    });
    FHToolTip->SetTitle(Icon, Title);
}
