// The grid's clipboard in its least form: the selection as tab- and line-separated text
// on the platform clipboard, and such a text block pasted into the cells.

#include "grid/core/string_grid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>

namespace {

// The lines of a text block; a line break at the very end adds no empty line.
QStringList BlockLines(const QString& Text) {
    QStringList lines = Text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

void TExStringGrid::CopySelectionToClipboard() {
    QGuiApplication::clipboard()->setText(SelectedText());
}

void TExStringGrid::CutSelectionToClipboard() {
    CopySelectionToClipboard();
    ClearSelection();
}

void TExStringGrid::PasteSelectionFromClipboard() {
    const TGridRect sel = Selection();
    int pastedCols = 0;
    int pastedRows = 0;
    PasteTextAt(std::min(sel.Left, sel.Right), std::min(sel.Top, sel.Bottom), pastedCols, pastedRows,
                QGuiApplication::clipboard()->text());
}

void TExStringGrid::PasteTextAt(int ACol, int ARow, int& PastedCols, int& PastedRows, const QString& Text) {
    PastedCols = 0;
    PastedRows = 0;
    if (ACol < 0 || ARow < 0) return;
    const QStringList lines = BlockLines(Text);
    BeginUpdate();
    for (int i = 0; i < lines.size() && ARow + i < RowCount(); ++i) {
        const QStringList fields = lines.at(i).split(QLatin1Char('\t'));
        int written = 0;
        for (int j = 0; j < fields.size() && ACol + j < ColCount(); ++j) {
            SetCells(RealColIndex(ACol + j), ARow + i, fields.at(j));
            ++written;
        }
        PastedCols = std::max(PastedCols, written);
        ++PastedRows;
    }
    EndUpdate();
}

void TExStringGrid::TabTextSize(const QString& Text, TPoint& Size) {
    Size = {0, 0};
    for (const QString& line : Text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")))) {
        Size.X = std::max(Size.X, int(line.count(QLatin1Char('\t'))) + 1);
        ++Size.Y;
    }
    --Size.Y;  // the line breaks, one fewer than the lines they separate
}
