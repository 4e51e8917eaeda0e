#include "controls/text_utilities.h"

#include "platform/format_settings.h"

#include <array>

namespace {

const QChar CR = QLatin1Char('\r');
const QChar LF = QLatin1Char('\n');

// 1-based position of sub in text; an empty substring is never found.
int Pos(const QString& sub, const QString& text) {
    if (sub.isEmpty()) return 0;
    return static_cast<int>(text.indexOf(sub)) + 1;
}

bool StartsWithEscapeMark(const QString& text) { return text.startsWith(QLatin1String("|\\")); }

// The upper half of code page 437; the lower half is ASCII.
const std::array<char16_t, 128> kOemUpperHalf = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC,
    0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6, 0x00DC, 0x00A2,
    0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310,
    0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C,
    0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF,
    0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2,
    0x25A0, 0x00A0};

}  // namespace

// ---- Positions and searching ----

int CharPos(QChar ch, const QString& text) { return static_cast<int>(text.indexOf(ch)) + 1; }

int CharPosVar(QChar ch, const QString& text, int& pos) {
    const int p = CharPos(ch, text);
    if (p > 0) pos = p;
    return p;
}

int PosVar(const QString& substring, const QString& text, int& pos) {
    pos = Pos(substring, text);
    return pos;
}

int UpperCasePos(const QString& substring, const QString& text) { return Pos(substring, text.toUpper()); }

int WidePos(const QString& substring, const QString& text) { return Pos(substring, text); }

int PosOfSingleChar(QChar ch, const QString& text, int& pos) {
    const int n = static_cast<int>(text.size());
    pos = 0;
    int i = 0;
    while (i < n) {
        if (text[i] != ch) {
            ++i;
            continue;
        }
        int end = i;
        while (end < n && text[end] == ch) ++end;
        if (end == n) {
            pos = n;
            break;
        }
        if ((end - i) % 2 == 1) {
            pos = end;  // 1-based position of the run's last character
            break;
        }
        i = end;
    }
    return pos;
}

int CountSingleChar(QChar ch, const QString& text) {
    QString rest = text;
    int count = 0;
    int p = 0;
    while (PosOfSingleChar(ch, rest, p) > 0) {
        ++count;
        rest.remove(0, p);
    }
    return count;
}

int CountChar(QChar ch, const QString& text) { return static_cast<int>(text.count(ch)); }

int MaxInt(int a, int b) { return a > b ? a : b; }
int MinInt(int a, int b) { return a < b ? a : b; }

int ClampToRange(int value, int low, int high) {
    if (low == high) return value;
    if (high > 0 && value > high) return high;
    if (low > 0 && value < low) return low;
    return value;
}

// ---- Text transformations ----

QString DoubleQuotes(const QString& text) {
    QString result = text;
    return result.replace(QLatin1Char('"'), QLatin1String("\"\""));
}

QString UndoubleChar(QChar ch, const QString& text) {
    if (!text.contains(ch)) return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == ch && i + 1 < text.size() && text[i + 1] == ch) ++i;
    }
    return result;
}

QString CutFirstField(QString& text, QChar delimiter) {
    const qsizetype p = text.indexOf(delimiter);
    if (p < 0) return QString();
    const QString field = text.left(p);
    text.remove(0, p + 1);
    return field;
}

QString TakeFirstLine(QString& text, bool keepRest) {
    const qsizetype p = text.indexOf(CR);
    if (p < 0) {
        const QString line = text;
        text.clear();
        return line;
    }
    const QString line = text.left(p);
    if (keepRest) {
        text.remove(0, p + 1);
        if (text.startsWith(LF)) text.remove(0, 1);
    } else {
        text.clear();
    }
    return line;
}

int CountTextLines(const QString& text, bool multiLine) { return multiLine ? 1 + CountChar(CR, text) : 1; }

void FillStringWithChar(QString& text, QChar ch) { text.fill(ch); }

QString StripCR(const QString& text) {
    QString result = text;
    return result.remove(CR);
}

QString CRToLF(const QString& text) {
    QString result = text;
    return result.replace(CR, LF);
}

QString CRLFToLF(const QString& text) {
    QString result = text;
    return result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString LineBreaksToHtml(const QString& text) {
    if (!text.contains(CR)) return text;
    QString result = text;
    return result.replace(CR, QLatin1String("<br>"));
}

QString EscapedNewlinesToCR(const QString& text) {
    QString result = text;
    return result.replace(QLatin1String("\\n"), QString(CR));
}

QString CRToEscapedNewlines(const QString& text) {
    QString result = text;
    return result.remove(LF).replace(CR, QLatin1String("\\n"));
}

QString LineBreaksToTildes(const QString& text) {
    QString result = text;
    return result.remove(LF).replace(CR, QLatin1Char('~'));
}

QString TildesToLineBreaks(const QString& text) {
    QString result = text;
    result.replace(QLatin1Char('~'), QLatin1String("\r\n"));
    // "^" stands for an empty cell in the tilde form.
    if (result == QLatin1String("^")) result.clear();
    return result;
}

QString LineBreaksToVTabsQuoted(const QString& text) {
    QString result = text;
    result.replace(QLatin1String("\r\n"), QString(QChar(11)));
    return QLatin1Char('"') + result + QLatin1Char('"');
}

QString VTabsToLineBreaks(const QString& text) {
    if (!text.contains(QChar(11))) return text;
    QString result = text;
    return result.replace(QChar(11), QLatin1String("\r\n"));
}

QString LineBreaksToControlChars(const QString& text) {
    // A bare LF breaks a line as well as a CR does, so it is kept from the line too.
    if (!text.contains(CR) && !text.contains(LF)) return text;
    QString result = text;
    return result.replace(CR, QChar(9)).replace(LF, QChar(8)).replace(QChar(0), QChar(1));
}

QString ControlCharsToLineBreaks(const QString& text, bool multiLine) {
    QString result = text;
    if (result.contains(QChar(8))) result.replace(QChar(9), CR).replace(QChar(8), LF).replace(QChar(1), QChar(0));
    if (multiLine) return result;
    return TakeFirstLine(result, false);
}

QString StringToOem(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (QChar ch : text) {
        if (ch.unicode() < 128) {
            result += ch;
            continue;
        }
        char16_t code = u'?';
        for (std::size_t i = 0; i < kOemUpperHalf.size(); ++i)
            if (kOemUpperHalf[i] == ch.unicode()) {
                code = static_cast<char16_t>(128 + i);
                break;
            }
        result += QChar(code);
    }
    return result;
}

QString OemToString(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 128)
            result += ch;
        else if (code < 256)
            result += QChar(kOemUpperHalf[code - 128]);
        else
            result += QLatin1Char('?');
    }
    return result;
}

bool IsUrlText(const QString& text) {
    return text.contains(QLatin1String("://")) || text.contains(QLatin1String("mailto:"));
}

void StripUrlScheme(QString& text) {
    qsizetype p = text.indexOf(QLatin1String("://"));
    if (p >= 0) {
        text.remove(0, p + 3);
        return;
    }
    p = text.indexOf(QLatin1String("mailto:"));
    if (p >= 0) text.remove(0, p + 7);
}

QString CapitalizeWords(const QString& text) {
    static const QString separators = QStringLiteral(" ',-.");
    QString result = text;
    const qsizetype n = result.size();
    bool upperNext = true;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = result[i];
        if (separators.contains(ch)) {
            upperNext = true;
        } else if (upperNext) {
            result[i] = ch.toUpper();
            upperNext = false;
        } else {
            result[i] = ch.toLower();
        }
        // Name forms whose next letter is a capital too: McDonald, Henry II, Henry III.
        const QString soFar = result.left(i + 1);
        const qsizetype mc = soFar.indexOf(QLatin1String(" Mc"));
        if (soFar == QLatin1String("Mc") || (mc >= 0 && mc + 2 == i && i > 1)) upperNext = true;
        if (i >= n - 3 && (soFar.endsWith(QLatin1String(" I")) || soFar.endsWith(QLatin1String(" II"))))
            upperNext = true;
    }
    return result;
}

bool WrapUrlInAnchor(const QString& text, const QString& key, QString& result) {
    if (key.isEmpty() || !text.toUpper().contains(key)) return false;
    QString escaped = text;
    escaped.replace(QLatin1Char('<'), QLatin1String("&lt;")).replace(QLatin1Char('>'), QLatin1String("&gt;"));
    const qsizetype start = escaped.toUpper().indexOf(key);
    static const QString linkPunctuation = QStringLiteral("%()-./:@\\_{}");
    qsizetype end = start;
    while (end < escaped.size()) {
        const char16_t c = escaped[end].unicode();
        const bool ok = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
                        linkPunctuation.contains(QChar(c));
        if (!ok) break;
        ++end;
    }
    const QString link = escaped.mid(start, end - start);
    result = escaped.left(start) + QStringLiteral("<a href=\"%1\">").arg(link) + link + QLatin1String("</a>") +
             escaped.mid(end);
    return true;
}

void WrapClipboardHtml(QString& fragment) {
    // The offsets are fixed: the header is 97 characters and the prefix 177.
    static const QString prefix = QStringLiteral(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
        "<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\"></head><body>"
        "<!--StartFragment-->");
    static const QString suffix = QStringLiteral("<!--EndFragment--></body></html>");
    const qsizetype n = fragment.size();
    auto line = [](const char* name, qsizetype value) {
        return QString::asprintf("%s%.8d\r\n", name, static_cast<int>(value));
    };
    const QString header = QStringLiteral("Version:1.0\r\n") + line("StartHTML:", 97) + line("EndHTML:", n + 306) +
                           line("StartFragment:", 274) + line("EndFragment:", n + 274);
    fragment = header + prefix + fragment + suffix;
}

// ---- Numbers and cells ----

bool IsNumberChar(QChar ch) { return ch.isNumber(); }

QString NormalizeNumberText(const QString& text) {
    if (text.isEmpty()) return QString();
    const TFormatSettings& fs = FormatSettings();
    QString s = text.trimmed();
    bool negative = s.startsWith(QLatin1Char('(')) && s.endsWith(QLatin1Char(')'));
    auto mayStart = [&](QChar c) {
        return IsNumberChar(c) || c == fs.ThousandSeparator || c == fs.DecimalSeparator || c == QLatin1Char('e') ||
               c == QLatin1Char('E');
    };
    while (s.size() >= 2 && !mayStart(s[0])) {
        if (s[0] == QLatin1Char('-')) negative = true;
        s.remove(0, 1);
    }
    QString result;
    for (QChar c : s) {
        if (c == fs.ThousandSeparator) continue;
        if (c == fs.DecimalSeparator)
            result += QLatin1Char('.');
        else if (IsNumberChar(c) || QStringLiteral("-.eE+").contains(c))
            result += c;
        else
            break;
    }
    if (negative) result.prepend(QLatin1Char('-'));
    return result;
}

int ClassifyNumberText(const QString& text) {
    if (text.isEmpty()) return ntNotNumber;
    const TFormatSettings& fs = FormatSettings();
    const QChar minus = QLatin1Char('-');
    bool allDigits = true, floatOK = true, sciOK = true, seenE = false;
    int decimalCount = 0, minusCount = 0;
    int lastThousand = -1;  // 1-based position; -1 while none was seen
    const int n = static_cast<int>(text.size());
    for (int i = 1; i <= n; ++i) {
        const QChar c = text[i - 1];
        const bool isE = c == QLatin1Char('e') || c == QLatin1Char('E');
        const bool number = IsNumberChar(c);
        if (isE) {
            if (seenE || i == 1) sciOK = false;
            seenE = true;
        }
        if (!number && c != minus) allDigits = false;
        if (c == minus && i > 1) {
            allDigits = false;
            floatOK = false;
        }
        if (i == n && (c == QLatin1Char('+') || c == minus || isE)) sciOK = false;
        if (!number && c != minus && c != fs.ThousandSeparator && c != fs.DecimalSeparator) floatOK = false;
        if (c == fs.ThousandSeparator ||
            !(number || c == fs.DecimalSeparator || isE || c == QLatin1Char('+') || c == minus))
            sciOK = false;
        if (c == fs.ThousandSeparator) {
            if (lastThousand >= 0 && i - lastThousand < 4) floatOK = false;
            lastThousand = i;
        }
        if (c == fs.DecimalSeparator) ++decimalCount;
        if (c == minus) ++minusCount;
        // Nothing turns a kind back on: a text that is none by now stays none.
        if (!allDigits && !floatOK && !sciOK) return ntNotNumber;
    }
    int result = allDigits ? ntInteger : (floatOK && !seenE ? ntFloat : ntNotNumber);
    if (sciOK && seenE) {
        result = ntScientific;
        // One sign for the mantissa and one for the exponent.
        if (minusCount == 2) minusCount = 1;
    }
    if (minusCount > 1 || decimalCount > 1) result = ntNotNumber;
    return result;
}

// Runs for every cell a file writes, so it reads the text in place, one scan for "<".
int CellTextKind(const QString& text, bool htmlAllowed) {
    if (text.isEmpty()) return ckPlain;
    const QChar first = text[0];
    if (first == QLatin1Char('=')) return ckFormula;
    const bool backslashSecond = text.size() >= 2 && text[1] == QLatin1Char('\\');
    if (first == QLatin1Char('|') && backslashSecond)
        return text.size() >= 5 && text[3] == QLatin1Char('=') && text[4] == QChar(0) ? ckFormula : ckEscapedWide;
    if (first == QLatin1Char('{') && backslashSecond) return ckRichText;
    if (!htmlAllowed) return ckPlain;
    for (qsizetype at = text.indexOf(QLatin1Char('<')); at >= 0 && at + 1 < text.size();
         at = text.indexOf(QLatin1Char('<'), at + 1)) {
        const QChar next = text[at + 1];
        if (next == QLatin1Char('/') || next == QLatin1Char('B') || next == QLatin1Char('I') || next == QLatin1Char('C'))
            return ckMiniHtml;
    }
    return ckPlain;
}

QString WideToEscaped(const QString& text) {
    QString result = QStringLiteral("|\\");
    result.reserve(2 + text.size() * 2);
    for (QChar ch : text) {
        result += QChar(ch.unicode() >> 8);
        result += QChar(ch.unicode() & 0xFF);
    }
    return result;
}

QString EscapedToWide(const QString& text) {
    if (!StartsWithEscapeMark(text)) return text;
    QString result;
    for (qsizetype i = 2; i + 1 < text.size(); i += 2)
        result += QChar(static_cast<char16_t>(text[i + 1].unicode() + 256 * text[i].unicode()));
    return result;
}

bool ParseR1C1(const QString& text, TPoint& cell) {
    const QString s = text.toUpper();
    if (s.size() < 4 || s[0] != QLatin1Char('R')) return false;
    const qsizetype c = s.indexOf(QLatin1Char('C'), 1);
    if (c < 0) return false;
    bool rowOk = false, colOk = false;
    const int row = s.mid(1, c - 1).toInt(&rowOk);
    const int col = s.mid(c + 1).toInt(&colOk);
    if (!rowOk || !colOk) return false;
    cell = {col, row};
    return true;
}

QChar AcceleratorOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1];
        ++i;
    }
    return {};
}


QString Trim(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size() - 1;
    while (first <= last && text[first].unicode() <= ' ') ++first;
    while (last >= first && text[last].unicode() <= ' ') --last;
    return text.mid(first, last - first + 1);
}
