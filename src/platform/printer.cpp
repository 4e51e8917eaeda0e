#include "platform/printer.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

TPrinter::TPrinter()
    : FOwnPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)), FPrinter(FOwnPrinter.get()) {}

TPrinter::TPrinter(QPrinter* printer) : FPrinter(printer) {}

TPrinter::~TPrinter() {
    if (Printing()) Finish();
}

void TPrinter::SetOutputFileName(const QString& fileName) {
    if (!fileName.isEmpty()) FPrinter->setOutputFormat(QPrinter::PdfFormat);
    FPrinter->setOutputFileName(fileName);
}

QString TPrinter::OutputFileName() const { return FPrinter->outputFileName(); }

TPrinterOrientation TPrinter::Orientation() const {
    return FPrinter->pageLayout().orientation() == QPageLayout::Landscape ? poLandscape : poPortrait;
}

void TPrinter::SetOrientation(TPrinterOrientation value) {
    FPrinter->setPageOrientation(value == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TPrinter::BeginDoc() {
    if (Printing()) throw EPrinter(QStringLiteral("Printing in progress"));
    const bool toFile = FPrinter->outputFormat() == QPrinter::PdfFormat && !FPrinter->outputFileName().isEmpty();
    if (!toFile && FPrinter->outputFormat() == QPrinter::NativeFormat && QPrinterInfo::defaultPrinter().isNull())
        throw EPrinter(QStringLiteral("There is no default printer currently selected"));
    FPrinter->setDocName(Title);
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(FPrinter)) throw EPrinter(QStringLiteral("Printer is not currently printing"));
    FPainter = std::move(painter);
    FCanvas = std::make_unique<TCanvas>(FPainter.get());
}

void TPrinter::NewPage() {
    if (!Printing()) throw EPrinter(QStringLiteral("Printer is not currently printing"));
    if (!FPrinter->newPage()) throw EPrinter(QStringLiteral("Printer is not currently printing"));
}

void TPrinter::EndDoc() {
    if (!Printing()) throw EPrinter(QStringLiteral("Printer is not currently printing"));
    Finish();
}

void TPrinter::Abort() {
    if (!Printing()) return;
    FPrinter->abort();
    Finish();
    // A PDF written so far is no document; nothing of it stays.
    if (FPrinter->outputFormat() == QPrinter::PdfFormat && !FPrinter->outputFileName().isEmpty())
        QFile::remove(FPrinter->outputFileName());
}

void TPrinter::Finish() {
    FCanvas.reset();
    FPainter->end();
    FPainter.reset();
}

int TPrinter::PageWidth() const { return FPrinter->width(); }
int TPrinter::PageHeight() const { return FPrinter->height(); }
int TPrinter::ResolutionX() const { return FPrinter->logicalDpiX(); }
int TPrinter::ResolutionY() const { return FPrinter->logicalDpiY(); }
