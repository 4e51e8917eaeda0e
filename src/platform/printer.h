#pragma once
// The printer: a document of pages drawn through a TCanvas. Output goes to a PDF file
// when one is named, else to the system's default printer.

#include "platform/canvas.h"
#include "platform/types.h"

#include <QPainter>
#include <QString>
#include <memory>

class QPrinter;

class EPrinter : public Exception { using Exception::Exception; };

enum TPrinterOrientation { poPortrait, poLandscape };

class TPrinter {
public:
    // A printer of its own at high resolution.
    TPrinter();
    // Prints through a printer the caller owns and keeps alive (a preview's, for one).
    explicit TPrinter(QPrinter* printer);
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // A PDF file receives the document; empty: the default printer.
    void SetOutputFileName(const QString& fileName);
    QString OutputFileName() const;
    QString Title;
    TPrinterOrientation Orientation() const;
    void SetOrientation(TPrinterOrientation value);

    // Raises EPrinter when there is nowhere to print or the document cannot start.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    // Drops the document: a PDF file being written is removed.
    void Abort();
    bool Printing() const { return FPainter != nullptr; }

    // Valid between BeginDoc and EndDoc.
    TCanvas* Canvas() const { return FCanvas.get(); }
    // The printable page in device pixels, and pixels per inch.
    int PageWidth() const;
    int PageHeight() const;
    int ResolutionX() const;
    int ResolutionY() const;
    // Degrees a landscape page is turned by. Qt turns text on paper as on the screen, so
    // a driver correction for text turned the other way never applies.
    static constexpr int LandscapeRotation() { return 270; }

    QPrinter* Handle() const { return FPrinter; }

private:
    void Finish();

    std::unique_ptr<QPrinter> FOwnPrinter;
    QPrinter* FPrinter;
    std::unique_ptr<QPainter> FPainter;
    std::unique_ptr<TCanvas> FCanvas;
};
