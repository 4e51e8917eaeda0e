#include "grid/data/xlsx_workbook_reader.h"

#include "grid/data/office_package.h"
#include "grid/data/spreadsheet_references.h"
#include "platform/date_time_conversion.h"
#include "platform/format_settings.h"

#include <cmath>

namespace {

[[noreturn]] void Incorrect() { throw Exception(QString::fromLatin1(kIncorrectXlsFile)); }

// Walks the cells of a sheet's data in file order with their places from 1; a cell or
// row without its own place follows the one before. False for a place no sheet has.
template <typename Visit>
bool ForEachCell(const pugi::xml_node& SheetData, Visit&& visit) {
    int row = 0;
    for (pugi::xml_node r = SheetData.first_child(); r; r = r.next_sibling()) {
        if (r.type() != pugi::node_element || LocalName(r) != "row") continue;
        const QString rowText = AttributeNamed(r, "r");
        if (rowText.isEmpty()) {
            ++row;
        } else {
            bool ok = false;
            row = rowText.toInt(&ok);
            if (!ok) return false;
        }
        if (row < 1 || row > kSheetRows) return false;
        int column = 0;
        for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
            if (c.type() != pugi::node_element || LocalName(c) != "c") continue;
            const QString reference = AttributeNamed(c, "r");
            int cellRow = row;
            if (reference.isEmpty()) {
                ++column;
            } else if (!ParseCellReference(reference, column, cellRow) || cellRow != row) {
                return false;
            }
            if (column > kSheetColumns) return false;
            visit(column, row, c);
        }
    }
    return true;
}

// The text of a string item: its own text, or its runs' texts one after another
// (phonetic hints left out).
QString StringItemText(const pugi::xml_node& Item) {
    QString text;
    for (pugi::xml_node part = Item.first_child(); part; part = part.next_sibling()) {
        if (LocalName(part) == "t") text += OfficeString(part.text().get());
        else if (LocalName(part) == "r") text += OfficeString(ChildNamed(part, "t").text().get());
    }
    return DecodeOfficeText(text);
}

bool IsTrue(const QString& Text) { return Text == QLatin1String("1") || Text == QLatin1String("true"); }

}  // namespace

TWorkbookReader::TWorkbookReader(const QByteArray& Bytes) try : FArchive(Bytes) {
    const QString workbookPart = MainPartName(FArchive);
    pugi::xml_document workbook;
    if (workbookPart.isEmpty() || !ParseOfficePart(FArchive, workbookPart, workbook)) Incorrect();
    const pugi::xml_node root = RootElement(workbook);
    if (LocalName(root) != "workbook") Incorrect();
    std::vector<TOfficeRelationship> relationships = ReadRelationships(FArchive, workbookPart);
    for (const TOfficeRelationship& r : relationships) {
        if (r.Kind == QLatin1String("sharedStrings")) FSharedStringsPart = r.Target;
        if (r.Kind == QLatin1String("styles")) FStylesPart = r.Target;
    }
    FDate1904 = IsTrue(AttributeNamed(ChildNamed(root, "workbookPr"), "date1904"));
    FActiveTab = AttributeNamed(ChildNamed(ChildNamed(root, "bookViews"), "workbookView"), "activeTab").toInt();
    const pugi::xml_node sheets = ChildNamed(root, "sheets");
    for (pugi::xml_node sheet = sheets.first_child(); sheet; sheet = sheet.next_sibling()) {
        if (sheet.type() != pugi::node_element || LocalName(sheet) != "sheet") continue;
        TSheetEntry entry;
        entry.Name = AttributeNamed(sheet, "name");
        const QString id = AttributeNamed(sheet, "id");
        for (const TOfficeRelationship& r : relationships)
            if (r.Id == id && r.Kind == QLatin1String("worksheet")) entry.Part = r.Target;
        FSheets.push_back(entry);
    }
} catch (const EZipError&) {
    Incorrect();
}

QStringList TWorkbookReader::SheetNames() const {
    QStringList names;
    for (const TSheetEntry& sheet : FSheets)
        if (!sheet.Part.isEmpty()) names << sheet.Name;
    return names;
}

bool TWorkbookReader::SelectSheet(const QString& Name) {
    QString part;
    if (Name.isEmpty()) {
        if (FActiveTab < 0 || FActiveTab >= int(FSheets.size())) Incorrect();
        part = FSheets[std::size_t(FActiveTab)].Part;
        if (part.isEmpty()) Incorrect();
    } else {
        for (const TSheetEntry& sheet : FSheets)
            if (sheet.Name == Name && !sheet.Part.isEmpty()) part = sheet.Part;
        if (part.isEmpty()) return false;
    }
    if (!ParseOfficePart(FArchive, part, FSheet) || LocalName(RootElement(FSheet)) != "worksheet") Incorrect();
    ReadSharedStrings(FSharedStringsPart);
    ReadStyles(FStylesPart);
    bool any = false;
    TSheetRange range;
    const bool valid = ForEachCell(ChildNamed(RootElement(FSheet), "sheetData"), [&](int Col, int Row, const pugi::xml_node&) {
        if (!any) range = {Col - 1, Row - 1, Col - 1, Row - 1};
        any = true;
        range.FirstCol = std::min(range.FirstCol, Col - 1);
        range.FirstRow = std::min(range.FirstRow, Row - 1);
        range.LastCol = std::max(range.LastCol, Col - 1);
        range.LastRow = std::max(range.LastRow, Row - 1);
    });
    if (!valid) Incorrect();
    FRange = range;
    return true;
}

void TWorkbookReader::ReadSharedStrings(const QString& Part) {
    FSharedStrings.clear();
    if (Part.isEmpty()) return;
    pugi::xml_document document;
    if (!ParseOfficePart(FArchive, Part, document)) Incorrect();
    for (pugi::xml_node item = RootElement(document).first_child(); item; item = item.next_sibling())
        if (item.type() == pugi::node_element && LocalName(item) == "si") FSharedStrings.push_back(StringItemText(item));
}

namespace {

// What a number format shows of a date: nothing, the date, the time or both. Quoted
// texts, escaped characters and bracketed parts (colours, conditions) do not count.
int DateTimeParts(const QString& Code) {
    enum { DatePart = 1, TimePart = 2 };
    int parts = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < Code.size(); ++i) {
        const QChar ch = Code[i].toLower();
        if (ch == QLatin1Char('"')) quoted = !quoted;
        if (quoted || ch == QLatin1Char('"')) continue;
        if (ch == QLatin1Char('\\') || ch == QLatin1Char('_') || ch == QLatin1Char('*')) {
            ++i;
        } else if (ch == QLatin1Char('[')) {
            const qsizetype end = Code.indexOf(QLatin1Char(']'), i);
            const QString inside = Code.mid(i + 1, end - i - 1).toLower();
            // Elapsed hours, minutes or seconds are times; colours and conditions are not.
            if (!inside.isEmpty() && (inside.count(inside[0]) == inside.size()) &&
                QStringLiteral("hms").contains(inside[0]))
                parts |= TimePart;
            if (end < 0) break;
            i = end;
        } else if (ch == QLatin1Char('d') || ch == QLatin1Char('y')) {
            parts |= DatePart;
        } else if (ch == QLatin1Char('h') || ch == QLatin1Char('s')) {
            parts |= TimePart;
        } else if (ch == QLatin1Char('m') && !(parts & TimePart)) {
            parts |= DatePart;
        }
    }
    return parts;
}

// The built-in formats that show dates and times.
int BuiltInDateTimeParts(int Id) {
    if ((Id >= 14 && Id <= 17) || (Id >= 27 && Id <= 31) || (Id >= 34 && Id <= 36) || (Id >= 50 && Id <= 58)) return 1;
    if ((Id >= 18 && Id <= 21) || (Id >= 32 && Id <= 33) || (Id >= 45 && Id <= 47)) return 2;
    if (Id == 22) return 3;
    return 0;
}

}  // namespace

void TWorkbookReader::ReadStyles(const QString& Part) {
    FStyleKinds.clear();
    if (Part.isEmpty()) return;
    pugi::xml_document document;
    if (!ParseOfficePart(FArchive, Part, document)) Incorrect();
    const pugi::xml_node root = RootElement(document);
    std::vector<std::pair<int, QString>> codes;
    for (pugi::xml_node f = ChildNamed(root, "numFmts").first_child(); f; f = f.next_sibling())
        if (f.type() == pugi::node_element && LocalName(f) == "numFmt")
            codes.emplace_back(AttributeNamed(f, "numFmtId").toInt(), AttributeNamed(f, "formatCode"));
    for (pugi::xml_node xf = ChildNamed(root, "cellXfs").first_child(); xf; xf = xf.next_sibling()) {
        if (xf.type() != pugi::node_element || LocalName(xf) != "xf") continue;
        const int id = AttributeNamed(xf, "numFmtId").toInt();
        int parts = BuiltInDateTimeParts(id);
        for (const auto& [codeId, code] : codes)
            if (codeId == id) parts = DateTimeParts(code);
        FStyleKinds.push_back(parts == 3   ? TValueKind::DateTime
                              : parts == 2 ? TValueKind::Time
                              : parts == 1 ? TValueKind::Date
                                           : TValueKind::Number);
    }
}

QString TWorkbookReader::NumberText(const QString& Value, int Style) const {
    bool ok = false;
    const double number = Value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) Incorrect();
    const TValueKind kind =
        Style >= 0 && Style < int(FStyleKinds.size()) ? FStyleKinds[std::size_t(Style)] : TValueKind::Number;
    // Dates between the years 1 and 9999; anything else shows as the number it is.
    const TDateTime date = number + (FDate1904 ? 1462.0 : 0.0);
    if (kind != TValueKind::Number && date >= -693593.0 && date < 2958466.0) {
        if (kind == TValueKind::Date) return DateToStr(std::floor(date));
        if (kind == TValueKind::Time) return TimeToStr(date - std::floor(date));
        return DateToStr(std::floor(date)) + QLatin1Char(' ') + TimeToStr(date - std::floor(date));
    }
    return QString::number(number, 'g', 15).replace(QLatin1Char('.'), FormatSettings().DecimalSeparator);
}

bool TWorkbookReader::StageCells(TGridFileStaging& Staging, int ColOffset, int RowOffset,
                                 std::vector<TStagedCell>& Kept) const {
    bool staged = true;
    ForEachCell(ChildNamed(RootElement(FSheet), "sheetData"), [&](int Col, int Row, const pugi::xml_node& c) {
        if (!staged) return;
        const QString type = AttributeNamed(c, "t");
        const pugi::xml_node value = ChildNamed(c, "v");
        const QString valueText = OfficeString(value.text().get());
        const qint64 col = qint64(ColOffset) + Col - 1 - FRange.FirstCol;
        const qint64 row = qint64(RowOffset) + Row - 1 - FRange.FirstRow;
        QString text;
        if (type == QLatin1String("e")) {
            Kept.push_back({int(col), int(row), QString()});
            return;
        }
        if (type == QLatin1String("inlineStr")) {
            text = StringItemText(ChildNamed(c, "is"));
        } else if (!value) {
            return;  // no value: the cleared cell stays empty
        } else if (type == QLatin1String("s")) {
            bool ok = false;
            const int index = valueText.trimmed().toInt(&ok);
            if (!ok || index < 0 || index >= int(FSharedStrings.size())) Incorrect();
            text = FSharedStrings[std::size_t(index)];
        } else if (type == QLatin1String("str")) {
            text = DecodeOfficeText(valueText);
        } else if (type == QLatin1String("b")) {
            text = IsTrue(valueText.trimmed()) ? QStringLiteral("True") : QStringLiteral("False");
        } else if (type == QLatin1String("d")) {
            const QDateTime moment = QDateTime::fromString(valueText.trimmed(), Qt::ISODateWithMs);
            if (!moment.isValid()) Incorrect();
            const TDateTime date = QDateTimeToDateTime(moment);
            text = valueText.contains(QLatin1Char('T')) ? DateToStr(std::floor(date)) + QLatin1Char(' ') +
                                                              TimeToStr(date - std::floor(date))
                                                        : DateToStr(date);
        } else {
            const QString style = AttributeNamed(c, "s");
            text = NumberText(valueText, style.isEmpty() ? -1 : style.toInt());
        }
        staged = Staging.Put(col, row, text);
    });
    return staged;
}
