// Progress indicators, cell scroll bars, comments, error markers and balloons: attaching,
// querying and removing them. The marker and the balloon have fields of their own in the
// cell record, so neither disturbs the object they lie beside.

#include "grid/core/string_grid.h"

namespace {
const TCellTypes BalloonCarriers{ctCheckBox, ctDataCheckBox, ctRadioButton};
}  // namespace

// ---- progress ----------------------------------------------------------------------------------

void TExStringGrid::AddProgressObject(int ACol, int ARow, TColor FGColor, TColor BKColor, bool TextColors,
                                      TColor FGTextColor, TColor BKTextColor, const QString& Fmt, int Min, int Max) {
    TCellGraphic* graphic = NewCellObject(ACol, ARow, ctProgress);
    if (!graphic) return;
    graphic->SetCellHAlign(haLeft);
    graphic->SetCellVAlign(vaTop);
    graphic->SetCellColor(FGColor);
    graphic->SetCellColorTo(BKColor);
    graphic->SetCellBoolean(TextColors);
    graphic->SetCellTextColor(FGTextColor);
    graphic->SetCellTextColorTo(BKTextColor);
    graphic->SetCellErrFrom(Min);
    graphic->SetCellErrLen(Max);
    graphic->SetCellText(Fmt);
    if (AutoNumAlign()) SetAlignments(ACol, ARow, taRightJustify);
}

void TExStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor) {
    AddProgressObject(ACol, ARow, FGColor, BKColor, false, clNone, clNone, QString(), 0, 100);
}

void TExStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                  TColor BKTextColor) {
    AddProgressObject(ACol, ARow, FGColor, BKColor, true, FGTextColor, BKTextColor, QString(), 0, 100);
}

void TExStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                         TColor BKTextColor, const QString& Fmt, int Min, int Max) {
    AddProgressObject(ACol, ARow, FGColor, BKColor, true, FGTextColor, BKTextColor, Fmt, Min, Max);
}

void TExStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value) {
    TCellGraphic* graphic = NewCellObject(ACol, ARow, ctProgressPie);
    if (!graphic) return;
    graphic->SetCellHAlign(haBeforeText);
    graphic->SetCellVAlign(vaTop);
    graphic->SetCellColor(Color);
    graphic->SetCellAngle(Value);
}

void TExStringGrid::SetProgressPie(int ACol, int ARow, int Value) {
    TCellGraphic* graphic = CellObjectOf(ACol, ARow, {ctProgressPie});
    if (!graphic) return;
    graphic->SetCellAngle(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExStringGrid::AddExProgress(int ACol, int ARow, int Min, int Max) {
    TCellGraphic* graphic = NewCellObject(ACol, ARow, ctXPProgress);
    if (!graphic) return;
    graphic->SetCellHAlign(haLeft);
    graphic->SetCellVAlign(vaTop);
    graphic->SetCellErrFrom(Min);
    graphic->SetCellErrLen(Max);
    graphic->SetCellBoolean(false);
}

void TExStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                      bool ShowValue) {
    TCellGraphic* graphic = NewCellObject(ACol, ARow, ctRangeIndicator);
    if (!graphic) return;
    graphic->SetCellHAlign(haLeft);
    graphic->SetCellVAlign(vaTop);
    graphic->SetCellIndex(Range);
    graphic->SetCellColor(NegColor);
    graphic->SetCellColorTo(PosColor);
    graphic->SetCellBoolean(ShowValue);
}

// ---- cell scroll bars ----------------------------------------------------------------------------
// Page size in CellAngle, range in CellErrFrom, position in CellIndex, AutoRange in
// CellBoolean.

void TExStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange) {
    TCellGraphic* graphic = NewCellObject(ACol, ARow, ctScrollbar);
    if (!graphic) return;
    graphic->SetCellAngle(0);
    graphic->SetCellErrFrom(100);
    graphic->SetCellIndex(0);
    graphic->SetCellBoolean(AutoRange);
    CellChanged(ACol, ARow);
}

bool TExStringGrid::HasAutoRangeScrollBar(int ACol, int ARow) const {
    const TCellGraphic* graphic = BaseCellObjectOf(ACol, ARow, {ctScrollbar});
    return graphic && graphic->CellBoolean();
}

void TExStringGrid::FitCellScrollBar(int ACol, int ARow) {
    if (!HasAutoRangeScrollBar(ACol, ARow)) return;
    const TPoint base = BaseCell(ACol, ARow);
    SetScrollProp(ACol, ARow, TScrollProp{RowHeights(base.Y), GetCellTextSize(base.X, base.Y, true, false).cy});
}

void TExStringGrid::SetScrollPosition(int ACol, int ARow, int Pos) {
    TCellGraphic* graphic = BaseCellObjectOf(ACol, ARow, {ctScrollbar});
    if (!graphic) return;
    graphic->SetCellIndex(Pos);
    const TPoint base = BaseCell(ACol, ARow);
    RepaintCell(DisplColIndex(base.X), base.Y);
}

int TExStringGrid::GetScrollPosition(int ACol, int ARow) const {
    const TCellGraphic* graphic = BaseCellObjectOf(ACol, ARow, {ctScrollbar});
    return graphic ? graphic->CellIndex() : -1;
}

void TExStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop) {
    TCellGraphic* graphic = BaseCellObjectOf(ACol, ARow, {ctScrollbar});
    if (!graphic) return;
    graphic->SetCellAngle(Prop.PageSize);
    graphic->SetCellErrFrom(Prop.Range);
}

TScrollProp TExStringGrid::GetScrollProp(int ACol, int ARow) const {
    const TCellGraphic* graphic = BaseCellObjectOf(ACol, ARow, {ctScrollbar});
    return graphic ? TScrollProp{graphic->CellAngle(), graphic->CellErrFrom()} : TScrollProp{-1, -1};
}

// ---- comments ------------------------------------------------------------------------------------

void TExStringGrid::AddComment(int ACol, int ARow, const QString& Comment) {
    AddColorComment(ACol, ARow, Comment, FControlLook->CommentColor);
}

void TExStringGrid::AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color) {
    TCellGraphic* graphic = NewCellObject(ACol, ARow, ctComment);
    if (!graphic) return;
    graphic->SetCellHAlign(haLeft);
    graphic->SetCellVAlign(vaTop);
    graphic->SetCellText(Comment);
    graphic->SetCellTextColor(Color);
}

bool TExStringGrid::IsComment(int ACol, int ARow, QString& Comment) const {
    const TCellGraphic* graphic = CellObjectOf(ACol, ARow, {ctComment});
    if (!graphic) return false;
    Comment = graphic->CellText();
    return true;
}

QString TExStringGrid::GetComment(int ACol, int ARow) const {
    QString comment;
    IsComment(ACol, ARow, comment);
    return comment;
}

void TExStringGrid::SetComment(int ACol, int ARow, const QString& Value) {
    if (!GetCellGraphic(ACol, ARow)) {
        AddComment(ACol, ARow, Value);
    } else if (TCellGraphic* graphic = CellObjectOf(ACol, ARow, {ctComment})) {
        graphic->SetCellText(Value);
        RepaintCell(DisplColIndex(ACol), ARow);
    }
}

void TExStringGrid::RemoveAllComments() {
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r) RemoveComment(c, r);
}

// ---- error markers ---------------------------------------------------------------------------------

void TExStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) graphic = NewCellObject(ACol, ARow, ctEmpty);
    if (!graphic) return;
    graphic->SetMarker(ErrPos, ErrLen);
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExStringGrid::RemoveMarker(int ACol, int ARow) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return;
    if (graphic->CellType() == ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    graphic->SetMarker(0, 0);
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExStringGrid::RemoveAllMarkers() {
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r) RemoveMarker(c, r);
}

void TExStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) const {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    ErrPos = graphic ? graphic->CellMarkerPos() : 0;
    ErrLen = graphic ? graphic->CellMarkerLen() : 0;
}

// ---- balloons --------------------------------------------------------------------------------------

void TExStringGrid::AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (graphic && !BalloonCarriers.Contains(graphic->CellType())) return;
    if (!graphic) graphic = NewCellObject(ACol, ARow, ctBalloon);
    if (graphic) graphic->SetBalloon(Title, Text, Icon);
}

void TExStringGrid::RemoveBalloon(int ACol, int ARow) {
    if (TCellGraphic* box = CellObjectOf(ACol, ARow, BalloonCarriers)) {
        box->ClearBalloon();
        return;
    }
    RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

bool TExStringGrid::IsBalloon(int ACol, int ARow, QString& Title, QString& Text, int& Icon) {
    const TCellGraphic* graphic = CellObjectOf(ACol, ARow, BalloonCarriers + TCellTypes{ctBalloon});
    if (!graphic || !graphic->CellHasBalloon()) return false;
    Title = graphic->CellBalloonTitle();
    Text = graphic->CellBalloonText();
    Icon = graphic->CellBalloonIcon();
    return true;
}
