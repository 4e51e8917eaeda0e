// The grid as one HTML document (SaveToHTMLString): a style sheet of the cells' looks
// and a table of the save range. Every text is escaped; mini-HTML cells keep only the
// renderer's tags (html_markup_sanitizer.h). Cell pictures become JPEG files in the
// folder's "images" (html_image_files.h); with an empty folder (the clipboard's call)
// none are written, so no file lands in the working folder.

#include "controls/text_utilities.h"
#include "grid/core/string_grid.h"
#include "grid/data/html_cell_images.h"
#include "grid/data/html_image_files.h"
#include "grid/data/html_markup_sanitizer.h"
#include "grid/data/html_settings.h"

void THTMLSettings::Assign(const THTMLSettings& Source) {
    const bool exportImages = ExportImages;
    AutoPreview = Source.AutoPreview;
    BorderSize = Source.BorderSize;
    CellSpacing = Source.CellSpacing;
    CellPadding = Source.CellPadding;
    ConvertSpecialChars = Source.ConvertSpecialChars;
    FooterFile = Source.FooterFile;
    HeaderFile = Source.HeaderFile;
    NonBreakingText = Source.NonBreakingText;
    PrefixTag = Source.PrefixTag;
    SaveColor = Source.SaveColor;
    SaveFonts = Source.SaveFonts;
    SuffixTag = Source.SuffixTag;
    Summary = Source.Summary;
    TableStyle = Source.TableStyle;
    Width = Source.Width;
    XHTML = Source.XHTML;
    ExportImages = exportImages;
}

namespace {

constexpr TColor kUnsetColor = TColor(2147483647);

QString HexColor(TColor Color) {
    const quint32 rgb = quint32(ColorToRGB(Color));
    return QStringLiteral("#%1%2%3")
        .arg(rgb & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((rgb >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((rgb >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// Index of a style among those met so far, compared without regard to case.
int StyleIndex(QStringList& Styles, const QString& Style) {
    for (int i = 0; i < Styles.size(); ++i)
        if (Styles[i].compare(Style, Qt::CaseInsensitive) == 0) return i;
    Styles << Style;
    return int(Styles.size()) - 1;
}

}  // namespace

QString TExStringGrid::SaveToHTMLString(const QString& Dir) {
    const THTMLSettings& h = *FHTMLSettings;
    const bool xhtml = h.XHTML;
    const QString lineBreak = xhtml ? QStringLiteral("<br />") : QStringLiteral("<br>");
    const QString space = QStringLiteral("&#160;");
    const int firstCol = (SaveFixedCells() || SaveFixedCols()) ? 0 : FixedCols();
    const int firstRow = (SaveFixedCells() || SaveFixedRows()) ? 0 : FixedRows();
    const bool headerRow = FixedRows() > 0 && (SaveFixedCells() || SaveFixedRows());
    const int firstBodyRow = headerRow ? 1 : firstRow;
    THtmlImageFiles images(Dir);

    QStringList styles;
    QStringList table;
    QString tableTag = QStringLiteral("<table border=\"%1\" cellspacing=\"%2\" cellpadding=\"%3\"")
                           .arg(h.BorderSize)
                           .arg(h.CellSpacing)
                           .arg(h.CellPadding);
    if (!h.Summary.isEmpty()) tableTag += QStringLiteral(" summary=\"%1\"").arg(EscapeHtmlText(h.Summary));
    if (!h.TableStyle.isEmpty()) tableTag += QLatin1Char(' ') + h.TableStyle;
    tableTag += QStringLiteral(" width=\"%1%\">").arg(h.Width);
    table << tableTag;

    auto writeRow = [&](int r, bool header) {
        table << QStringLiteral("<tr>");
        int position = 0;
        for (int c = firstCol; c < ColCount(); ++c) {
            const int real = RealColIndex(c);
            int baseCol = real, baseRow = r;
            // Cells covered by a merged area are written by its base cell alone.
            if (!ResolveBaseCell(real, r, baseCol, baseRow)) continue;
            QString text;
            SaveCell(RealCol(real), DisplRow(r), text);
            QString content;
            if (CellTextKind(text, true) == ckMiniHtml) {
                content = SanitizeMiniHtml(text, xhtml);
            } else {
                const bool link = URLShow() && (text.contains(QStringLiteral("://")) || text.contains(QStringLiteral("mailto:"))) &&
                                  IsSafeLinkUrl(text);
                if (link) {
                    const qsizetype mail = text.indexOf(QStringLiteral("mailto:"));
                    QString shown = text;
                    if (!URLFull())
                        shown = (mail >= 0 ? text.mid(mail + 7) : text.mid(text.indexOf(QStringLiteral("://")) + 3)).left(255);
                    content = QStringLiteral("<a href=\"%1\">%2</a>").arg(EscapeHtmlText(text), EscapeHtmlText(shown));
                } else {
                    content = EscapeHtmlText(text);
                    if (!header && h.NonBreakingText) content.replace(QLatin1Char(' '), space);
                }
                content.replace(QStringLiteral("\r\n"), lineBreak + QLatin1Char('\n'));
                content.replace(QLatin1Char('\r'), lineBreak);
            }
            if (GetCellType(real, r) == ctNode) content.prepend(QLatin1Char('+'));
            if (header ? text.isEmpty() : text.trimmed().isEmpty()) content = space;
            content = HTMLCellWithImages(*this, real, r, text, content, images);

            TGridDrawState state;
            TBrush brush;
            brush.Color = kUnsetColor;
            TFont font;
            font.Color = kUnsetColor;
            font.Style = {};
            TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
            TAlignment horizontal = taLeftJustify;
            TVAlignment vertical = vtaTop;
            bool wordWrap = false;
            TCellGradientDirection gradient = GradientVertical;
            GetVisualProperties(c, r, state, false, false, false, brush, colorTo, mirror, mirrorTo, font, horizontal,
                                vertical, wordWrap, gradient);
            const TColor background = (header || IsFixed(c, r)) ? FixedColor() : brush.Color;
            QStringList style;
            if (h.SaveColor && background != kUnsetColor) style << QStringLiteral("background-color: ") + HexColor(background);
            if (h.SaveColor && font.Color != kUnsetColor) style << QStringLiteral("color: ") + HexColor(font.Color);
            style << QStringLiteral("font-size:%1pt").arg(font.Size);
            if (font.Style.Contains(fsItalic)) style << QStringLiteral("font-style: italic");
            if (font.Style.Contains(fsBold)) style << QStringLiteral("font-weight: bold");
            style << QStringLiteral("font-family: ") + font.Name;
            if (horizontal == taRightJustify) style << QStringLiteral("text-align: right");
            if (horizontal == taCenter) style << QStringLiteral("text-align: center");
            style << (vertical == vtaTop ? QStringLiteral("vertical-align: top")
                                         : vertical == vtaCenter ? QStringLiteral("vertical-align: middle")
                                                                 : QStringLiteral("vertical-align: bottom"));
            QString cell = QStringLiteral("<td class=\"c%1\"").arg(StyleIndex(styles, style.join(QLatin1Char(';'))));
            const TPoint span = CellSpan(real, r);
            if (span.X > 0) cell += QStringLiteral(" colspan=\"%1\"").arg(span.X + 1);
            if (span.Y > 0) cell += QStringLiteral(" rowspan=\"%1\"").arg(span.Y + 1);
            if (!wordWrap) cell += QStringLiteral(" nowrap=\"nowrap\"");
            const int widthIndex = header ? c : position;
            if ((header || !headerRow) && widthIndex < h.ColWidths()->Count())
                cell += QStringLiteral(" width=\"%1\"").arg(h.ColWidths()->Items(widthIndex));
            table << cell + QLatin1Char('>') + content + QStringLiteral("</td>");
            ++position;
        }
        table << QStringLiteral("</tr>");
    };

    if (headerRow) writeRow(0, true);
    ExportNotification(esExportStart, firstBodyRow);
    for (int r = firstBodyRow; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        writeRow(r, false);
    }
    ExportNotification(esExportDone, -1);
    table << QStringLiteral("</table>");
    if (!h.SuffixTag.isEmpty()) table << h.SuffixTag;

    QString styleBlock = QStringLiteral("<style type=\"text/css\">\r\n");
    for (int i = 0; i < styles.size(); ++i) styleBlock += QStringLiteral(".c%1 {%2}\r\n").arg(i).arg(styles[i]);
    styleBlock += QStringLiteral("</style>\r\n");
    const QString body = table.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    if (!xhtml) return h.PrefixTag + styleBlock + body;
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                          "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"\r\n"
                          "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n"
                          "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">\r\n"
                          "<head>\r\n<title></title>\r\n") +
           h.PrefixTag + styleBlock + QStringLiteral("</head>\r\n<body>\r\n") + body +
           QStringLiteral("</body>\r\n</html>\r\n");
}
