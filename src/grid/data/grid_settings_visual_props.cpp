// The grid's colours, fonts and looks as "name=value" lines, one per key of a fixed
// table: colours by constant name or "$" and eight hexadecimal digits, Booleans "true"
// or "false", integers decimal, enumerations by name, a font as four keys.

#include "grid/core/string_grid.h"
#include "platform/color_names.h"
#include "platform/file_errors.h"
#include "platform/number_conversion.h"
#include "platform/text_encoding.h"

#include <QHash>
#include <QStringList>
#include <functional>
#include <vector>

namespace {

// Far larger than any file of the table's keys; a larger file is no visual properties file.
constexpr qint64 kMaxVisualPropsFile = 1 << 20;

using TGetter = std::function<QString(TExStringGrid&)>;
// The value is null when the file lacks the key.
using TSetter = std::function<void(TExStringGrid&, const QString* Value)>;

struct TVisualProp {
    QString Key;
    TGetter Save;
    TSetter Load;
};

const QStringList kFontStyleNames{QStringLiteral("fsBold"), QStringLiteral("fsItalic"), QStringLiteral("fsUnderline"),
                                  QStringLiteral("fsStrikeOut")};
const QStringList kControlStyleNames{QStringLiteral("csClassic"), QStringLiteral("csFlat"), QStringLiteral("csWinXP"),
                                     QStringLiteral("csBorland"), QStringLiteral("csZRT"),  QStringLiteral("csGlyph"),
                                     QStringLiteral("csTheme")};
const QStringList kLookNames{QStringLiteral("glStandard"), QStringLiteral("glSoft"),     QStringLiteral("glClassic"),
                             QStringLiteral("glZRT"),      QStringLiteral("glXP"),       QStringLiteral("glListView"),
                             QStringLiteral("glVista"),    QStringLiteral("glWin7"),     QStringLiteral("glOffice2007"),
                             QStringLiteral("glCustom")};
// Read only up to glOffice2007: a custom look is what a grid gets by changing its colours.
constexpr int kLoadableLooks = 9;
const QStringList kBackgroundDisplayNames{QStringLiteral("bdTile"),   QStringLiteral("bdFixed"),
                                          QStringLiteral("bdCenter"), QStringLiteral("bdStretch"),
                                          QStringLiteral("bdGradientHorz"), QStringLiteral("bdGradientVert")};
const QStringList kBackgroundCellsNames{QStringLiteral("bcNormal"), QStringLiteral("bcFixed"), QStringLiteral("bcAll")};

TVisualProp Colour(const char* Key, std::function<TColor(TExStringGrid&)> Get, std::function<void(TExStringGrid&, TColor)> Set) {
    return {QLatin1String(Key), [Get](TExStringGrid& g) { return ColorToString(Get(g)); },
            [Set](TExStringGrid& g, const QString* v) { Set(g, !v || v->isEmpty() ? clNone : StringToColor(*v)); }};
}

TVisualProp Boolean(const char* Key, std::function<bool(TExStringGrid&)> Get, std::function<void(TExStringGrid&, bool)> Set) {
    return {QLatin1String(Key), [Get](TExStringGrid& g) { return Get(g) ? QStringLiteral("true") : QStringLiteral("false"); },
            [Set](TExStringGrid& g, const QString* v) { Set(g, v && v->toUpper() == QLatin1String("TRUE")); }};
}

// Sizes and offsets that a screen can show; a number beyond them is refused like text.
struct TRange {
    int Min;
    int Max;
};
constexpr TRange kSizes{0, 1000};
constexpr TRange kFontSizes{1, 1000};
constexpr TRange kOffsets{-32768, 32767};
constexpr TRange kTransparency{0, 255};

int NumberIn(const QString* Value, TRange Range) {
    const int number = StrToInt(Value ? *Value : QString());
    if (number < Range.Min || number > Range.Max)
        throw EConvertError(QStringLiteral("%1 is not within %2 .. %3").arg(number).arg(Range.Min).arg(Range.Max));
    return number;
}

TVisualProp Integer(const char* Key, TRange Range, std::function<int(TExStringGrid&)> Get,
                    std::function<void(TExStringGrid&, int)> Set) {
    return {QLatin1String(Key), [Get](TExStringGrid& g) { return QString::number(Get(g)); },
            [Range, Set](TExStringGrid& g, const QString* v) { Set(g, NumberIn(v, Range)); }};
}

// Names in the enumeration's order; a value naming none leaves the property as it is.
TVisualProp Enumeration(const char* Key, const QStringList& Names, int Loadable, std::function<int(TExStringGrid&)> Get,
                        std::function<void(TExStringGrid&, int)> Set) {
    return {QLatin1String(Key), [Names, Get](TExStringGrid& g) { return Names.value(Get(g)); },
            [Names, Loadable, Set](TExStringGrid& g, const QString* v) {
                if (!v) return;
                for (int i = 0; i < Loadable && i < Names.size(); ++i)
                    if (Names[i].compare(*v, Qt::CaseInsensitive) == 0) return Set(g, i);
            }};
}

QString StyleText(const TFontStyles& Style) {
    QStringList names;
    for (int i = 0; i < kFontStyleNames.size(); ++i)
        if (Style.Contains(TFontStyle(i))) names << kFontStyleNames[i];
    return names.join(QLatin1Char(','));
}

TFontStyles StyleOfText(const QString& Text) {
    TFontStyles style;
    for (int i = 0; i < kFontStyleNames.size(); ++i)
        if (Text.contains(kFontStyleNames[i], Qt::CaseInsensitive)) style.Include(TFontStyle(i));
    return style;
}

// A font's four keys; each changes its part of the font on its own.
void AddFont(std::vector<TVisualProp>& Props, const char* Key, std::function<TFont(TExStringGrid&)> Get,
             std::function<void(TExStringGrid&, const TFont&)> Set) {
    const QString key = QLatin1String(Key);
    const auto change = [Get, Set](TExStringGrid& g, const std::function<void(TFont&)>& part) {
        TFont font = Get(g);
        part(font);
        Set(g, font);
    };
    Props.push_back({key + QStringLiteral(".Color"), [Get](TExStringGrid& g) { return ColorToString(Get(g).Color); },
                     [change](TExStringGrid& g, const QString* v) {
                         const TColor color = !v || v->isEmpty() ? clNone : StringToColor(*v);
                         change(g, [&](TFont& f) { f.Color = color; });
                     }});
    Props.push_back({key + QStringLiteral(".Style"), [Get](TExStringGrid& g) { return StyleText(Get(g).Style); },
                     [change](TExStringGrid& g, const QString* v) {
                         change(g, [&](TFont& f) { f.Style = StyleOfText(v ? *v : QString()); });
                     }});
    Props.push_back({key + QStringLiteral(".Size"), [Get](TExStringGrid& g) { return QString::number(Get(g).Size); },
                     [change](TExStringGrid& g, const QString* v) {
                         const int size = NumberIn(v, kFontSizes);
                         change(g, [&](TFont& f) { f.Size = size; });
                     }});
    Props.push_back({key + QStringLiteral(".Name"), [Get](TExStringGrid& g) { return Get(g).Name; },
                     [change](TExStringGrid& g, const QString* v) {
                         if (v) change(g, [&](TFont& f) { f.Name = *v; });
                     }});
}

// Reaches the grid's own font as its cells take it; the base grid keeps that for its family.
struct TGridFontAccess : TExStringGrid {
    static TFont Of(const TExStringGrid& g) { return (g.*(&TGridFontAccess::GridFont))(); }
};

// The grid's own font, with the text colour its palette holds.
TFont GridOwnFont(TExStringGrid& g) {
    TFont font = TGridFontAccess::Of(g);
    const TColor text = FromQColor(g.palette().color(QPalette::Text));
    if (text != ColorToRGB(clWindowText)) font.Color = text;
    return font;
}

void SetGridOwnFont(TExStringGrid& g, const TFont& Font) {
    g.setFont(Font.ToQFont());
    g.SetFontColor(Font.Color);
}

const std::vector<TVisualProp>& VisualProps() {
    static const std::vector<TVisualProp> props = [] {
        using G = TExStringGrid;
        std::vector<TVisualProp> p;
        p.push_back(Colour("Color", [](G& g) { return g.Color(); }, [](G& g, TColor c) { g.SetColor(c); }));
        p.push_back(Colour("HintColor", [](G& g) { return g.HintColor(); }, [](G& g, TColor c) { g.SetHintColor(c); }));
        p.push_back(Colour("SelectionColor", [](G& g) { return g.SelectionColor(); },
                           [](G& g, TColor c) { g.SetSelectionColor(c); }));
        p.push_back(Colour("SelectionColorTo", [](G& g) { return g.SelectionColorTo(); },
                           [](G& g, TColor c) { g.SetSelectionColorTo(c); }));
        p.push_back(Colour("SelectionMirrorColor", [](G& g) { return g.SelectionMirrorColor(); },
                           [](G& g, TColor c) { g.SetSelectionMirrorColor(c); }));
        p.push_back(Colour("SelectionMirrorColorTo", [](G& g) { return g.SelectionMirrorColorTo(); },
                           [](G& g, TColor c) { g.SetSelectionMirrorColorTo(c); }));
        p.push_back(Colour("SelectionTextColor", [](G& g) { return g.SelectionTextColor(); },
                           [](G& g, TColor c) { g.SetSelectionTextColor(c); }));
        p.push_back(Colour("URLColor", [](G& g) { return g.URLColor(); }, [](G& g, TColor c) { g.SetURLColor(c); }));
        p.push_back(Boolean("URLShow", [](G& g) { return g.URLShow(); }, [](G& g, bool b) { g.SetURLShow(b); }));
        p.push_back(Boolean("URLShowInText", [](G& g) { return g.URLShowInText(); },
                            [](G& g, bool b) { g.SetURLShowInText(b); }));
        p.push_back(Colour("ScrollColor", [](G& g) { return g.ScrollColor(); }, [](G& g, TColor c) { g.SetScrollColor(c); }));
        p.push_back(Colour("ActiveRowColor", [](G& g) { return g.ActiveRowColor(); },
                           [](G& g, TColor c) { g.SetActiveRowColor(c); }));
        p.push_back(Boolean("ActiveRowShow", [](G& g) { return g.ActiveRowShow(); },
                            [](G& g, bool b) { g.SetActiveRowShow(b); }));
        p.push_back(Boolean("ActiveCellShow", [](G& g) { return g.ActiveCellShow(); },
                            [](G& g, bool b) { g.SetActiveCellShow(b); }));
        AddFont(p, "Font", GridOwnFont, SetGridOwnFont);
        p.push_back(Colour("ActiveCellColor", [](G& g) { return g.ActiveCellColor(); },
                           [](G& g, TColor c) { g.SetActiveCellColor(c); }));
        p.push_back(Colour("ActiveCellColorTo", [](G& g) { return g.ActiveCellColorTo(); },
                           [](G& g, TColor c) { g.SetActiveCellColorTo(c); }));
        AddFont(p, "ActiveCellFont", [](G& g) { return *g.ActiveCellFont(); },
                [](G& g, const TFont& f) { g.SetActiveCellFont(f); });
        AddFont(p, "FixedFont", [](G& g) { return *g.FixedFont(); }, [](G& g, const TFont& f) { g.SetFixedFont(f); });
        p.push_back(Colour("Balloon.BackgroundColor", [](G& g) { return g.Balloon()->BackgroundColor; },
                           [](G& g, TColor c) { g.Balloon()->BackgroundColor = c; }));
        p.push_back(Colour("Balloon.TextColor", [](G& g) { return g.Balloon()->TextColor; },
                           [](G& g, TColor c) { g.Balloon()->TextColor = c; }));
        p.push_back(Integer("Balloon.Transparency", kTransparency, [](G& g) { return g.Balloon()->Transparency; },
                            [](G& g, int v) { g.Balloon()->Transparency = v; }));
        p.push_back(Colour("Bands.PrimaryColor", [](G& g) { return g.Bands()->PrimaryColor(); },
                           [](G& g, TColor c) { g.Bands()->SetPrimaryColor(c); }));
        p.push_back(Colour("Bands.SecondaryColor", [](G& g) { return g.Bands()->SecondaryColor(); },
                           [](G& g, TColor c) { g.Bands()->SetSecondaryColor(c); }));
        p.push_back(Boolean("Bands.Active", [](G& g) { return g.Bands()->Active(); },
                            [](G& g, bool b) { g.Bands()->SetActive(b); }));
        p.push_back(Colour("SortSettings.IndexColor", [](G& g) { return g.SortSettings()->IndexColor; },
                           [](G& g, TColor c) { g.SortSettings()->IndexColor = c; }));
        p.push_back(Colour("FloatingFooter.Color", [](G& g) { return g.FloatingFooter()->Color(); },
                           [](G& g, TColor c) { g.FloatingFooter()->SetColor(c); }));
        p.push_back(Integer("ControlLook.CheckSize", kSizes, [](G& g) { return g.ControlLook()->CheckSize; },
                            [](G& g, int v) { g.ControlLook()->SetCheckSize(v); }));
        p.push_back(Colour("ControlLook.Color", [](G& g) { return g.ControlLook()->Color; },
                           [](G& g, TColor c) { g.ControlLook()->SetColor(c); }));
        p.push_back(Colour("ControlLook.CommentColor", [](G& g) { return g.ControlLook()->CommentColor; },
                           [](G& g, TColor c) { g.ControlLook()->SetCommentColor(c); }));
        p.push_back(Enumeration("ControlLook.ControlStyle", kControlStyleNames, int(kControlStyleNames.size()),
                                [](G& g) { return int(g.ControlLook()->ControlStyle); },
                                [](G& g, int v) { g.ControlLook()->SetControlStyle(TControlStyle(v)); }));
        p.push_back(Colour("ControlLook.FixedGradientFrom", [](G& g) { return g.ControlLook()->FixedGradientFrom; },
                           [](G& g, TColor c) { g.ControlLook()->SetFixedGradientFrom(c); }));
        p.push_back(Colour("ControlLook.FixedGradientTo", [](G& g) { return g.ControlLook()->FixedGradientTo; },
                           [](G& g, TColor c) { g.ControlLook()->SetFixedGradientTo(c); }));
        p.push_back(Integer("ControlLook.RadioSize", kSizes, [](G& g) { return g.ControlLook()->RadioSize; },
                            [](G& g, int v) { g.ControlLook()->SetRadioSize(v); }));
        p.push_back(Boolean("ControlLook.FlatButton", [](G& g) { return g.ControlLook()->FlatButton; },
                            [](G& g, bool b) { g.ControlLook()->SetFlatButton(b); }));
        p.push_back(Colour("ControlLook.ProgressBorderColor", [](G& g) { return g.ControlLook()->ProgressBorderColor; },
                           [](G& g, TColor c) { g.ControlLook()->ProgressBorderColor = c; }));
        p.push_back(Boolean("ControlLook.ProgressXP", [](G& g) { return g.ControlLook()->ProgressXP; },
                            [](G& g, bool b) { g.ControlLook()->SetProgressXP(b); }));
        p.push_back(Enumeration("Look", kLookNames, kLoadableLooks, [](G& g) { return int(g.Look()); },
                                [](G& g, int v) { g.SetLook(TGridLook(v)); }));
        p.push_back(Colour("SearchFooter.Color", [](G& g) { return g.SearchFooter()->Color(); },
                           [](G& g, TColor c) { g.SearchFooter()->SetColor(c); }));
        p.push_back(Colour("SearchFooter.ColorTo", [](G& g) { return g.SearchFooter()->ColorTo(); },
                           [](G& g, TColor c) { g.SearchFooter()->SetColorTo(c); }));
        p.push_back(Colour("Grouping.HeaderColor", [](G& g) { return g.Grouping()->HeaderColor; },
                           [](G& g, TColor c) { g.Grouping()->HeaderColor = c; }));
        p.push_back(Colour("Grouping.HeaderColorTo", [](G& g) { return g.Grouping()->HeaderColorTo; },
                           [](G& g, TColor c) { g.Grouping()->HeaderColorTo = c; }));
        p.push_back(Colour("Grouping.HeaderTextColor", [](G& g) { return g.Grouping()->HeaderTextColor; },
                           [](G& g, TColor c) { g.Grouping()->HeaderTextColor = c; }));
        p.push_back(Boolean("Grouping.HeaderUnderline", [](G& g) { return g.Grouping()->HeaderUnderline; },
                            [](G& g, bool b) { g.Grouping()->HeaderUnderline = b; }));
        p.push_back(Colour("Grouping.HeaderLineColor", [](G& g) { return g.Grouping()->HeaderLineColor; },
                           [](G& g, TColor c) { g.Grouping()->HeaderLineColor = c; }));
        p.push_back(Integer("Grouping.HeaderLineWidth", kSizes, [](G& g) { return g.Grouping()->HeaderLineWidth; },
                            [](G& g, int v) { g.Grouping()->HeaderLineWidth = v; }));
        p.push_back(Colour("Grouping.SummaryColor", [](G& g) { return g.Grouping()->SummaryColor; },
                           [](G& g, TColor c) { g.Grouping()->SummaryColor = c; }));
        p.push_back(Colour("Grouping.SummaryColorTo", [](G& g) { return g.Grouping()->SummaryColorTo; },
                           [](G& g, TColor c) { g.Grouping()->SummaryColorTo = c; }));
        p.push_back(Colour("Grouping.SummaryTextColor", [](G& g) { return g.Grouping()->SummaryTextColor; },
                           [](G& g, TColor c) { g.Grouping()->SummaryTextColor = c; }));
        p.push_back(Boolean("Grouping.SummaryLine", [](G& g) { return g.Grouping()->SummaryLine; },
                            [](G& g, bool b) { g.Grouping()->SummaryLine = b; }));
        p.push_back(Colour("Grouping.SummaryLineColor", [](G& g) { return g.Grouping()->SummaryLineColor; },
                           [](G& g, TColor c) { g.Grouping()->SummaryLineColor = c; }));
        p.push_back(Integer("Grouping.SummaryLineWidth", kSizes, [](G& g) { return g.Grouping()->SummaryLineWidth; },
                            [](G& g, int v) { g.Grouping()->SummaryLineWidth = v; }));
        p.push_back(Colour("GridLineColor", [](G& g) { return g.GridLineColor(); },
                           [](G& g, TColor c) { g.SetGridLineColor(c); }));
        p.push_back(Colour("GridFixedLineColor", [](G& g) { return g.GridFixedLineColor(); },
                           [](G& g, TColor c) { g.SetGridFixedLineColor(c); }));
        p.push_back(Integer("BackGround.Top", kOffsets, [](G& g) { return g.BackGround()->Top; },
                            [](G& g, int v) { g.BackGround()->SetTop(v); }));
        p.push_back(Integer("BackGround.Left", kOffsets, [](G& g) { return g.BackGround()->Left; },
                            [](G& g, int v) { g.BackGround()->SetLeft(v); }));
        p.push_back(Enumeration("BackGround.Display", kBackgroundDisplayNames, int(kBackgroundDisplayNames.size()),
                                [](G& g) { return int(g.BackGround()->Display); },
                                [](G& g, int v) { g.BackGround()->SetDisplay(TBackgroundDisplay(v)); }));
        p.push_back(Enumeration("BackGround.Cells", kBackgroundCellsNames, int(kBackgroundCellsNames.size()),
                                [](G& g) { return int(g.BackGround()->Cells); },
                                [](G& g, int v) { g.BackGround()->SetCells(TBackgroundCells(v)); }));
        p.push_back(Colour("BackGround.Color", [](G& g) { return g.BackGround()->Color; },
                           [](G& g, TColor c) { g.BackGround()->SetColor(c); }));
        p.push_back(Colour("BackGround.ColorTo", [](G& g) { return g.BackGround()->ColorTo; },
                           [](G& g, TColor c) { g.BackGround()->SetColorTo(c); }));
        return p;
    }();
    return props;
}

}  // namespace

void TExStringGrid::SaveVisualProps(const QString& FileName) {
    QString text;
    for (const TVisualProp& prop : VisualProps()) text += prop.Key + QLatin1Char('=') + prop.Save(*this) + QStringLiteral("\r\n");
    try {
        WriteWholeFile(FileName, text.toUtf8());
    } catch (const EFCreateError&) {
        throw EFCreateError(QStringLiteral("Cannot Create ") + FileName);
    }
}

void TExStringGrid::LoadVisualProps(const QString& FileName) {
    QByteArray bytes;
    try {
        bytes = ReadWholeFile(FileName, kMaxVisualPropsFile);
    } catch (const EFOpenError&) {
        throw EFOpenError(QStringLiteral("Cannot open file ") + FileName);
    }
    // Names without regard to case; the first line of a name counts.
    QHash<QString, QString> values;
    QString text = DecodeTextFile(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0) continue;
        const QString name = line.left(equals).toLower();
        if (!values.contains(name)) values.insert(name, line.mid(equals + 1));
    }
    for (const TVisualProp& prop : VisualProps()) {
        const auto it = values.constFind(prop.Key.toLower());
        prop.Load(*this, it == values.cend() ? nullptr : &*it);
    }
}
