#pragma once
// TPrintSettings: everything that shapes a printed or previewed grid. Lengths are in
// tenths of a millimetre, the unit of the printed page. Created with the grid and freed
// with it; printing and preview only read it.

#include "platform/canvas.h"
#include "platform/persistent.h"
#include "platform/printer.h"
#include "platform/string_list.h"

#include <QString>

class TExStringGrid;

// The order is fixed: stored settings keep these numbers.
enum TPrintBorders {
    pbNoborder,          // 0
    pbSingle,            // 1
    pbDouble,            // 2
    pbVertical,          // 3
    pbHorizontal,        // 4
    pbAround,            // 5
    pbAroundVertical,    // 6
    pbAroundHorizontal,  // 7
    pbCustom             // 8
};
enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };

class TPrintSettings : public TPersistent {
public:
    explicit TPrintSettings(TExStringGrid* AOwner = nullptr) : FOwner(AOwner) {}

    // Copies every setting but FixedCellsAlways; fonts and title lines by value. Any
    // other source raises EConvertError.
    void Assign(const TPersistent* Source) override;
    TExStringGrid* Owner() const { return FOwner; }

    // Fonts of normal and fixed cells when UseDisplayFont is off, of the three top and
    // the three bottom places of the page.
    TFont Font;
    TFont FixedFont;
    TFont HeaderFont;
    TFont FooterFont;
    void SetFont(const TFont& Value) { Font.Assign(Value); }
    void SetFixedFont(const TFont& Value) { FixedFont.Assign(Value); }
    void SetHeaderFont(const TFont& Value) { HeaderFont.Assign(Value); }
    void SetFooterFont(const TFont& Value) { FooterFont.Assign(Value); }
    // Off: normal cells print in Font and fixed cells in FixedFont instead of the
    // grid's screen fonts.
    bool UseDisplayFont = true;

    TPrintBorders Borders = pbSingle;
    TPenStyle BorderStyle = psSolid;
    TColor BorderColor = clBlack;

    bool Centered = true;
    bool RepeatFixedRows = false;
    bool RepeatFixedCols = false;
    // When only the selection prints, the fixed rows and columns print anyway. Not copied.
    bool FixedCellsAlways = false;

    int LeftSize = 0;
    int RightSize = 0;
    int HeaderSize = 0;
    int FooterSize = 0;
    int ColumnSpacing = 0;  // added, with 20 more, to every column unless UseFixedWidth
    int RowSpacing = 0;
    int TitleSpacing = 0;

    TPrintPosition Time = ppNone;
    TPrintPosition Date = ppNone;
    TPrintPosition PageNr = ppNone;
    TPrintPosition Title = ppNone;
    // "nn" are minutes, "/" the locale's date separator.
    QString DateFormat = QStringLiteral("dd/mm/yyyy");
    // Between page number and page count; empty prints the page number alone.
    QString PageNumSep = QStringLiteral("/");
    QString PagePrefix;
    QString PageSuffix;
    int PageNumberOffset = 0;
    int MaxPagesOffset = 0;

    // A one-line title; when empty, TitleLines is the title (several lines, or one
    // HTML text when the grid renders HTML).
    QString TitleText;
    TStringList TitleLines;
    void SetTitleLines(const TStringList& Value) { TitleLines.Assign(Value); }

    TPrinterOrientation Orientation = poPortrait;
    bool UseDefaultOrientation = false;  // the printer's orientation stays as it is
    QString JobName;

    TFitToPage FitToPage = fpNever;
    bool NoAutoSize = false;     // column widths from the screen widths
    bool NoAutoSizeRow = false;  // row heights from the screen heights
    bool UseFixedWidth = false;
    int FixedWidth = 0;
    bool UseFixedHeight = false;
    int FixedHeight = 0;
    bool PrintGraphics = false;

private:
    TExStringGrid* FOwner;
};
