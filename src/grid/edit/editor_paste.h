#pragma once
// What a paste into one of the grid's editors inserts.

#include <QString>
#include <optional>

class TExStringGrid;
class TObject;

// The clipboard's text as the grid's OnClipboardPaste and OnClipboardBeforePasteCell
// leave it (Sender: the editor), without the single line end a text copied as one line
// of a table comes with. Nothing when the clipboard holds no text or a handler forbade
// the paste.
std::optional<QString> GridPasteText(TExStringGrid* Grid, TObject* Editor);
