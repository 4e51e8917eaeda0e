#pragma once
// The per-cell property object a grid keeps in the object slot of every cell that needs
// one: the cell's look, its place in a merged area, its user object and cell object, its
// editor kind, read-only flag, node level and embedded control.
//
// The grid that keeps a properties object owns it, and frees with it the cell object
// (a TCellGraphic) it carries; the object itself owns nothing (the user object and the
// control belong to others).

#include "grid/core/grid_enumerations.h"
#include "platform/alignment.h"
#include "platform/canvas.h"
#include "platform/component.h"
#include "platform/control.h"

#include <QString>

class TBaseGrid;

class TCellProperties : public TObject {
public:
    TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);
    TCellProperties(const TCellProperties&) = delete;
    TCellProperties& operator=(const TCellProperties&) = delete;

    // The base cell of the merged area of the cell (ACol, ARow) this object belongs to.
    TPoint GetBaseCell(int ACol, int ARow) const;
    TPoint BaseCell(int ACol, int ARow) const { return GetBaseCell(ACol, ARow); }
    // Copies the look and the merge membership; the owner grid and cell stay this
    // object's own, and neither the cell object nor the calculation is shared.
    void Assign(const TCellProperties& Source);

    TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
    int OwnerCol() const { return FOwnerCol; }
    void SetOwnerCol(int value) { FOwnerCol = value; }
    int OwnerRow() const { return FOwnerRow; }
    void SetOwnerRow(int value) { FOwnerRow = value; }

    TObject* CellObject() const { return FObject; }
    void SetCellObject(TObject* value) { FObject = value; }
    TObject* GraphicObject() const { return FGraphicObject; }
    void SetGraphicObject(TObject* value) { FGraphicObject = value; }

    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle value) { FBrushStyle = value; }
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor value);
    TColor BrushColorTo() const { return FBrushColorTo; }
    void SetBrushColorTo(TColor value);
    int FontSize() const { return FFontSize; }
    void SetFontSize(int value) { FFontSize = value; }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor value) { FFontColor = value; }
    TFontStyles FontStyle() const { return FFontStyle; }
    void SetFontStyle(TFontStyles value) { FFontStyle = value; }
    int CellSpanY() const { return FCellSpanY; }
    void SetCellSpanY(int value) { FCellSpanY = value; }
    int CellSpanX() const { return FCellSpanX; }
    void SetCellSpanX(int value) { FCellSpanX = value; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value) { FBorderWidth = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { FBorderColor = value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { FAlignment = value; }
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment value);
    int PaintID() const { return FPaintID; }
    void SetPaintID(int value) { FPaintID = value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool IsBaseCell() const { return FIsBaseCell; }
    void SetIsBaseCell(bool value) { FIsBaseCell = value; }
    TColumnCalcType CalcType() const { return FCalcType; }
    void SetCalcType(TColumnCalcType value) { FCalcType = value; }
    TObject* CalcObject() const { return FCalcObject; }
    void SetCalcObject(TObject* value) { FCalcObject = value; }
    int NodeLevel() const { return FNodeLevel; }
    void SetNodeLevel(int value) { FNodeLevel = value; }
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType value) { FEditor = value; }
    QString FontName() const { return FFontName; }
    void SetFontName(const QString& value) { FFontName = value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    TCellGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TCellGradientDirection value) { FGradientDirection = value; }
    TControl* Control() const { return FControl; }
    void SetControl(TControl* value) { FControl = value; }

private:
    friend class TBaseGrid;  // fills a new object from the grid's defaults without repainting
    void RepaintOwnerCell();

    TBaseGrid* FOwnerGrid;
    int FOwnerCol;
    int FOwnerRow;
    TObject* FObject = nullptr;
    TObject* FGraphicObject = nullptr;
    TBrushStyle FBrushStyle = bsSolid;
    TColor FBrushColor = clNone;
    TColor FBrushColorTo = clNone;
    int FFontSize = 0;
    TColor FFontColor = clNone;
    TFontStyles FFontStyle;
    int FCellSpanY = -1;
    int FCellSpanX = -1;
    int FBorderWidth = 0;
    TColor FBorderColor = 0;
    TAlignment FAlignment = taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    int FPaintID = 0;
    bool FWordWrap;
    bool FIsBaseCell = true;
    TColumnCalcType FCalcType = acNONE;
    TObject* FCalcObject = nullptr;
    int FNodeLevel = 0;
    TEditorType FEditor = edNormal;
    QString FFontName;
    bool FReadOnly = false;
    TCellGradientDirection FGradientDirection = GradientVertical;
    TControl* FControl = nullptr;
};
