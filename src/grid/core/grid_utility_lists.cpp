#include "grid/core/grid_utility_lists.h"

#include "platform/control.h"
#include "platform/file_system.h"

#include <QFile>
#include <climits>

namespace {

constexpr int kDescendingBit = INT_MIN;  // bit 31
constexpr int kColumnBits = INT_MAX;     // bits 0 to 30

// The value of the leading integer of text: blanks and a sign may lead, reading stops
// at the first character that is not a digit (0 when there is none).
int LeadingInteger(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        const long long next = value * 10 + (text[i].unicode() - u'0');
        if (next > INT_MAX) break;
        value = next;
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

// ---- TIntList ----

TIntList::TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}

void TIntList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count()) throw Exception(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

void TIntList::Changed() {
    if (OnChange) OnChange(this, FCol, FRow);
}

int TIntList::GetInteger(int Index) const {
    CheckIndex(Index);
    return FItems[static_cast<std::size_t>(Index)];
}

void TIntList::SetInteger(int Index, int Value) {
    CheckIndex(Index);
    FItems[static_cast<std::size_t>(Index)] = Value;
    Changed();
}

int TIntList::Add(int Value) {
    FItems.push_back(Value);
    Changed();
    return Count() - 1;
}

void TIntList::Insert(int Index, int Value) {
    if (Index < 0 || Index > Count()) throw Exception(QStringLiteral("List index out of bounds (%1)").arg(Index));
    FItems.insert(FItems.begin() + Index, Value);
}

void TIntList::Delete(int Index) {
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TIntList::InsertRange(int Index, int Count, int Value) {
    if (Count <= 0) return;
    if (Index < 0 || Index > this->Count()) throw Exception(QStringLiteral("List index out of bounds (%1)").arg(Index));
    FItems.insert(FItems.begin() + Index, std::size_t(Count), Value);
}

void TIntList::DeleteIndexes(const std::vector<int>& AscendingIndexes) {
    if (AscendingIndexes.empty()) return;
    // A block of indexes is one erase.
    const int first = AscendingIndexes.front();
    if (AscendingIndexes.back() - first + 1 == int(AscendingIndexes.size())) {
        if (first >= Count()) return;
        FItems.erase(FItems.begin() + first, FItems.begin() + std::min(Count(), AscendingIndexes.back() + 1));
        return;
    }
    std::size_t next = 0;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        while (next < AscendingIndexes.size() && AscendingIndexes[next] < int(i)) ++next;
        if (next < AscendingIndexes.size() && AscendingIndexes[next] == int(i)) continue;
        FItems[kept++] = FItems[i];
    }
    FItems.resize(kept);
}

void TIntList::DeleteValue(int Value) {
    const int index = IndexOf(Value);
    if (index >= 0) Delete(index);
}

int TIntList::IndexOf(int Value) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[static_cast<std::size_t>(i)] == Value) return i;
    return -1;
}

QString TIntList::StrValue() const {
    QStringList parts;
    for (int value : FItems) parts << QString::number(value);
    return parts.join(QLatin1Char(','));
}

void TIntList::SetStrValue(const QString& Value) {
    TStringList parts;
    parts.SetCommaText(Value);
    FItems.clear();
    for (int i = 0; i < parts.Count(); ++i) {
        bool ok = false;
        const int number = parts[i].toInt(&ok);
        if (!ok) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(parts[i]));
        Add(number);
    }
}

// ---- TSortIndexList ----

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending) {
    Add(Ascending ? ColumnIndex : (ColumnIndex | kDescendingBit));
}

int TSortIndexList::FindIndex(int ColumnIndex) const {
    for (int i = 0; i < Count(); ++i)
        if ((FItems[static_cast<std::size_t>(i)] & kColumnBits) == ColumnIndex) return i;
    return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex) {
    const int i = FindIndex(ColumnIndex);
    if (i >= 0) SetInteger(i, GetInteger(i) ^ kDescendingBit);
}

int TSortIndexList::SortColumns(int i) const { return GetInteger(i) & kColumnBits; }

void TSortIndexList::SetSortColumns(int i, int Value) {
    SetInteger(i, (GetInteger(i) & kDescendingBit) | (Value & kColumnBits));
}

bool TSortIndexList::SortDirections(int i) const { return (GetInteger(i) & kDescendingBit) != 0; }

void TSortIndexList::SetSortDirections(int i, bool Value) {
    SetInteger(i, Value ? (GetInteger(i) & kColumnBits) : (GetInteger(i) | kDescendingBit));
}

QString TSortIndexList::SaveToString() const {
    QStringList parts;
    for (int entry : FItems)
        parts << (entry & kDescendingBit ? QLatin1String("d") : QLatin1String("u")) + QString::number(entry & 0xFFFF);
    return parts.join(QLatin1Char(';'));
}

void TSortIndexList::LoadFromString(QString s) {
    Clear();
    while (!s.isEmpty()) {
        const qsizetype end = s.indexOf(QLatin1Char(';'));
        const QString part = end < 0 ? s : s.left(end);
        s.remove(0, end < 0 ? s.size() : end + 1);
        if (part.size() < 2) continue;
        AddIndex(LeadingInteger(part.mid(1)), part[0] == QLatin1Char('u'));
    }
}

// ---- TFileStringList ----

void TFileStringList::Reset() {
    fp = 0;
    cache.clear();
}

void TFileStringList::ReadLn(QString& s) {
    s = Strings(fp);
    ++fp;
}

void TFileStringList::WriteLn(const QString& s) {
    Add(cache + s);
    cache.clear();
}

void TFileStringList::LoadFromFile(const QString& FileName) {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(FileName, file.errorString()));
    SetText(QString::fromUtf8(file.readAll()));
}

void TFileStringList::SaveToFile(const QString& FileName) const {
    if (!WriteFileAtomically(FileName, Text().toUtf8()))
        throw Exception(QStringLiteral("Cannot create file \"%1\"").arg(FileName));
}

// ---- TControlList ----

void TControlList::AddControl(int X, int Y, TControl* AObject) {
    FItems.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const {
    for (int i = 0; i < Count(); ++i) {
        const TControlItem& item = *FItems[static_cast<std::size_t>(i)];
        if (item.X() == X && item.Y() == Y) return i;
    }
    return -1;
}

TControlItem* TControlList::Control(int i) const {
    if (i < 0 || i >= Count()) throw Exception(QStringLiteral("List index out of bounds (%1)").arg(i));
    return FItems[static_cast<std::size_t>(i)].get();
}

void TControlList::RemoveControl(int i) {
    Control(i);  // checks the index
    FItems.erase(FItems.begin() + i);
}

bool TControlList::HasHandle(const QWidget* Handle) const {
    for (const auto& item : FItems)
        if (item->Control() && item->Control()->Widget() == Handle) return true;
    return false;
}

// ---- TFilePicture ----

void TFilePicture::SetFilename(const QString& Value) {
    FFilename = Value;
    TPicture scratch;
    scratch.LoadFromFile(Value);
    FWidth = scratch.Width();
    FHeight = scratch.Height();
}

void TFilePicture::DrawPicture(TCanvas& Canvas, const TRect& r) const {
    if (FFilename.isEmpty()) return;
    TPicture scratch;
    scratch.LoadFromFile(FFilename);
    scratch.StretchDraw(Canvas, r);
}

void TFilePicture::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TFilePicture*>(Source);
    if (!source) return;
    FFilename = source->FFilename;
    FWidth = source->FWidth;
    FHeight = source->FHeight;
}
