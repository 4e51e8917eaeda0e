#pragma once
// Small containers the grid keeps for its bookkeeping and its import and export:
// integer lists with a change notice (hidden rows, column order, selected cells,
// image indexes of a cell), the sort column list, a line-by-line file list, the
// controls placed in cells and a picture known only by its file name.

#include "platform/canvas.h"
#include "platform/component.h"
#include "platform/picture.h"
#include "platform/string_list.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TControl;
class QWidget;

// Tells the owner of an integer list which cell's list changed.
using TImageChangeEvent = std::function<void(TObject* Sender, int Acol, int Arow)>;

// A list of signed 32-bit integers belonging to one cell (FCol, FRow). SetInteger, Add
// and Delete (so DeleteValue) fire OnChange after the change; Insert and Clear do not.
class TIntList : public TObject {
public:
    TIntList(int Col, int Row);

    int Count() const { return static_cast<int>(FItems.size()); }
    int Items(int Index) const { return GetInteger(Index); }
    void SetItems(int Index, int Value) { SetInteger(Index, Value); }
    int GetInteger(int Index) const;
    void SetInteger(int Index, int Value);
    int Add(int Value);
    void Insert(int Index, int Value);
    void Delete(int Index);
    void DeleteValue(int Value);
    // Bulk forms for the grid's row lists, one pass each and no change notice:
    // Count entries Value at Index, and the entries at the ascending, distinct indexes
    // (those beyond the list are skipped).
    void InsertRange(int Index, int Count, int Value);
    void DeleteIndexes(const std::vector<int>& AscendingIndexes);
    bool HasValue(int Value) const { return IndexOf(Value) >= 0; }
    int IndexOf(int Value) const;
    void Clear() { FItems.clear(); }

    // "3,-1,12"; written like a comma text (commas or blanks between parts, quoted
    // parts whole). A part that is no integer raises EConvertError; the parts before
    // it stay added.
    QString StrValue() const;
    void SetStrValue(const QString& Value);

    int Col() const { return FCol; }
    int Row() const { return FRow; }

    TImageChangeEvent OnChange;

protected:
    void Changed();
    void CheckIndex(int Index) const;

    std::vector<int> FItems;
    int FCol;
    int FRow;
};

// Sort columns: an entry holds the column in bits 0 to 30 and, in bit 31, the
// direction (clear ascending, set descending).
class TSortIndexList : public TIntList {
public:
    TSortIndexList() : TIntList(0, 0) {}

    void AddIndex(int ColumnIndex, bool Ascending);
    int FindIndex(int ColumnIndex) const;
    void ToggleIndex(int ColumnIndex);
    int SortColumns(int i) const;
    void SetSortColumns(int i, int Value);
    // Reads true for descending but writing true makes the entry ascending: callers
    // of both directions rely on these opposite senses.
    bool SortDirections(int i) const;
    void SetSortDirections(int i, bool Value);

    // "u3;d0": u ascending, d descending, then the column modulo 65536.
    QString SaveToString() const;
    // Parts shorter than two characters are skipped; only a lower-case "u" is ascending.
    void LoadFromString(QString s);
};

// A string list read line by line through a cursor and written with a pending
// partial line (Write appends to it, WriteLn ends it).
class TFileStringList : public TStringList {
public:
    void Reset();
    bool Eof() const { return fp >= Count(); }
    // Raises the list's index error when read at Eof.
    void ReadLn(QString& s);
    void Write(const QString& s) { cache += s; }
    void WriteLn(const QString& s);

    // Lines as UTF-8 text; the pending partial line is not saved. Loading raises
    // Exception when the file cannot be read, saving when it cannot be written.
    void LoadFromFile(const QString& FileName);
    void SaveToFile(const QString& FileName) const;

private:
    int fp = 0;
    QString cache;
};

// A control embedded in the cell (X, Y) = (column, real row); the control is not owned.
class TControlItem : public TObject {
public:
    TControlItem(int AX, int AY, TControl* AObject) : FX(AX), FY(AY), FObject(AObject) {}
    int X() const { return FX; }
    int Y() const { return FY; }
    TControl* Control() const { return FObject; }

private:
    int FX;
    int FY;
    TControl* FObject;
};

// The items are owned by the list, their controls are not.
class TControlList : public TObject {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    void AddControl(int X, int Y, TControl* AObject);
    int ControlIndex(int X, int Y) const;
    TControlItem* Control(int i) const;
    void RemoveControl(int i);
    // True when an item's control is the window Handle.
    bool HasHandle(const QWidget* Handle) const;

private:
    std::vector<std::unique_ptr<TControlItem>> FItems;
};

// A picture known by its file name; the file is read each time the picture is measured
// or drawn, so that many file-picture cells keep no picture in memory.
class TFilePicture : public TObject {
public:
    const QString& Filename() const { return FFilename; }
    // Stores the name and takes the picture's size; a file that cannot be loaded raises
    // EInvalidGraphic, the name then stays set and the size keeps its old value.
    void SetFilename(const QString& Value);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Draws the picture stretched into r; nothing without a file name.
    void DrawPicture(TCanvas& Canvas, const TRect& r) const;
    // Copies name and size without loading; other sources are ignored.
    void Assign(const TObject* Source);

private:
    QString FFilename;
    int FWidth = 0;
    int FHeight = 0;
};
