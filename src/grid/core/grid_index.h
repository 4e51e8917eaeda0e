#pragma once
// Distinct index types for the two ways a grid names a row or column: the real index
// (the place in the full table, hidden lines counted) and the displayed index (what the
// view shows and what Col, Row, ColCount and RowCount count). Members that take one kind
// say so in their signature, so passing a displayed column where a real one belongs
// does not compile. The constructors are explicit: a plain int never becomes either kind
// by accident.

#include <compare>

struct RealCol {
    int v = 0;
    RealCol() = default;
    explicit constexpr RealCol(int value) : v(value) {}
    friend constexpr auto operator<=>(RealCol, RealCol) = default;
};

struct DisplCol {
    int v = 0;
    DisplCol() = default;
    explicit constexpr DisplCol(int value) : v(value) {}
    friend constexpr auto operator<=>(DisplCol, DisplCol) = default;
};

struct RealRow {
    int v = 0;
    RealRow() = default;
    explicit constexpr RealRow(int value) : v(value) {}
    friend constexpr auto operator<=>(RealRow, RealRow) = default;
};

struct DisplRow {
    int v = 0;
    DisplRow() = default;
    explicit constexpr DisplRow(int value) : v(value) {}
    friend constexpr auto operator<=>(DisplRow, DisplRow) = default;
};
