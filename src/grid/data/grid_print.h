#pragma once
// Printing a rectangle of grid cells, and previewing its pages on any canvas. Pages are
// counted before any document begins, so a refused page range leaves no document.

#include "grid/data/grid_print_job.h"
#include "platform/printer.h"

// Gets the page count and may narrow or refuse (a 0 or a reversed range) what prints.
using TPrintStartEvent = std::function<void(int NrOfPages, int& FromPage, int& ToPage)>;

// The number of pages the print has (0 when refused); only the accepted range prints.
int PrintGridRect(TExStringGrid& grid, TPrinter& printer, TGridRect cells, const TPrintStartEvent& onPrintStart = {});
// Draws page Page of the print into DisplayRect (device units) of the canvas; returns
// the page count.
int PreviewGridRect(TExStringGrid& grid, TCanvas& canvas, TRect displayRect, TGridRect cells, int page);
