// The RTF writer: a header with the font and colour tables the runs use, then each run
// in a group of its own carrying its format, so a run never inherits another's.

#include "grid/edit/rtf_codec.h"

#include <QHash>
#include <vector>

namespace {

// A font name as it may stand in the font table: ';' ends an entry there and braces
// and backslashes would open groups and controls.
QString TableName(const QString& Face) {
    QString name;
    for (QChar c : Face)
        if (c != QLatin1Char(';') && c != QLatin1Char('{') && c != QLatin1Char('}') && c != QLatin1Char('\\') &&
            c.unicode() >= 0x20)
            name += c;
    return name;
}

void AppendEscaped(QString& Out, QStringView Text) {
    for (QChar c : Text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            Out += QLatin1Char('\\');
            Out += c;
        } else if (u == u'\t') {
            Out += QLatin1String("\\tab ");
        } else if (u == QChar::ParagraphSeparator || u == u'\n') {
            Out += QLatin1String("\\par\n");
        } else if (u == QChar::LineSeparator) {
            Out += QLatin1String("\\line ");
        } else if (u < 0x20) {
            // Other control characters have no RTF form and are left out.
        } else if (u < 0x80) {
            Out += c;
        } else {
            // RTF's \u takes a signed 16-bit number; a character outside the BMP is
            // written as its two surrogates, which readers join again.
            Out += QLatin1String("\\u");
            Out += QString::number(static_cast<qint16>(u));
            Out += QLatin1Char('?');
        }
    }
}

// The table index of a key, given the next free one when it is new.
template <typename Key>
int TableIndex(QHash<Key, int>& Indexes, std::vector<Key>& Table, const Key& Value) {
    const auto found = Indexes.constFind(Value);
    if (found != Indexes.constEnd()) return *found;
    Table.push_back(Value);
    const int index = static_cast<int>(Table.size()) - 1;
    Indexes.insert(Value, index);
    return index;
}

}  // namespace

QString WriteRtf(const TRtfRuns& Runs, const QString& DefaultFace) {
    // Font 0 is the default font; runs with a face of their own get the next numbers.
    std::vector<QString> faces{TableName(DefaultFace)};
    QHash<QString, int> faceIndexes;  // not holding entry 0: a named face never folds into the default
    std::vector<QRgb> colors{0};      // entry 0 is the automatic colour
    QHash<QRgb, int> colorIndexes;
    std::vector<int> faceOfRun(Runs.size(), 0);
    std::vector<int> colorOfRun(Runs.size(), 0);
    qsizetype textLength = 0;
    for (size_t r = 0; r < Runs.size(); ++r) {
        const TRtfCharFormat& f = Runs[r].Format;
        if (!f.Face.isEmpty()) faceOfRun[r] = TableIndex(faceIndexes, faces, TableName(f.Face));
        if (f.Color.isValid()) colorOfRun[r] = TableIndex(colorIndexes, colors, f.Color.rgb() | 0xFF000000u);
        textLength += Runs[r].Text.size();
    }

    QString out;
    out.reserve(textLength * 2 + 256 + 48 * static_cast<qsizetype>(Runs.size()));
    out += QLatin1String("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl");
    for (size_t i = 0; i < faces.size(); ++i) {
        out += QLatin1String("{\\f") + QString::number(i) + QLatin1String("\\fnil\\fcharset0 ");
        AppendEscaped(out, faces[i]);
        out += QLatin1String(";}");
    }
    out += QLatin1Char('}');
    if (colors.size() > 1) {
        out += QLatin1String("{\\colortbl ;");
        for (QRgb c : std::vector<QRgb>(colors.begin() + 1, colors.end()))
            out += QStringLiteral("\\red%1\\green%2\\blue%3;").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
        out += QLatin1Char('}');
    }
    out += QLatin1Char('\n');

    for (size_t r = 0; r < Runs.size(); ++r) {
        const TRtfRun& run = Runs[r];
        if (run.Text.isEmpty()) continue;
        const TRtfCharFormat& f = run.Format;
        out += QLatin1String("{\\f");
        out += QString::number(faceOfRun[r]);
        if (f.HalfPoints > 0) out += QLatin1String("\\fs") + QString::number(f.HalfPoints);
        if (f.Bold) out += QLatin1String("\\b");
        if (f.Italic) out += QLatin1String("\\i");
        if (f.Underline) out += QLatin1String("\\ul");
        if (colorOfRun[r] > 0) out += QLatin1String("\\cf") + QString::number(colorOfRun[r]);
        if (f.Position == rvpSuperscript) out += QLatin1String("\\super");
        else if (f.Position == rvpSubscript) out += QLatin1String("\\sub");
        out += QLatin1Char(' ');
        AppendEscaped(out, run.Text);
        out += QLatin1Char('}');
    }
    // Every paragraph, the last one too, ends with its mark.
    if (textLength > 0) out += QLatin1String("\\par\n");
    out += QLatin1Char('}');
    return out;
}
