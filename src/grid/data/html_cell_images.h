#pragma once
// The HTML content of a cell with its pictures written as files (html_image_files.h):
// bitmaps and pictures after the text, image-list entries before it, a data image in
// place of its index text, a ctInterface cell drawn through its interface into a
// picture. Content alone without HTMLSettings' ExportImages or without a folder.

#include <QString>

class TExStringGrid;
class THtmlImageFiles;

// ACol is the storage column; Saved the cell's saved text, Content its HTML so far.
QString HTMLCellWithImages(TExStringGrid& Grid, int ACol, int ARow, const QString& Saved, const QString& Content,
                           THtmlImageFiles& Images);
