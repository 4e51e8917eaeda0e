// Cell pictures of the HTML file: every kind of cell picture becomes a JPEG file in the
// "images" folder beside the file, numbered in the order written, and an interfaced cell
// is drawn by its own object.

#include "grid/core/string_grid.h"
#include "grid/data/data_test_files.h"
#include "grid/data/html_settings.h"
#include "grid/view/cell_graphic_interface.h"
#include "platform/image_list.h"
#include "platform/picture.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Draws itself as a blue square: no picture to be taken, only an interface to ask.
class BlueSquare : public TObject, public ICellGraphic {
public:
    void Draw(TCanvas& Canvas, const TRect& R, int, int, bool, TExStringGrid*) override {
        Canvas.Brush.Color = clBlue;
        Canvas.FillRect(R);
    }
    int GetWidth() const override { return 12; }
    int GetHeight() const override { return 10; }
    bool IsBackground() const override { return false; }
};

QImage Filled(int Width, int Height, Qt::GlobalColor Color) {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Color);
    return image;
}

// One cell of each kind that has a picture to write, and one whose index is missing.
struct PictureGrid {
    TExStringGrid Grid{nullptr};
    TCustomImageList Images{nullptr, 8, 8};
    TPicture Bitmap{Filled(4, 3, Qt::red)};
    TPicture Picture{Filled(6, 5, Qt::green)};
    BlueSquare Square;

    PictureGrid() {
        Images.Add(Filled(8, 8, Qt::yellow));
        Images.Add(Filled(8, 8, Qt::cyan));
        Grid.SetFixedRows(0);
        Grid.SetFixedCols(0);
        Grid.SetColCount(4);
        Grid.SetRowCount(2);
        Grid.SetGridImages(&Images);
        Grid.SetCells(0, 0, QStringLiteral("bitmap"));
        Grid.AddBitmap(0, 0, &Bitmap, false, haLeft, vaTop);
        Grid.SetCells(1, 0, QStringLiteral("listed"));
        Grid.AddImageIdx(1, 0, 1, haLeft, vaTop);
        Grid.AddDataImage(2, 0, 0, haLeft, vaTop);
        Grid.AddDataImage(3, 0, 0, haLeft, vaTop);
        Grid.SetCells(3, 0, QStringLiteral("7"));  // no such image: the cell stays empty
        Grid.SetCells(0, 1, QStringLiteral("several"));
        Grid.AddMultiImage(0, 1, 0, haLeft, vaTop);
        Grid.CellImages(0, 1)->Add(0);
        Grid.CellImages(0, 1)->Add(1);
        Grid.SetCells(1, 1, QStringLiteral("picture"));
        Grid.AddPicture(1, 1, &Picture, false, noStretch, 0, haLeft, vaTop);
        Grid.SetCells(2, 1, QStringLiteral("drawn"));
        Grid.AddInterfacedCell(2, 1, &Square);
    }
};

QString WithoutFolder(QByteArray Bytes, const QString& Folder) {
    return QString::fromLatin1(Bytes).replace(Folder, QStringLiteral("FOLDER/"));
}

TEST(HtmlImages, EachKindWritesItsPictureInOrder) {
    QTemporaryDir dir;
    PictureGrid p;
    const QString path = dir.filePath(QStringLiteral("images.html"));
    p.Grid.SaveToHTML(path, false, false);
    const QString folder = dir.path() + QLatin1Char('/');
    const QString html = WithoutFolder(ReadWholeFile(path), folder);
    const QString golden = DataGoldenPath(QStringLiteral("html"), QStringLiteral("images.html"));
    // A missing golden file is written when VASTRELON_WRITE_GOLDEN is set, to be looked at.
    if (!QFileInfo::exists(golden) && qEnvironmentVariableIsSet("VASTRELON_WRITE_GOLDEN"))
        WriteWholeFile(golden, html.toLatin1());
    EXPECT_EQ(html, QString::fromLatin1(ReadWholeFile(golden)));

    // Written in cell order: bitmap, list entry 1, data image 0, the two of the list,
    // the picture, the drawn square.
    const struct {
        QSize size;
        QColor colour;
    } expected[] = {{{4, 3}, Qt::red},   {{8, 8}, Qt::cyan},  {{8, 8}, Qt::yellow}, {{8, 8}, Qt::yellow},
                    {{8, 8}, Qt::cyan},  {{6, 5}, Qt::green}, {{12, 10}, Qt::blue}};
    const QStringList written = QDir(folder + QStringLiteral("images")).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(written.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        QImage image;
        ASSERT_TRUE(image.load(folder + QStringLiteral("images/img%1.jpg").arg(i + 1), "JPG"));
        EXPECT_EQ(image.size(), expected[i].size);
        const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
        EXPECT_NEAR(centre.red(), expected[i].colour.red(), 24);
        EXPECT_NEAR(centre.green(), expected[i].colour.green(), 24);
        EXPECT_NEAR(centre.blue(), expected[i].colour.blue(), 24);
    }

    p.Grid.HTMLSettings()->XHTML = true;
    const QString xhtml = dir.filePath(QStringLiteral("images.xhtml"));
    p.Grid.SaveToHTML(xhtml, false, false);
    EXPECT_TRUE(ReadWholeFile(xhtml).contains("images/img7.jpg\" alt=\"\" />"));

    if (!HaveProgram("tidy") || !HaveProgram("xmllint"))
        GTEST_SKIP() << "tidy or xmllint (libxml2-utils) is not installed: the second opinions were skipped";
    const auto [code, output] = RunProgram(QStringLiteral("tidy"), {QStringLiteral("-q"), QStringLiteral("-e"), path});
    EXPECT_LT(code, 2) << output.toStdString();
    const auto [xmlCode, xmlOutput] =
        RunProgram(QStringLiteral("xmllint"), {QStringLiteral("--noout"), QStringLiteral("--nonet"), xhtml});
    EXPECT_EQ(xmlCode, 0) << xmlOutput.toStdString();
}

TEST(HtmlImages, NoFilesWithoutFolderOrSettingOrReadableFooterAndAFolderThatCannotBeMade) {
    QTemporaryDir dir;
    PictureGrid p;
    // The clipboard's document (no folder) and ExportImages off keep the texts only.
    const QString clipboard = p.Grid.SaveToHTMLString(QString());
    EXPECT_FALSE(clipboard.contains(QStringLiteral("<img")));
    EXPECT_TRUE(clipboard.contains(QStringLiteral(">7</td>")));
    p.Grid.HTMLSettings()->ExportImages = false;
    const QString path = dir.filePath(QStringLiteral("plain.html"));
    p.Grid.SaveToHTML(path, false, false);
    EXPECT_FALSE(ReadWholeFile(path).contains("<img"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("images"))));

    // A footer file that cannot be read: raised before any picture is written.
    p.Grid.HTMLSettings()->ExportImages = true;
    p.Grid.HTMLSettings()->FooterFile = dir.filePath(QStringLiteral("missing footer.txt"));
    EXPECT_THROW(p.Grid.SaveToHTML(path, false, false), Exception);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("images"))));
    p.Grid.HTMLSettings()->FooterFile.clear();

    // A file where the folder belongs: the export raises and writes no HTML file.
    p.Grid.HTMLSettings()->ExportImages = true;
    WriteWholeFile(dir.filePath(QStringLiteral("images")), "not a folder");
    const QString refused = dir.filePath(QStringLiteral("refused.html"));
    try {
        p.Grid.SaveToHTML(refused, false, false);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot create ") + dir.path() + QStringLiteral("/images"));
    }
    EXPECT_FALSE(QFileInfo::exists(refused));
}

}  // namespace
