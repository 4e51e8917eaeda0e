// The size of a cell's displayed text, as auto-sizing, the editors and printing need it.

#include "grid/core/string_grid.h"

#include "controls/text_utilities.h"
#include "grid/view/markup_renderer.h"
#include "platform/image_list.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Room an editor button takes at the right of a cell.
constexpr int kEditorButtonWidth = 17;
// What a rotated text keeps around its bounding box.
constexpr int kRotatedMargin = 12;

// The link scheme a cell text shows without URLFull.
QString WithoutLinkScheme(QString text) {
    static const QRegularExpression scheme(QStringLiteral("^(https?://|ftp://|mailto:|file://)"),
                                           QRegularExpression::CaseInsensitiveOption);
    return text.remove(scheme);
}

// The measured size of a mini-HTML text in the bounds, + 2 each way; VS keeps their
// width so the height is that of the wrapped text.
TSize MeasureMarkupCell(const QString& text, const TFont& font, TRect bounds, bool VS, const TObject* images,
                        TColor linkColor) {
    if (!VS) bounds.Right = 65535;
    bounds.Bottom = 65535;
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    TCanvas canvas(&painter);
    canvas.Font = font;
    TMarkupTextParams params;
    params.Canvas = &canvas;
    params.Text = text;
    params.Bounds = bounds;
    params.Images = dynamic_cast<const TCustomImageList*>(images);
    params.MeasureOnly = true;
    params.AnchorColor = linkColor;
    params.ShadowColor = TColor(0x808080);
    DrawMarkupText(params);
    return {params.MaxLineWidth + 2, params.TotalHeight + 2};
}

}  // namespace

TSize TExStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB) {
    return CalcCellTextSize(ACol, DisplColIndex(ACol), ARow, VS, SB);
}

TSize TExStringGrid::CalcCellTextSize(int RCol, int DCol, int ARow, bool VS, bool SB) {
    QString text = GetFormattedCell(RealCol(RCol), DisplRow(ARow));
    const int kind = CellTextKind(text, FEnableHTML);

    TFont font = GridFont();
    TBrush brush;
    TGridDrawState state;
    const bool fixed = ARow < TStringGrid::FixedRows() || DCol < TStringGrid::FixedCols();
    if (fixed) state.Include(gdFixed);
    GetFontProperties(DCol, RCol, ARow, state, font, brush, false);
    if (fixed && FActiveCellShow && FActiveCellFont->Style.Contains(fsBold)) font.Style.Include(fsBold);
    font.Size += FZoomFactor;
    const QFontMetrics metrics(font.ToQFont());

    TRect r = CellRect(DCol, ARow);
    if (FXYOffsetTopLeftOnly) {
        r.Left += FXYOffset.X;
        r.Top += FXYOffset.Y;
    } else {
        r = {r.Left + FXYOffset.X, r.Top + FXYOffset.Y, r.Right - FXYOffset.X, r.Bottom - FXYOffset.Y};
    }
    if (SB) r.Right -= kEditorButtonWidth;

    int angle = 0;
    const TCellGraphic* graphic = GetCellGraphic(RCol, ARow);
    const bool rotated = graphic && graphic->CellType() == ctRotated;
    if (rotated) angle = graphic->CellAngle();

    TSize size;
    if (kind == ckMiniHtml) {
        size = MeasureMarkupCell(text, font, r, VS, GetCellImageList(), FURLColor);
    } else if (kind == ckRichText) {
        size = RichCellTextSize(RCol, ARow, font, VS ? r.Width() : 0);
    } else if (VS) {
        r = {r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
        // The editor's empty last line counts as a line.
        if (EditorMode() && DCol == Col() && ARow == Row() && text.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('w');
        const int flags = Qt::TextExpandTabs | (rotated ? Qt::TextSingleLine : Qt::TextWordWrap);
        const QRect laid = metrics.boundingRect(QRect(0, 0, std::max(r.Width(), 1), 65535), flags, text);
        size = {r.Width(), laid.height()};
    } else {
        const QStringList lines = FMultilinecells ? text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))
                                                  : QStringList{text};
        int widest = 0;
        for (QString line : lines) {
            if (FURLShow && !FURLFull && kind == ckPlain) line = WithoutLinkScheme(line);
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        size = {widest, int(metrics.height() * lines.size())};
    }
    if (rotated) {
        // The bounding box of the rotated text.
        const double a = qDegreesToRadians(double(angle));
        const double w = size.cx;
        const double h = size.cy;
        size = {int(std::lround(std::abs(h * std::sin(a)) + std::abs(w * std::cos(a)))) + kRotatedMargin,
                int(std::lround(std::abs(h * std::cos(a)) + std::abs(w * std::sin(a)))) + kRotatedMargin};
    }
    return size;
}

void TExStringGrid::GetRotatedTextRect(TRect& R, int Angle, TCellVAlign VAlign, TCellHAlign HAlign,
                                       const QString& Text) {
    QFont font = GridFont().ToQFont();
    const QFontMetrics metrics(font);
    const double a = qDegreesToRadians(double(Angle));
    const double w = metrics.horizontalAdvance(Text);
    const double h = metrics.height();
    // The text's corners turned counter-clockwise about its start point (y grows down).
    const double xs[] = {0, w * std::cos(a), w * std::cos(a) + h * std::sin(a), h * std::sin(a)};
    const double ys[] = {0, -w * std::sin(a), -w * std::sin(a) + h * std::cos(a), h * std::cos(a)};
    const double minX = *std::min_element(std::begin(xs), std::end(xs));
    const double maxX = *std::max_element(std::begin(xs), std::end(xs));
    const double minY = *std::min_element(std::begin(ys), std::end(ys));
    const double maxY = *std::max_element(std::begin(ys), std::end(ys));
    const double boxW = maxX - minX;
    const double boxH = maxY - minY;
    double left = R.Left;
    double top = R.Top;
    if (HAlign == haCenter) left += (R.Width() - boxW) / 2;
    else if (HAlign == haRight) left += R.Width() - boxW;
    if (VAlign == vaCenter) top += (R.Height() - boxH) / 2;
    else if (VAlign == vaBottom) top += R.Height() - boxH;
    R.Left = int(std::lround(left - minX));
    R.Top = int(std::lround(top - minY));
}
