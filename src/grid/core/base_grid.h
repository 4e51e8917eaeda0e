#pragma once
// The base of every grid of the program: the string grid with merged cell areas,
// per-cell property objects, display-text hooks, merge-aware cell rectangles and
// keyboard moves, a hidden last row for a floating footer, and the link to an
// undo/redo manager.
//
// Sections (definitions):
//   base_grid.cpp            life cycle, cell access, merging, span queries, geometry,
//                            clearing and releasing of cell properties
//   base_grid_navigation.cpp keys, wheel, SelectCell, TopLeftChanged
//   base_grid_painting.cpp   the cell painter (DrawCell, PaintCell, PaintCellExt)
//
// Ownership: every TCellProperties the grid creates or is given (SetCellProperties,
// SetGridObject) is owned by the grid until it frees it (FreeCellProps, the range
// release, a replacement) or is destroyed; freeing one frees its cell object when that
// is a TCellGraphic. A slot emptied without freeing (the Clear... operations) leaves the
// object to the grid, which frees it when it is destroyed. An object belongs to one slot.

#include "grid/core/cell_properties.h"
#include "platform/string_grid.h"

#include <QString>
#include <functional>
#include <unordered_set>

class TExGridUndoRedo;

// The toolkit's string grid with objects; it adds nothing of its own.
class TObjStringGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
};

enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };
enum THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = TSet<THoverRowCell>;

using TGetDisplTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TGetDisplWideTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;

class TBaseGrid : public TObjStringGrid {
public:
    explicit TBaseGrid(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TBaseGrid() override;

    // ---- cells (column first, 0-based; Cells, Objects and GraphicObjects are merge-aware)
    QString Cells(int ACol, int ARow) const { return GetCellEx(ACol, ARow); }
    void SetCells(int ACol, int ARow, const QString& Value) { SetCellEx(ACol, ARow, Value); }
    QString GetCellEx(int ACol, int ARow) const;
    void SetCellEx(int ACol, int ARow, const QString& Value);
    QString GridCells(int ACol, int ARow) const { return GetGridCell(ACol, ARow); }
    QString GetGridCell(int ACol, int ARow) const { return TStringGrid::Cells(ACol, ARow); }
    void SetGridCell(int ACol, int ARow, const QString& Value) { TStringGrid::SetCells(ACol, ARow, Value); }
    TObject* Objects(int ACol, int ARow) const { return GetObjectEx(ACol, ARow); }
    void SetObjects(int ACol, int ARow, TObject* Value) { SetObjectEx(ACol, ARow, Value); }
    TObject* GetObjectEx(int ACol, int ARow) const;
    void SetObjectEx(int ACol, int ARow, TObject* Value);
    TObject* GridObjects(int ACol, int ARow) const { return GetGridObject(ACol, ARow); }
    TObject* GetGridObject(int ACol, int ARow) const { return TStringGrid::Objects(ACol, ARow); }
    // The raw slot; a TCellProperties stored here becomes the grid's.
    void SetGridObject(int ACol, int ARow, TObject* Value);
    TObject* GraphicObjects(int ACol, int ARow) const { return GetGraphicObjectEx(ACol, ARow); }
    void SetGraphicObjects(int ACol, int ARow, TObject* Value) { SetGraphicObjectEx(ACol, ARow, Value); }
    TObject* GetGraphicObjectEx(int ACol, int ARow) const;
    void SetGraphicObjectEx(int ACol, int ARow, TObject* Value);
    TCellProperties* CellProperties(int ACol, int ARow) { return GetCellProperties(ACol, ARow); }
    TCellProperties* GetCellProperties(int ACol, int ARow);
    // Frees the properties in the slot and keeps the given ones (the grid owns them).
    void SetCellProperties(int ACol, int ARow, TCellProperties* Value);

    // ---- merged areas
    virtual void MergeCells(int c, int r, int spanx, int spany);
    virtual void SplitCells(int c, int r);
    TPoint BaseCell(int ACol, int ARow) const;
    bool IsBaseCell(int ACol, int ARow) const;
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    TPoint CellSpan(int ACol, int ARow) const;
    TPoint CellExt(int ACol, int ARow) const;
    TRect FullCell(int c, int r) const;
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    bool ColSpanIdentical(int ACol1, int ACol2) const;
    bool CellPropsAssigned(int ACol, int ARow) const;
    bool ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
    int MergeCount() const { return FMergeCount; }

    // ---- geometry
    TRect CellRect(int c, int r) const;
    TRect UnclippedCellRect(int c, int r) const;
    TPoint CellSize(int c, int r) const;
    int FixedColsWidth() const;
    int FixedRowsHeight() const;
    void RepaintCell(int c, int r);
    void RepaintMergedFixedCols();
    void RepaintMergedFixedRows();

    // ---- painting entry points
    void PaintCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
    void PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);

    // ---- clearing and releasing
    static TObject* GraphicOfProps(const TCellProperties* Props) { return Props ? Props->GraphicObject() : nullptr; }
    void MoveToBaseCell();
    void ClearColCells(int ACol);
    void ClearRowCells(int ARow);
    void ClearCellAndObject(int ACol, int ARow);
    void FreeCellProps(int ACol, int ARow);
    void FreeCellPropsRange(int ACol1, int ARow1, int ACol2, int ARow2);
    void FreeAllCellProps();

    // ---- hooks the derived grid overrides
    virtual bool IsFixed(int ACol, int ARow);
    virtual int GetRowIndent(int ARow);
    virtual bool HasNodes();
    virtual void DrawGridCell(TCanvas& Canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
    virtual void LastRowChanged() {}
    virtual void GetDisplText(int ACol, int ARow, QString& Value) const;
    virtual void GetDisplWideText(int ACol, int ARow, QString& Value) const;
    virtual void GetCellDefaults(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& ColorTo,
                                 TColor& MirrorColor, TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                 bool& WW, TCellGradientDirection& GD);
    virtual void CellChanged(int, int) {}
    virtual bool HasCustomBorders() { return false; }
    virtual bool UsesVCLStyles() { return false; }
    virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                     bool Remap, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                     TColor& AMirrorColorTo, TFont& AFont, TAlignment& HA, TVAlignment& VA,
                                     bool& WW, TCellGradientDirection& GD);
    // Real and displayed indexes: a base grid hides nothing, so both are the same; a grid
    // that hides rows or columns answers with its own mapping.
    virtual int DisplColIndex(int ACol) const { return ACol; }
    virtual int RealColIndex(int ACol) const { return ACol; }
    virtual int TotalColCount() const { return ColCount(); }
    virtual int RealRowIndex(int ARow) const { return ARow; }
    virtual int DisplRowIndex(int ARow) const { return ARow; }
    virtual bool IsHiddenRow(int) const { return false; }
    virtual int NumHiddenRows() const { return 0; }

    // ---- properties
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor value);
    TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(TColor value);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value);
    TExGridUndoRedo* UndoRedo() const { return FUndoRedo; }
    void SetUndoRedo(TExGridUndoRedo* value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { FWordWrap = value; }
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool value) { SetAndInvalidate(FActiveRowShow, value); }
    TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(TColor value) { SetAndInvalidate(FActiveRowColor, value); }
    TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(TColor value) { SetAndInvalidate(FActiveRowColorTo, value); }
    TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(TColor value) { SetAndInvalidate(FActiveRowMirrorColor, value); }
    TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(TColor value) { SetAndInvalidate(FActiveRowMirrorColorTo, value); }
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle value) { SetAndInvalidate(FSelectionStyle, value); }
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool value) { FHoverRow = value; }
    THoverRowCells HoverRowCells() const { return FHoverRowCells; }
    void SetHoverRowCells(THoverRowCells value) { FHoverRowCells = value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor value) { FHoverRowColor = value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor value) { FHoverRowColorTo = value; }

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

    // The manager (or another linked component) is going away.
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void TopLeftChanged() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void Paint() override;
    void LinesMoving(bool Rows, int First, int Last, bool Removed) override;
    void StructureChanged() override;

    // The grid's own colour and font, as a new cell takes them.
    TColor GridColor() const;
    TFont GridFont() const;

    // State the derived grid reads and sets.
    int FPaintID = 1;
    bool FHideLastRow = false;
    int FNormalRowCount = 0;
    int FHoverRowIdx = -1;
    bool FShowSel = true;
    bool FHasCellProps = false;
    int FMergeCount = 0;

private:
    friend class TCellProperties;  // a new properties object marks the grid as having some
    void PaintCellCore(TCanvas& Canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool Full);
    // Properties of a cell inside the grid, or nullptr.
    TCellProperties* PropsAt(int ACol, int ARow) const;
    void Adopt(TCellProperties* props);
    void DeleteProps(TCellProperties* props);
    // Keeps the current row off a hidden last row.
    void KeepOffHiddenLastRow();
    template <class T>
    void SetAndInvalidate(T& field, T value) {
        if (field == value) return;
        field = value;
        InvalidateGrid();
    }

    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    TColor FGridLineColor = 0xC0C0C0;
    TColor FGridFixedLineColor = 0x808080;
    TExGridUndoRedo* FUndoRedo = nullptr;
    bool FWordWrap = true;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    bool FHoverRow = false;
    THoverRowCells FHoverRowCells{hcNormal, hcSelected};
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    bool FDestroying = false;
    std::unordered_set<TCellProperties*> FOwnedProps;
};
