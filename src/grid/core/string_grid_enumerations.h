#pragma once

#include "platform/scroll_style.h"
// Enumerations of the string grid's own properties and hooks.

// Which fixed cells the mouse-over highlight applies to.
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TGridLook { glStandard, glSoft, glClassic, glZRT, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum TFilterDropDownColumns { fdNormal, fdAll };
enum TClipOperation { coCut, coCopy };
enum TGridExportState { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow };
enum TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };
// What the mouse would do at its place: plain selection, a whole column, row or grid,
// a link, or sizing the selection.
// Middle-button panning: the directions it moves in, or none.
enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };
