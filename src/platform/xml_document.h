#pragma once
// The XML document the windows load and rebuild their files with. It keeps comments
// and attribute order, writes no declaration, and takes the first top-level node as
// the root. Reading a child or attribute that is not there raises EXMLError, which
// a reader that has a default catches.

#include "platform/types.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

namespace pugi {
class xml_document;
class xml_node;
}

class TXMLNode {
public:
    TXMLNode() = default;

    bool IsNull() const { return FNode == nullptr; }
    bool IsElement() const;
    bool IsComment() const;
    QString NodeName() const;
    // The name as stored (UTF-8), for walks that compare many names without converting each.
    std::string_view NodeNameUtf8() const;

    // Element text: its text and CDATA children joined, so a text split by a CDATA section
    // reads whole. Setting replaces all children.
    QString Text() const;
    void SetText(const QString& text);

    // The first child element of that name; raises EXMLError when there is none.
    TXMLNode ChildNodes(const QString& name) const;
    // The same without raising: a null node when there is none.
    TXMLNode FindNode(const QString& name) const;
    int ChildCount() const;
    TXMLNode Child(int index) const;
    // The next element or comment after this one; null at the end. Walks long lists in
    // linear time, where Child(index) counts from the start each time.
    TXMLNode NextSibling() const;
    TXMLNode AddChild(const QString& name);
    void AddComment(const QString& text);

    // Raises EXMLError when the attribute is missing.
    QString Attribute(const QString& name) const;
    bool HasAttribute(const QString& name) const;
    void SetAttribute(const QString& name, const QString& value);
    // Appends an attribute the element does not have yet (ASCII name), without looking
    // for one of that name first: a row of many attributes builds in linear time.
    void AppendAttribute(const char* name, const QString& value);
    int AttributeCount() const;
    // Reads many attributes in one walk over the element's attributes: values[i] gets the
    // value of names[i] (ASCII names, at most 64), or nothing when the element lacks it.
    // Attributes in the order of names cost one comparison each, so a row reads in linear
    // time. Values may hold the previous row's on entry: a text equal to one of them is
    // shared, not converted again.
    void ReadAttributes(std::span<const char* const> names, std::span<std::optional<QString>> values) const;
    QString AttributeName(int index) const;

private:
    friend class TXMLDocument;
    explicit TXMLNode(void* node) : FNode(node) {}
    pugi::xml_node Node() const;

    void* FNode = nullptr;  // the pugixml node's internal pointer
};

class TXMLDocument {
public:
    TXMLDocument();
    ~TXMLDocument();
    TXMLDocument(const TXMLDocument&) = delete;
    TXMLDocument& operator=(const TXMLDocument&) = delete;

    // Removes every top-level node.
    void Clear();
    // The largest file LoadFromFile reads by default: four times the largest configuration
    // file (1024 KNX rules, about 0.5 MB), and small enough that reading any file of that
    // size takes a fraction of a second and bounded memory.
    static constexpr qint64 Max_File_Size = qint64(2) << 20;

    // False (and an empty document) when the file is missing, larger than maxSize or not
    // well-formed XML. Well-formedness is checked in full: a raw "&", an undefined entity,
    // a duplicate attribute, text or a second element beside the root, a control character
    // or bytes that are not in the declared encoding all refuse the file. A document that
    // declares entities is refused too, so nothing is ever expanded or fetched.
    bool LoadFromFile(const QString& fileName, qint64 maxSize = Max_File_Size);
    bool LoadFromString(const QString& xml);
    // Writes beside the file and renames over it; false when that fails. With a confining
    // folder, a file (or a link on its way) that resolves outside that folder is not
    // written through and the save fails.
    bool SaveToFile(const QString& fileName, const QString& confiningFolder = QString()) const;
    QString SaveToString() const;

    // The first top-level node (which may be a comment); null when empty.
    TXMLNode DocumentElement() const;
    int ChildCount() const;
    TXMLNode Child(int index) const;
    TXMLNode AddChild(const QString& name);
    void AddComment(const QString& text);

private:
    // Checks the text and builds the tree; an empty document when either fails.
    bool Parse(QByteArray text, bool utf8);

    std::unique_ptr<pugi::xml_document> FDoc;
    QByteArray FText;  // the loaded text, which the tree points into
};
