#pragma once
// Settings objects the string grid creates for features built elsewhere (sorting,
// grouping, footers, background, drag and drop, balloons, modified rows). Each holds the
// switches the grid core reads, with their defaults; Assign copies every field from an
// object of the same class and fires nothing. The features that use the rest of their
// settings add those fields with their own work.

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/component.h"

enum TSortDirection { sdAscending, sdDescending };
enum TIndexSortKey { ikShift, ikCtrl };

// The members painting reads; sorting itself completes them. Empty glyphs draw the
// built-in sort indicator.
class TSortSettings : public TObject {
public:
    int Column = 0;
    int Row = 0;
    bool Show = false;
    bool SingleColumn = false;
    bool AutoSortForGrouping = true;
    bool FixedCols = false;
    TSortDirection Direction = sdAscending;
    TSortDirection InitSortDirection = sdAscending;
    bool UndoSort = false;
    bool AutoColumnMerge = false;
    TBitmap UpGlyph;
    TBitmap DownGlyph;
    const TBitmap& GetUpGlyph() const { return UpGlyph; }
    const TBitmap& GetDownGlyph() const { return DownGlyph; }
    bool IndexShow = false;
    TIndexSortKey IndexSortKey = ikShift;
    TBitmap IndexUpGlyph;
    TBitmap IndexDownGlyph;
    TColor IndexColor = clYellow;
    TColor HeaderColor = clNone;
    TColor HeaderColorTo = clNone;
    TColor HeaderMirrorColor = clNone;
    TColor HeaderMirrorColorTo = clNone;
    void Assign(const TObject* Source);
};

// The filter drop-down's look; empty glyphs draw the built-in filter glyph.
class TFilterDropDown : public TObject {
public:
    bool AutoSize = false;
    TColor Color = clWindow;
    TFont Font;
    int Width = 200;
    int Height = 200;
    int ColumnWidth = 0;
    TBitmap Glyph;
    TBitmap GlyphActive;
    void Assign(const TObject* Source);
};

enum TControlStyle { csClassic, csFlat, csWinXP, csBrantel, csZRT, csGlyph, csTheme };

class TControlLook : public TObject {
public:
    bool DropDownAlwaysVisible = false;
    bool SpinButtonsAlwaysVisible = false;
    TControlStyle ControlStyle = csWinXP;
    int DropDownCount = 8;
    int CheckSize = 15;
    int RadioSize = 10;
    void Assign(const TObject* Source);
};

class TGrouping : public TObject {
public:
    bool HeaderUnderline = false;
    TColor HeaderLineColor = clBlack;
    int HeaderLineWidth = 2;
    bool SummaryLine = false;
    TColor SummaryLineColor = clBlack;
    int SummaryLineWidth = 2;
    void Assign(const TObject* Source);
};

enum TBackgroundDisplay { bdTile, bdFixed, bdCenter, bdStretch, bdGradientHorz, bdGradientVert };
// Where a tiled background picture starts: at the first normal cell, at the client's
// corner, or nowhere but the fixed cells.
enum TBackgroundCells { bcNormal, bcFixed, bcAll };

class TBackGround : public TObject {
public:
    TBackgroundDisplay Display = bdTile;
    TColor Color = clWhite;
    TColor ColorTo = clNone;
    TBitmap Bitmap;
    int Left = 0;
    int Top = 0;
    TBackgroundCells Cells = bcNormal;
    bool IsGradient() const { return Display == bdGradientHorz || Display == bdGradientVert; }
    void Assign(const TObject* Source);
};

class TFloatingFooter : public TObject {
public:
    bool Visible = false;
    int Height = 22;
    void Assign(const TObject* Source);
};

class TDragDropSettings : public TObject {
public:
    bool OleEntireRows = false;
    bool OleAcceptText = true;
    bool OleAcceptFiles = true;
    bool OleAcceptURLs = true;
    void Assign(const TObject* Source);
};

class TShowModified : public TObject {
public:
    bool Enabled = false;
    void Assign(const TObject* Source);
};

class TBalloonSettings : public TObject {
public:
    bool Enable = false;
    TColor TextColor = clNone;
    TColor BackgroundColor = clNone;
    void Assign(const TObject* Source);
};
