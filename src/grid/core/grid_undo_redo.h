#pragma once
// The undo/redo manager of a grid: a list of recorded cell changes, with sequences
// (start entry, changes, stop entry) that are undone and redone as one step.
//
// Items below Level are applied, items from Level on are undone and can be redone.
// Registering a change drops the undone items first, so a redo never replays a change
// made on a different history. Boundary entries (column and row -1) are never written
// to the grid.

#include "platform/component.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TBaseGrid;

class TUndoRedoItem {
public:
    int Row() const { return FRow; }
    int Col() const { return FCol; }
    const QString& Value() const { return FValue; }
    const QString& OrigValue() const { return FOrigValue; }
    bool SequenceStart() const { return FSequenceStart; }
    bool SequenceStop() const { return FSequenceStop; }
    bool IsBoundary() const { return FSequenceStart || FSequenceStop; }

private:
    friend class TExGridUndoRedo;
    int FRow = -1;
    int FCol = -1;
    QString FValue;
    QString FOrigValue;
    bool FSequenceStart = false;
    bool FSequenceStop = false;
};

class TUndoRedoCollection {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    const TUndoRedoItem& Items(int index) const { return FItems.at(std::size_t(index)); }

private:
    friend class TExGridUndoRedo;
    std::vector<TUndoRedoItem> FItems;
};

using TExGridUndoRedoEvent = std::function<void(TObject* Sender, TBaseGrid* Grid, int Col, int Row,
                                                const QString& OrigValue, const QString& NewValue)>;

class TExGridUndoRedo : public TComponent {
public:
    explicit TExGridUndoRedo(TComponent* AOwner = nullptr);
    ~TExGridUndoRedo() override;

    const TUndoRedoCollection& Items() const { return FItems; }
    TBaseGrid* Grid() const { return FGrid; }
    // A manager serves one grid: a grid it leaves forgets it, so neither keeps a
    // pointer to the other once either is gone.
    void SetGrid(TBaseGrid* value);
    int Level() const { return FLevel; }
    int MaxLevel() const { return FMaxLevel; }
    void SetMaxLevel(int value) { FMaxLevel = value < 0 ? 0 : value; }

    // ACol is the real column of the cell.
    virtual void RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();
    void Undo();
    void Redo();
    void Reset();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < FItems.Count(); }

    TExGridUndoRedoEvent OnUndo;
    TExGridUndoRedoEvent OnRedo;

    // The linked grid is going away.
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void DropUndone();
    void Append(const TUndoRedoItem& item);
    void UndoItem(const TUndoRedoItem& item);
    void RedoItem(const TUndoRedoItem& item);
    void WriteCell(const TUndoRedoItem& item, const QString& text, const TExGridUndoRedoEvent& event);

    TUndoRedoCollection FItems;
    TBaseGrid* FGrid = nullptr;
    int FLevel = 0;
    int FMaxLevel = 0;
};
