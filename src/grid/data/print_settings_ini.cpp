#include "grid/data/print_settings_ini.h"

#include "grid/data/print_settings.h"
#include "platform/ini_file.h"

#include <array>

namespace {

constexpr std::array<TFontStyle, 4> kStyleBits{fsBold, fsItalic, fsUnderline, fsStrikeOut};

int StyleBits(const TFontStyles& Style) {
    int bits = 0;
    for (std::size_t i = 0; i < kStyleBits.size(); ++i)
        if (Style.Contains(kStyleBits[i])) bits |= 1 << i;
    return bits;
}

TFontStyles StyleOfBits(int Bits) {
    TFontStyles style;
    for (std::size_t i = 0; i < kStyleBits.size(); ++i)
        if (Bits & (1 << i)) style.Include(kStyleBits[i]);
    return style;
}

// A value of one line: line breaks would start new keys or sections in the file.
QString OneLine(QString Text) {
    Text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    Text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return Text;
}

bool IsQuoted(const QString& Text) {
    return Text.size() >= 2 && Text.startsWith(QLatin1Char('"')) && Text.endsWith(QLatin1Char('"'));
}

// Ini readers trim values and take a pair of quotes around one away, so a text with blanks
// at an end ("Page ") or quotes around it is written inside a pair of quotes.
QString IniText(const QString& Text) {
    const QString line = OneLine(Text);
    return line != line.trimmed() || IsQuoted(line) ? QLatin1Char('"') + line + QLatin1Char('"') : line;
}

QString TextOfIni(const QString& Value) { return IsQuoted(Value) ? Value.mid(1, Value.size() - 2) : Value; }

class TSectionWriter {
public:
    TSectionWriter(TIniFile& Ini, const QString& Section) : FIni(Ini), FSection(Section) {}
    void Integer(const char* Key, int Value) { FIni.WriteInteger(FSection, QLatin1String(Key), Value); }
    void YesNo(const char* Key, bool Value) { Text(Key, Value ? QStringLiteral("Y") : QStringLiteral("N")); }
    void Text(const char* Key, const QString& Value) { FIni.WriteString(FSection, QLatin1String(Key), IniText(Value)); }
    void Font(const char* Prefix, const TFont& Font) {
        const QString prefix = QLatin1String(Prefix);
        FIni.WriteString(FSection, prefix + QStringLiteral("Name"), IniText(Font.Name));
        FIni.WriteInteger(FSection, prefix + QStringLiteral("Size"), Font.Size);
        FIni.WriteInteger(FSection, prefix + QStringLiteral("Style"), StyleBits(Font.Style));
        FIni.WriteInteger(FSection, prefix + QStringLiteral("Color"), Font.Color);
    }

private:
    TIniFile& FIni;
    const QString& FSection;
};

class TSectionReader {
public:
    TSectionReader(const TIniFile& Ini, const QString& Section) : FIni(Ini), FSection(Section) {}
    int Integer(const char* Key, int Default) const { return FIni.ReadInteger(FSection, QLatin1String(Key), Default); }
    bool YesNo(const char* Key, bool Default) const {
        return Text(Key, Default ? QStringLiteral("Y") : QStringLiteral("N")) == QLatin1String("Y");
    }
    QString Text(const char* Key, const QString& Default) const {
        return TextOfIni(FIni.ReadString(FSection, QLatin1String(Key), Default));
    }
    // Sets Field for a stored number in 0 .. Last, to 0 when the key is missing.
    template <class Enum>
    void Enumeration(const char* Key, Enum& Field, Enum Last) const {
        const int value = Integer(Key, 0);
        if (value >= 0 && value <= int(Last)) Field = Enum(value);
    }
    TPrintPosition Position(const char* Key) const {
        const int value = Integer(Key, ppNone);
        return value >= 1 && value <= int(ppBottomCenter) ? TPrintPosition(value) : ppNone;
    }
    void Font(const char* Prefix, TFont& Font) const {
        const QString prefix = QLatin1String(Prefix);
        Font.Name = TextOfIni(FIni.ReadString(FSection, prefix + QStringLiteral("Name"), QStringLiteral("Arial")));
        Font.Size = FIni.ReadInteger(FSection, prefix + QStringLiteral("Size"), 10);
        Font.Style = StyleOfBits(FIni.ReadInteger(FSection, prefix + QStringLiteral("Style"), 0));
        Font.Color = FIni.ReadInteger(FSection, prefix + QStringLiteral("Color"), 0);
    }

private:
    const TIniFile& FIni;
    const QString& FSection;
};

}  // namespace

void WritePrintSettings(TIniFile& Ini, const QString& Section, const TPrintSettings& s) {
    TSectionWriter w(Ini, Section);
    w.Integer("ColumnSpacing", s.ColumnSpacing);
    w.Integer("RowSpacing", s.RowSpacing);
    w.Integer("TitleSpacing", s.TitleSpacing);
    w.Integer("FixedHeight", s.FixedHeight);
    w.Integer("FixedWidth", s.FixedWidth);
    w.YesNo("Centered", s.Centered);
    w.YesNo("NoAutoSize", s.NoAutoSize);
    w.YesNo("UseFixedHeight", s.UseFixedHeight);
    w.YesNo("UseFixedWidth", s.UseFixedWidth);
    w.YesNo("RepeatFixedRows", s.RepeatFixedRows);
    w.YesNo("RepeatFixedCols", s.RepeatFixedCols);
    w.YesNo("UseDisplFont", s.UseDisplayFont);
    w.YesNo("UseDefOrientation", s.UseDefaultOrientation);
    w.Integer("Borders", s.Borders);
    w.Integer("BorderColor", s.BorderColor);
    w.Integer("BorderStyle", s.BorderStyle);
    w.Integer("Date", s.Date);
    w.Integer("PageNr", s.PageNr);
    w.Integer("Title", s.Title);
    w.Integer("Time", s.Time);
    w.Text("DateFormat", s.DateFormat);
    w.Text("TitleText", s.TitleText);
    w.Integer("FooterSize", s.FooterSize);
    w.Integer("HeaderSize", s.HeaderSize);
    w.Integer("LeftSize", s.LeftSize);
    w.Integer("RightSize", s.RightSize);
    w.Integer("FitToPage", s.FitToPage);
    w.Font("Font", s.Font);
    w.Font("HeaderFont", s.HeaderFont);
    w.Font("FooterFont", s.FooterFont);
    w.Text("PageNumSep", s.PageNumSep);
    w.Text("PageSuffix", s.PageSuffix);
    w.Text("PagePrefix", s.PagePrefix);
    w.Integer("Orientation", s.Orientation);
    QStringList lines;
    for (int i = 0; i < s.TitleLines.Count(); ++i) lines << OneLine(s.TitleLines[i]);
    // Reading drops the break after the last line, so an empty last line keeps one more.
    if (!lines.isEmpty() && lines.last().isEmpty()) lines << QString();
    w.Text("TitleLines", lines.join(QLatin1String("\\n")));
    w.YesNo("PrintGraphics", s.PrintGraphics);
}

void ReadPrintSettings(const TIniFile& Ini, const QString& Section, TPrintSettings& s) {
    const TSectionReader r(Ini, Section);
    s.ColumnSpacing = r.Integer("ColumnSpacing", 20);
    s.RowSpacing = r.Integer("RowSpacing", 20);
    s.TitleSpacing = r.Integer("TitleSpacing", 20);
    s.FixedHeight = r.Integer("FixedHeight", 0);
    s.FixedWidth = r.Integer("FixedWidth", 0);
    s.Centered = r.YesNo("Centered", true);
    s.NoAutoSize = r.YesNo("NoAutoSize", false);
    s.UseFixedHeight = r.YesNo("UseFixedHeight", false);
    s.UseFixedWidth = r.YesNo("UseFixedWidth", false);
    s.RepeatFixedRows = r.YesNo("RepeatFixedRows", false);
    s.RepeatFixedCols = r.YesNo("RepeatFixedCols", false);
    s.UseDisplayFont = r.YesNo("UseDisplFont", false);
    s.UseDefaultOrientation = r.YesNo("UseDefOrientation", false);
    r.Enumeration("Borders", s.Borders, pbCustom);
    s.BorderColor = r.Integer("BorderColor", 0);
    r.Enumeration("BorderStyle", s.BorderStyle, psInsideFrame);
    s.Date = r.Position("Date");
    s.PageNr = r.Position("PageNr");
    s.Title = r.Position("Title");
    s.Time = r.Position("Time");
    s.DateFormat = r.Text("DateFormat", QString());
    s.TitleText = r.Text("TitleText", QString());
    s.FooterSize = r.Integer("FooterSize", 100);
    s.HeaderSize = r.Integer("HeaderSize", 100);
    s.LeftSize = r.Integer("LeftSize", 100);
    s.RightSize = r.Integer("RightSize", 100);
    r.Enumeration("FitToPage", s.FitToPage, fpCustom);
    r.Font("Font", s.Font);
    r.Font("HeaderFont", s.HeaderFont);
    r.Font("FooterFont", s.FooterFont);
    s.PageNumSep = r.Text("PageNumSep", QString());
    s.PageSuffix = r.Text("PageSuffix", QString());
    s.PagePrefix = r.Text("PagePrefix", QString());
    r.Enumeration("Orientation", s.Orientation, poLandscape);
    QString title = r.Text("TitleLines", QString());
    title.replace(QLatin1String("\\n"), QLatin1String("\r"));
    s.TitleLines.SetText(title);
    s.PrintGraphics = r.YesNo("PrintGraphics", false);
}
