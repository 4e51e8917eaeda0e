#include "grid/data/grid_xml_reader.h"

#include "grid/data/xml_file_encoding.h"
#include "platform/types.h"

#include <pugixml.hpp>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

bool IsText(pugi::xml_node Node) {
    return Node.type() == pugi::node_pcdata || Node.type() == pugi::node_cdata;
}

// The node's text: its own for a text node, else the texts of its descendants in
// document order, walked without recursion.
QString NodeText(pugi::xml_node Node) {
    if (IsText(Node)) return QString::fromUtf8(Node.value());
    QByteArray text;
    pugi::xml_node n = Node.first_child();
    while (n && n != Node) {
        if (IsText(n)) text += n.value();
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n != Node && !n.next_sibling()) n = n.parent();
        if (n != Node) n = n.next_sibling();
    }
    return QString::fromUtf8(text);
}

// The grid's own files before "&" was written as an entity held "$amp;" for it.
QString Unescape(QString Text) { return Text.replace(QLatin1String("$amp;"), QLatin1String("&")); }

class TXmlWalk {
public:
    TXmlWalk(const TXmlReadSettings& Settings) : S(Settings) {
        Out.GrownColCount = Settings.ColCount;
        Out.GrownRowCount = Settings.RowCount;
        Out.MaxCol = Settings.ColBase;
        Out.MaxRow = Settings.RowBase;
    }

    void ReadDocument(pugi::xml_node Root) {
        int q = 0;
        for (pugi::xml_node child = Root.first_child(); child; child = child.next_sibling(), ++q) {
            C = 0;
            D = 1;
            if (S.LevelToRow && q == 0 && !child.first_attribute()) R = -1;
            Walk(child);
            if (!S.LevelToRow) ++R;
        }
    }

    TXmlReadCells Out;

private:
    void Walk(pugi::xml_node Top) {
        std::vector<pugi::xml_node> pending{Top};
        while (!pending.empty()) {
            const pugi::xml_node node = pending.back();
            pending.pop_back();
            if (node != Top && node.next_sibling()) pending.push_back(node.next_sibling());
            if (const pugi::xml_node first = Visit(node)) pending.push_back(first);
        }
    }

    // One node's own cells; the first child when its children are walked next.
    pugi::xml_node Visit(pugi::xml_node N) {
        bool startedRow = false;
        int attributes = 0;
        for (pugi::xml_attribute a = N.first_attribute(); a; a = a.next_attribute(), ++attributes) {
            Grow();
            if (S.NamesInFirstRow && FirstRowEmpty(C + S.ColBase)) Store(C + S.ColBase, 0, QString::fromUtf8(a.name()));
            Store(C + S.ColBase, R + S.RowBase, Unescape(QString::fromUtf8(a.value())));
            Mark();
            ++C;
        }
        if (S.LevelToRow && attributes > 0) {
            ++R;
            C = D;
            startedRow = true;
        }
        const pugi::xml_node first = N.first_child();
        if (first && first.next_sibling()) {
            if (S.LevelToRow && !startedRow) {
                ++R;
                C = 0;
            }
            ++D;
            return first;
        }
        if (first) {
            Grow();
            if (S.NamesInFirstRow && S.LoadFieldDescr && FirstRowEmpty(C + S.ColBase))
                Store(C + S.ColBase, 0, QString::fromUtf8(N.name()));
            QString text = Unescape(NodeText(N));
            if (S.QuoteEmptyCells && text == QLatin1String("\"\"")) text.clear();
            Store(C + S.ColBase, R + S.RowBase, text);
            Mark();
        } else if (C + S.ColBase < Out.GrownColCount && R + S.RowBase < Out.GrownRowCount) {
            Store(C + S.ColBase, R + S.RowBase, QString());
        }
        ++C;
        return {};
    }

    void Grow() {
        Out.GrownColCount = std::max<qint64>(Out.GrownColCount, qint64(C) + S.ColBase + 1);
        Out.GrownRowCount = std::max<qint64>(Out.GrownRowCount, qint64(R) + S.RowBase + 1);
    }

    void Mark() {
        Out.MaxCol = std::max<qint64>(Out.MaxCol, qint64(C) + S.ColBase);
        Out.MaxRow = std::max<qint64>(Out.MaxRow, qint64(R) + S.RowBase);
    }

    bool FirstRowEmpty(qint64 Col) const {
        const auto staged = Out.Cells.find({0, int(Col)});
        if (staged != Out.Cells.end()) return staged->second.isEmpty();
        return Col >= S.ColCount || !S.FirstRowCellEmpty || S.FirstRowCellEmpty(int(Col));
    }

    void Store(qint64 Col, qint64 Row, const QString& Text) {
        if (Col < 0 || Row < 0 || Col > INT_MAX || Row > INT_MAX) return;
        Out.Cells[{int(Row), int(Col)}] = Text;
    }

    const TXmlReadSettings& S;
    int R = 0;
    int C = 0;
    int D = 1;
};

}  // namespace

TXmlReadCells ReadXmlCells(const QByteArray& Bytes, const TXmlReadSettings& Settings) {
    QByteArray text = DecodeXmlFile(Bytes).toUtf8();
    pugi::xml_document document;
    const unsigned options = pugi::parse_default | pugi::parse_ws_pcdata_single;
    pugi::xml_parse_result parsed = document.load_buffer(text.constData(), size_t(text.size()), options, pugi::encoding_utf8);
    if (parsed && !document.document_element()) {
        parsed.status = pugi::status_no_document_element;
        parsed.offset = 0;
    }
    if (!parsed) {
        const qsizetype offset = std::clamp<qsizetype>(qsizetype(parsed.offset), 0, text.size());
        const qsizetype line = std::count(text.constBegin(), text.constBegin() + offset, '\n') + 1;
        throw Exception(QStringLiteral("XMLDOM Parsing error %1 on line %2").arg(int(parsed.status)).arg(line));
    }
    TXmlWalk walk(Settings);
    walk.ReadDocument(document.document_element());
    return std::move(walk.Out);
}
