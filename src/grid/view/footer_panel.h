#pragma once
// The panel of the floating footer: a child of the grid along the bottom of its cells.
// By the footer's style it shows the last row as a fixed footer row, one column of the
// current row, a template filled from the current row and drawn as mini-HTML, or what
// the program paints in OnFooterPaint. Clicks and hints report the column under the
// mouse, counted like the grid's: the fixed columns, then the columns from LeftCol.

#include "platform/custom_control.h"

class TExStringGrid;

class TFooterPanel : public TCustomControlOf<QWidget> {
public:
    explicit TFooterPanel(TExStringGrid* AOwner);

    int BorderWidth = 0;
    // The column whose hint shows; -1 none.
    int LastHintX() const { return FLastHintX; }
    // The displayed column whose span holds x; -1 beyond the last column.
    int ColumnAt(int X) const;
    // The fixed columns and the columns from LeftCol on.
    int VisibleColumnsWidth() const;
    // Every "<#n>" replaced by the text of column n of the current row; a number that is
    // no column of the grid vanishes, and a "<#" without ">" ends the expansion.
    QString ExpandTemplate(const QString& Template) const;
    // Takes the footer's full height when it shows, and tells the program.
    void CreateWnd();
    // Sets the height and keeps the panel along the bottom of the grid's cells.
    void SetPanelHeight(int Value);

protected:
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceAlongGridBottom();
    void PaintFixedLastRow(TCanvas& Canvas, const TRect& Area);
    void PaintFixedLastRowLines(TCanvas& Canvas, const TRect& Area);
    void PaintPreviewFrame(TCanvas& Canvas, const TRect& Area);
    void PaintColumnPreview(TCanvas& Canvas, const TRect& Area);
    void PaintCustomPreview(TCanvas& Canvas, const TRect& Area);
    bool ShowHintAt(const QPoint& Position);

    TExStringGrid* FGrid;
    int FLastHintX = -1;
};
