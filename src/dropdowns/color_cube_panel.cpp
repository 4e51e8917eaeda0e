#include "dropdowns/color_selector_panels.h"

#include <QPainter>
#include <QPolygon>
#include <QToolTip>

namespace {

constexpr int RowCells[13] = {7, 8, 9, 10, 11, 12, 13, 12, 11, 10, 9, 8, 7};

constexpr TColor CubeColors[127] = {
    0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000,
    0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333,
    0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666,
    0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066,
    0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xFF0099,
    0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF00CC, 0xCC0099,
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF, 0xFF00FF, 0xCC00CC, 0x660066,
    0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF, 0x9900CC, 0x800080,
    0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC, 0x990099,
    0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399,
    0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066,
    0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099,
    0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5,
};

QPolygon Hexagon(TPoint c, int h, int v) {
    return QPolygon({QPoint(c.X - h, c.Y - v), QPoint(c.X, c.Y - 2 * v), QPoint(c.X + h, c.Y - v),
                     QPoint(c.X + h, c.Y + v), QPoint(c.X, c.Y + 2 * v), QPoint(c.X - h, c.Y + v)});
}

}  // namespace

TExColorCubePanel::TExColorCubePanel(TComponent* AOwner, QWidget* AParent) : TExCustomColorSelectorPanel(AOwner, AParent) {
    setFocusPolicy(Qt::NoFocus);
    InitCells();
    SetShowRGBHint(true);
    resize(182, 160);
}

void TExColorCubePanel::InitCells() {
    int number = 0;
    for (int row = 1; row <= 13; ++row) {
        const int firstX = row <= 7 ? 61 - 6 * row : 6 * (row - 7) + 19;
        for (int i = 0; i < RowCells[row - 1]; ++i, ++number) {
            FCubeCells[number].Center = {firstX + i * 2 * FCubeSize.X, 10 + 10 * row};
            FCubeCells[number].Color = CubeColors[number];
        }
    }
}

void TExColorCubePanel::ResetHotCell() {
    FHotIndex = -1;
    resize(182, 160);
}

void TExColorCubePanel::SetSelectedColor(TColor Value) {
    FSelectedColor = Value;
    FSelectedIndex = -1;
    for (int number = 1; number <= 127; ++number) {
        if (Cell(number).Color == Value) {
            FSelectedIndex = number;
            break;
        }
    }
}

void TExColorCubePanel::SetShowRGBHint(bool Value) {
    FShowRGBHint = Value;
    SetShowHint(Value);
}

int TExColorCubePanel::CellAtPos(int X, int Y) const {
    for (int number = 1; number <= 127; ++number) {
        const TPoint c = Cell(number).Center;
        const int dx = X - c.X, dy = Y - c.Y;
        if (dx * dx + dy * dy <= FCubeSize.X * FCubeSize.X) return number;
    }
    return -1;
}

void TExColorCubePanel::DrawCell(TCanvas& Canvas, int Number) {
    if (Number < 1 || Number > 127) return;
    QPainter* painter = Canvas.Painter();
    const TCubeCell& cell = Cell(Number);
    painter->setPen(ToQColor(cell.Color));
    painter->setBrush(ToQColor(cell.Color));
    painter->drawPolygon(Hexagon(cell.Center, FCubeSize.X, FCubeSize.Y));
    auto highlight = [&](TColor outer) {
        painter->setBrush(Qt::NoBrush);
        painter->setPen(ToQColor(outer));
        painter->drawPolygon(Hexagon(cell.Center, 5, 3));
        painter->setPen(Qt::white);
        painter->drawPolygon(Hexagon(cell.Center, 4, 2));
    };
    if (Number == FHotIndex) highlight(0x0000FF);
    if (Number == FSelectedIndex) highlight(0x000000);
}

void TExColorCubePanel::Paint() {
    for (int number = 1; number <= 127; ++number) DrawCell(*Canvas(), number);
}

void TExColorCubePanel::MouseMove(TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int c = CellAtPos(X, Y);
    if (c < 0) {
        if (FShowRGBHint) {
            SetHint(QString());
            QToolTip::hideText();
        }
        return;
    }
    if (c == FHotIndex) return;
    FHotIndex = c;
    update();
    if (FShowRGBHint) {
        const TColor color = Cell(c).Color;
        SetHint(QStringLiteral("Red: %1,  Green: %2,  Blue: %3").arg(GetRValue(color)).arg(GetGValue(color)).arg(GetBValue(color)));
        QToolTip::hideText();
    }
}

void TExColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int c = CellAtPos(X, Y);
    if (c < 0) return;
    FSelectedColor = Cell(c).Color;
    FSelectedIndex = c;
    update();
    if (OnSelect) OnSelect(this);
}

void TExColorCubePanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    if (OnShouldHide) OnShouldHide(this);
}
