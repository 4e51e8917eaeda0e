#include "platform/xml_document.h"
#include "platform/file_system.h"
#include "platform/xml_well_formedness.h"

#include <pugixml.hpp>

#include <QFile>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

std::string ToUtf8(const QString& s) { return s.toStdString(); }

// A value as XML can hold it: characters XML 1.0 does not allow (control characters
// other than tab and line ends, non-characters, unpaired surrogates) are dropped, so
// that every file written reads back.
bool Allowed_In_Xml(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x20 || u == u'\t' || u == u'\n' || u == u'\r') && !c.isSurrogate() && u != 0xFFFE && u != 0xFFFF;
}

QByteArray ToXmlText(const QString& s) {
    // Most texts hold nothing to drop: they convert straight away.
    if (std::all_of(s.begin(), s.end(), Allowed_In_Xml)) return s.toUtf8();
    QString text;
    text.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            text += c;
            text += s[++i];
            continue;
        }
        if (Allowed_In_Xml(c)) text += c;
    }
    return text.toUtf8();
}

// Collects the saved document in one byte array.
class ByteArrayWriter : public pugi::xml_writer {
public:
    void write(const void* data, std::size_t size) override {
        Bytes.append(static_cast<const char*>(data), qsizetype(size));
    }
    QByteArray Bytes;
};

QString FromUtf8(const char* s) { return QString::fromUtf8(s); }

// A value of blanks only is kept, so every text written reads back as it was.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_comments | pugi::parse_ws_pcdata_single;
constexpr unsigned kFormatOptions = pugi::format_indent | pugi::format_no_declaration;

}  // namespace

pugi::xml_node TXMLNode::Node() const {
    return pugi::xml_node(static_cast<pugi::xml_node_struct*>(FNode));
}

bool TXMLNode::IsElement() const { return Node().type() == pugi::node_element; }
bool TXMLNode::IsComment() const { return Node().type() == pugi::node_comment; }

QString TXMLNode::NodeName() const {
    if (IsComment()) return QStringLiteral("#comment");
    return FromUtf8(Node().name());
}

std::string_view TXMLNode::NodeNameUtf8() const { return IsNull() ? std::string_view() : std::string_view(Node().name()); }

QString TXMLNode::Text() const {
    if (IsNull()) throw EXMLError(QStringLiteral("Node is empty"));
    if (IsComment()) return FromUtf8(Node().value());
    std::string text;
    for (pugi::xml_node c = Node().first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) text += c.value();
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void TXMLNode::SetText(const QString& text) {
    pugi::xml_node node = Node();
    while (node.first_child()) node.remove_child(node.first_child());
    if (!text.isEmpty()) node.append_child(pugi::node_pcdata).set_value(ToXmlText(text).constData());
}

TXMLNode TXMLNode::FindNode(const QString& name) const {
    if (IsNull()) return {};
    pugi::xml_node child = Node().child(ToUtf8(name).c_str());
    return TXMLNode(child.internal_object());
}

TXMLNode TXMLNode::ChildNodes(const QString& name) const {
    TXMLNode child = FindNode(name);
    if (child.IsNull()) throw EXMLError(QStringLiteral("Node \"%1\" not found").arg(name));
    return child;
}

int TXMLNode::ChildCount() const {
    int n = 0;
    for (pugi::xml_node c = Node().first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element || c.type() == pugi::node_comment) ++n;
    return n;
}

TXMLNode TXMLNode::Child(int index) const {
    int n = 0;
    for (pugi::xml_node c = Node().first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element && c.type() != pugi::node_comment) continue;
        if (n++ == index) return TXMLNode(c.internal_object());
    }
    throw EXMLError(QStringLiteral("Node index out of bounds (%1)").arg(index));
}

TXMLNode TXMLNode::NextSibling() const {
    if (IsNull()) return {};
    for (pugi::xml_node c = Node().next_sibling(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element || c.type() == pugi::node_comment) return TXMLNode(c.internal_object());
    return {};
}

TXMLNode TXMLNode::AddChild(const QString& name) {
    return TXMLNode(Node().append_child(ToUtf8(name).c_str()).internal_object());
}

void TXMLNode::AddComment(const QString& text) {
    Node().append_child(pugi::node_comment).set_value(ToUtf8(text).c_str());
}

QString TXMLNode::Attribute(const QString& name) const {
    if (IsNull()) throw EXMLError(QStringLiteral("Node is empty"));
    pugi::xml_attribute a = Node().attribute(ToUtf8(name).c_str());
    if (!a) throw EXMLError(QStringLiteral("Attribute \"%1\" not found").arg(name));
    return FromUtf8(a.value());
}

bool TXMLNode::HasAttribute(const QString& name) const {
    return !IsNull() && bool(Node().attribute(ToUtf8(name).c_str()));
}

void TXMLNode::SetAttribute(const QString& name, const QString& value) {
    const std::string key = ToUtf8(name);
    pugi::xml_node node = Node();
    pugi::xml_attribute a = node.attribute(key.c_str());
    if (!a) a = node.append_attribute(key.c_str());
    a.set_value(ToXmlText(value).constData());
}

namespace {
// True when the stored UTF-8 text is ASCII and the same as the string: the string can
// be kept instead of converting the text again.
bool Same_Ascii_Text(const QString& kept, const char* text) {
    const qsizetype size = kept.size();
    const char16_t* chars = reinterpret_cast<const char16_t*>(kept.constData());
    qsizetype i = 0;
    for (; text[i] != '\0'; ++i)
        if (i == size || static_cast<unsigned char>(text[i]) >= 0x80 || chars[i] != char16_t(text[i])) return false;
    return i == size;
}
}  // namespace

void TXMLNode::ReadAttributes(std::span<const char* const> names, std::span<std::optional<QString>> values) const {
    Q_ASSERT(names.size() == values.size() && names.size() <= 64);
    std::uint64_t found = 0;  // bit i: names[i] was met on this element
    if (!IsNull()) {
        std::size_t expected = 0;  // where the next attribute is looked for first
        for (pugi::xml_attribute a = Node().first_attribute(); a; a = a.next_attribute()) {
            const char* name = a.name();
            for (std::size_t tried = 0; tried < names.size(); ++tried) {
                const std::size_t i = (expected + tried) % names.size();
                if (std::strcmp(names[i], name) != 0) continue;
                // A duplicate never reaches here (the parser refuses it), so the first one wins.
                const std::uint64_t bit = std::uint64_t(1) << i;
                if (!(found & bit)) {
                    found |= bit;
                    // The rows of a table repeat most of their texts: an unchanged one is
                    // shared with the previous row's value rather than built again.
                    if (!values[i] || !Same_Ascii_Text(*values[i], a.value())) values[i] = FromUtf8(a.value());
                }
                expected = i + 1;
                break;
            }
        }
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!(found & (std::uint64_t(1) << i))) values[i].reset();
}

void TXMLNode::AppendAttribute(const char* name, const QString& value) {
    Q_ASSERT(!Node().attribute(name));
    Node().append_attribute(name).set_value(ToXmlText(value).constData());
}

int TXMLNode::AttributeCount() const {
    int n = 0;
    for (pugi::xml_attribute a = Node().first_attribute(); a; a = a.next_attribute()) ++n;
    return n;
}

QString TXMLNode::AttributeName(int index) const {
    int n = 0;
    for (pugi::xml_attribute a = Node().first_attribute(); a; a = a.next_attribute())
        if (n++ == index) return FromUtf8(a.name());
    throw EXMLError(QStringLiteral("Attribute index out of bounds (%1)").arg(index));
}

TXMLDocument::TXMLDocument() : FDoc(std::make_unique<pugi::xml_document>()) {}
TXMLDocument::~TXMLDocument() = default;

void TXMLDocument::Clear() {
    FDoc->reset();
    FText.clear();
}

bool TXMLDocument::LoadFromFile(const QString& fileName, qint64 maxSize) {
    Clear();
    QFile file(fileName);
    // The size is looked at before a byte is read, so a huge file costs nothing.
    if (!FileExists(fileName) || !file.open(QIODevice::ReadOnly) || file.size() > maxSize) return false;
    // One byte more than the size found shows a file that grew meanwhile.
    QByteArray data = file.read(file.size() + 1);
    if (data.size() > maxSize) return false;
    return Parse(std::move(data), false);
}

bool TXMLDocument::LoadFromString(const QString& xml) {
    Clear();
    return Parse(xml.toUtf8(), true);
}

bool TXMLDocument::Parse(QByteArray text, bool utf8) {
    // The tree is built in the text itself, which the document keeps: a large file is
    // neither copied nor held twice.
    FText = std::move(text);
    const std::size_t size = std::size_t(FText.size());
    const bool wellFormed =
        Is_Well_Formed_Xml(FText.constData(), size, utf8 ? TXmlTextEncoding::Utf8 : TXmlTextEncoding::Declared) &&
        FDoc->load_buffer_inplace(FText.data(), size, kParseOptions, utf8 ? pugi::encoding_utf8 : pugi::encoding_auto);
    if (!wellFormed) Clear();
    return wellFormed;
}

QString TXMLDocument::SaveToString() const {
    ByteArrayWriter out;
    FDoc->save(out, "  ", kFormatOptions, pugi::encoding_utf8);
    return QString::fromUtf8(out.Bytes);
}

bool TXMLDocument::SaveToFile(const QString& fileName, const QString& confiningFolder) const {
    ByteArrayWriter out;
    FDoc->save(out, "  ", kFormatOptions, pugi::encoding_utf8);
    return WriteFileAtomically(fileName, out.Bytes, confiningFolder);
}

TXMLNode TXMLDocument::DocumentElement() const {
    for (pugi::xml_node c = FDoc->first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element || c.type() == pugi::node_comment) return TXMLNode(c.internal_object());
    return {};
}

int TXMLDocument::ChildCount() const {
    return TXMLNode(FDoc->internal_object()).ChildCount();
}

TXMLNode TXMLDocument::Child(int index) const { return TXMLNode(FDoc->internal_object()).Child(index); }

TXMLNode TXMLDocument::AddChild(const QString& name) {
    return TXMLNode(FDoc->internal_object()).AddChild(name);
}

void TXMLDocument::AddComment(const QString& text) { TXMLNode(FDoc->internal_object()).AddComment(text); }
