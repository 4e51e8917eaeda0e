#include "grid/core/grid_undo_redo.h"

#include "grid/core/base_grid.h"

TExGridUndoRedo::TExGridUndoRedo(TComponent* AOwner) : TComponent(AOwner) {}

TExGridUndoRedo::~TExGridUndoRedo() {
    if (FGrid) FGrid->Notification(this, opRemove);
}

void TExGridUndoRedo::SetGrid(TBaseGrid* value) {
    if (FGrid && FGrid != value && FGrid->UndoRedo() == this) FGrid->Notification(this, opRemove);
    FGrid = value;
}

void TExGridUndoRedo::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent == FGrid) FGrid = nullptr;
    TComponent::Notification(AComponent, Operation);
}

void TExGridUndoRedo::DropUndone() { FItems.FItems.resize(std::size_t(FLevel)); }

void TExGridUndoRedo::Append(const TUndoRedoItem& item) {
    DropUndone();
    FItems.FItems.push_back(item);
    FLevel = FItems.Count();
}

void TExGridUndoRedo::RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue) {
    DropUndone();
    if (FMaxLevel > 0 && FItems.Count() >= FMaxLevel) {
        FItems.FItems.erase(FItems.FItems.begin());
        --FLevel;
    }
    TUndoRedoItem item;
    item.FCol = ACol;
    item.FRow = ARow;
    item.FValue = NewValue;
    item.FOrigValue = OldValue;
    Append(item);
}

void TExGridUndoRedo::StartSequence() {
    TUndoRedoItem item;
    item.FSequenceStart = true;
    Append(item);
}

void TExGridUndoRedo::StopSequence() {
    TUndoRedoItem item;
    item.FSequenceStop = true;
    Append(item);
}

void TExGridUndoRedo::Reset() {
    FItems.FItems.clear();
    FLevel = 0;
}

void TExGridUndoRedo::WriteCell(const TUndoRedoItem& item, const QString& text, const TExGridUndoRedoEvent& event) {
    if (item.IsBoundary()) return;
    if (event) event(this, FGrid, item.Col(), item.Row(), FGrid->Cells(item.Col(), item.Row()), text);
    FGrid->SetCells(item.Col(), item.Row(), text);
    FGrid->SetCol(FGrid->DisplColIndex(item.Col()));
    FGrid->SetRow(item.Row());
}

void TExGridUndoRedo::UndoItem(const TUndoRedoItem& item) { WriteCell(item, item.OrigValue(), OnUndo); }
void TExGridUndoRedo::RedoItem(const TUndoRedoItem& item) { WriteCell(item, item.Value(), OnRedo); }

void TExGridUndoRedo::Undo() {
    if (!FGrid || FLevel <= 0 || FItems.Count() < FLevel) return;
    const TUndoRedoItem last = FItems.Items(FLevel - 1);
    --FLevel;
    if (!last.SequenceStop()) {
        UndoItem(last);
        FGrid->RepaintCell(FGrid->DisplColIndex(last.Col()), last.Row());
        return;
    }
    // A sequence, from its last change back to its start entry (or the first item when
    // the start entry was dropped by MaxLevel).
    while (FLevel > 0) {
        const TUndoRedoItem item = FItems.Items(FLevel - 1);
        --FLevel;
        if (item.SequenceStart()) break;
        UndoItem(item);
    }
    FGrid->InvalidateGrid();
}

void TExGridUndoRedo::Redo() {
    if (!FGrid || FItems.Count() <= FLevel) return;
    const TUndoRedoItem first = FItems.Items(FLevel);
    ++FLevel;
    if (!first.SequenceStart()) {
        RedoItem(first);
        return;
    }
    // A sequence, up to and past its stop entry; an unclosed one up to its last change.
    while (FLevel < FItems.Count()) {
        const TUndoRedoItem item = FItems.Items(FLevel);
        ++FLevel;
        if (item.SequenceStop()) break;
        RedoItem(item);
    }
    FGrid->InvalidateGrid();
}
