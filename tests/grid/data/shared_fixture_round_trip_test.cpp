// Each format that reads back what it wrote, on the shared fixture: a hidden column, a
// merged area and held-out rows, with hard texts in the shown cells. What comes back is
// the shown grid: the shown columns and rows, each cell as the source shows it.

#include "grid/core/grid_fixture.h"
#include "grid/core/string_grid.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QStringList& HardTexts() {
    static const QStringList texts = {
        QStringLiteral("a,b"),        QStringLiteral("say \"hi\""), QStringLiteral("x\r\ny"),
        QStringLiteral("bare\nLF"),   QStringLiteral("tab\there"),  QStringLiteral("  leading"),
        QString(),                    QStringLiteral("Grüße 日本"), QStringLiteral("&lt;"),
        QString(5000, QLatin1Char('x')),
    };
    return texts;
}

// The fixture with the hard texts in the shown cells of rows 1 and 3 (shown row 3 is
// real row 3, between the merged area and the held-out row 4).
void PutHardTexts(StringGridFixture& g) {
    int i = 0;
    for (int r : {1, 3})
        for (int c = 0; c < g.ColCount() && i < HardTexts().size(); ++c)
            if (!g.IsMergedCell(g.RealColIndex(c), r) || g.IsBaseCell(g.RealColIndex(c), r))
                g.SetCells(g.RealColIndex(c), r, HardTexts()[i++]);
}

struct Format {
    const char* name;
    std::function<void(TExStringGrid&, const QString&)> save;
    std::function<void(TExStringGrid&, const QString&)> load;
};

QByteArray StreamBytes(const std::function<void(QIODevice&)>& write) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    write(buffer);
    return buffer.data();
}

TEST(SharedFixtureRoundTrip, EachFormatGivesBackTheShownGrid) {
    const Format formats[] = {
        {"text format file", [](TExStringGrid& g, const QString& f) { g.SaveToFile(f); },
         [](TExStringGrid& g, const QString& f) { g.LoadFromFile(f); }},
        {"text format file, Unicode", [](TExStringGrid& g, const QString& f) { g.SaveToFile(f, true); },
         [](TExStringGrid& g, const QString& f) { g.LoadFromFile(f); }},
        {"text format stream",
         [](TExStringGrid& g, const QString& f) {
             QFile file(f);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(StreamBytes([&](QIODevice& d) { g.SaveToStream(d); }));
         },
         [](TExStringGrid& g, const QString& f) {
             QFile file(f);
             ASSERT_TRUE(file.open(QIODevice::ReadOnly));
             g.LoadFromStream(file);
         }},
        {"cell stream", [](TExStringGrid& g, const QString& f) { g.SaveToBinFile(f); },
         [](TExStringGrid& g, const QString& f) { g.LoadFromBinFile(f); }},
        {"CSV", [](TExStringGrid& g, const QString& f) { g.SaveToCSV(f); },
         [](TExStringGrid& g, const QString& f) { g.LoadFromCSV(f); }},
        {"CSV, Unicode and always quoted",
         [](TExStringGrid& g, const QString& f) { g.SetAlwaysQuotes(true), g.SaveToCSV(f, true); },
         [](TExStringGrid& g, const QString& f) { g.LoadFromCSV(f); }},
        {"XML",
         [](TExStringGrid& g, const QString& f) { g.SaveToXML(f, QStringLiteral("LIST"), QStringLiteral("ROW"), nullptr, true); },
         [](TExStringGrid& g, const QString& f) { g.LoadFromXML(f, false, false); }},
    };
    QTemporaryDir dir;
    for (const Format& format : formats) {
        SCOPED_TRACE(format.name);
        StringGridFixture source;
        PutHardTexts(source);
        source.SetSaveFixedCells(true);
        const QString path = dir.filePath(QStringLiteral("fixture"));
        format.save(source, path);
        TExStringGrid target(nullptr);
        target.SetMultilinecells(true);  // else the text format keeps a text's first line only
        format.load(target, path);
        ASSERT_GE(target.ColCount(), source.ColCount());
        ASSERT_GE(target.RowCount(), source.RowCount());
        for (int r = 0; r < source.RowCount(); ++r)
            for (int c = 0; c < source.ColCount(); ++c) {
                const int real = source.RealColIndex(c);
                // A covered cell of the merged area shows its base cell; formats may leave it out.
                if (source.IsMergedCell(real, r) && !source.IsBaseCell(real, r)) continue;
                EXPECT_EQ(target.Cells(c, r).toStdString(), source.Cells(real, r).toStdString()) << "cell " << c << "," << r;
            }
        // Neither the hidden column's texts nor the held-out rows' come back.
        for (int c = 0; c < target.ColCount(); ++c)
            for (int r = 0; r < target.RowCount(); ++r) {
                EXPECT_FALSE(target.Cells(c, r).startsWith(QStringLiteral("2,"))) << c << "," << r;
                EXPECT_NE(target.Cells(c, r), QStringLiteral("0,4"));
                EXPECT_NE(target.Cells(c, r), QStringLiteral("0,6"));
            }
    }
}

}  // namespace
