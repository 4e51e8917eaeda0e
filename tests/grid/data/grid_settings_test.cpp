// The grid's saved layout and looks: the column states text, the visual properties file
// and the print settings in an ini file, each written, read back, read with keys missing,
// and refused whole when the input is bad.

#include "grid/core/string_grid.h"
#include "grid/data/print_settings.h"
#include "grid/data/print_settings_ini.h"
#include "file_bytes.h"
#include "platform/file_errors.h"
#include "platform/ini_file.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

QString Golden(const QString& name) { return QStringLiteral(GRID_SETTINGS_GOLDEN_FOLDER "/") + name; }

void ExpectGolden(const QString& written, const char* name) {
    const QString golden = Golden(QLatin1String(name));
    if (!QFile::exists(golden) && qEnvironmentVariableIsSet("VASTRELON_WRITE_GOLDEN")) {
        QDir().mkpath(QFileInfo(golden).absolutePath());
        WriteBytes(golden, ReadBytes(written));
    }
    ASSERT_TRUE(QFile::exists(golden)) << name;
    EXPECT_EQ(ReadBytes(written), ReadBytes(golden)) << name;
}

// The message of the error E the call raises; empty when it raises none.
template <class E>
QString ErrorText(const std::function<void()>& Call) {
    try {
        Call();
    } catch (const E& e) {
        return e.Message();
    }
    return QString();
}

// Columns whose header row names each column's first place.
void NameColumns(TExStringGrid& g, int Count) {
    g.SetColCount(Count);
    g.SetRowCount(2);
    for (int c = 0; c < Count; ++c) g.SetCells(c, 0, QStringLiteral("C%1").arg(c));
}

// What a column states text can change: the columns in storage order with their
// visibility and width, and the order list.
QStringList Layout(const TExStringGrid& g) {
    QStringList layout{QString::number(g.ColCount()), QString::number(g.NumHiddenColumns())};
    for (int c = 0; c < g.AllColCount(); ++c)
        layout << QStringLiteral("%1:%2:%3")
                      .arg(g.AllCells(c, 0))
                      .arg(g.IsHiddenColumn(c) ? "hidden" : "shown")
                      .arg(g.AllColWidths(c));
    for (int i = 0; i < g.ColumnOrder()->Count(); ++i) layout << QString::number(g.ColumnOrder()->Items(i));
    return layout;
}

// Six columns, two moved, two hidden, each with its own width.
void MovedAndHidden(TExStringGrid& g) {
    NameColumns(g, 6);
    for (int c = 0; c < 6; ++c) g.SetColWidths(c, 40 + 7 * c);
    g.MoveColumn(0, 3);
    g.MoveColumn(5, 1);
    g.HideColumn(4);
    g.HideColumn(2);
}

TEST(GridColumnStates, ThreeColumnsNeverMovedGiveTheirFourParts) {
    TExStringGrid g(nullptr);
    NameColumns(g, 3);
    g.SetColWidths(0, 64);
    g.SetColWidths(1, 80);
    g.SetColWidths(2, 20);
    EXPECT_EQ(g.ColumnStatesToString(), "3#64,80,20#0,1,2#1,1,1");

    TExStringGrid applied(nullptr);
    NameColumns(applied, 5);
    applied.StringToColumnStates("3#64,80,20#0,1,2#1,1,1");
    EXPECT_EQ(applied.ColCount(), 3);
    EXPECT_EQ(applied.ColWidths(0), 64);
    EXPECT_EQ(applied.ColWidths(1), 80);
    EXPECT_EQ(applied.ColWidths(2), 20);
}

TEST(GridColumnStates, MovedAndHiddenColumnsComeBackInAnotherGrid) {
    TExStringGrid saved(nullptr);
    MovedAndHidden(saved);
    const QString states = saved.ColumnStatesToString();
    QTemporaryDir dir;
    const QString written = dir.filePath("states");
    WriteBytes(written, states.toUtf8());
    ExpectGolden(written, "column_states.txt");

    for (int startCount : {4, 6, 9}) {
        TExStringGrid restored(nullptr);
        NameColumns(restored, startCount);
        restored.MoveColumn(2, 0);  // the text's order does not depend on the current one
        restored.HideColumn(1);
        restored.StringToColumnStates(states);
        if (startCount == 6) EXPECT_EQ(Layout(restored), Layout(saved));
        EXPECT_EQ(restored.ColumnStatesToString(), states) << startCount;
    }
}

TEST(GridColumnStates, AHiddenMiddleColumnTakesNoneOfTheShownWidths) {
    TExStringGrid g(nullptr);
    NameColumns(g, 3);
    g.SetColWidths(1, 33);
    g.StringToColumnStates("3#50,60#0,1,2#1,0,1");
    EXPECT_TRUE(g.IsHiddenColumn(1));
    EXPECT_EQ(g.ColWidths(0), 50);
    EXPECT_EQ(g.ColWidths(1), 60);  // real column 2
    EXPECT_EQ(g.AllColWidths(1), 33);
    g.StringToColumnStates("3#50,60,12#0,1,2#1,0,1");
    EXPECT_EQ(g.AllColWidths(1), 12);  // past the shown columns: the hidden one's kept width
}

TEST(GridColumnStates, BadTextsChangeNothing) {
    struct Case {
        const char* text;
        const char* raises;  // "convert", "grid" or nothing
    };
    const Case cases[] = {
        {"6,64,80", nullptr},                           // no "#": not a states text
        {"", nullptr},
        {"x#1,2#0,1,2#1,1,1", "convert"},
        {"3#64,wide,20#0,1,2#1,1,1", "convert"},
        {"3#64,80,20#0,1,2#1,yes,1", "convert"},
        {"3#64,80,20#0,1, #1,1,1", "convert"},
        {"3#64,80,20#0,1,1#1,1,1", "grid"},             // a column twice
        {"3#64,80,20#0,1,3#1,1,1", "grid"},             // beyond the columns
        {"3#64,80,20#0,1#1,1,1", "grid"},               // a column missing
        {"3#64,80,20#2,-1,0#1,1,1", "grid"},            // -1 is skipped, so one is missing
        {"3#64,80,20#0,-2,1,2#1,1,1", "grid"},
        {"0#64#0#1", "grid"},
        {"-2#64#0#1", "grid"},
        {"100000#64#0#1", "grid"},                      // more columns than a grid may have
        {"3#64,80,20#0,1,2#1,2,1", "grid"},             // a visibility of 2
        {"3#64,80,20#0,1,2#0,0,0", "grid"},             // every column hidden
        {"3#-4,80,20#0,1,2#1,1,1", "grid"},
        {"3#64,80,99999#0,1,2#1,1,1", "grid"},
    };
    for (const Case& c : cases) {
        TExStringGrid g(nullptr);
        MovedAndHidden(g);
        const QStringList before = Layout(g);
        const std::string what = c.raises ? c.raises : "";
        if (what == "convert") EXPECT_THROW(g.StringToColumnStates(c.text), EConvertError) << c.text;
        else if (what == "grid") EXPECT_THROW(g.StringToColumnStates(c.text), EExGridError) << c.text;
        else EXPECT_NO_THROW(g.StringToColumnStates(c.text)) << c.text;
        EXPECT_EQ(Layout(g), before) << c.text;
    }
}

// ---- visual properties ---------------------------------------------------------------

void ChangeLooks(TExStringGrid& g) {
    g.SetColor(clCream);
    g.SetSelectionColor(TColor(0x00123456));
    g.SetURLShow(false);
    g.SetActiveCellShow(true);
    g.setFont(QFont(QStringLiteral("Courier New"), 11));
    TFont fixed = *g.FixedFont();
    fixed.Name = QStringLiteral("Tahoma");
    fixed.Size = 9;
    fixed.Color = clNavy;
    fixed.Style = TFontStyles{fsBold, fsUnderline};
    g.SetFixedFont(fixed);
    g.Balloon()->Transparency = 40;
    g.Bands()->SetActive(true);
    g.ControlLook()->SetControlStyle(csFlat);
    g.ControlLook()->SetCheckSize(17);
    g.SetLook(glXP);
    g.Grouping()->SummaryLineWidth = 3;
    g.BackGround()->SetDisplay(bdGradientVert);
    g.BackGround()->SetTop(-5);
}

class GridVisualProps : public ::testing::Test {
protected:
    QString Saved(TExStringGrid& g) {
        const QString path = Dir.filePath(QStringLiteral("looks%1.txt").arg(++Files));
        g.SaveVisualProps(path);
        return path;
    }
    QString WithLines(const QString& from, const std::function<QString(const QString&)>& change) {
        QStringList lines = QString::fromUtf8(ReadBytes(from)).split(QStringLiteral("\r\n"));
        QStringList changed;
        for (const QString& line : lines)
            if (const QString c = change(line); !c.isNull()) changed << c;
        const QString path = Dir.filePath(QStringLiteral("edited%1.txt").arg(++Files));
        WriteBytes(path, changed.join(QStringLiteral("\r\n")).toUtf8());
        return path;
    }
    QTemporaryDir Dir;
    int Files = 0;
};

TEST_F(GridVisualProps, WrittenLooksReadBackIntoAnotherGrid) {
    TExStringGrid saved(nullptr);
    ChangeLooks(saved);
    const QString file = Saved(saved);
    ExpectGolden(file, "visual_props.txt");

    TExStringGrid restored(nullptr);
    restored.LoadVisualProps(file);
    EXPECT_EQ(ReadBytes(Saved(restored)), ReadBytes(file));
    EXPECT_EQ(restored.Color(), clCream);
    EXPECT_EQ(restored.Look(), glXP);
    EXPECT_EQ(restored.FixedFont()->Style, (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(restored.font().family(), "Courier New");
}

TEST_F(GridVisualProps, MissingAndOddLinesFollowTheirRules) {
    TExStringGrid saved(nullptr);
    ChangeLooks(saved);
    const QString file = Saved(saved);

    TExStringGrid noLook(nullptr);
    noLook.SetLook(glWin7);
    noLook.LoadVisualProps(WithLines(file, [](const QString& l) { return l.startsWith("Look=") ? QString() : l; }));
    EXPECT_EQ(noLook.Look(), glWin7);

    TExStringGrid odd(nullptr);
    odd.LoadVisualProps(WithLines(file, [](const QString& l) {
        if (l.startsWith("Look=")) return QStringLiteral("look=GLXP");
        if (l.startsWith("Color=")) return QString();                            // a missing colour is none
        if (l.startsWith("URLShow=")) return QStringLiteral("urlshow=True");
        if (l.startsWith("FixedFont.Style=")) return QStringLiteral("FixedFont.Style=fsItalic");
        if (l.startsWith("ControlLook.ControlStyle=")) return QStringLiteral("ControlLook.ControlStyle=csNone");
        if (l.startsWith("Balloon.BackgroundColor=")) return QStringLiteral("Balloon.BackGroundColor=$0000FF00");
        return l;
    }));
    EXPECT_EQ(odd.Look(), glXP);
    EXPECT_EQ(odd.Color(), clNone);
    EXPECT_TRUE(odd.URLShow());
    EXPECT_EQ(odd.FixedFont()->Style, TFontStyles{fsItalic});  // exactly the stored styles
    EXPECT_EQ(odd.ControlLook()->ControlStyle, csTheme);       // no such name: left as it was
    EXPECT_EQ(odd.Balloon()->BackgroundColor, clLime);
}

TEST_F(GridVisualProps, BadNumbersAndFilesRaiseNamedErrors) {
    TExStringGrid saved(nullptr);
    const QString file = Saved(saved);
    for (const char* line : {"Font.Size=big", "ControlLook.CheckSize=", "BackGround.Top=99999999999", "Font.Size=0"}) {
        TExStringGrid g(nullptr);
        const QString key = QString::fromLatin1(line).section('=', 0, 0) + "=";
        EXPECT_THROW(g.LoadVisualProps(WithLines(file, [&](const QString& l) { return l.startsWith(key) ? line : l; })),
                     EConvertError)
            << line;
    }
    TExStringGrid g(nullptr);
    const QString missing = Dir.filePath("none.txt");
    EXPECT_EQ(ErrorText<EFOpenError>([&] { g.LoadVisualProps(missing); }), "Cannot open file " + missing);
    const QString folderName = Dir.filePath("no/folder/looks.txt");
    EXPECT_EQ(ErrorText<EFCreateError>([&] { g.SaveVisualProps(folderName); }), "Cannot Create " + folderName);
}

// ---- print settings ------------------------------------------------------------------

void ChangePrintSettings(TPrintSettings& s) {
    s.ColumnSpacing = 5;
    s.Centered = false;
    s.RepeatFixedRows = true;
    s.UseDisplayFont = false;
    s.Borders = pbAroundVertical;
    s.BorderStyle = psDot;
    s.BorderColor = clNone;
    s.PageNr = ppBottomRight;
    s.Date = ppTopLeft;
    s.DateFormat = QStringLiteral("yyyy-mm-dd");
    s.TitleText = QStringLiteral("Rules");
    s.LeftSize = 150;
    s.FitToPage = fpShrink;
    s.Font.Name = QStringLiteral("Courier New");
    s.Font.Size = 9;
    s.Font.Style = TFontStyles{fsItalic, fsStrikeOut};
    s.Font.Color = clRed;
    s.HeaderFont.Style = TFontStyles{fsBold};
    s.PagePrefix = QStringLiteral("Page ");
    s.Orientation = poLandscape;
    s.TitleLines.Add(QStringLiteral("A"));
    s.TitleLines.Add(QStringLiteral("B"));
    s.PrintGraphics = true;
}

QByteArray IniBytes(const TPrintSettings& s, const QString& path) {
    QFile::remove(path);
    TIniFile ini(path);
    WritePrintSettings(ini, QStringLiteral("Print"), s);
    EXPECT_TRUE(ini.UpdateFile());
    return ReadBytes(path);
}

TEST(GridPrintSettingsFile, WrittenSettingsReadBack) {
    QTemporaryDir dir;
    TExStringGrid saved(nullptr);
    ChangePrintSettings(*saved.PrintSettings());
    const QString file = dir.filePath("print.ini");
    saved.SavePrintSettings(file, "Print");
    ExpectGolden(file, "print_settings.ini");
    EXPECT_EQ(TIniFile(file).ReadString("Print", "TitleLines", ""), "A\\nB");

    TExStringGrid restored(nullptr);
    restored.LoadPrintSettings(file, "Print");
    const TPrintSettings& r = *restored.PrintSettings();
    EXPECT_EQ(IniBytes(r, dir.filePath("again.ini")), ReadBytes(file));
    EXPECT_EQ(r.TitleLines.Count(), 2);
    EXPECT_EQ(r.TitleLines[1], "B");
    EXPECT_EQ(r.Font.Style, (TFontStyles{fsItalic, fsStrikeOut}));
    EXPECT_EQ(r.BorderColor, clNone);
    EXPECT_EQ(r.Orientation, poLandscape);
}

TEST(GridPrintSettingsFile, TitleLinesAndTextsWithBlanksReadBack) {
    QTemporaryDir dir;
    const QStringList cases[] = {{}, {"A"}, {""}, {"A", ""}, {"", ""}, {" indented", "last "}, {"\"quoted\""}};
    for (const QStringList& lines : cases) {
        TPrintSettings s;
        for (const QString& line : lines) s.TitleLines.Add(line);
        s.PageSuffix = lines.value(0);
        TIniFile ini(dir.filePath("title.ini"));
        WritePrintSettings(ini, "Print", s);
        TPrintSettings r;
        ReadPrintSettings(ini, "Print", r);
        EXPECT_EQ(r.TitleLines.ToQStringList(), lines);
        EXPECT_EQ(r.PageSuffix, lines.value(0));
    }
}

TEST(GridPrintSettingsFile, MissingKeysTakeTheirDefaultsAndBadNumbersAreKeptOut) {
    QTemporaryDir dir;
    const QString file = dir.filePath("print.ini");
    WriteBytes(file, "[Print]\nBorders=9\nBorderStyle=-1\nFitToPage=5\nOrientation=2\nDate=7\nTime=-1\n"
                     "PageNr=3\nCentered=y\nFontStyle=6\nHeaderFontSize=x\n");
    TExStringGrid g(nullptr);
    TPrintSettings& s = *g.PrintSettings();
    s.Borders = pbDouble;
    s.BorderStyle = psDash;
    s.FitToPage = fpAlways;
    s.Orientation = poLandscape;
    s.Font.Style = TFontStyles{fsBold};
    g.LoadPrintSettings(file, "Print");
    EXPECT_EQ(s.Borders, pbDouble);
    EXPECT_EQ(s.BorderStyle, psDash);
    EXPECT_EQ(s.FitToPage, fpAlways);
    EXPECT_EQ(s.Orientation, poLandscape);
    EXPECT_EQ(s.Date, ppNone);
    EXPECT_EQ(s.Time, ppNone);
    EXPECT_EQ(s.PageNr, ppTopCenter);
    EXPECT_FALSE(s.Centered);  // only exactly "Y" is yes
    EXPECT_EQ(s.Font.Style, (TFontStyles{fsItalic, fsUnderline}));
    EXPECT_EQ(s.HeaderFont.Size, 10);

    TExStringGrid empty(nullptr);
    empty.LoadPrintSettings(dir.filePath("new.ini"), "Print");
    const TPrintSettings& d = *empty.PrintSettings();
    EXPECT_TRUE(d.Centered);
    EXPECT_FALSE(d.UseDisplayFont);
    EXPECT_EQ(d.ColumnSpacing, 20);
    EXPECT_EQ(d.FooterSize, 100);
    EXPECT_EQ(d.Borders, pbNoborder);
    EXPECT_EQ(d.DateFormat, "");
    EXPECT_EQ(d.PageNumSep, "");
    EXPECT_EQ(d.Font.Name, "Arial");
    EXPECT_EQ(d.FooterFont.Size, 10);
    EXPECT_EQ(d.TitleLines.Count(), 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("new.ini")));  // written back, so it exists now
    EXPECT_NO_THROW(empty.LoadPrintSettings(dir.filePath("no/folder/print.ini"), "Print"));
}

TEST(GridChangeScale, FixedAndActiveCellFontsFollowTheForm) {
    TExStringGrid g(nullptr);
    TFont fixed = *g.FixedFont();
    fixed.Size = 9;
    g.SetFixedFont(fixed);
    TFont active = *g.ActiveCellFont();
    active.Size = 10;
    g.SetActiveCellFont(active);
    g.ChangeScale(3, 2);
    EXPECT_EQ(g.FixedFont()->Size, 14);  // 13.5 to the nearest
    EXPECT_EQ(g.ActiveCellFont()->Size, 15);
    g.ChangeScale(4, 4);
    g.ChangeScale(1, 0);
    EXPECT_EQ(g.FixedFont()->Size, 14);
}

}  // namespace
