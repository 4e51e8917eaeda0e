#pragma once
// The shared string-grid fixture with a Y/N check-box column (real column 1, rows 1..3
// holding "Y", "N", "Y" under one shared ctVirtCheckBox graphic, as a column grid gives
// it) and a way to run the text and graphic layers of one cell on an image, as the cell
// painter runs them.

#include "grid/core/grid_fixture.h"

#include <QImage>
#include <QPainter>
#include <memory>

class CellLayersGrid : public StringGridFixture {
public:
    static constexpr int YNCol = 1;

    CellLayersGrid() {
        SharedCheck.SetCellType(ctVirtCheckBox);
        SharedCheck.SetCellVAlign(vaCenter);
        SharedCheck.SetCellHAlign(haCenter);
        const char* values[] = {"Y", "N", "Y"};
        for (int r = 1; r <= 3; ++r) SetCells(YNCol, r, QString::fromLatin1(values[r - 1]));
        SetOptions(Options() + TGridOptions{goEditing});
        OnGetAlignment = [this](TObject*, int, int ACol, TAlignment& HAlign, TVAlignment&) {
            if (ACol == YNCol) HAlign = YNAlignment;
        };
        OnCanEditCell = [this](TObject*, int, int ACol, bool& CanEdit) {
            if (ACol == YNCol && YNReadOnly) CanEdit = false;
        };
    }

    TCellGraphic* GetCellGraphic(int ACol, int ARow) const override {
        if (ACol == YNCol && ARow >= FixedRows()) return const_cast<TCellGraphic*>(&SharedCheck);
        return TExStringGrid::GetCellGraphic(ACol, ARow);
    }

    // Displayed column c, row r with 40 x 20 cells and 1-pixel lines.
    static TRect CellBox(int c, int r) { return Rect(c * 41, r * 21, c * 41 + 40, r * 21 + 20); }

    // Runs the text layer, then the graphic layer, of one displayed cell.
    TCellDrawWork Paint(QImage& image, int c, int r, TGridDrawState state = {}, bool filterGlyph = false) {
        QPainter painter(&image);
        TCanvas canvas(&painter);
        canvas.Font.Name = QStringLiteral("DejaVu Sans");
        canvas.Font.Size = 8;
        canvas.Font.Color = TextColor;
        canvas.Brush.Color = clWhite;
        TCellDrawWork work;
        work.Canvas = &canvas;
        work.ACol = c;
        work.RCol = RealColIndex(c);
        work.ARow = r;
        work.FlagRow = FlagRowOf(r);
        work.AState = state;
        work.Rect = CellBox(c, r);
        work.IsFixed = c < FixedCols() || r < FixedRows();
        work.FilterGlyph = filterGlyph;
        work.NormalBrushColor = clWhite;
        work.NormalFontColor = TextColor;
        TVAlignment va = VAlignment();
        work.HA = taLeftJustify;
        GetCellAlignment(RealCol(work.RCol), DisplRow(r), work.HA, va);
        work.VA = va;
        work.Graphic = GetCellGraphicInfo(work.RCol, r, work.GraphicVAlign, work.GraphicHAlign, work.TextShown,
                                          work.GraphicHeight, work.GraphicWidth);
        DrawCellText(work);
        if (work.Graphic) DrawCellGraphic(work, work.Rect, work.Graphic, work.GraphicVAlign);
        work.Canvas = nullptr;
        return work;
    }

    // The text layer alone, with the cell's graphic information filled in.
    void RunTextLayer(TCellDrawWork& work) {
        work.Graphic = GetCellGraphicInfo(work.RCol, work.ARow, work.GraphicVAlign, work.GraphicHAlign, work.TextShown,
                                          work.GraphicHeight, work.GraphicWidth);
        DrawCellText(work);
    }

    static QImage Blank() {
        QImage image(260, 200, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        return image;
    }

    TCellGraphic SharedCheck;
    TAlignment YNAlignment = taCenter;
    bool YNReadOnly = false;
    TColor TextColor = clBlack;
};
