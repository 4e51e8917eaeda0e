// Cell pictures, images, buttons, shapes, ratings and interfaced cells: attaching,
// querying and removing them. Drawing them is the cell-graphics painter's
// (grid/view/cell_graphics*.cpp), which reads the fields set here.

#include "grid/core/string_grid.h"

#include "platform/picture.h"

// ---- shared helpers --------------------------------------------------------------------------

TCellGraphic* TExStringGrid::NewCellObject(int ACol, int ARow, TCellType AKind) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (graphic) graphic->SetCellType(AKind);
    return graphic;
}

TCellGraphic* TExStringGrid::CellObjectOf(int ACol, int ARow, TSet<TCellType> Kinds) const {
    if (!Kinds.Contains(GetCellType(ACol, ARow))) return nullptr;
    return GetCellGraphic(ACol, ARow);
}

TCellGraphic* TExStringGrid::BaseCellObjectOf(int ACol, int ARow, TSet<TCellType> Kinds) const {
    if (ACol < 0 || ARow < 0) return nullptr;
    const TPoint base = BaseCell(ACol, ARow);
    return CellObjectOf(base.X, base.Y, Kinds);
}

// ---- bitmaps, pictures, icons ------------------------------------------------------------------

void TExStringGrid::AddBitmap(int ACol, int ARow, TPicture* ABmp, bool Transparent, TCellHAlign hal,
                              TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetBitmap(ABmp, Transparent, hal, val);
}

TPicture* TExStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return nullptr;
    auto* bitmap = new TPicture();
    graphic->SetBitmap(bitmap, Transparent, hal, val);
    graphic->SetCellCreated(true);
    return bitmap;
}

void TExStringGrid::AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                               int Padding, TCellHAlign hal, TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* TExStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                       TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return nullptr;
    auto* picture = new TPicture();
    graphic->SetPicture(picture, Transparent, StretchMode, Padding, hal, val);
    graphic->SetCellCreated(true);
    return picture;
}

void TExStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* APicture, bool Transparent,
                                   TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetFilePicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TExStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                               int Padding, TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return nullptr;
    auto* picture = new TFilePicture();
    graphic->SetFilePicture(picture, Transparent, StretchMode, Padding, hal, val);
    graphic->SetCellCreated(true);
    return picture;
}

void TExStringGrid::AddIcon(int ACol, int ARow, TPicture* AIcon, TCellHAlign hal, TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetIcon(AIcon, hal, val);
}

TPicture* TExStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return nullptr;
    auto* icon = new TPicture();
    graphic->SetIcon(icon, hal, val);
    graphic->SetCellCreated(true);
    return icon;
}

TPicture* TExStringGrid::GetBitmap(int ACol, int ARow) const {
    const TCellGraphic* graphic = CellObjectOf(ACol, ARow, {ctBitmap});
    return graphic ? dynamic_cast<TPicture*>(graphic->CellBitmap()) : nullptr;
}

TPicture* TExStringGrid::GetPicture(int ACol, int ARow) const {
    const TCellGraphic* graphic = CellObjectOf(ACol, ARow, {ctPicture});
    return graphic ? dynamic_cast<TPicture*>(graphic->CellBitmap()) : nullptr;
}

TFilePicture* TExStringGrid::GetFilePicture(int ACol, int ARow) const {
    const TCellGraphic* graphic = CellObjectOf(ACol, ARow, {ctFilePicture});
    return graphic ? dynamic_cast<TFilePicture*>(graphic->CellBitmap()) : nullptr;
}

// ---- image-list images ---------------------------------------------------------------------------

void TExStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
    if (!FGridImages) return;
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetImageIdx(Aidx, hal, val);
}

bool TExStringGrid::GetImageIdx(int ACol, int ARow, int& idx) const {
    const TCellGraphic* graphic = FGridImages ? CellObjectOf(ACol, ARow, {ctImageList}) : nullptr;
    if (!graphic) return false;
    idx = graphic->CellIndex();
    return true;
}

void TExStringGrid::SetImageIdx(int ACol, int ARow, int Idx) {
    if (!FGridImages) return;
    if (TCellGraphic* graphic = CellObjectOf(ACol, ARow, {ctImageList})) graphic->SetCellIndex(Idx);
}

void TExStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
    if (!FGridImages) return;
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->SetDataImage(Aidx, hal, val);
    if (Cells(ACol, ARow).isEmpty()) SetCells(ACol, ARow, QString::number(Aidx));
}

void TExStringGrid::RemoveDataImage(int ACol, int ARow) {
    if (RemoveCellGraphicOfType(ACol, ARow, ctDataImage)) SetCells(ACol, ARow, QString());
}

void TExStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val) {
    if (!FGridImages) return;
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    // Each change of the list repaints the cell it belongs to.
    graphic->SetMultiImage(ACol, ARow, Dir, hal, val,
                           [this](TObject*, int Col, int Row) { RepaintCell(DisplColIndex(Col), Row); });
}

TIntList* TExStringGrid::GetCellImages(int ACol, int ARow) const {
    const TCellGraphic* graphic = CellObjectOf(ACol, ARow, {ctImages});
    return graphic ? dynamic_cast<TIntList*>(graphic->CellBitmap()) : nullptr;
}

// ---- buttons ---------------------------------------------------------------------------------------

void TExStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                              TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetButton(bw, bh, Caption, hal, val);
}

void TExStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TPicture* Glyph,
                                 TCellHAlign hal, TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TPicture* TExStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption,
                                         TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return nullptr;
    auto* glyph = new TPicture();
    graphic->SetBitButton(bw, bh, Caption, glyph, hal, val);
    graphic->SetCellCreated(true);
    return glyph;
}

void TExStringGrid::SetButtonText(int ACol, int ARow, const QString& Caption) {
    const int realCol = RealColIndex(ACol);
    TCellGraphic* graphic = CellObjectOf(realCol, ARow, {ctButton, ctBitButton});
    if (!graphic) return;
    graphic->SetCellText(Caption);
    RepaintCell(ACol, ARow);
}

QString TExStringGrid::GetButtonText(int ACol, int ARow) const {
    const TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    return graphic ? graphic->CellText() : QString();
}

void TExStringGrid::PushButton(int ACol, int ARow, bool Push) {
    TCellGraphic* graphic = CellObjectOf(RealColIndex(ACol), ARow, {ctButton, ctBitButton});
    if (!graphic) return;
    graphic->SetCellBoolean(Push);
    RepaintCell(ACol, ARow);
}

void TExStringGrid::RemoveButton(int ACol, int ARow) {
    if (!RemoveCellGraphicOfType(ACol, ARow, ctButton)) RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TExStringGrid::RemoveAllButtons() {
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            if (HasButton(c, r)) RemoveButton(c, r);
}

// ---- shapes and ratings ----------------------------------------------------------------------------

void TExStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                             TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = NewCellObject(ACol, ARow, ctShape);
    if (!graphic) return;
    graphic->SetCellAngle(Shape);
    graphic->SetCellColor(FillColor);
    graphic->SetCellTextColor(LineColor);
    graphic->SetCellHAlign(hal);
    graphic->SetCellVAlign(val);
}

void TExStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor) {
    if (TCellGraphic* graphic = CellObjectOf(ACol, ARow, {ctShape})) graphic->SetCellColor(FillColor);
}

TColor TExStringGrid::GetShapeColor(int ACol, int ARow) const {
    const TCellGraphic* graphic = CellObjectOf(ACol, ARow, {ctShape});
    return graphic ? graphic->CellColor() : clNone;
}

void TExStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor) {
    TCellGraphic* graphic = NewCellObject(ACol, ARow, ctRating);
    if (!graphic) return;
    graphic->SetCellAngle(Scale);
    graphic->SetCellTextColor(FillColor);
    graphic->SetCellColor(EmptyColor);
    graphic->SetCellHAlign(haFull);
}

bool TExStringGrid::DoRatingChange(int ACol, int ARow, double& NewRate) {
    bool allow = true;
    if (OnRatingChange) OnRatingChange(this, ACol, ARow, NewRate, allow);
    return allow;
}

// ---- interfaced cells and picker choices -------------------------------------------------------------

void TExStringGrid::AddInterfacedCell(int ACol, int ARow, TObject* AObject) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetInterfacedCell(AObject);
}

TObject* TExStringGrid::GetInterfacedCell(int ACol, int ARow) const {
    const TCellGraphic* graphic = CellObjectOf(ACol, ARow, {ctInterface});
    return graphic ? graphic->CellBitmap() : nullptr;
}

void TExStringGrid::DoColorSelect(TColor SelectedColor, const QString& ColorText) {
    if (OnColorSelect) OnColorSelect(this, Col(), Row(), SelectedColor, ColorText);
}

void TExStringGrid::DoImageSelect(int ItemIndex) {
    if (OnImageSelect) OnImageSelect(this, Col(), Row(), ItemIndex);
}
