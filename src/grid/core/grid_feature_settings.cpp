#include "grid/core/grid_feature_settings.h"

#include "grid/view/grid_drag_drop_formats.h"

namespace {
// Settings objects copy only from their own class.
template <class T>
void CopyFrom(T& target, const TObject* Source) {
    if (const auto* source = dynamic_cast<const T*>(Source)) target = *source;
}
}  // namespace

void TSortSettings::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TSortSettings*>(Source);
    if (!source) return;
    const bool virtualCells = SortOnVirtualCells;
    const bool ignoreCase = IgnoreCase;
    TExStringGrid* const owner = FOwner;
    CopyFrom(*this, Source);
    SortOnVirtualCells = virtualCells;
    IgnoreCase = ignoreCase;
    FOwner = owner;
}
void TFilterDropDown::SetGlyph(const TBitmap& Value) {
    Glyph = Value;
    if (OnChange) OnChange(this);
}
void TFilterDropDown::SetGlyphActive(const TBitmap& Value) {
    GlyphActive = Value;
    if (OnChange) OnChange(this);
}
void TFilterDropDown::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TFilterDropDown*>(Source);
    if (!source) return;
    Color = source->Color;
    ColumnWidth = source->ColumnWidth;
    Font = source->Font;
    Height = source->Height;
    Width = source->Width;
    SetGlyph(source->Glyph);
    SetGlyphActive(source->GlyphActive);
}
void TGrouping::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TGrouping*>(Source);
    if (!source) return;
    GroupCountFormat = source->GroupCountFormat;
    HeaderColor = source->HeaderColor;
    HeaderColorTo = source->HeaderColorTo;
    HeaderTextColor = source->HeaderTextColor;
    HeaderUnderline = source->HeaderUnderline;
    MergeHeader = source->MergeHeader;
    MergeSummary = source->MergeSummary;
    ShowGroupCount = source->ShowGroupCount;
    SummaryColor = source->SummaryColor;
    SummaryColorTo = source->SummaryColorTo;
    SummaryTextColor = source->SummaryTextColor;
    SummaryLine = source->SummaryLine;
    AutoCheckGroup = source->AutoCheckGroup;
    AutoSelectGroup = source->AutoSelectGroup;
}
void TDragDropSettings::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TDragDropSettings*>(Source);
    if (!source) return;
    const TNotifyEvent onChange = OnChange;
    const bool dropTarget = FOleDropTarget;
    *this = *source;
    OnChange = onChange;
    FOleDropTarget = dropTarget;  // the setter tells the grid when it changes
    SetOleDropTarget(source->FOleDropTarget);
    SetOleDropRTF(source->FOleDropRTF);
}
void TDragDropSettings::SetOleDropTarget(bool Value) {
    if (FOleDropTarget == Value) return;
    FOleDropTarget = Value;
    if (OnChange) OnChange(this);
}
void TDragDropSettings::SetOleDropRTF(bool Value) {
    FOleDropRTF = Value;
    SetDropRTFEnabled(Value);
}
void TDragScrollDelays::Assign(const TObject* Source) { CopyFrom(*this, Source); }
void TDragScrollMargins::Assign(const TObject* Source) { CopyFrom(*this, Source); }
void TDragScrollOptions::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TDragScrollOptions*>(Source);
    if (!source) return;
    Active = source->Active;
    FDelays->Assign(source->Delays());
    FMargins->Assign(source->Margins());
}
void TShowModified::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TShowModified*>(Source);
    if (!source) return;
    Color = source->Color;
    Enabled = source->Enabled;
}

void TShowModified::SetColor(TColor Value) {
    Color = Value;
    if (OnChange) OnChange(this);
}
void TBalloonSettings::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TBalloonSettings*>(Source);
    if (!source) return;
    TextColor = source->TextColor;
    BackgroundColor = source->BackgroundColor;
    InitialDelay = source->InitialDelay;
    AutoHideDelay = source->AutoHideDelay;
    ReshowDelay = source->ReshowDelay;
    Enable = source->Enable;
}

void TBalloonSettings::SetEnable(bool Value) {
    Enable = Value;
    if (OnEnableChange) OnEnableChange(this);
}
