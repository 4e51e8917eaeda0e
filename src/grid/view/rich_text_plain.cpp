#include "grid/view/rich_text_plain.h"

#include <QStringDecoder>
#include <vector>

namespace {

bool IsDestination(const QString& word) {
    static const char* const kDestinations[] = {"fonttbl", "colortbl", "stylesheet", "info",   "pict",
                                                "header",  "footer",   "object",     "themedata", "listtable",
                                                "listoverridetable", "generator", "xmlnstbl", "rsidtbl"};
    for (const char* d : kDestinations)
        if (word == QLatin1String(d)) return true;
    return false;
}

}  // namespace

QString RichTextToPlainText(const QString& Rtf) {
    constexpr int kMaxDepth = 64;
    QString out;
    std::vector<bool> skipping{false};
    int skipAfterUnicode = 0;
    const qsizetype n = Rtf.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = Rtf.at(i);
        if (c == QLatin1Char('{')) {
            const bool inherit = skipping.back() || static_cast<int>(skipping.size()) >= kMaxDepth;
            // "{\*" marks a destination a reader may ignore.
            skipping.push_back(inherit || Rtf.mid(i + 1, 2) == QLatin1String("\\*"));
            continue;
        }
        if (c == QLatin1Char('}')) {
            if (skipping.size() > 1) skipping.pop_back();
            continue;
        }
        if (c == QLatin1Char('\\') && i + 1 < n) {
            const QChar next = Rtf.at(i + 1);
            if (next.isLetter()) {
                qsizetype j = i + 1;
                while (j < n && Rtf.at(j).isLetter()) ++j;
                const QString word = Rtf.mid(i + 1, j - i - 1);
                qsizetype k = j;
                if (k < n && (Rtf.at(k) == QLatin1Char('-') || Rtf.at(k).isDigit())) ++k;
                while (k < n && Rtf.at(k).isDigit()) ++k;
                const QString parameter = Rtf.mid(j, k - j);
                if (k < n && Rtf.at(k) == QLatin1Char(' ')) ++k;
                i = k - 1;
                if (IsDestination(word)) skipping.back() = true;
                if (skipping.back()) continue;
                if (word == QLatin1String("par") || word == QLatin1String("line")) out += QLatin1Char('\n');
                else if (word == QLatin1String("tab")) out += QLatin1Char('\t');
                else if (word == QLatin1String("u")) {
                    const int code = parameter.toInt();
                    out += QChar(static_cast<char16_t>(code < 0 ? code + 65536 : code));
                    skipAfterUnicode = 1;
                }
                continue;
            }
            ++i;
            if (skipping.back()) continue;
            if (next == QLatin1Char('\'') && i + 2 < n) {
                bool ok = false;
                const int code = Rtf.mid(i + 1, 2).toInt(&ok, 16);
                i += 2;
                if (skipAfterUnicode > 0) {
                    --skipAfterUnicode;
                    continue;
                }
                if (ok) {
                    const char byte = static_cast<char>(code);
                    out += QStringDecoder(QStringDecoder::Latin1).decode(QByteArray(&byte, 1));
                }
            } else if (next == QLatin1Char('\\') || next == QLatin1Char('{') || next == QLatin1Char('}')) {
                out += next;
            } else if (next == QLatin1Char('~')) {
                out += QChar(0xA0);
            }
            continue;
        }
        if (skipping.back() || c == QLatin1Char('\r') || c == QLatin1Char('\n')) continue;
        if (skipAfterUnicode > 0) {
            --skipAfterUnicode;
            continue;
        }
        out += c;
    }
    while (out.endsWith(QLatin1Char('\n'))) out.chop(1);
    return out;
}
