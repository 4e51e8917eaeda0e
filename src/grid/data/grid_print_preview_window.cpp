// The user's print preview window. Its pages are drawn by the grid's own print on the
// window's printer, so what it shows is what prints.

#include "grid/core/string_grid.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

std::unique_ptr<QPrintPreviewDialog> TExStringGrid::CreatePrintPreviewWindow(QWidget* Parent) {
    auto window = std::make_unique<QPrintPreviewDialog>(Printer().Handle(), Parent);
    window->setWindowTitle(QStringLiteral("Print preview"));
    QObject::connect(window.get(), &QPrintPreviewDialog::paintRequested, window.get(), [this](QPrinter* printer) {
        TPrinter pages(printer);
        try {
            PrintCells(pages, WholeGrid(), false);
        } catch (const Exception&) {
            // A printer that cannot start shows no pages; the window stays usable.
        }
    });
    return window;
}

void TExStringGrid::ShowPrintPreviewWindow(QWidget* Parent) { CreatePrintPreviewWindow(Parent)->exec(); }
