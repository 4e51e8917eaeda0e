#include "editors/rule_file_reader.h"
#include "platform/file_system.h"

#include <QByteArray>
#include <QFileInfo>

#include <algorithm>
#include <span>

TRuleFile Open_Rule_File(TXMLDocument& document, const QString& fileName) {
    TRuleFile file;
    document.Clear();
    if (!FileExists(fileName)) return file;
    const QFileInfo info(fileName);
    if (info.size() > TXMLDocument::Max_File_Size) {
        file.State = TRuleFileState::TooLarge;
        file.Message = QStringLiteral("The file \"%1\" is too large to be a rule file (%2 bytes).")
                           .arg(fileName, QString::number(info.size()));
        return file;
    }
    if (!info.isReadable()) {
        file.State = TRuleFileState::Unreadable;
        file.Message = QStringLiteral("The file \"%1\" cannot be read.").arg(fileName);
        return file;
    }
    // A document without an element is no well-formed document either.
    if (document.LoadFromFile(fileName)) {
        for (int i = 0; i < document.ChildCount(); ++i) {
            const TXMLNode node = document.Child(i);
            if (!node.IsElement()) continue;
            file.State = TRuleFileState::Loaded;
            file.Root = node;
            return file;
        }
    }
    file.State = TRuleFileState::NotWellFormed;
    file.Message = QStringLiteral("The file \"%1\" is not well-formed XML.").arg(fileName);
    return file;
}

TXMLNode Find_Rule_List(const TXMLNode& root, const QString& listName) { return root.FindNode(listName); }

TRuleRows Read_Rule_List(const TXMLNode& list, const std::vector<TRuleAttribute>& attributes, int maxRows,
                         const QString& fileName, const QString& listName) {
    TRuleRows result;
    if (list.IsNull()) {
        result.Message = QStringLiteral("The file \"%1\" has no list \"%2\".").arg(fileName, listName);
        return result;
    }
    // The names are looked up in one walk over each row's attributes, at most 64 at a time.
    constexpr std::size_t kNamesPerWalk = 64;
    std::vector<QByteArray> utf8Names;
    utf8Names.reserve(attributes.size());
    for (const TRuleAttribute& attribute : attributes) utf8Names.push_back(attribute.Name.toUtf8());
    std::vector<const char*> names;
    names.reserve(attributes.size());
    for (const QByteArray& name : utf8Names) names.push_back(name.constData());
    std::vector<std::optional<QString>> values(attributes.size());  // kept from row to row to share equal texts
    int row = 0;
    for (TXMLNode node = list.ChildCount() > 0 ? list.Child(0) : TXMLNode(); !node.IsNull(); node = node.NextSibling()) {
        if (!node.IsElement()) continue;
        ++row;
        if (row > maxRows) {
            ++result.Rows_Left_Out;
            continue;
        }
        for (std::size_t first = 0; first < names.size(); first += kNamesPerWalk) {
            const std::size_t count = std::min(kNamesPerWalk, names.size() - first);
            node.ReadAttributes(std::span<const char* const>(names).subspan(first, count),
                                std::span<std::optional<QString>>(values).subspan(first, count));
        }
        QStringList cells;
        cells.reserve(qsizetype(attributes.size()));
        for (std::size_t i = 0; i < attributes.size(); ++i) {
            const TRuleAttribute& attribute = attributes[i];
            if (values[i]) {
                cells.append(*values[i]);
            } else if (attribute.Default) {
                const bool given = attribute.Default_When_On < 0 || cells[attribute.Default_When_On] == QLatin1String("Y");
                cells.append(given ? *attribute.Default : QString());
            } else {
                result.Message = QStringLiteral("Row %1 of the list \"%2\" in the file \"%3\" lacks the attribute \"%4\".")
                                     .arg(QString::number(row), listName, fileName, attribute.Name);
                return result;
            }
        }
        result.Rows.push_back(std::move(cells));
    }
    if (result.Rows_Left_Out > 0)
        result.Message = QStringLiteral("The list \"%1\" in the file \"%2\" holds %3 rows; only the first %4 are read.")
                             .arg(listName, fileName, QString::number(row), QString::number(maxRows));
    return result;
}
