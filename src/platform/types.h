#pragma once
// Small value types shared by the whole program: exceptions, geometry and sets.

#include <QString>
#include <QRect>
#include <initializer_list>
#include <stdexcept>
#include <cstdint>

// Root of every error the program raises on purpose; the message is what a user may see.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}
    const QString& Message() const { return FMessage; }
    const char* what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};

class EConvertError : public Exception { using Exception::Exception; };
class EXMLError : public Exception { using Exception::Exception; };
// An index outside a list's items.
class EListError : public Exception { using Exception::Exception; };

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// A rectangle that holds its left/top edge but not its right/bottom edge.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
    static TRect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TPoint Point(int x, int y) { return {x, y}; }

// A set of a plain enumeration with fewer than 64 enumerators.
template <class Enum>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<Enum> items) {
        for (Enum e : items) FBits |= Bit(e);
    }
    constexpr bool Contains(Enum e) const { return (FBits & Bit(e)) != 0; }
    constexpr TSet& Include(Enum e) { FBits |= Bit(e); return *this; }
    constexpr TSet& Exclude(Enum e) { FBits &= ~Bit(e); return *this; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TSet operator+(TSet o) const { TSet r; r.FBits = FBits | o.FBits; return r; }
    constexpr TSet operator-(TSet o) const { TSet r; r.FBits = FBits & ~o.FBits; return r; }
    constexpr TSet operator*(TSet o) const { TSet r; r.FBits = FBits & o.FBits; return r; }
    friend constexpr bool operator==(TSet, TSet) = default;

private:
    static constexpr std::uint64_t Bit(Enum e) { return std::uint64_t(1) << static_cast<unsigned>(e); }
    std::uint64_t FBits = 0;
};
