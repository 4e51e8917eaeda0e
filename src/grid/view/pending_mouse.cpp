// Least forms of members other engineers build, for the mouse handling to call.

#include "grid/core/string_grid.h"

// Stands in for the in-place editing core's ShowInplaceEdit.
void TExStringGrid::ShowInplaceEdit() { ShowEditor(); }

// Stands in for the in-place editing core's HideInplaceEdit.
void TExStringGrid::HideInplaceEdit() { HideEditor(); }

// Stands in for the clipboard's CopySelectionToClipboard.
void TExStringGrid::CopySelectionToClipboard() {}

// Stands in for the clipboard's PasteSelectionFromClipboard.
void TExStringGrid::PasteSelectionFromClipboard() {}

// Stands in for the form-control editing's ShowControlEditor.
void TExStringGrid::ShowControlEditor(const QString&, const QString&, int, int, int, TRect, const QString&,
                                      const QString&) {}
