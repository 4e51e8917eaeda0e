#pragma once
// Settings for growing a cell while typing, and for saving and stretching the
// grid's column widths.

#include "platform/component.h"

#include <QString>

class TControl;

enum TColumnSizeLocation { clRegistry, clIniFile };
enum TAutoSizeRows { arAll, arNormal, arFixed };

class TSizeWhileTyping : public TObject {
public:
    bool Height() const { return FHeight; }
    void SetHeight(bool Value) { FHeight = Value; }
    bool Width() const { return FWidth; }
    void SetWidth(bool Value) { FWidth = Value; }

private:
    bool FHeight = false;
    bool FWidth = false;
};

class TColumnSize : public TObject {
public:
    explicit TColumnSize(TControl* AOwner) : Owner(AOwner) {}

    bool Save() const { return FSave; }
    void SetSave(bool Value) { FSave = Value; }
    const QString& Key() const { return FKey; }
    void SetKey(const QString& Value) { FKey = Value; }
    const QString& Section() const { return FSection; }
    void SetSection(const QString& Value) { FSection = Value; }
    // The grid stretches its StretchColumn while this is set; setting it repaints the grid.
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    int StretchColumn() const { return FStretchColumn; }
    void SetStretchColumn(int Value) { FStretchColumn = Value; }
    bool SynchWithGrid() const { return FSynchWithGrid; }
    void SetSynchWithGrid(bool Value) { FSynchWithGrid = Value; }
    bool SynchNormalCellsOnly() const { return FSynchNormalCellsOnly; }
    void SetSynchNormalCellsOnly(bool Value) { FSynchNormalCellsOnly = Value; }
    TColumnSizeLocation Location() const { return FLocation; }
    void SetLocation(TColumnSizeLocation Value) { FLocation = Value; }
    TAutoSizeRows Rows() const { return FRows; }
    void SetRows(TAutoSizeRows Value) { FRows = Value; }

    // Copies all nine settings of another TColumnSize as fields.
    void Assign(const TObject* Source);

private:
    TControl* Owner;
    bool FSave = false;
    QString FKey;
    QString FSection;
    bool FStretch = false;
    int FStretchColumn = -1;
    bool FSynchWithGrid = false;
    bool FSynchNormalCellsOnly = false;
    TColumnSizeLocation FLocation = clRegistry;
    TAutoSizeRows FRows = arAll;
};
