// Drag and drop between two real grids offscreen: the drop side gets Qt's drag events
// carrying what the other grid offers; the drag side is started with real mouse input,
// and the drag itself is played by a runner that hands the drop to a grid the way
// QDrag::exec would. Also a column chooser's list box arming a drop, and the scrolling
// of a hovering drag on an injected timer.

#include "drag_drop_grid_fixture.h"
#include "grid/view/grid_drag_drop_data.h"
#include "grid/view/header_drag_button.h"
#include "platform/drag_runner.h"
#include "platform/standard_controls.h"
#include "fake_timer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr Qt::DropActions kCopyOrMove = Qt::CopyAction | Qt::MoveAction;

// Enter, move and drop at one point, as a drag that stops there does; the action the
// grid took, or IgnoreAction when it refused.
Qt::DropAction DropOn(TExStringGrid& Grid, const QMimeData& Data, QPoint At, Qt::KeyboardModifiers Modifiers = {}) {
    QWidget* surface = Grid.viewport();
    QDragEnterEvent enter(At, kCopyOrMove, &Data, Qt::LeftButton, Modifiers);
    QCoreApplication::sendEvent(surface, &enter);
    if (!enter.isAccepted()) return Qt::IgnoreAction;
    QDragMoveEvent move(At, kCopyOrMove, &Data, Qt::LeftButton, Modifiers);
    QCoreApplication::sendEvent(surface, &move);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(surface, &leave);
        return Qt::IgnoreAction;
    }
    QDropEvent drop(QPointF(At), kCopyOrMove, &Data, Qt::LeftButton, Modifiers);
    QCoreApplication::sendEvent(surface, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

// Whether a drag that only moves over At would be let drop there.
bool AcceptsAt(TExStringGrid& Grid, const QMimeData& Data, QPoint At) {
    QDragEnterEvent enter(At, kCopyOrMove, &Data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(Grid.viewport(), &enter);
    if (!enter.isAccepted()) return false;
    QDragMoveEvent move(At, kCopyOrMove, &Data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(Grid.viewport(), &move);
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(Grid.viewport(), &leave);
    return move.isAccepted();
}

QStringList RowTexts(TExStringGrid& Grid, int Row) {
    QStringList texts;
    for (int c = 0; c < Grid.ColCount(); ++c) texts << Grid.Cells(c, Row);
    return texts;
}

QStringList ColumnTexts(TExStringGrid& Grid, int Col) {
    QStringList texts;
    for (int r = 0; r < Grid.RowCount(); ++r) texts << Grid.Cells(Col, r);
    return texts;
}

class GridDragDrop : public ::testing::Test {
protected:
    void SetUp() override {
        Window = std::make_unique<QWidget>();
        Window->resize(900, 320);
        Drags = 0;
        Source = MakeGrid(0);
        Target = MakeGrid(450);
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    }
    void TearDown() override {
        SetDragRunner({});
        SetDropRTFEnabled(false);
        Window.reset();
    }
    TExStringGrid* MakeGrid(int Left) { return MakeDragDropGrid(Window.get(), Left); }
    QPoint Centre(TExStringGrid& Grid, int Col, int Row) const { return CellCentre(Grid, Col, Row); }
    // Presses on (Col, Row) of Grid and moves the mouse away with the button held, as a
    // user starting a drag; the drag runner decides what the drop does.
    void DragFrom(TExStringGrid& Grid, int Col, int Row) {
        QWindow* window = Window->windowHandle();
        const QPoint start = Grid.viewport()->mapTo(Window.get(), Centre(Grid, Col, Row));
        QTest::mousePress(window, Qt::LeftButton, {}, start);
        QTest::mouseMove(window, start + QPoint(12, 6));
        QTest::mouseRelease(window, Qt::LeftButton, {}, start + QPoint(12, 6));
    }
    // The runner drops on Grid at its cell (Col, Row) with the given modifiers.
    void DropDragsOn(TExStringGrid& Grid, int Col, int Row, Qt::KeyboardModifiers Modifiers = {}) {
        SetDragRunner([this, &Grid, Col, Row, Modifiers](QDrag& Drag, Qt::DropActions) {
            ++Drags;
            DragImage = Drag.pixmap();
            return DropOn(Grid, *Drag.mimeData(), Centre(Grid, Col, Row), Modifiers);
        });
    }

    std::unique_ptr<QWidget> Window;
    TExStringGrid* Source = nullptr;
    TExStringGrid* Target = nullptr;
    int Drags = 0;
    QPixmap DragImage;
};

TEST_F(GridDragDrop, ThreeCellsArePastedFromTheDropCellAndSelected) {
    Source->SetSelection({1, 2, 3, 2});
    const auto data = Source->SelectionDragData(1, 2);
    ASSERT_EQ(data->text(), "c1r2\tc2r2\tc3r2");
    const struct {
        bool insertRows;
        int rowCount;
        QStringList dropRow;
        QString belowDrop;  // column 2 of the row under the dropped one
    } cases[] = {
        {false, 7, {"3", "c1r3", "c1r2", "c2r2", "c3r2"}, "c2r4"},
        {true, 8, {"", "", "c1r2", "c2r2", "c3r2"}, "c2r3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.insertRows);
        TearDown();
        SetUp();
        Target->DragDropSettings()->OleInsertRows = c.insertRows;
        TGridRect dropped{-1, -1, -1, -1};
        Target->OnOleDropped = [&](TObject*, TGridRect R) { dropped = R; };
        EXPECT_EQ(DropOn(*Target, *data, Centre(*Target, 2, 3)), Qt::MoveAction);
        EXPECT_EQ(RowTexts(*Target, 3), c.dropRow);
        EXPECT_EQ(Target->RowCount(), c.rowCount);
        EXPECT_EQ(Target->Cells(2, 4), c.belowDrop);
        const TGridRect expected{2, 3, 4, 3};
        EXPECT_EQ(Target->Selection(), expected);
        EXPECT_EQ(dropped, expected);
    }
}

TEST_F(GridDragDrop, TheCellsBlockWinsOverTheTextAndBadBlocksChangeNothing) {
    Source->Navigation()->SetAllowFmtClipboard(true);
    Source->SetCells(1, 2, "<b>x</b>");
    Source->SetSelection({1, 2, 2, 3});
    const auto data = Source->SelectionDragData(1, 2);
    ASSERT_TRUE(data->hasFormat(GridCellsMimeType()));
    bool textDropped = false;
    Target->OnOleDrop = [&](TObject*, int, int, const QString&, bool&) { textDropped = true; };
    DropOn(*Target, *data, Centre(*Target, 3, 4));
    EXPECT_FALSE(textDropped);
    EXPECT_EQ(Target->Cells(3, 4), "<b>x</b>");
    EXPECT_EQ(Target->Cells(4, 5), "c2r3");

    // A block whose payload does not read: nothing is written, nothing crashes.
    const QStringList before = RowTexts(*Target, 1);
    QMimeData bad;
    bad.setData(GridCellsMimeType(), EncodeGridCellsBlock("not a cell stream"));
    DropOn(*Target, bad, Centre(*Target, 1, 1));
    EXPECT_EQ(RowTexts(*Target, 1), before);
    // A block that claims more than it holds is not taken; its text is.
    QMimeData tooLong;
    QByteArray block = EncodeGridCellsBlock("abc");
    block[0] = char(200);
    tooLong.setData(GridCellsMimeType(), block);
    tooLong.setText("fallback");
    DropOn(*Target, tooLong, Centre(*Target, 1, 1));
    EXPECT_EQ(Target->Cells(1, 1), "fallback");
}

TEST_F(GridDragDrop, AMoveTakesTheDraggedCellsOutUnlessCopying) {
    const struct {
        const char* name;
        bool copyAlways;
        Qt::KeyboardModifiers modifiers;
        int effect;
        bool sourceKept;
    } cases[] = {
        {"move", false, {}, 2, false},
        {"Ctrl copies", false, Qt::ControlModifier, 1, true},
        {"copy always", true, {}, 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Source->DragDropSettings()->OleCopyAlways = c.copyAlways;
        Source->SetSelection({2, 3, 3, 4});
        std::vector<int> stops;
        Source->OnOleDragStop = [&](TObject*, int Effect) { stops.push_back(Effect); };
        DropDragsOn(*Target, 1, 1, c.modifiers);
        DragFrom(*Source, 2, 3);
        ASSERT_EQ(Drags, 1);
        EXPECT_FALSE(DragImage.isNull());
        EXPECT_EQ(Target->Cells(1, 1), "c2r3");
        EXPECT_EQ(Target->Cells(2, 2), "c3r4");
        EXPECT_EQ(Source->Cells(2, 3).isEmpty(), !c.sourceKept);
        EXPECT_EQ(Source->Cells(3, 4).isEmpty(), !c.sourceKept);
        EXPECT_EQ(Source->Cells(1, 3), "c1r3");  // outside the selection
        EXPECT_EQ(stops, std::vector<int>({c.effect}));
    }
}

TEST_F(GridDragDrop, AMoveOfRowsWithinTheGridRemovesTheDraggedRows) {
    // Dropped above the dragged rows with rows inserted, the dragged rows lie two rows
    // further down when they are removed; pasted over rows, none moved.
    const struct {
        bool insertRows;
        QStringList column1;
    } cases[] = {
        {true, {"H1", "c1r1", "c1r4", "c1r5", "c1r2", "c1r3", "c1r6"}},
        {false, {"H1", "c1r1", "c1r4", "c1r5", "c1r6"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.insertRows);
        TearDown();
        SetUp();
        TGridOptions options = Source->Options();
        options.Include(goRowSelect);
        Source->SetOptions(options);
        TDragDropSettings* settings = Source->DragDropSettings();
        settings->OleEntireRows = true;
        settings->OleRemoveRows = true;
        settings->OleInsertRows = c.insertRows;
        Source->SetSelection({1, 4, 4, 5});
        DropDragsOn(*Source, 1, 2);
        DragFrom(*Source, 2, 4);
        ASSERT_EQ(Drags, 1);
        EXPECT_EQ(ColumnTexts(*Source, 1), c.column1);
    }
}

TEST_F(GridDragDrop, AnArmedPressStartsADragOnlyWhenTheGridAllowsIt) {
    const struct {
        const char* name;
        std::function<void(TExStringGrid&)> setup;
        bool starts;
    } cases[] = {
        {"drag source", [](TExStringGrid&) {}, true},
        {"not a drag source", [](TExStringGrid& g) { g.DragDropSettings()->OleDropSource = false; }, false},
        {"columns only", [](TExStringGrid& g) { g.DragDropSettings()->OleColumnsOnly = true; }, false},
        {"refused by OnOleDrag",
         [](TExStringGrid& g) { g.OnOleDrag = [](TObject*, int, int, const QString&, bool& Allow) { Allow = false; }; },
         false},
        {"editing", [](TExStringGrid& g) {
             TGridOptions options = g.Options();
             options.Include(goEditing);
             g.SetOptions(options);
         }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        c.setup(*Source);
        Source->SetSelection({2, 3, 2, 3});
        std::vector<std::pair<int, int>> starts;
        Source->OnOleDragStart = [&](TObject*, int ARow, int ACol) { starts.push_back({ARow, ACol}); };
        DropDragsOn(*Target, 1, 1);
        DragFrom(*Source, 2, 3);
        EXPECT_EQ(Drags, c.starts ? 1 : 0);
        EXPECT_EQ(starts.size(), c.starts ? 1u : 0u);
        EXPECT_EQ(Target->Cells(1, 1), c.starts ? "c2r3" : "c1r1");
    }
}

TEST_F(GridDragDrop, ColumnsDropOnlyOnHeadersAndMoveWithReorder) {
    Source->DragDropSettings()->OleColumnDragDrop = true;
    Source->DragDropSettings()->OleColumnReorder = true;
    Source->DragDropSettings()->ShowCells = false;
    Source->SetEnhRowColMove(false);  // a header press arms a drag instead of a move
    std::vector<std::array<int, 3>> drops;
    Source->OnOleDropCol = [&](TObject*, int ARow, int ACol, int DropCol) { drops.push_back({ARow, ACol, DropCol}); };

    const auto column2 = Source->ColumnDragData(2);
    EXPECT_FALSE(AcceptsAt(*Source, *column2, Centre(*Source, 3, 2)));  // a data cell
    EXPECT_FALSE(AcceptsAt(*Source, *column2, Centre(*Source, 0, 0)));  // a fixed column
    EXPECT_TRUE(AcceptsAt(*Source, *column2, Centre(*Source, 3, 0)));
    const TRect last = Source->CellRect(4, 0);
    EXPECT_TRUE(AcceptsAt(*Source, *column2, {last.Right + 10, (last.Top + last.Bottom) / 2}));

    // Its own place changes nothing; another header takes it there.
    DropOn(*Source, *column2, Centre(*Source, 2, 0));
    EXPECT_EQ(RowTexts(*Source, 0), QStringList({"H0", "H1", "H2", "H3", "H4"}));
    DropOn(*Source, *column2, Centre(*Source, 4, 0));
    EXPECT_EQ(RowTexts(*Source, 0), QStringList({"H0", "H1", "H3", "H4", "H2"}));
    EXPECT_EQ(Source->Cells(4, 3), "c2r3");
    EXPECT_EQ(drops, (std::vector<std::array<int, 3>>{{0, 2, 2}, {0, 4, 2}}));

    // A real header drag carries the real column and shows the header's face.
    std::vector<int> stops;
    Source->OnOleDragStop = [&](TObject*, int Effect) { stops.push_back(Effect); };
    SetDragRunner([&](QDrag& Drag, Qt::DropActions) {
        ++Drags;
        DragImage = Drag.pixmap();
        return DropOn(*Source, *Drag.mimeData(), Centre(*Source, 1, 0));
    });
    DragFrom(*Source, 3, 0);  // "H4"
    ASSERT_EQ(Drags, 1);
    EXPECT_EQ(RowTexts(*Source, 0), QStringList({"H0", "H4", "H1", "H3", "H2"}));
    EXPECT_EQ(DragImage.width(), Source->ColWidths(3));
    EXPECT_EQ(Source->HeaderDragButton()->Caption(), "H4");
    EXPECT_FALSE(Source->HeaderDragButton()->isVisible());
    EXPECT_EQ(stops, std::vector<int>({2}));
}

TEST_F(GridDragDrop, FilesAndLinksAreTakenOnlyAsTheAcceptFlagsSay) {
    const QUrl data = QUrl::fromLocalFile("/tmp/DATA.CSV");
    const QUrl other = QUrl::fromLocalFile("/tmp/b.csv");
    const QUrl program = QUrl::fromLocalFile("/tmp/a.csv.exe");
    const QUrl link("https://example.com/x");
    const struct {
        const char* name;
        QList<QUrl> urls;
        bool acceptFiles;
        QStringList filesOffered;
        QStringList loadsOffered;
    } cases[] = {
        {"one CSV file", {data}, true, {"/tmp/DATA.CSV"}, {"/tmp/DATA.CSV"}},
        {"two files do nothing", {data, other}, true, {}, {}},
        {"not a CSV name", {program}, true, {"/tmp/a.csv.exe"}, {}},
        {"a workbook", {QUrl::fromLocalFile("/tmp/Book.XLSX")}, true, {"/tmp/Book.XLSX"}, {"/tmp/Book.XLSX"}},
        {"files not accepted", {data}, false, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Target->DragDropSettings()->OleAcceptFiles = c.acceptFiles;
        QStringList offered;
        QStringList loads;
        Target->OnOleDropFile = [&](TObject*, int, int, const QString& Name, bool&) { offered << Name; };
        Target->OnOleDrop = [&](TObject*, int ARow, int ACol, const QString& Name, bool&) {
            EXPECT_EQ(ARow, -1);
            EXPECT_EQ(ACol, -1);
            loads << Name;
        };
        QMimeData files;
        files.setUrls(c.urls);
        DropOn(*Target, files, Centre(*Target, 2, 2));
        EXPECT_EQ(offered, c.filesOffered);
        EXPECT_EQ(loads, c.loadsOffered);
    }
    Target->OnOleDrop = nullptr;

    // A link goes into the cell; with links refused it does not.
    for (bool acceptURLs : {true, false}) {
        Target->DragDropSettings()->OleAcceptURLs = acceptURLs;
        Target->SetCells(2, 2, "before");
        QMimeData links;
        links.setUrls({link});
        DropOn(*Target, links, Centre(*Target, 2, 2));
        EXPECT_EQ(Target->Cells(2, 2), acceptURLs ? "https://example.com/x" : "before");
    }

    // A hundred thousand files from another program are one refusal, not a hang.
    QByteArray many;
    for (int i = 0; i < 100000; ++i) many += "file:///tmp/f" + QByteArray::number(i) + "\r\n";
    QMimeData flood;
    flood.setData("text/uri-list", many);
    int offeredFiles = 0;
    Target->OnOleDropFile = [&](TObject*, int, int, const QString&, bool&) { ++offeredFiles; };
    Target->DragDropSettings()->OleAcceptFiles = true;
    DropOn(*Target, flood, Centre(*Target, 2, 2));
    EXPECT_EQ(offeredFiles, 0);

    // A dropped CSV file that exists loads into the grid; a vanished one changes nothing.
    QTemporaryDir folder;
    const QString csvPath = folder.filePath("rules.csv");
    {
        QFile csvFile(csvPath);
        ASSERT_TRUE(csvFile.open(QIODevice::WriteOnly));
        csvFile.write("a,b\r\nc,d\r\n");
    }
    Target->DragDropSettings()->OleAcceptFiles = true;
    Target->OnOleDropFile = nullptr;
    QMimeData csvDrop;
    csvDrop.setUrls({QUrl::fromLocalFile(csvPath)});
    DropOn(*Target, csvDrop, Centre(*Target, 2, 2));
    EXPECT_EQ(Target->Cells(0, 0), "a");
    EXPECT_EQ(Target->Cells(1, 1), "d");
    QFile::remove(csvPath);
    Target->SetCells(1, 1, "kept");
    DropOn(*Target, csvDrop, Centre(*Target, 1, 1));
    EXPECT_EQ(Target->Cells(1, 1), "kept");

    // A dropped workbook loads its active sheet.
    const QString bookPath = folder.filePath("Rules.Xls");
    TExStringGrid book(nullptr);
    book.SetColCount(2);
    book.SetRowCount(2);
    book.SetCells(0, 0, "w");
    book.SetCells(1, 1, "x");
    book.SaveToXLS(bookPath);
    QMimeData bookDrop;
    bookDrop.setUrls({QUrl::fromLocalFile(bookPath)});
    DropOn(*Target, bookDrop, Centre(*Target, 1, 1));
    EXPECT_EQ(Target->ColCount(), 2);
    EXPECT_EQ(Target->Cells(0, 0), "w");
    EXPECT_EQ(Target->Cells(1, 1), "x");
}

TEST_F(GridDragDrop, HostileColumnsAndRefusedTextChangeNothing) {
    std::vector<int> dropped;
    Target->OnOleDropCol = [&](TObject*, int, int, int DropCol) { dropped.push_back(DropCol); };
    Target->DragDropSettings()->OleColumnReorder = true;
    for (int column : {-5, 1000000}) {
        QMimeData data;
        data.setText("");
        data.setData(kGridColumnMimeType, EncodeGridColumn(column));
        DropOn(*Target, data, Centre(*Target, 2, 0));
    }
    EXPECT_TRUE(dropped.empty());
    EXPECT_EQ(RowTexts(*Target, 0), QStringList({"H0", "H1", "H2", "H3", "H4"}));

    Target->DragDropSettings()->OleAcceptText = false;
    QMimeData text;
    text.setText("x");
    EXPECT_EQ(DropOn(*Target, text, Centre(*Target, 1, 1)), Qt::IgnoreAction);
    EXPECT_EQ(Target->Cells(1, 1), "c1r1");
    // A drop the program refuses pastes nothing.
    Target->DragDropSettings()->OleAcceptText = true;
    Target->OnOleDrop = [](TObject*, int, int, const QString&, bool& Allow) { Allow = false; };
    DropOn(*Target, text, Centre(*Target, 1, 1));
    EXPECT_EQ(Target->Cells(1, 1), "c1r1");
}

TEST_F(GridDragDrop, BelowTheLastRowAppendsOnlyWithAppendRows) {
    // Only the first rows fill the grid's height, so that the area below them is empty.
    Target->SetRowCount(4);
    TGridOptions options = Target->Options();
    options.Include(goRowSelect);
    Target->SetOptions(options);
    Target->DragDropSettings()->OleEntireRows = true;
    Target->DragDropSettings()->OleInsertRows = true;
    QMimeData row;
    row.setText("9\tnew1\tnew2");
    const TRect last = Target->CellRect(1, 3);
    const QPoint below{(last.Left + last.Right) / 2, last.Bottom + 30};
    ASSERT_LT(below.y(), Target->viewport()->height());
    EXPECT_FALSE(AcceptsAt(*Target, row, below));
    Target->DragDropSettings()->OleAppendRows = true;
    EXPECT_TRUE(AcceptsAt(*Target, row, below));
    DropOn(*Target, row, below);
    EXPECT_EQ(Target->RowCount(), 5);
    EXPECT_EQ(RowTexts(*Target, 4).mid(0, 3), QStringList({"9", "new1", "new2"}));
    EXPECT_EQ(Target->Cells(1, 3), "c1r3");
}

TEST_F(GridDragDrop, RichTextTravelsOnlyWhileEnabled) {
    QMimeData rich;
    rich.setData("text/rtf", "{\\rtf1 rich}");
    Source->SetSelection({1, 1, 1, 1});
    EXPECT_FALSE(Source->SelectionDragData(1, 1)->hasFormat("text/rtf"));
    EXPECT_EQ(DropOn(*Target, rich, Centre(*Target, 1, 1)), Qt::IgnoreAction);

    Target->DragDropSettings()->SetOleDropRTF(true);
    EXPECT_EQ(Source->SelectionDragData(1, 1)->data("text/rtf"), "c1r1");
    EXPECT_NE(DropOn(*Target, rich, Centre(*Target, 1, 1)), Qt::IgnoreAction);
    EXPECT_EQ(Target->Cells(1, 1), "{\\rtf1 rich}");
}

TEST_F(GridDragDrop, DraggingOverTheEdgesScrollsTheTarget) {
    Target->SetRowCount(40);
    Target->SetColCount(12);
    QTest::qWait(50);  // the scroll bars take their room
    QMimeData text;
    text.setText("x");
    // The row and the column cut by the viewport's edges.
    const QPoint bottomEdge{Centre(*Target, 1, 1).x(), Target->viewport()->height() - 2};
    const QPoint rightEdge{Target->viewport()->width() - 2, Centre(*Target, 1, 2).y()};
    int col = -1, row = -1;
    Target->MouseToCell(bottomEdge.x(), bottomEdge.y(), col, row);
    ASSERT_EQ(row, Target->TopRow() + Target->VisibleRowCount());
    Target->MouseToCell(rightEdge.x(), rightEdge.y(), col, row);
    ASSERT_EQ(col, Target->LeftCol() + Target->VisibleColCount());

    AcceptsAt(*Target, text, bottomEdge);
    EXPECT_EQ(Target->TopRow(), 2);
    AcceptsAt(*Target, text, Centre(*Target, 1, 0));
    EXPECT_EQ(Target->TopRow(), 1);
    // Sideways at most once per tick of the grid's 500 ms timer.
    QElapsedTimer waited;
    waited.start();
    while (Target->TimerTicks() % 2 != 0 && waited.elapsed() < 2000) QTest::qWait(20);
    ASSERT_EQ(Target->TimerTicks() % 2, 0);
    AcceptsAt(*Target, text, rightEdge);
    AcceptsAt(*Target, text, rightEdge);
    EXPECT_EQ(Target->LeftCol(), 2);
}

TEST_F(GridDragDrop, SettingsCopyAndTheDropTargetSwitchesTheViewport) {
    TDragDropSettings copy;
    Source->DragDropSettings()->OleAppendRows = true;
    Source->DragDropSettings()->OleColumnReorder = true;
    copy.Assign(Source->DragDropSettings());
    EXPECT_TRUE(copy.OleAppendRows);
    EXPECT_TRUE(copy.OleColumnReorder);
    EXPECT_TRUE(copy.OleDropTarget());

    Target->DragDropSettings()->SetOleDropTarget(false);
    EXPECT_FALSE(Target->viewport()->acceptDrops());
    Target->DragDropSettings()->Assign(Source->DragDropSettings());
    EXPECT_TRUE(Target->viewport()->acceptDrops());

    TDragScrollOptions scroll;
    EXPECT_FALSE(scroll.Active);
    EXPECT_EQ(scroll.Delays()->InitialDelay, 1000);
    EXPECT_EQ(scroll.Delays()->RepeatDelay, 250);
    EXPECT_EQ(scroll.Margins()->TopMargin, 50);
    EXPECT_EQ(scroll.Margins()->RightMargin, 50);
    scroll.Active = true;
    scroll.Delays()->RepeatDelay = 90;
    scroll.Margins()->LeftMargin = 7;
    Target->DragScrollOptions()->Assign(&scroll);
    EXPECT_TRUE(Target->DragScrollOptions()->Active);
    EXPECT_EQ(Target->DragScrollOptions()->Delays()->RepeatDelay, 90);
    EXPECT_EQ(Target->DragScrollOptions()->Margins()->LeftMargin, 7);
}

TEST_F(GridDragDrop, HeaderDragButtonShowsItsCaptionOnTheFixedColour) {
    THeaderDragButton* button = Source->HeaderDragButton();
    Source->SetFixedColor(clYellow);
    button->resize(120, 24);
    for (const QString& caption : {QStringLiteral("Name"), QStringLiteral("<b>Na</b>me")}) {
        SCOPED_TRACE(caption.toStdString());
        button->SetCaption(caption);
        const QImage face = button->grab().toImage();
        EXPECT_EQ(face.pixel(0, 0) & 0xFFFFFF, 0x000000u);       // the border
        EXPECT_EQ(face.pixel(face.width() - 3, face.height() - 3) & 0xFFFFFF, 0xFFFF00u);  // the fixed colour
        int dark = 0;
        for (int x = 1; x < face.width() - 1; ++x)
            for (int y = 1; y < face.height() - 1; ++y) dark += qGray(face.pixel(x, y)) < 100;
        EXPECT_GT(dark, 10);  // the caption
    }
}

}  // namespace

namespace {

// A column chooser's list box arms the grid before its own drag of a column: the drop
// shows that column at the drop position and takes its entry out of the list box. A
// column the grid does not have, a list box gone meanwhile or an entry out of range
// change no more than they can.
TEST_F(GridDragDrop, AColumnFromAChooserListComesBackAtTheDrop) {
    struct Case {
        const char* name;
        int entry;  // the ColumnOrder entry armed; -2: that of hidden column 2
        int index;
        bool listGone;
        QStringList headers;
        QStringList listLeft;
    };
    const QStringList shownAt1 = {"H0", "H2", "H1", "H3", "H4"};
    // The first ColCount real columns: the hidden one stays out of the count.
    const QStringList stillHidden = {"H0", "H1", "H2", "H3"};
    const Case cases[] = {
        {"armed column", -2, 0, false, shownAt1, {"H9"}},
        {"no such column", 99, 0, false, stillHidden, {"H2", "H9"}},
        {"entry out of range", -2, 5, false, shownAt1, {"H2", "H9"}},
        {"list box gone", -2, 0, true, shownAt1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        delete Target;
        Target = MakeGrid(450);
        Target->show();
        Target->SetColumnOrder();
        Target->HideColumn(2);
        auto list = std::make_unique<TListBox>(nullptr);
        list->Items().Assign({"H2", "H9"});
        Target->OleColumnDragStart(c.entry == -2 ? Target->ColumnOrder()->Items(2) : c.entry, c.index, list.get());
        if (c.listGone) list.reset();
        std::vector<int> dropColumns;
        Target->OnOleDropCol = [&](TObject*, int, int ACol, int) { dropColumns.push_back(ACol); };
        const auto column = Source->ColumnDragData(2);
        DropOn(*Target, *column, Centre(*Target, 1, 0));
        EXPECT_EQ(RowTexts(*Target, 0), c.headers);
        EXPECT_EQ(Target->IsHiddenColumn(2), c.headers == stillHidden);
        if (list) EXPECT_EQ(list->Items().ToQStringList(), c.listLeft);
        EXPECT_EQ(dropColumns, std::vector<int>{1});
        // The drop disarmed the grid: without reordering, the next column drop moves nothing.
        DropOn(*Target, *column, Centre(*Target, 3, 0));
        EXPECT_EQ(RowTexts(*Target, 0), c.headers);
    }
}

// A drag hovering within the margins scrolls on the drag-scroll timer: InitialDelay first,
// then RepeatDelay, one row or column per direction and tick, as far as the grid goes;
// OnDragScroll may refuse a tick; the centre, leaving or Active off stop the timer.
TEST_F(GridDragDrop, AHoveringDragScrollsOnItsOwnTimer) {
    FakeTimersScope timers;
    Target->SetRowCount(40);
    Target->SetColCount(12);
    Target->DragScrollOptions()->Delays()->InitialDelay = 700;
    Target->DragScrollOptions()->Delays()->RepeatDelay = 120;
    QTest::qWait(50);  // the scroll bars take their room
    // A column value: the grid's own edge scrolling of dropped cells stays out of the way.
    const auto column = Source->ColumnDragData(2);
    const QSize area = Target->viewport()->size();
    const QPoint bottomRight{area.width() - 20, area.height() - 20};
    const QPoint topLeft{20, 20};
    const QPoint middle{area.width() / 2, area.height() / 2};
    const auto hover = [&](QPoint At) {
        QDragEnterEvent enter(At, kCopyOrMove, column.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(Target->viewport(), &enter);
        QDragMoveEvent move(At, kCopyOrMove, column.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(Target->viewport(), &move);
    };
    const auto leave = [&] {
        QDragLeaveEvent event;
        QCoreApplication::sendEvent(Target->viewport(), &event);
    };

    std::size_t made = timers.Timers.size();
    hover(bottomRight);
    EXPECT_EQ(timers.Timers.size(), made) << "Active is off";

    Target->DragScrollOptions()->Active = true;
    hover(bottomRight);
    ASSERT_EQ(timers.Timers.size(), made + 1);
    FakeTimer* timer = timers.Timers.back();
    EXPECT_TRUE(timer->running);
    EXPECT_EQ(timer->interval, 700);
    std::vector<std::array<int, 3>> asked;  // TopRow, LeftCol, directions
    bool refuse = false;
    Target->OnDragScroll = [&](TObject*, int TopRow, int LeftCol, TDragScrollDirection& Dir, bool& CanScroll) {
        asked.push_back({TopRow, LeftCol, int(Dir.Contains(dsdDown)) + 2 * int(Dir.Contains(dsdRight)) +
                                              4 * int(Dir.Contains(dsdUp)) + 8 * int(Dir.Contains(dsdLeft))});
        CanScroll = !refuse;
    };
    timer->Fire();
    timer->Fire();
    EXPECT_EQ(timer->interval, 120);
    EXPECT_EQ(Target->TopRow(), 3);
    EXPECT_EQ(Target->LeftCol(), 3);
    refuse = true;
    timer->Fire();
    EXPECT_EQ(Target->TopRow(), 3);
    EXPECT_EQ(asked, (std::vector<std::array<int, 3>>{{1, 1, 3}, {2, 2, 3}, {3, 3, 3}}));
    refuse = false;

    // Up and left stop at the fixed row and column.
    hover(topLeft);
    EXPECT_EQ(timer->interval, 700) << "a move with a direction waits the initial delay again";
    for (int i = 0; i < 4; ++i) timer->Fire();
    EXPECT_EQ(Target->TopRow(), 1);
    EXPECT_EQ(Target->LeftCol(), 1);

    // Down to the last row and no further.
    hover({middle.x(), bottomRight.y()});
    for (int i = 0; i < 60; ++i) timer->Fire();
    EXPECT_EQ(Target->TopRow() + Target->VisibleRowCount(), Target->RowCount());
    EXPECT_EQ(Target->LeftCol(), 1);

    hover(middle);  // the timer is freed: the next edge makes a new one
    hover(bottomRight);
    EXPECT_EQ(timers.Timers.size(), made + 2);
    leave();
    hover(bottomRight);
    EXPECT_EQ(timers.Timers.size(), made + 3);
    QDropEvent drop(QPointF(bottomRight), kCopyOrMove, column.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(Target->viewport(), &drop);
    hover(bottomRight);
    EXPECT_EQ(timers.Timers.size(), made + 4);
    leave();
}

}  // namespace
