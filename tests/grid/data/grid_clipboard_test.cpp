// The grid's clipboard on the real QClipboard: round trips of awkward texts between two
// grids as text and as cell blocks, the paste options, refused and hostile data leaving
// the grid as it was, the smart fill and the keys.

#include "grid/data/cell_block_codec.h"
#include "grid/data/grid_cell_limit.h"
#include "grid/view/grid_drag_drop_formats.h"
#include "grid/view/keyboard_fixture.h"
#include "platform/format_settings.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

class ClipGrid : public TExStringGrid {
public:
    ClipGrid() : TExStringGrid(nullptr) {
        SetColCount(4);
        SetRowCount(6);
        SetOptions(Options().Include(goEditing));
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 6; ++r) SetCells(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
    }
    QStringList Snapshot() {
        QStringList all{QString::number(ColCount()), QString::number(RowCount())};
        for (int r = 0; r < RowCount(); ++r)
            for (int c = 0; c < TotalColCount(); ++c) all << Cells(c, r);
        return all;
    }
};

const QStringList kAwkwardTexts{"plain", "", "tab\there", "two\r\nlines", "\"lead quote", "in \"middle\"",
                                "Ünïcødé 日本語 ✓", "<b>bold</b> & <i>x</i>", "end break\r\n", "a\tb\r\nc\"d"};

void SetMime(QMimeData* Data) { QGuiApplication::clipboard()->setMimeData(Data); }

TEST(GridClipboard, AwkwardTextsRoundTripBetweenGridsAsTextAndAsBlocks) {
    for (bool blocks : {false, true}) {
        SCOPED_TRACE(blocks ? "blocks" : "text");
        ClipGrid source, target;
        source.SetRowCount(int(kAwkwardTexts.size()) + 1);
        source.SetExcelClipboardFormat(!blocks);  // the vertical-tab form reads back too
        for (int i = 0; i < kAwkwardTexts.size(); ++i) {
            source.SetCells(1, i + 1, kAwkwardTexts[i]);
            source.SetCells(2, i + 1, kAwkwardTexts[kAwkwardTexts.size() - 1 - i]);
        }
        source.CellProperties(1, 1)->SetFontColor(clRed);
        source.Navigation()->SetAllowFmtClipboard(blocks);
        target.Navigation()->SetAllowFmtClipboard(blocks);
        source.SetSelection({1, 1, 2, int(kAwkwardTexts.size())});
        source.CopySelectionToClipboard();
        target.SetSelection({1, 1, 1, 1});
        target.PasteSelectionFromClipboard();
        for (int i = 0; i < kAwkwardTexts.size(); ++i) {
            EXPECT_EQ(target.Cells(1, i + 1), kAwkwardTexts[i]) << i;
            EXPECT_EQ(target.Cells(2, i + 1), kAwkwardTexts[kAwkwardTexts.size() - 1 - i]) << i;
        }
        // Only the block carries the cell's look.
        EXPECT_EQ(target.CellPropsAssigned(1, 1) && target.CellProperties(1, 1)->FontColor() == clRed, blocks);
        const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
        EXPECT_TRUE(offered->hasHtml());
        EXPECT_TRUE(offered->html().contains(QStringLiteral("&lt;b&gt;bold&lt;/b&gt; &amp;")));
        EXPECT_EQ(offered->hasFormat(GridCellsMimeType()), blocks);
    }
}

TEST(GridClipboard, CopiedTextFollowsTheSpreadsheetConvention) {
    struct Case {
        const char* Name;
        TGridRect Range;
        QString Text;
    };
    const Case cases[] = {
        {"one cell alone", {1, 1, 1, 1}, "1,1"},
        {"one row, no line break", {1, 1, 2, 1}, "1,1\t2,1"},
        {"rows end with CR LF", {1, 1, 2, 2}, "1,1\t2,1\r\n1,2\t2,2\r\n"},
    };
    for (const Case& c : cases) {
        ClipGrid g;
        g.SetSelection(c.Range);
        g.CopySelectionToClipboard();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.Text) << c.Name;
    }
    ClipGrid g;
    g.SetCells(1, 1, QStringLiteral("<b>bold</b>"));
    g.Navigation()->SetCopyHTMLTagsToClipboard(false);
    g.SetSelection({1, 1, 1, 1});
    g.CopySelectionToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "bold");
}

TEST(GridClipboard, PasteOptionsDecideGrowthInsertionAndRefusals) {
    struct Case {
        const char* Name;
        std::function<void(ClipGrid&)> Setup;
        QString Text;
        int Col, Row;
        QStringList Expected;  // Snapshot after the paste
    };
    auto expected = [](std::function<void(ClipGrid&)> change) {
        ClipGrid g;
        change(g);
        return g.Snapshot();
    };
    const Case cases[] = {
        {"column grows", [](ClipGrid&) {}, "a\tb\tc", 2, 1,
         expected([](ClipGrid& g) {
             g.SetColCount(5);
             g.SetCells(2, 1, "a");
             g.SetCells(3, 1, "b");
             g.SetCells(4, 1, "c");
         })},
        {"no column growth drops the field", [](ClipGrid& g) { g.Navigation()->SetAllowClipboardColGrow(false); },
         "a\tb\tc", 2, 1,
         expected([](ClipGrid& g) {
             g.SetCells(2, 1, "a");
             g.SetCells(3, 1, "b");
         })},
        {"row grows", [](ClipGrid&) {}, "x\ny\n", 1, 5,
         expected([](ClipGrid& g) {
             g.SetRowCount(7);
             g.SetCells(1, 5, "x");
             g.SetCells(1, 6, "y");
         })},
        {"insert keeps the old rows below", [](ClipGrid& g) { g.Navigation()->SetClipboardPasteAction(paInsert); },
         "p\r\nq\r\n", 1, 1,
         expected([](ClipGrid& g) {
             g.InsertRows(1, 2);
             g.SetCells(1, 1, "p");
             g.SetCells(1, 2, "q");
         })},
        {"refused cell keeps its text",
         [](ClipGrid& g) {
             g.OnClipboardBeforePasteCell = [](TObject*, int ACol, int, QString&, bool& Allow) { Allow = ACol != 2; };
         },
         "a\tb", 1, 1, expected([](ClipGrid& g) { g.SetCells(1, 1, "a"); })},
        {"no editing pastes nothing", [](ClipGrid& g) { g.SetOptions(g.Options().Exclude(goEditing)); }, "a", 1, 1,
         expected([](ClipGrid&) {})},
        {"negative column pastes nothing", [](ClipGrid&) {}, "a", -5, 1, expected([](ClipGrid&) {})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ClipGrid g;
        c.Setup(g);
        if (c.Name == std::string("no editing pastes nothing")) {
            int lines = 0, fields = 0;
            EXPECT_EQ(g.PasteTextAt(c.Col, c.Row, lines, fields, c.Text), 0);
            ClipGrid fresh;
            EXPECT_EQ(g.Snapshot(), fresh.Snapshot());
            continue;
        }
        int lines = 0, fields = 0;
        g.PasteTextAt(c.Col, c.Row, lines, fields, c.Text);
        EXPECT_EQ(g.Snapshot(), c.Expected);
    }
}

TEST(GridClipboard, DataBeyondTheLimitsOrUnreadableChangesNothing) {
    ClipGrid g;
    g.Navigation()->SetAllowFmtClipboard(true);
    const QStringList before = g.Snapshot();
    int lines = 0, fields = 0;
    // A line of 10^6 fields, and a paste at a column far outside the grid.
    EXPECT_THROW(g.PasteTextAt(1, 1, lines, fields, QStringLiteral("x\t").repeated(1000000)), EExGridError);
    EXPECT_THROW(g.PasteTextAt(1000000000, 1, lines, fields, QStringLiteral("x\ty")), EExGridError);
    EXPECT_EQ(g.Snapshot(), before);

    ClipGrid source;
    source.Navigation()->SetAllowFmtClipboard(true);
    QByteArray stream;
    QBuffer buffer(&stream);
    buffer.open(QIODevice::WriteOnly);
    source.SaveRectToBinStream({1, 1, 2, 2}, buffer);
    QByteArray hugeLength = EncodeGridCellsBlock(stream);
    hugeLength[0] = char(0xFF);
    hugeLength[3] = char(0x7F);
    const QByteArray blocks[] = {
        hugeLength,                                       // N larger than the bytes
        EncodeGridCellsBlock(stream).left(5),             // shorter than its envelope
        EncodeGridCellsBlock(stream.left(stream.size() - 3)),  // a truncated record
        EncodeGridCellsBlock(QByteArray("EXGC\x01\x00R\x03XYZ\x00\x00", 14)),  // a foreign record
    };
    for (const QByteArray& block : blocks) {
        auto* data = new QMimeData;
        data->setData(GridCellsMimeType(), block);
        data->setText(QStringLiteral("not used"));
        SetMime(data);
        g.SetSelection({1, 1, 1, 1});
        EXPECT_THROW(g.PasteSelectionFromClipboard(), EExGridError);
        EXPECT_EQ(g.Snapshot(), before);
    }
    // Bounded random damage to a good block: refused or read, never a crash.
    QRandomGenerator random(2127);
    for (int round = 0; round < 3000; ++round) {
        QByteArray damaged = stream;
        for (int k = 0; k < 3; ++k) damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
        if (random.bounded(4) == 0) damaged.truncate(random.bounded(int(damaged.size())));
        if (std::optional<TCellBlock> read = DecodeCellBlock(damaged)) {
            ClipGrid target;
            QBuffer in(&damaged);
            in.open(QIODevice::ReadOnly);
            try {
                target.LoadAtPointFromBinStream({0, 0}, in);
            } catch (const EExGridError&) {
            }
            EXPECT_LE(target.ColCount() * qint64(target.RowCount()), kMaxGridCells);
        }
    }
}

TEST(GridClipboard, BlocksLandRelativeToThePointAndDropCellsOutside) {
    ClipGrid source, target;
    source.SetCells(2, 3, QStringLiteral("first"));
    source.AddCheckBox(3, 4, true, false);
    QByteArray stream;
    QBuffer out(&stream);
    out.open(QIODevice::WriteOnly);
    source.SaveRectToBinStream({2, 3, 3, 5}, out);
    QBuffer in(&stream);
    in.open(QIODevice::ReadOnly);
    target.LoadAtPointFromBinStream({0, 0}, in);
    EXPECT_EQ(target.Cells(0, 0), "first");
    EXPECT_EQ(target.Cells(1, 2), "3,5");
    bool state = false;
    EXPECT_TRUE(target.GetCheckBoxState(1, 1, state));
    EXPECT_TRUE(state);
    // At the bottom-right corner only the first cell fits.
    ClipGrid corner;
    in.seek(0);
    corner.LoadAtPointFromBinStream({3, 5}, in);
    EXPECT_EQ(corner.Cells(3, 5), "first");
    EXPECT_EQ(corner.ColCount(), 4);
    EXPECT_EQ(corner.RowCount(), 6);
}

TEST(GridClipboard, CutEmptiesOnlyEditableCellsAndSetSelectionAsTextWritesAll) {
    ClipGrid g;
    g.OnCanEditCell = [](TObject*, int, int ACol, bool& CanEdit) { CanEdit = ACol != 2; };
    g.SetSelection({1, 1, 2, 2});
    g.CutSelectionToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1,1\t2,1\r\n1,2\t2,2\r\n");
    EXPECT_EQ(g.Cells(1, 1), "");
    EXPECT_EQ(g.Cells(2, 1), "2,1");
    bool fired = false;
    g.OnClipboardBeforePasteCell = [&](TObject*, int, int, QString&, bool&) { fired = true; };
    g.SetSelectionAsText(QStringLiteral("p\t\"q\nr\"\r\ns\tt"));
    EXPECT_EQ(g.Cells(2, 1), "q\r\nr");
    EXPECT_EQ(g.Cells(2, 2), "t");
    EXPECT_FALSE(fired);
    EXPECT_EQ(g.GetSelectionAsText(), "p\t\"q\nr\"\r\ns\tt\r\n");
}

TEST(GridClipboard, SmartPasteContinuesSeriesAndRepeatsBlocks) {
    TFormatSettings& settings = FormatSettings();
    const TFormatSettings kept = settings;
    settings.ShortDateFormat = QStringLiteral("M/d/yyyy");
    settings.DateSeparator = QLatin1Char('/');
    settings.DecimalSeparator = QLatin1Char('.');
    struct Case {
        const char* Name;
        QStringList Seed;
        QStringList Filled;
    };
    const Case cases[] = {
        {"integers", {"1", "3"}, {"1", "3", "5", "7", "9"}},
        {"numbers", {"1.5", "2"}, {"1.50", "2.00", "2.50", "3.00", "3.50"}},
        {"months", {"1/15/2024", "2/15/2024"}, {"1/15/2024", "2/15/2024", "3/15/2024", "4/15/2024", "5/15/2024"}},
        {"days", {"12/30/2024", "12/31/2024"}, {"12/30/2024", "12/31/2024", "1/1/2025", "1/2/2025", "1/3/2025"}},
        {"texts repeat", {"a", "b"}, {"a", "b", "a", "b", "a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ClipGrid g;
        g.Navigation()->SetAllowSmartClipboard(true);
        g.SetCells(1, 1, c.Seed[0]);
        g.SetCells(1, 2, c.Seed[1]);
        g.SetSelection({1, 1, 1, 2});
        g.CopySelectionToClipboard();
        g.SetSelection({1, 1, 1, 5});
        g.PasteSelectionFromClipboard();
        QStringList filled;
        for (int r = 1; r <= 5; ++r) filled << g.Cells(1, r);
        EXPECT_EQ(filled, c.Filled);
    }
    settings = kept;
}

TEST(GridClipboard, KeysCopyCutAndPasteAndARefusedPasteIsCaught) {
    KeyboardForm<ClipGrid> form;
    ClipGrid& g = *form.GridControl;
    g.Navigation()->SetAllowClipboardShortCuts(true);
    g.SetSelection({1, 1, 1, 1});
    form.Type('c', Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1,1");
    g.SetSelection({2, 2, 2, 2});
    form.Type('v', Qt::ControlModifier);
    EXPECT_EQ(g.Cells(2, 2), "1,1");
    form.Type('x', Qt::ControlModifier);
    EXPECT_EQ(g.Cells(2, 2), "");
    g.SetSelection({3, 3, 3, 3});
    form.Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(g.Cells(3, 3), "1,1");
    const QStringList before = g.Snapshot();
    QGuiApplication::clipboard()->setText(QStringLiteral("x\t").repeated(100000));
    form.Type('v', Qt::ControlModifier);
    EXPECT_EQ(g.Snapshot(), before);
}

}  // namespace

namespace {

TEST(CellBlockCodec, TheFuzzSeedReadsIntoFreshDefaults) {
    QFile file(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
               QStringLiteral("/../../../fuzz/seeds/cell_block/check_box_cell.bin"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::optional<TCellBlock> block = DecodeCellBlock(file.readAll());
    ASSERT_TRUE(block);
    ASSERT_EQ(block->Cells.size(), 2u);
    EXPECT_EQ(block->Cells[0].Cell, QStringLiteral("x\r\ny ✓"));
    ASSERT_TRUE(block->Cells[0].Properties && block->Cells[0].Properties->Graphic);
    EXPECT_EQ(block->Cells[0].Properties->FontColor, 255);
    EXPECT_TRUE(block->Cells[0].Properties->Graphic->CellBoolean);
    // The second record names no text: it must not carry the first one's.
    EXPECT_EQ(block->Cells[1].Cell, QString());
    EXPECT_FALSE(block->Cells[1].Properties);
    EXPECT_EQ(DecodeCellBlock(EncodeCellBlock(*block)).has_value(), true);
}

}  // namespace
