// The RTF reader: one pass over the text with a stack of group states. Each character is
// looked at a bounded number of times, so time and output are linear in the input.
//
// Flow: Read() walks the text; '{' and '}' push and pop the group state; a backslash
// starts a control word (ControlWord) or symbol (ControlSymbol); other characters go to
// the group's destination (document text, font table, colour table or skipped). \'hh
// bytes gather in a buffer that is decoded in the code page of the current font (or of
// the document) as soon as something else follows, so multi-byte code pages work.

#include "grid/edit/rtf_codec.h"

#include <QByteArray>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <map>
#include <memory>

namespace {

// The parameter range a reader has to honour; anything beyond is clamped.
constexpr long long kParameterLimit = 1'000'000'000;
// The largest \ucN taken: each unit is one fallback character to skip.
constexpr int kMaxUnicodeSkip = 16;
// Sizes a font can have in half points (1 to 1638 points).
constexpr int kMaxHalfPoints = 3276;

enum class TDestination { Text, Skip, FontTable, ColorTable };

struct TGroupState {
    TRtfCharFormat Format;
    TDestination Destination = TDestination::Text;
    int FontIndex = -1;
    int UnicodeSkip = 1;
};

struct TFontEntry {
    QString Name;
    int Charset = -1;
};

// The Windows code page of an RTF font charset; 0 when the charset names none.
int CodePageOfCharset(int Charset) {
    switch (Charset) {
        case 0: return 1252;
        case 77: return 10000;
        case 128: return 932;
        case 129: return 949;
        case 134: return 936;
        case 136: return 950;
        case 161: return 1253;
        case 162: return 1254;
        case 163: return 1258;
        case 177: return 1255;
        case 178: return 1256;
        case 186: return 1257;
        case 204: return 1251;
        case 222: return 874;
        case 238: return 1250;
        default: return 0;
    }
}

// Windows-1252 by table, for when the platform's decoders do not know a code page.
QChar Windows1252(unsigned char Byte) {
    static constexpr std::array<char16_t, 32> kHigh = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    if (Byte >= 0x80 && Byte < 0xA0) return QChar(kHigh[Byte - 0x80]);
    return QChar(Byte);
}

bool IsSkippedDestination(QStringView Word) {
    static const char* const kSkipped[] = {
        "aftnsep",  "annotation", "atnauthor", "atnid",      "author",    "bkmkend",     "bkmkstart",
        "colorschememapping",      "comment",   "datastore",  "docvar",    "doccomm",     "filetbl",
        "fldinst",  "footer",     "footerf",   "footerl",    "footerr",   "footnote",    "formfield",
        "ftnsep",   "ftnsepc",    "generator", "header",     "headerf",   "headerl",     "headerr",
        "info",     "keywords",   "latentstyles", "listoverridetable", "listtable", "listtext",
        "mmathPr",  "nonshppict", "objdata",   "object",     "operator",  "pict",        "pntext",
        "pntxta",   "pntxtb",     "private",   "revtbl",     "rsidtbl",   "shp",         "shpinst",
        "stylesheet", "subject",  "template",  "themedata",  "title",     "userprops",   "xmlnstbl"};
    for (const char* name : kSkipped)
        if (Word == QLatin1String(name)) return true;
    return false;
}

class TRtfReader {
public:
    explicit TRtfReader(const QString& Rtf) : FText(Rtf), FEnd(Rtf.size()) {}

    TRtfRuns Read() {
        FStates.reserve(16);
        qsizetype i = FText.indexOf(QLatin1Char('{'));
        if (i < 0) return {};
        while (i < FEnd) {
            const QChar c = FText.at(i);
            if (c == QLatin1Char('{')) {
                FlushBytes();
                OpenGroup();
                ++i;
            } else if (c == QLatin1Char('}')) {
                FlushBytes();
                ++i;
                if (!CloseGroup()) break;  // the document's own group has ended
            } else if (c == QLatin1Char('\\')) {
                i = Backslash(i + 1);
            } else {
                if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
                    FlushBytes();
                    Character(c);
                }
                ++i;
            }
        }
        FlushBytes();
        FlushRun();
        // The mark that closes the last paragraph ends it; it starts no new one.
        if (!FRuns.empty() && FRuns.back().Text.endsWith(QChar::ParagraphSeparator)) {
            FRuns.back().Text.chop(1);
            if (FRuns.back().Text.isEmpty()) FRuns.pop_back();
        }
        return std::move(FRuns);
    }

private:
    TGroupState& State() { return FStates.back(); }

    void OpenGroup() {
        FPendingSkip = 0;
        if (FStates.size() >= static_cast<size_t>(kRtfMaxDepth)) {
            ++FOverflowDepth;
            return;
        }
        FStates.push_back(FStates.empty() ? TGroupState{} : FStates.back());
        FGroupStart = true;
    }

    // False when the outermost group closed.
    bool CloseGroup() {
        FPendingSkip = 0;
        FGroupStart = false;
        if (FOverflowDepth > 0) {
            --FOverflowDepth;
            return true;
        }
        if (FStates.empty()) return false;
        if (State().Destination == TDestination::FontTable) CommitFont();
        FStates.pop_back();
        return !FStates.empty();
    }

    qsizetype Backslash(qsizetype i) {
        if (i >= FEnd) return i;
        const QChar c = FText.at(i);
        if (IsAsciiLetter(c)) return ControlWord(i);
        return ControlSymbol(i);
    }

    static bool IsAsciiLetter(QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    }
    static bool IsDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

    qsizetype ControlWord(qsizetype i) {
        const qsizetype wordStart = i;
        while (i < FEnd && IsAsciiLetter(FText.at(i))) ++i;
        const QStringView word = QStringView(FText).mid(wordStart, i - wordStart);
        bool hasParameter = false;
        long long parameter = 0;
        bool negative = false;
        if (i < FEnd && FText.at(i) == QLatin1Char('-') && i + 1 < FEnd && IsDigit(FText.at(i + 1))) {
            negative = true;
            ++i;
        }
        while (i < FEnd && IsDigit(FText.at(i))) {
            hasParameter = true;
            parameter = std::min(parameter * 10 + (FText.at(i).unicode() - u'0'), kParameterLimit);
            ++i;
        }
        if (negative) parameter = -parameter;
        if (i < FEnd && FText.at(i) == QLatin1Char(' ')) ++i;

        if (word == QLatin1String("bin")) {
            // Binary data is skipped whole, never past the end of the input.
            FlushBytes();
            const qsizetype length = std::max<long long>(0, parameter);
            return std::min<qsizetype>(FEnd, i + length);
        }
        FlushBytes();
        const bool groupStart = FGroupStart;
        FGroupStart = false;
        if (FPendingSkip > 0 && word != QLatin1String("u")) {
            // A control word stands for one fallback character.
            --FPendingSkip;
            return i;
        }
        Apply(word, hasParameter, static_cast<int>(parameter), groupStart);
        return i;
    }

    qsizetype ControlSymbol(qsizetype i) {
        const QChar c = FText.at(i);
        if (c == QLatin1Char('\'')) {
            // \'hh: one byte in the code page; a truncated escape is dropped.
            if (i + 2 < FEnd && IsHex(FText.at(i + 1)) && IsHex(FText.at(i + 2))) {
                const int byte = HexValue(FText.at(i + 1)) * 16 + HexValue(FText.at(i + 2));
                FGroupStart = false;
                if (FPendingSkip > 0) {
                    --FPendingSkip;
                } else if (State().Destination != TDestination::Skip) {
                    if (FBytesFontIndex != State().FontIndex) FlushBytes();
                    FBytesFontIndex = State().FontIndex;
                    FBytes.append(static_cast<char>(byte));
                }
                return i + 3;
            }
            while (i + 1 < FEnd && IsHex(FText.at(i + 1))) ++i;
            return i + 1;
        }
        FlushBytes();
        const bool groupStart = FGroupStart;
        FGroupStart = false;
        if (c == QLatin1Char('*')) {
            if (groupStart) State().Destination = TDestination::Skip;
            FGroupStart = groupStart;  // the destination's name still follows
            return i + 1;
        }
        if (FPendingSkip > 0) {
            --FPendingSkip;
            return i + 1;
        }
        switch (c.unicode()) {
            case u'\\':
            case u'{':
            case u'}': Emit(c); break;
            case u'~': Emit(QChar(0x00A0)); break;
            case u'_': Emit(QChar(0x2011)); break;
            case u'\r':
            case u'\n': Emit(QChar::ParagraphSeparator); break;
            case u'\t': Emit(QLatin1Char('\t')); break;
            default: break;  // \- (optional hyphen), \| and \: carry no text
        }
        return i + 1;
    }

    static bool IsHex(QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
    }
    static int HexValue(QChar c) {
        const char16_t u = c.unicode();
        if (u <= u'9') return u - u'0';
        if (u <= u'F') return u - u'A' + 10;
        return u - u'a' + 10;
    }

    void Apply(QStringView Word, bool HasParameter, int Parameter, bool GroupStart) {
        TGroupState& s = State();
        const auto is = [&](const char* name) { return Word == QLatin1String(name); };
        const bool on = !HasParameter || Parameter != 0;

        // Destinations first: they decide where the rest of the group goes.
        if (is("fonttbl")) {
            s.Destination = TDestination::FontTable;
            return;
        }
        if (is("colortbl")) {
            s.Destination = TDestination::ColorTable;
            FColorStarted = false;
            return;
        }
        if (IsSkippedDestination(Word)) {
            s.Destination = TDestination::Skip;
            return;
        }
        if (GroupStart && is("fldrslt")) return;  // a field's result is text
        if (s.Destination == TDestination::Skip) return;

        if (s.Destination == TDestination::FontTable) {
            if (is("u")) {
                // A font name holds no control characters, whichever way they are written.
                if (const QChar c = UnicodeCharacter(Parameter); c.unicode() >= 0x20) FFontEntry.Name += c;
                FPendingSkip = s.UnicodeSkip;
            } else if (is("f")) {
                CommitFont();
                FFontIndexInTable = Parameter;
                FFontEntry = {};
            } else if (is("fcharset")) {
                FFontEntry.Charset = Parameter;
            }
            return;
        }
        if (s.Destination == TDestination::ColorTable) {
            const int component = std::clamp(Parameter, 0, 255);
            if (is("red")) FColor.setRed(component), FColorStarted = true;
            else if (is("green")) FColor.setGreen(component), FColorStarted = true;
            else if (is("blue")) FColor.setBlue(component), FColorStarted = true;
            return;
        }

        TRtfCharFormat& f = s.Format;
        if (is("par") || is("row") || is("sect") || is("page")) Emit(QChar::ParagraphSeparator);
        else if (is("line")) Emit(QChar::LineSeparator);
        else if (is("tab") || is("cell")) Emit(QLatin1Char('\t'));
        else if (is("u")) {
            const QChar c = UnicodeCharacter(Parameter);
            if (c == QLatin1Char('\t') || c.unicode() >= 0x20) Emit(c);  // other control characters carry no text
            FPendingSkip = s.UnicodeSkip;
        } else if (is("uc")) s.UnicodeSkip = std::clamp(Parameter, 0, kMaxUnicodeSkip);
        else if (is("b")) f.Bold = on;
        else if (is("i")) f.Italic = on;
        else if (is("ulnone")) f.Underline = false;
        else if (Word.startsWith(QLatin1String("ul")) && !is("ulc")) f.Underline = on;
        else if (is("plain")) {
            f = TRtfCharFormat{};
            s.FontIndex = FDefaultFont;
        } else if (is("fs")) f.HalfPoints = Parameter > 0 ? std::min(Parameter, kMaxHalfPoints) : 0;
        else if (is("cf")) f.Color = Parameter > 0 && Parameter < static_cast<int>(FColors.size()) ? FColors[Parameter] : QColor();
        else if (is("f")) {
            s.FontIndex = Parameter;
            const auto font = FFonts.find(Parameter);
            f.Face = Parameter == FDefaultFont || font == FFonts.end() ? QString() : font->second.Name;
        } else if (is("super")) f.Position = rvpSuperscript;
        else if (is("sub")) f.Position = rvpSubscript;
        else if (is("nosupersub")) f.Position = rvpNormal;
        else if (is("up")) f.Position = HasParameter && Parameter <= 0 ? rvpNormal : rvpSuperscript;
        else if (is("dn")) f.Position = HasParameter && Parameter <= 0 ? rvpNormal : rvpSubscript;
        else if (is("deff")) FDefaultFont = Parameter;
        else if (is("ansicpg")) FDocumentCodePage = Parameter;
        else if (is("emdash")) Emit(QChar(0x2014));
        else if (is("endash")) Emit(QChar(0x2013));
        else if (is("bullet")) Emit(QChar(0x2022));
        else if (is("lquote")) Emit(QChar(0x2018));
        else if (is("rquote")) Emit(QChar(0x2019));
        else if (is("ldblquote")) Emit(QChar(0x201C));
        else if (is("rdblquote")) Emit(QChar(0x201D));
        else if (is("emspace")) Emit(QChar(0x2003));
        else if (is("enspace")) Emit(QChar(0x2002));
        else if (is("qmspace")) Emit(QChar(0x2005));
    }

    static QChar UnicodeCharacter(int Parameter) {
        const int code = std::clamp(Parameter, -32768, 65535);
        return QChar(static_cast<char16_t>(code < 0 ? code + 65536 : code));
    }

    void Character(QChar c) {
        FGroupStart = false;
        if (FPendingSkip > 0) {
            --FPendingSkip;
            return;
        }
        switch (State().Destination) {
            case TDestination::Text:
                if (c == QLatin1Char('\t') || c.unicode() >= 0x20) Emit(c);
                break;
            case TDestination::FontTable:
                if (c == QLatin1Char(';')) CommitFont();
                else if (c.unicode() >= 0x20) FFontEntry.Name += c;
                break;
            case TDestination::ColorTable:
                if (c == QLatin1Char(';')) {
                    FColors.push_back(FColorStarted ? FColor : QColor());
                    FColor = QColor(0, 0, 0);
                    FColorStarted = false;
                }
                break;
            case TDestination::Skip: break;
        }
    }

    void CommitFont() {
        if (FFontIndexInTable < 0) return;
        FFontEntry.Name = FFontEntry.Name.trimmed();
        FFonts[FFontIndexInTable] = FFontEntry;
        FFontIndexInTable = -1;
        FFontEntry = {};
    }

    void Emit(QChar c) {
        if (State().Destination != TDestination::Text) return;
        if (!(State().Format == FRunFormat)) {
            FlushRun();
            FRunFormat = State().Format;
        }
        FRunText += c;
    }

    void FlushRun() {
        AppendRun(FRuns, FRunText, FRunFormat);
        FRunText.clear();
    }

    // Decodes the gathered \'hh bytes in the code page of the font they were read in.
    void FlushBytes() {
        if (FBytes.isEmpty()) return;
        const QByteArray bytes = std::exchange(FBytes, {});
        int codePage = FDocumentCodePage;
        if (const auto font = FFonts.find(FBytesFontIndex); font != FFonts.end())
            if (const int own = CodePageOfCharset(font->second.Charset); own != 0) codePage = own;
        QString text;
        if (codePage != 1252) {
            if (QStringDecoder* decoder = Decoder(codePage)) text = decoder->decode(bytes);
        }
        if (text.isEmpty())
            for (char byte : bytes) text += Windows1252(static_cast<unsigned char>(byte));
        const bool fontName = State().Destination == TDestination::FontTable;
        for (QChar c : text) {
            if (c.unicode() < 0x20 && c != QLatin1Char('\t')) continue;  // control characters carry no text
            if (!fontName) Emit(c);
            else if (c != QLatin1Char('\t') && c != QLatin1Char('\\') && c != QLatin1Char('{') && c != QLatin1Char('}'))
                FFontEntry.Name += c;
        }
    }

    QStringDecoder* Decoder(int CodePage) {
        auto found = FDecoders.find(CodePage);
        if (found == FDecoders.end()) {
            const QByteArray name = CodePage == 10000 ? QByteArray("macintosh") : "windows-" + QByteArray::number(CodePage);
            auto decoder = std::make_unique<QStringDecoder>(name.constData());
            if (!decoder->isValid() && CodePage == 932) decoder = std::make_unique<QStringDecoder>("Shift_JIS");
            found = FDecoders.emplace(CodePage, decoder->isValid() ? std::move(decoder) : nullptr).first;
        }
        return found->second.get();
    }

    const QString& FText;
    const qsizetype FEnd;
    std::vector<TGroupState> FStates;
    int FOverflowDepth = 0;
    bool FGroupStart = false;
    int FPendingSkip = 0;

    int FDefaultFont = 0;
    int FDocumentCodePage = 1252;
    std::map<int, TFontEntry> FFonts;
    int FFontIndexInTable = -1;
    TFontEntry FFontEntry;
    std::vector<QColor> FColors;
    QColor FColor{0, 0, 0};
    bool FColorStarted = false;

    QByteArray FBytes;
    int FBytesFontIndex = -1;
    std::map<int, std::unique_ptr<QStringDecoder>> FDecoders;

    TRtfRuns FRuns;
    QString FRunText;
    TRtfCharFormat FRunFormat;
};

}  // namespace

bool IsRtfText(const QString& Text) {
    qsizetype i = 0;
    while (i < Text.size() && Text.at(i).isSpace()) ++i;
    return QStringView(Text).mid(i).startsWith(QLatin1String("{\\rtf"));
}

void AppendRun(TRtfRuns& Runs, const QString& Text, const TRtfCharFormat& Format) {
    if (Text.isEmpty()) return;
    if (!Runs.empty() && Runs.back().Format == Format) Runs.back().Text += Text;
    else Runs.push_back({Text, Format});
}

TRtfRuns ReadRtf(const QString& Rtf) {
    if (!IsRtfText(Rtf)) return PlainTextRuns(Rtf);
    return TRtfReader(Rtf).Read();
}

TRtfRuns PlainTextRuns(const QString& Text) {
    QString text = Text;
    text.replace(QLatin1String("\r\n"), QString(QChar::ParagraphSeparator));
    text.replace(QLatin1Char('\r'), QChar::ParagraphSeparator);
    text.replace(QLatin1Char('\n'), QChar::ParagraphSeparator);
    // Control characters other than the tab carry no text in a rich edit.
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != QLatin1Char('\t'); });
    TRtfRuns runs;
    AppendRun(runs, text, {});
    return runs;
}
