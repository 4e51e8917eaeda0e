// The printer writing PDF files, read back with poppler's tools: pages, upright text,
// shapes where the metric units put them, and nothing left behind by an aborted document.

#include "platform/printer.h"

#include "pdf_tools.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace {

TEST(Printer, WritesPagesWithUprightTextAndShapesInTenthsOfMillimetre) {
    if (!PopplerToolsInstalled()) GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    TPrinter printer;
    printer.SetOutputFileName(pdf);
    printer.Handle()->setFullPage(true);  // the page's corner is the device origin
    printer.Title = QStringLiteral("Printer test");
    printer.BeginDoc();
    ASSERT_TRUE(printer.Printing());
    EXPECT_GE(printer.ResolutionX(), 600);
    // An A4 page in 0.1 mm, from its pixels and resolution.
    EXPECT_NEAR(qRound(254.0 / printer.ResolutionX() * printer.PageWidth()), 2100, 2);
    EXPECT_NEAR(qRound(254.0 / printer.ResolutionY() * printer.PageHeight()), 2970, 2);
    TCanvas* canvas = printer.Canvas();
    canvas->SetMapMode(mmLoMetric);
    canvas->Brush.Color = clBlue;
    canvas->FillRect(Rect(200, -300, 600, -500));
    canvas->Font.Name = QStringLiteral("DejaVu Sans");
    canvas->Font.Size = 12;
    canvas->Brush.Style = bsClear;
    canvas->TextOut(200, -700, QStringLiteral("First page text"));
    printer.NewPage();
    canvas->SetMapMode(mmLoMetric);
    canvas->TextOut(200, -700, QStringLiteral("Second page text"));
    printer.EndDoc();
    EXPECT_FALSE(printer.Printing());

    EXPECT_EQ(PdfPageCount(pdf), 2);
    const QStringList pages = PdfText(pdf).split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QLatin1String("First page text"))) << pages[0].toStdString();
    EXPECT_TRUE(pages[1].contains(QLatin1String("Second page text"))) << pages[1].toStdString();
    const QImage page = PdfPageImage(pdf, 1);
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.width(), PixelsOf(2100));
    const QColor blue(Qt::blue);
    const struct {
        int x, y;
        bool inside;
    } probes[] = {{210, 310, true}, {590, 490, true}, {190, 400, false}, {610, 400, false}, {400, 290, false},
                  {400, 510, false}};
    for (const auto& p : probes)
        EXPECT_EQ(page.pixelColor(PixelsOf(p.x), PixelsOf(p.y)) == blue, p.inside) << p.x << "," << p.y;
}

TEST(Printer, AbortedDocumentLeavesNoFile) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("aborted.pdf"));
    TPrinter printer;
    printer.SetOutputFileName(pdf);
    printer.BeginDoc();
    printer.Canvas()->FillRect(Rect(0, 0, 50, 50));
    printer.Abort();
    EXPECT_FALSE(printer.Printing());
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_THROW(printer.EndDoc(), EPrinter);
    EXPECT_THROW(printer.NewPage(), EPrinter);
}

TEST(Printer, WrapsAGivenPrinterAndReportsItsOrientation) {
    QPrinter qprinter(QPrinter::HighResolution);
    TPrinter printer(&qprinter);
    EXPECT_EQ(printer.Handle(), &qprinter);
    printer.SetOrientation(poLandscape);
    EXPECT_EQ(printer.Orientation(), poLandscape);
    EXPECT_EQ(qprinter.pageLayout().orientation(), QPageLayout::Landscape);
    printer.SetOrientation(poPortrait);
    EXPECT_EQ(printer.Orientation(), poPortrait);
    EXPECT_EQ(TPrinter::LandscapeRotation(), 270);
}

TEST(Printer, WithoutFileOrPrinterBeginRaises) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
    TPrinter printer;
    EXPECT_THROW(printer.BeginDoc(), EPrinter);
    EXPECT_FALSE(printer.Printing());
}

}  // namespace
