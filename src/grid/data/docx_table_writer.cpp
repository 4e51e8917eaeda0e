#include "grid/data/docx_table_writer.h"

#include "grid/data/office_package.h"
#include "grid/data/xml_file_encoding.h"

#include <algorithm>

namespace {

const char kWordNamespace[] = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
// The width of the text between the margins of an A4 page, in twentieths of a point.
const int kTextWidth = 9072;

// A paragraph's runs for a text: line breaks as breaks, tabs as tabs.
QString RunsXml(const QString& Text, const QString& w) {
    if (Text.isEmpty()) return {};
    QString runs = QLatin1Char('<') + w + QStringLiteral("r>");
    QString chunk;
    const auto flush = [&] {
        if (chunk.isEmpty()) return;
        runs += QLatin1Char('<') + w + QStringLiteral("t xml:space=\"preserve\">") + EscapeXmlText(chunk) +
                QStringLiteral("</") + w + QStringLiteral("t>");
        chunk.clear();
    };
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar ch = Text[i];
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
            if (ch == QLatin1Char('\r') && i + 1 < Text.size() && Text[i + 1] == QLatin1Char('\n')) ++i;
            flush();
            runs += QLatin1Char('<') + w + QStringLiteral("br/>");
        } else if (ch == QLatin1Char('\t')) {
            flush();
            runs += QLatin1Char('<') + w + QStringLiteral("tab/>");
        } else {
            chunk += ch;
        }
    }
    flush();
    return runs + QStringLiteral("</") + w + QStringLiteral("r>");
}

QString ParagraphXml(const QString& Text, TDocTableCell::TAlign Align, const QString& w) {
    QString p = QLatin1Char('<') + w + QStringLiteral("p>");
    if (Align != TDocTableCell::Left)
        p += QLatin1Char('<') + w + QStringLiteral("pPr><") + w + QStringLiteral("jc ") + w + QStringLiteral("val=\"") +
             (Align == TDocTableCell::Right ? QStringLiteral("right") : QStringLiteral("center")) + QStringLiteral("\"/></") +
             w + QStringLiteral("pPr>");
    return p + RunsXml(Text, w) + QStringLiteral("</") + w + QStringLiteral("p>");
}

// The table with single borders around every cell and columns of equal width over the
// text's width, as a word processor adds one; nothing for an empty grid.
QString TableXml(const TDocTable& Table, const QString& w) {
    const int columns = Table.empty() ? 0 : int(Table.front().size());
    if (columns == 0) return {};
    const QString width = QString::number(std::max(1, kTextWidth / columns));
    const auto tag = [&](const char* Name) { return QLatin1Char('<') + w + QLatin1String(Name); };
    QString xml = tag("tbl>") + tag("tblPr>") + tag("tblW ") + w + QStringLiteral("w=\"0\" ") + w +
                  QStringLiteral("type=\"auto\"/>") + tag("tblBorders>");
    for (const char* edge : {"top", "left", "bottom", "right", "insideH", "insideV"})
        xml += tag(edge) + QLatin1Char(' ') + w + QStringLiteral("val=\"single\" ") + w + QStringLiteral("sz=\"4\" ") + w +
               QStringLiteral("space=\"0\" ") + w + QStringLiteral("color=\"auto\"/>");
    xml += QStringLiteral("</") + w + QStringLiteral("tblBorders></") + w + QStringLiteral("tblPr>") + tag("tblGrid>");
    for (int c = 0; c < columns; ++c) xml += tag("gridCol ") + w + QStringLiteral("w=\"") + width + QStringLiteral("\"/>");
    xml += QStringLiteral("</") + w + QStringLiteral("tblGrid>");
    for (const std::vector<TDocTableCell>& row : Table) {
        xml += tag("tr>");
        for (const TDocTableCell& cell : row)
            xml += tag("tc>") + tag("tcPr>") + tag("tcW ") + w + QStringLiteral("w=\"") + width + QStringLiteral("\" ") +
                   w + QStringLiteral("type=\"dxa\"/></") + w + QStringLiteral("tcPr>") +
                   ParagraphXml(cell.Text, cell.Align, w) + QStringLiteral("</") + w + QStringLiteral("tc>");
        xml += QStringLiteral("</") + w + QStringLiteral("tr>");
    }
    return xml + QStringLiteral("</") + w + QStringLiteral("tbl>");
}

// Copies the elements of an XML fragment before Before (at the end of Parent when null).
void InsertFragment(pugi::xml_node Parent, pugi::xml_node Before, const QString& Fragment) {
    pugi::xml_document fragment;
    const QByteArray bytes = (QStringLiteral("<f>") + Fragment + QStringLiteral("</f>")).toUtf8();
    if (!fragment.load_buffer(bytes.constData(), std::size_t(bytes.size()), pugi::parse_default | pugi::parse_ws_pcdata))
        return;
    for (pugi::xml_node node = fragment.first_child().first_child(); node; node = node.next_sibling())
        Before ? Parent.insert_copy_before(node, Before) : Parent.append_copy(node);
}

// The child of Body that holds the bookmark's start, found without recursion.
pugi::xml_node BookmarkHolder(const pugi::xml_node& Body, const QString& Bookmark) {
    if (Bookmark.isEmpty()) return {};
    for (pugi::xml_node top = Body.first_child(); top; top = top.next_sibling()) {
        pugi::xml_node node = top;
        while (node) {
            if (node.type() == pugi::node_element && LocalName(node) == "bookmarkStart" &&
                AttributeNamed(node, "name") == Bookmark)
                return top;
            if (node.first_child()) {
                node = node.first_child();
                continue;
            }
            while (node != top && !node.next_sibling()) node = node.parent();
            node = node == top ? pugi::xml_node() : node.next_sibling();
        }
    }
    return {};
}

}  // namespace

QByteArray NewDocumentWithTable(const QString& ControlText, const TDocTable& Table) {
    const QString w = QStringLiteral("w:");
    const QString document =
        QString::fromLatin1(kOfficeXmlDeclaration) + QStringLiteral("<w:document xmlns:w=\"") + QLatin1String(kWordNamespace) +
        QStringLiteral("\"><w:body>") + TableXml(Table, w) + ParagraphXml(ControlText, TDocTableCell::Left, w) +
        QStringLiteral("<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1417\" w:right=\"1417\" "
                       "w:bottom=\"1134\" w:left=\"1417\" w:header=\"708\" w:footer=\"708\" w:gutter=\"0\"/>"
                       "</w:sectPr></w:body></w:document>");
    TZipArchive archive;
    archive.Put(QStringLiteral("[Content_Types].xml"),
                NewContentTypes({{"word/document.xml",
                                  "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"}}));
    archive.Put(QStringLiteral("_rels/.rels"), NewPackageRelationships(QStringLiteral("word/document.xml")));
    archive.Put(QStringLiteral("word/document.xml"), document.toUtf8());
    return archive.Finish();
}

std::optional<QByteArray> DocumentWithTable(const QByteArray& Existing, const QString& ControlText,
                                            const TDocTable& Table, const QString& Bookmark) {
    try {
        TZipArchive archive(Existing);
        const QString part = MainPartName(archive);
        pugi::xml_document document;
        if (part.isEmpty() || !ParseOfficePart(archive, part, document)) return std::nullopt;
        pugi::xml_node root = RootElement(document);
        pugi::xml_node body = ChildNamed(root, "body");
        if (LocalName(root) != "document" || !body) return std::nullopt;
        const QString w = QString::fromStdString(NamespacePrefix(root, kWordNamespace));
        const QString table = TableXml(Table, w);
        const QString empty = QLatin1Char('<') + w + QStringLiteral("p/>");
        if (const pugi::xml_node holder = BookmarkHolder(body, Bookmark)) {
            // Two tables in a row would run together: a paragraph keeps them apart.
            const QString between = LocalName(holder) == "p" ? QString() : empty;
            InsertFragment(body, holder.next_sibling(), between + table);
        } else {
            pugi::xml_node last = body.last_child();
            while (last && last.type() != pugi::node_element) last = last.previous_sibling();
            const pugi::xml_node end = last && LocalName(last) == "sectPr" ? last : pugi::xml_node();
            // A document ends with a paragraph, never with a table.
            InsertFragment(body, end, table + empty);
        }
        InsertFragment(body, body.first_child(), ParagraphXml(ControlText, TDocTableCell::Left, w));
        archive.Put(part, OfficePartBytes(document));
        return archive.Finish();
    } catch (const EZipError&) {
        return std::nullopt;
    }
}
