#pragma once
// One axis of a grid (its rows or its columns): count, fixed count, sizes and the first
// scrolled line. Written once and used twice, so rows and columns follow the same rules.

#include <vector>

class TGridAxis {
public:
    explicit TGridAxis(int count, int fixed, int defaultSize);

    int Count() const { return FCount; }
    // Sizes of new lines take the default; lines that go keep no size.
    void SetCount(int value);
    int Fixed() const { return FFixed; }
    void SetFixed(int value) { FFixed = value; }
    int DefaultSize() const { return FDefaultSize; }
    // Every line takes the new default size, as the lines the grid creates do.
    void SetDefaultSize(int value);
    int Size(int index) const;
    void SetSize(int index, int value);
    int First() const { return FFirst; }
    void SetFirst(int value) { FFirst = value; }

    // Sum of the sizes of lines [from, to).
    int Extent(int from, int to) const;
    int FixedExtent() const { return Extent(0, FFixed); }
    // Lines from First that fit fully into the room after the fixed lines (at least 1
    // when any scrolling line exists), the grid's VisibleColCount / VisibleRowCount.
    int VisibleCount(int clientExtent) const;
    // Largest First that still shows the last line in full.
    int MaxFirst(int clientExtent) const;
    // The First nearest to the current one that shows the scrolled line index in full
    // (index itself when the line is larger than the room). Walks back from index over
    // the lines that fit only, so a jump across many lines costs no more than the view.
    int FirstShowing(int index, int clientExtent) const;
    // The pixels [start, end) that the lines from..to (inclusive) take on the screen;
    // false when none of them is on it. Costs no more than the lines shown, however many
    // lines the range holds and however far away they are.
    bool ScreenSpan(int from, int to, int clientExtent, int& start, int& end) const;
    // Position of a line's leading edge on the screen, or -1 when it is scrolled away.
    int LinePosition(int index, int clientExtent) const;
    // The line under a screen position, or -1.
    int LineAt(int position, int clientExtent) const;

    // Lines move with their sizes.
    void InsertLines(int index, int count);
    void DeleteLines(int index, int count);
    void MoveLine(int fromIndex, int toIndex);
    // Many lines at once, one pass each (indexes ascending and distinct): the sizes of
    // the lines taken out, in that order; and lines put back at their final indexes.
    std::vector<int> TakeLines(const std::vector<int>& ascendingIndexes);
    void PutLines(const std::vector<int>& ascendingPositions, std::vector<int> sizes);

private:
    int FCount;
    int FFixed;
    int FDefaultSize;
    int FFirst;
    std::vector<int> FSizes;
};
