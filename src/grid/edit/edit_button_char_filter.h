#pragma once
// The characters the grid's edit-with-button and unit editors take, by the editor kind
// of the cell: the plain and mask kinds take everything, the numeric kinds digits and a
// leading minus, the float kinds also one decimal separator; other kinds take nothing.

#include "grid/core/grid_enumerations.h"

#include <QChar>

class TCustomMaskEdit;

enum class TCharVerdict { Pass, Drop, Beep };

TCharVerdict EditButtonCharVerdict(TEditorType Kind, const TCustomMaskEdit& Edit, QChar Key);
