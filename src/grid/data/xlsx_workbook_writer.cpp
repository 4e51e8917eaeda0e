#include "grid/data/xlsx_workbook_writer.h"

#include "grid/data/office_package.h"
#include "grid/data/spreadsheet_references.h"
#include "grid/data/xlsx_workbook_reader.h"
#include "grid/data/xml_file_encoding.h"

#include <algorithm>

namespace {

const char kMainNamespace[] = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char kRelationshipNamespace[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char kWorksheetType[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
const char kWorksheetContent[] = "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";

[[noreturn]] void Incorrect() { throw Exception(QString::fromLatin1(kIncorrectXlsFile)); }

QByteArray SheetXml(const TSheetTexts& Rows) {
    const int columns = Rows.empty() ? 0 : int(Rows.front().size());
    QStringList letters;
    for (int c = 1; c <= columns; ++c) letters << ColumnLetters(c);
    QString xml = QString::fromLatin1(kOfficeXmlDeclaration) + QStringLiteral("<worksheet xmlns=\"") +
                  QLatin1String(kMainNamespace) + QStringLiteral("\"><dimension ref=\"A1");
    if (columns > 0 && !Rows.empty()) xml += QLatin1Char(':') + letters.back() + QString::number(Rows.size());
    xml += QStringLiteral("\"/><sheetData>");
    for (std::size_t r = 0; r < Rows.size() && columns > 0; ++r) {
        const QString row = QString::number(r + 1);
        xml += QStringLiteral("<row r=\"") + row + QStringLiteral("\">");
        for (int c = 0; c < columns; ++c) {
            xml += QStringLiteral("<c r=\"") + letters[c] + row + QStringLiteral("\" t=\"inlineStr\"><is><t");
            const QString& text = Rows[r][c];
            if (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace() || text.contains(QLatin1Char('\n'))))
                xml += QStringLiteral(" xml:space=\"preserve\"");
            xml += QLatin1Char('>') + EncodeOfficeText(text) + QStringLiteral("</t></is></c>");
        }
        xml += QStringLiteral("</row>");
    }
    xml += QStringLiteral("</sheetData></worksheet>");
    return xml.toUtf8();
}

}  // namespace

bool IsWorksheetName(const QString& Name) {
    if (Name.isEmpty() || Name.size() > 31 || Name.startsWith(QLatin1Char('\'')) || Name.endsWith(QLatin1Char('\'')))
        return false;
    for (const QChar ch : Name)
        if (QStringLiteral(":\\/?*[]").contains(ch) || ch.unicode() < 0x20) return false;
    return true;
}

QByteArray NewWorkbook(const QString& SheetName, const TSheetTexts& Rows) {
    TZipArchive archive;
    archive.Put(QStringLiteral("[Content_Types].xml"),
                NewContentTypes({{"xl/workbook.xml", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"},
                                 {"xl/worksheets/sheet1.xml", kWorksheetContent},
                                 {"xl/styles.xml", "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"}}));
    archive.Put(QStringLiteral("_rels/.rels"), NewPackageRelationships(QStringLiteral("xl/workbook.xml")));
    archive.Put(QStringLiteral("xl/workbook.xml"),
                QByteArray(kOfficeXmlDeclaration) + "<workbook xmlns=\"" + kMainNamespace + "\" xmlns:r=\"" +
                    kRelationshipNamespace + "\"><sheets><sheet name=\"" + EscapeXmlText(SheetName).toUtf8() +
                    "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");
    archive.Put(QStringLiteral("xl/_rels/workbook.xml.rels"),
                QByteArray(kOfficeXmlDeclaration) +
                    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                    "<Relationship Id=\"rId1\" Type=\"" +
                    kWorksheetType +
                    "\" Target=\"worksheets/sheet1.xml\"/>"
                    "<Relationship Id=\"rId2\" "
                    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
                    "Target=\"styles.xml\"/></Relationships>");
    archive.Put(QStringLiteral("xl/styles.xml"),
                QByteArray(kOfficeXmlDeclaration) + "<styleSheet xmlns=\"" + kMainNamespace +
                    "\"><fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
                    "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
                    "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
                    "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
                    "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
                    "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></cellXfs>"
                    "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
                    "</styleSheet>");
    archive.Put(QStringLiteral("xl/worksheets/sheet1.xml"), SheetXml(Rows));
    return archive.Finish();
}

namespace {

// The workbook's list of formula cells names cells the replaced sheet may no longer have
// formulas in, which spreadsheet programs report as a damaged file; without the list they
// build it again.
void DropCalculationChain(TZipArchive& Archive, const QString& WorkbookPart,
                          const std::vector<TOfficeRelationship>& Relationships) {
    for (const TOfficeRelationship& chain : Relationships) {
        if (chain.Kind != QLatin1String("calcChain")) continue;
        pugi::xml_document rels;
        const QString relsPart = RelationshipsPartName(WorkbookPart);
        if (!ParseOfficePart(Archive, relsPart, rels)) Incorrect();
        for (pugi::xml_node r = RootElement(rels).first_child(); r; r = r.next_sibling())
            if (AttributeNamed(r, "Id") == chain.Id) {
                RootElement(rels).remove_child(r);
                break;
            }
        Archive.Put(relsPart, OfficePartBytes(rels));
        pugi::xml_document types;
        if (ParseOfficePart(Archive, QStringLiteral("[Content_Types].xml"), types)) {
            for (pugi::xml_node o = RootElement(types).first_child(); o; o = o.next_sibling())
                if (AttributeNamed(o, "PartName").compare(QLatin1Char('/') + chain.Target, Qt::CaseInsensitive) == 0) {
                    RootElement(types).remove_child(o);
                    break;
                }
            Archive.Put(QStringLiteral("[Content_Types].xml"), OfficePartBytes(types));
        }
        Archive.Remove(chain.Target);
    }
}

// A worksheet part name in the workbook's folder that the archive does not hold yet.
QString NewSheetPart(const TZipArchive& Archive, const QString& WorkbookPart) {
    const QString folder = WorkbookPart.left(WorkbookPart.lastIndexOf(QLatin1Char('/')) + 1);
    for (int n = 1;; ++n) {
        const QString part = folder + QStringLiteral("worksheets/sheet%1.xml").arg(n);
        if (!Archive.Contains(part)) return part;
    }
}

}  // namespace

QByteArray WorkbookWithSheet(const QByteArray& Existing, const QString& SheetName, const TSheetTexts& Rows) {
    const TWorkbookReader checked(Existing);  // raises for anything but a workbook
    try {
        TZipArchive archive(Existing);
        const QString workbookPart = MainPartName(archive);
        pugi::xml_document workbook;
        if (!ParseOfficePart(archive, workbookPart, workbook)) Incorrect();
        pugi::xml_node root = RootElement(workbook);
        pugi::xml_node sheets = ChildNamed(root, "sheets");
        if (!sheets) Incorrect();
        const std::vector<TOfficeRelationship> relationships = ReadRelationships(archive, workbookPart);
        QString part;
        int lastId = 0;
        for (pugi::xml_node sheet = sheets.first_child(); sheet; sheet = sheet.next_sibling()) {
            if (sheet.type() != pugi::node_element || LocalName(sheet) != "sheet") continue;
            lastId = std::max(lastId, AttributeNamed(sheet, "sheetId").toInt());
            if (AttributeNamed(sheet, "name") != SheetName) continue;
            for (const TOfficeRelationship& r : relationships)
                if (r.Id == AttributeNamed(sheet, "id") && r.Kind == QLatin1String("worksheet")) part = r.Target;
        }
        if (!part.isEmpty()) {
            archive.Put(part, SheetXml(Rows));
            DropCalculationChain(archive, workbookPart, relationships);
            return archive.Finish();
        }
        part = NewSheetPart(archive, workbookPart);
        // The relationship from the workbook to the new sheet, under an unused id.
        pugi::xml_document rels;
        const QString relsPart = RelationshipsPartName(workbookPart);
        if (!ParseOfficePart(archive, relsPart, rels)) Incorrect();
        QString id;
        for (int n = 1; id.isEmpty(); ++n) {
            id = QStringLiteral("rId%1").arg(n);
            for (const TOfficeRelationship& r : relationships)
                if (r.Id == id) id.clear();
        }
        pugi::xml_node relationship = RootElement(rels).append_child((PrefixOf(RootElement(rels)) + "Relationship").c_str());
        relationship.append_attribute("Id") = id.toUtf8().constData();
        relationship.append_attribute("Type") = kWorksheetType;
        const QString folder = workbookPart.left(workbookPart.lastIndexOf(QLatin1Char('/')) + 1);
        relationship.append_attribute("Target") = part.mid(folder.size()).toUtf8().constData();
        // The sheet in the workbook's list, after the others.
        const std::string relPrefix = NamespacePrefix(root, kRelationshipNamespace);
        pugi::xml_node sheet = sheets.append_child((PrefixOf(sheets) + "sheet").c_str());
        sheet.append_attribute("name") = SheetName.toUtf8().constData();
        sheet.append_attribute("sheetId") = lastId + 1;
        sheet.append_attribute((relPrefix + "id").c_str()) = id.toUtf8().constData();
        // Its content type.
        pugi::xml_document types;
        if (!ParseOfficePart(archive, QStringLiteral("[Content_Types].xml"), types)) Incorrect();
        pugi::xml_node override = RootElement(types).append_child((PrefixOf(RootElement(types)) + "Override").c_str());
        override.append_attribute("PartName") = (QLatin1Char('/') + part).toUtf8().constData();
        override.append_attribute("ContentType") = kWorksheetContent;
        archive.Put(part, SheetXml(Rows));
        archive.Put(relsPart, OfficePartBytes(rels));
        archive.Put(workbookPart, OfficePartBytes(workbook));
        archive.Put(QStringLiteral("[Content_Types].xml"), OfficePartBytes(types));
        return archive.Finish();
    } catch (const EZipError&) {
        Incorrect();
    }
}
