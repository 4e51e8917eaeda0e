#include "grid/data/office_package.h"

#include "grid/data/xml_file_encoding.h"

#include <QDir>
#include <QRegularExpression>

#include <cstring>
#include <sstream>

bool ParseOfficePart(const TZipArchive& Archive, const QString& Part, pugi::xml_document& Document) {
    if (!Archive.Contains(Part)) return false;
    QByteArray bytes;
    try {
        bytes = Archive.Read(Part, kMaxOfficePartBytes);
    } catch (const EZipError&) {
        return false;
    }
    const unsigned flags = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata | pugi::parse_comments |
                           pugi::parse_pi;
    return bool(Document.load_buffer(bytes.constData(), std::size_t(bytes.size()), flags));
}

QByteArray OfficePartBytes(const pugi::xml_document& Document) {
    std::ostringstream out;
    Document.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    const std::string text = out.str();
    QByteArray bytes(text.data(), qsizetype(text.size()));
    // A part without a declaration of its own gets the one every producer writes.
    if (!Document.first_child() || Document.first_child().type() != pugi::node_declaration)
        bytes.prepend(kOfficeXmlDeclaration);
    return bytes;
}

std::string_view LocalName(const pugi::xml_node& Node) {
    const std::string_view name = Node.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node ChildNamed(const pugi::xml_node& Node, std::string_view Name) {
    for (pugi::xml_node child = Node.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element && LocalName(child) == Name) return child;
    return {};
}

QString AttributeNamed(const pugi::xml_node& Node, std::string_view Name) {
    for (pugi::xml_attribute a = Node.first_attribute(); a; a = a.next_attribute()) {
        const std::string_view name = a.name();
        const std::size_t colon = name.find(':');
        if ((colon == std::string_view::npos ? name : name.substr(colon + 1)) == Name) return OfficeString(a.value());
    }
    return {};
}

pugi::xml_node RootElement(const pugi::xml_document& Document) { return Document.document_element(); }

QString RelationshipsPartName(const QString& Part) {
    const qsizetype slash = Part.lastIndexOf(QLatin1Char('/'));
    return Part.left(slash + 1) + QStringLiteral("_rels/") + Part.mid(slash + 1) + QStringLiteral(".rels");
}

std::string PrefixOf(const pugi::xml_node& Node) {
    const std::string_view name = Node.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? std::string() : std::string(name.substr(0, colon + 1));
}

std::string NamespacePrefix(pugi::xml_node Root, const char* Namespace) {
    for (pugi::xml_attribute a = Root.first_attribute(); a; a = a.next_attribute()) {
        const std::string_view name = a.name();
        if (name.starts_with("xmlns:") && std::string_view(a.value()) == Namespace)
            return std::string(name.substr(6)) + ':';
    }
    std::string prefix = "r";
    while (Root.attribute(("xmlns:" + prefix).c_str())) prefix += 'r';
    Root.append_attribute(("xmlns:" + prefix).c_str()) = Namespace;
    return prefix + ':';
}

namespace {

QString ResolveTarget(const QString& Part, const QString& Target) {
    if (Target.startsWith(QLatin1Char('/'))) return QDir::cleanPath(Target).mid(1);
    const QString folder = Part.left(Part.lastIndexOf(QLatin1Char('/')) + 1);
    const QString path = QDir::cleanPath(QStringLiteral("/") + folder + Target);
    return path.mid(1);
}

}  // namespace

std::vector<TOfficeRelationship> ReadRelationships(const TZipArchive& Archive, const QString& Part) {
    std::vector<TOfficeRelationship> relationships;
    pugi::xml_document document;
    if (!ParseOfficePart(Archive, RelationshipsPartName(Part), document)) return relationships;
    for (pugi::xml_node node = RootElement(document).first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_element || LocalName(node) != "Relationship") continue;
        TOfficeRelationship relationship;
        relationship.Id = AttributeNamed(node, "Id");
        const QString type = AttributeNamed(node, "Type");
        relationship.Kind = type.mid(type.lastIndexOf(QLatin1Char('/')) + 1);
        if (AttributeNamed(node, "TargetMode").compare(QLatin1String("External"), Qt::CaseInsensitive) != 0)
            relationship.Target = ResolveTarget(Part, AttributeNamed(node, "Target"));
        relationships.push_back(relationship);
    }
    return relationships;
}

QString MainPartName(const TZipArchive& Archive) {
    for (const TOfficeRelationship& r : ReadRelationships(Archive, QString()))
        if (r.Kind == QLatin1String("officeDocument") && !r.Target.isEmpty()) return r.Target;
    return {};
}

QByteArray NewContentTypes(const std::vector<std::pair<QString, QString>>& Overrides) {
    QByteArray xml = QByteArray(kOfficeXmlDeclaration) +
                     "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                     "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                     "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
    for (const auto& [part, type] : Overrides)
        xml += "<Override PartName=\"/" + part.toUtf8() + "\" ContentType=\"" + type.toUtf8() + "\"/>";
    return xml + "</Types>";
}

QByteArray NewPackageRelationships(const QString& MainPart) {
    return QByteArray(kOfficeXmlDeclaration) +
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId1\" "
           "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"" +
           MainPart.toUtf8() + "\"/></Relationships>";
}

namespace {

bool XmlCanCarry(char32_t c) {
    return c == 0x9 || c == 0xA || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) || c >= 0x10000;
}

const QRegularExpression& EscapePattern() {
    static const QRegularExpression pattern(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    return pattern;
}

}  // namespace

QString EncodeOfficeText(const QString& Text) {
    const auto escaped = [](char16_t Code) {
        return QStringLiteral("_x") + QString::number(Code, 16).toUpper().rightJustified(4, QLatin1Char('0')) +
               QLatin1Char('_');
    };
    QString marked;
    marked.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar ch = Text[i];
        if (ch.isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate()) {
            marked += ch;
            marked += Text[++i];
        } else if (ch.isSurrogate() || !XmlCanCarry(ch.unicode())) {
            marked += escaped(ch.unicode());
        } else if (ch == QLatin1Char('_') &&
                   EscapePattern()
                       .match(Text, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption)
                       .hasMatch()) {
            // A text that reads like an escape keeps its underscore through an escape of its own.
            marked += escaped(u'_');
        } else {
            marked += ch;
        }
    }
    return EscapeXmlText(marked);
}

QString DecodeOfficeText(const QString& Text) {
    if (!Text.contains(QLatin1String("_x"))) return Text;
    QString out;
    qsizetype from = 0;
    QRegularExpressionMatchIterator it = EscapePattern().globalMatch(Text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(Text).mid(from, m.capturedStart() - from);
        out += QChar(char16_t(m.captured(1).toUShort(nullptr, 16)));
        from = m.capturedEnd();
    }
    out += QStringView(Text).mid(from);
    return out;
}

QString OfficeString(const char* Utf8) { return QString::fromUtf8(Utf8, qsizetype(std::strlen(Utf8))); }
