#pragma once
// What workbooks and documents share as Office Open XML packages: the zip archive's parts
// parsed as XML, the relationships that lead from one part to another, element names
// compared without their prefix (producers choose their own), and the escape the formats
// use for characters XML cannot carry ("_x0001_").

#include "platform/zip_archive.h"

#include <pugixml.hpp>

#include <QString>

#include <string>
#include <vector>

// The declaration every part of a package starts with.
inline constexpr char kOfficeXmlDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";

// The largest part read unpacked: far above any sheet of the 20,000,000 cells a grid may
// hold, far below what a small hostile archive could unpack to.
inline constexpr qint64 kMaxOfficePartBytes = qint64(256) << 20;

// The part as XML; false when it is missing, too large or no well-formed XML. Blank texts
// are kept, since a cell or run may hold only blanks.
bool ParseOfficePart(const TZipArchive& Archive, const QString& Part, pugi::xml_document& Document);
// Parsed part back to bytes as it was written, declaration included, nothing indented.
QByteArray OfficePartBytes(const pugi::xml_document& Document);

// The element's name without a namespace prefix.
std::string_view LocalName(const pugi::xml_node& Node);
// The first child element of that local name (a null node when none).
pugi::xml_node ChildNamed(const pugi::xml_node& Node, std::string_view Name);
// The value of the attribute of that local name, prefix ignored ("r:id", "w:name").
QString AttributeNamed(const pugi::xml_node& Node, std::string_view Name);
// The prefix with its colon that an element's name carries ("x:sheets" gives "x:").
std::string PrefixOf(const pugi::xml_node& Node);
// The prefix with its colon that Root binds to Namespace; a prefix of its own is bound on
// Root when there is none (a default namespace does not reach attributes, so it does not
// count).
std::string NamespacePrefix(pugi::xml_node Root, const char* Namespace);
// The document's first element.
pugi::xml_node RootElement(const pugi::xml_document& Document);

struct TOfficeRelationship {
    QString Id;
    QString Kind;    // the last segment of its type: "worksheet", "styles", "officeDocument"
    QString Target;  // the part's name in the archive; empty for an external target
};
// The relationships of Part ("" for the package's own), targets resolved against it;
// none when the relationships part is missing or unreadable.
std::vector<TOfficeRelationship> ReadRelationships(const TZipArchive& Archive, const QString& Part);
// The name the relationships of Part are stored under.
QString RelationshipsPartName(const QString& Part);
// The package's main part (its "officeDocument"); empty when there is none.
QString MainPartName(const TZipArchive& Archive);

// The content types of a new package: relationships and other XML by their extension,
// and each (part, content type) of Overrides.
QByteArray NewContentTypes(const std::vector<std::pair<QString, QString>>& Overrides);
// The relationships of a new package, leading to its main part.
QByteArray NewPackageRelationships(const QString& MainPart);

// Text for an element: characters XML cannot carry and texts that look like an escape
// are written in the formats' "_xHHHH_" form, then the markup characters as entities.
QString EncodeOfficeText(const QString& Text);
// The "_xHHHH_" escapes of a read text resolved.
QString DecodeOfficeText(const QString& Text);
// An XML attribute or text value as pugixml gives it.
QString OfficeString(const char* Utf8);
