#include "grid/data/search_panel.h"

#include "controls/gradient_drawing.h"
#include "controls/lb_button_face.h"
#include "grid/core/string_grid.h"

namespace {

constexpr int kGradientBands = 32;

TBitmap PanelGlyph(const char* name) { return GlyphResource(QString::fromLatin1(name)); }

void SetButtonHint(TExGridButton* button, const QString& hint) {
    button->SetHint(hint);
    button->SetShowHint(!hint.isEmpty());
}

void Fire(const TNotifyEvent& event, TObject* sender) {
    if (event) event(sender);
}

}  // namespace

TSearchPanel::TSearchPanel(TExStringGrid* AGrid)
    : TCustomControl(nullptr, AGrid),
      FGrid(AGrid),
      FEditControl(new TRetEdit(nullptr, this)),
      FExitButton(new TExGridButton(nullptr, this)),
      FForwardButton(new TExGridButton(nullptr, this)),
      FBackwardButton(new TExGridButton(nullptr, this)),
      FHiliteButton(new TExGridButton(nullptr, this)),
      FMatchCase(new TExCheckBox(nullptr, this)) {
    setFocusPolicy(Qt::NoFocus);
    resize(AGrid->width(), 0);
    hide();

    FExitButton->SetGlyph(PanelGlyph("ASGCLOSE"));
    FExitButton->SetGlyphHot(PanelGlyph("ASGCLOSEH"));
    FExitButton->SetGlyphDown(PanelGlyph("ASGCLOSED"));
    FForwardButton->SetGlyph(PanelGlyph("ASGARDOWN"));
    FForwardButton->SetGlyphDisabled(PanelGlyph("ASGARDOWND"));
    FBackwardButton->SetGlyph(PanelGlyph("ASGARUP"));
    FBackwardButton->SetGlyphDisabled(PanelGlyph("ASGARUPD"));
    FHiliteButton->SetGlyph(PanelGlyph("ASGHI"));
    FHiliteButton->SetGlyphDisabled(PanelGlyph("ASGHID"));
    FHiliteButton->SetStyle(tasCheck);
    FExitButton->SetCaption(QString());
    FMatchCase->SetCaption(QString());
    // Nothing to find yet.
    for (TExGridButton* button : {FForwardButton, FBackwardButton, FHiliteButton}) button->setEnabled(false);

    FEditControl->OnChange = [this](TObject*) { EditChanged(); };
    // Return and Ctrl+Return act as the find buttons, which are off while there is nothing to find.
    FEditControl->OnReturn = [this](TObject*) {
        if (FForwardButton->isEnabled()) Fire(OnForwardClick, this);
    };
    FEditControl->OnCtrlReturn = [this](TObject*) {
        if (FBackwardButton->isEnabled()) Fire(OnBackwardClick, this);
    };
    FForwardButton->OnClick = [this](TObject*) { Fire(OnForwardClick, this); };
    FBackwardButton->OnClick = [this](TObject*) { Fire(OnBackwardClick, this); };
    FExitButton->OnClick = [this](TObject*) { Fire(OnExitClick, this); };
    FHiliteButton->OnClick = [this](TObject*) { Fire(OnHighlightClick, this); };

    OnEditChange = [AGrid](TObject* Sender) { AGrid->SearchPanelEditChange(Sender); };
    OnForwardClick = [AGrid](TObject* Sender) { AGrid->SearchPanelForwardClick(Sender); };
    OnBackwardClick = [AGrid](TObject* Sender) { AGrid->SearchPanelBackwardClick(Sender); };
    OnExitClick = [AGrid](TObject* Sender) { AGrid->SearchPanelExitClick(Sender); };
    OnHighlightClick = [AGrid](TObject* Sender) { AGrid->SearchPanelHighLightClick(Sender); };

    PlaceControls();
    if (FGrid->OnCreatedSearchFooter) FGrid->OnCreatedSearchFooter(FGrid);
}

void TSearchPanel::PlaceControls() {
    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    auto place = [&](QWidget* control, int left, int top, int w, int h) {
        control->setGeometry(mirrored ? width() - w - left : left, top, w, h);
    };
    place(FEditControl, 25, 6, 110, FEditControl->sizeHint().height());
    place(FExitButton, 5, 7, 14, 14);
    place(FForwardButton, 140, 5, 90, 23);
    place(FBackwardButton, 235, 5, 90, 23);
    place(FHiliteButton, 330, 5, 90, 23);
    // The match-case box keeps its place in either direction.
    FMatchCase->move(FHiliteButton->isHidden() ? 330 : 425, 8);
}

void TSearchPanel::ShowControls(bool HighLight, bool Close, bool MatchCase, bool FindPrev, bool FindNext) {
    FHiliteButton->setVisible(HighLight);
    FExitButton->setVisible(Close);
    FMatchCase->setVisible(MatchCase);
    FBackwardButton->setVisible(FindPrev);
    FForwardButton->setVisible(FindNext);
    PlaceControls();
}

void TSearchPanel::EditChanged() {
    const bool any = !FEditControl->Text().isEmpty();
    for (TExGridButton* button : {FForwardButton, FBackwardButton, FHiliteButton}) button->setEnabled(any);
    Fire(OnEditChange, this);
}

void TSearchPanel::SetColorTo(TColor Value) {
    FColorTo = Value;
    update();
}

void TSearchPanel::SetFindNextCaption(const QString& Value) {
    FFindNextCaption = Value;
    FForwardButton->SetCaption(Value);
}

void TSearchPanel::SetFindPrevCaption(const QString& Value) {
    FFindPrevCaption = Value;
    FBackwardButton->SetCaption(Value);
}

void TSearchPanel::SetMatchCaseCaption(const QString& Value) {
    FMatchCaseCaption = Value;
    FMatchCase->SetCaption(Value);
}

void TSearchPanel::SetHighLightCaption(const QString& Value) {
    FHighLightCaption = Value;
    FHiliteButton->SetCaption(Value);
}

void TSearchPanel::SetHintFindNext(const QString& Value) {
    FHintFindNext = Value;
    SetButtonHint(FForwardButton, Value);
}

void TSearchPanel::SetHintFindPrev(const QString& Value) {
    FHintFindPrev = Value;
    SetButtonHint(FBackwardButton, Value);
}

void TSearchPanel::SetHintClose(const QString& Value) {
    FHintClose = Value;
    SetButtonHint(FExitButton, Value);
}

void TSearchPanel::SetHintHighlight(const QString& Value) {
    FHintHighlight = Value;
    SetButtonHint(FHiliteButton, Value);
}

void TSearchPanel::Paint() {
    TCanvas& canvas = *Canvas();
    const TRect r = Rect(0, 0, width(), height());
    const TColor color = Color() == clDefault ? clBtnFace : Color();
    if (FColorTo == clNone) {
        canvas.Brush.Color = color;
        canvas.FillRect(r);
    } else {
        DrawGradient(canvas, color, FColorTo, kGradientBands, r, false);
    }
    canvas.Pen.Color = FGrid->GridLineColor();
    canvas.MoveTo(0, 0);
    canvas.LineTo(width(), 0);
}

void TSearchPanel::resizeEvent(QResizeEvent* event) {
    TCustomControl::resizeEvent(event);
    if (layoutDirection() == Qt::RightToLeft) PlaceControls();
    FGrid->AlignSearchPanel();
}

void TSearchPanel::showEvent(QShowEvent* event) {
    TCustomControl::showEvent(event);
    FGrid->AlignSearchPanel();
}

void TSearchPanel::changeEvent(QEvent* event) {
    TCustomControl::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange) PlaceControls();
}
