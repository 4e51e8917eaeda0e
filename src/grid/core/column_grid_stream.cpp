// The column stream: SaveColumnsToStream writes a TExColumnGridIO holding the items,
// LoadColumnsFromStream reads one back (the encoding is told in column_grid.h). Reading
// goes into a collection of its own; Columns take it only once the whole stream was read.

#include "grid/core/column_grid.h"

#include "platform/popup_menu.h"

#include <QtEndian>
#include <functional>

namespace {
enum TValueTag : quint8 {
    vaNull = 0x00, vaList = 0x01, vaInt32 = 0x04, vaIdent = 0x07, vaFalse = 0x08, vaTrue = 0x09, vaNil = 0x0D,
    vaCollection = 0x0E, vaUTF8String = 0x14
};

const QByteArray Signature = QByteArrayLiteral("TPF0");
const QString ClassName = QStringLiteral("TExColumnGridIO");

class TValueWriter {
public:
    QByteArray Bytes;

    void Byte(quint8 b) { Bytes.append(static_cast<char>(b)); }
    void ShortString(const QString& s) {
        const QByteArray latin = s.toLatin1().left(255);
        Byte(static_cast<quint8>(latin.size()));
        Bytes.append(latin);
    }
    void Int32Bytes(qint32 v) {
        char raw[4];
        qToLittleEndian(v, raw);
        Bytes.append(raw, 4);
    }
    void Name(const char* name) { ShortString(QLatin1String(name)); }
    void Int(const char* name, qint32 v) {
        Name(name);
        Byte(vaInt32);
        Int32Bytes(v);
    }
    void Bool(const char* name, bool v) {
        Name(name);
        Byte(v ? vaTrue : vaFalse);
    }
    void Utf8(const QString& s) {
        const QByteArray utf8 = s.toUtf8();
        Byte(vaUTF8String);
        Int32Bytes(static_cast<qint32>(utf8.size()));
        Bytes.append(utf8);
    }
    void String(const char* name, const QString& s) {
        Name(name);
        Utf8(s);
    }
    void List(const char* name, const TStringList& list) {
        Name(name);
        Byte(vaList);
        for (int i = 0; i < list.Count(); ++i) Utf8(list.Strings(i));
        Byte(vaNull);
    }
    void Reference(const char* name, const TComponent* component) {
        Name(name);
        if (!component || component->Name().isEmpty()) {
            Byte(vaNil);
        } else {
            Byte(vaIdent);
            ShortString(component->Name());
        }
    }
};

// Every read checks the bytes left first, so no length in the input makes a read or an
// allocation larger than the input.
class TValueReader {
public:
    explicit TValueReader(const QByteArray& bytes) : FBytes(bytes) {}

    [[noreturn]] static void Fail(const QString& message) { throw EReadError(message); }
    bool AtEnd() const { return FPos >= FBytes.size(); }
    quint8 Byte() {
        Need(1);
        return static_cast<quint8>(FBytes[FPos++]);
    }
    QString ShortString() {
        const int length = Byte();
        Need(length);
        const QString s = QString::fromLatin1(FBytes.constData() + FPos, length);
        FPos += length;
        return s;
    }
    qint32 Int32Bytes() {
        Need(4);
        const qint32 v = qFromLittleEndian<qint32>(FBytes.constData() + FPos);
        FPos += 4;
        return v;
    }
    void Expect(quint8 tag) {
        if (Byte() != tag) Fail(QStringLiteral("Invalid property value"));
    }
    qint32 Int() {
        Expect(vaInt32);
        return Int32Bytes();
    }
    qint32 IntIn(int low, int high) {
        const qint32 v = Int();
        if (v < low || v > high) Fail(QStringLiteral("Invalid property value"));
        return v;
    }
    bool Bool() {
        const quint8 tag = Byte();
        if (tag != vaTrue && tag != vaFalse) Fail(QStringLiteral("Invalid property value"));
        return tag == vaTrue;
    }
    QString Utf8AfterTag() {
        const qint32 length = Int32Bytes();
        if (length < 0) Fail(QStringLiteral("Invalid string length"));
        Need(length);
        const QString s = QString::fromUtf8(FBytes.constData() + FPos, length);
        FPos += length;
        return s;
    }
    QString String() {
        Expect(vaUTF8String);
        return Utf8AfterTag();
    }
    void List(TStringList& list) {
        Expect(vaList);
        list.Clear();
        for (quint8 tag = Byte(); tag != vaNull; tag = Byte()) {
            if (tag != vaUTF8String) Fail(QStringLiteral("Invalid property value"));
            list.Add(Utf8AfterTag());
        }
    }
    // The component name of a reference, empty for nil.
    QString Reference() {
        const quint8 tag = Byte();
        if (tag == vaNil) return QString();
        if (tag != vaIdent) Fail(QStringLiteral("Invalid property value"));
        const QString name = ShortString();
        if (name.isEmpty()) Fail(QStringLiteral("Invalid property value"));
        return name;
    }

private:
    void Need(qint64 count) const {
        if (count > FBytes.size() - FPos) Fail(QStringLiteral("Stream read error"));
    }
    const QByteArray& FBytes;
    qsizetype FPos = 0;
};

template <class Enum, int Count>
qint32 SetBits(TSet<Enum> set) {
    qint32 bits = 0;
    for (int e = 0; e < Count; ++e)
        if (set.Contains(static_cast<Enum>(e))) bits |= 1 << e;
    return bits;
}

template <class Enum, int Count>
TSet<Enum> SetOf(TValueReader& in) {
    const qint32 bits = in.IntIn(0, (1 << Count) - 1);
    TSet<Enum> set;
    for (int e = 0; e < Count; ++e)
        if (bits & (1 << e)) set.Include(static_cast<Enum>(e));
    return set;
}

void WriteFont(TValueWriter& out, const char* name, const TFont& font) {
    const QByteArray prefix = QByteArray(name) + '.';
    out.String((prefix + "Name").constData(), font.Name);
    out.Int((prefix + "Size").constData(), font.Size);
    out.Int((prefix + "Color").constData(), font.Color);
    out.Int((prefix + "Style").constData(), SetBits<TFontStyle, 4>(font.Style));
}

void WritePen(TValueWriter& out, const char* name, const TPen& pen) {
    const QByteArray prefix = QByteArray(name) + '.';
    out.Int((prefix + "Color").constData(), pen.Color);
    out.Int((prefix + "Width").constData(), pen.Width);
    out.Int((prefix + "Style").constData(), pen.Style);
}

// Reads a dotted font or pen property; false when Name is not one of Object's.
bool ReadFontPart(TValueReader& in, const QString& part, TFont& font) {
    if (part == QLatin1String("Name")) font.Name = in.String();
    else if (part == QLatin1String("Size")) font.Size = in.IntIn(-1000, 1000);
    else if (part == QLatin1String("Color")) font.Color = in.Int();
    else if (part == QLatin1String("Style")) font.Style = SetOf<TFontStyle, 4>(in);
    else return false;
    return true;
}

bool ReadPenPart(TValueReader& in, const QString& part, TPen& pen) {
    if (part == QLatin1String("Color")) pen.Color = in.Int();
    else if (part == QLatin1String("Width")) pen.Width = in.IntIn(0, 1000);
    else if (part == QLatin1String("Style")) pen.Style = static_cast<TPenStyle>(in.IntIn(psSolid, psInsideFrame));
    else return false;
    return true;
}
}  // namespace

TExColumnGridIO::TExColumnGridIO(TComponent* AOwner) : TComponent(AOwner) {
    auto* grid = dynamic_cast<TExColumnGrid*>(AOwner);
    if (!grid) throw EConvertError(QStringLiteral("Invalid class typecast"));
    FItems = std::make_unique<TGridColumnCollection>(grid);
}

void TExColumnGrid::SaveColumnsToStream(QIODevice& st) {
    TValueWriter out;
    out.Bytes.append(Signature);
    out.ShortString(ClassName);
    out.ShortString(QString());
    out.Name("Items");
    out.Byte(vaCollection);
    for (int i = 0; i < FColumnCollection->Count(); ++i) {
        const TGridColumnItem* item = FColumnCollection->Items(i);
        out.Byte(vaList);
        out.Int("AutoMinSize", item->AutoMinSize());
        out.Int("AutoMaxSize", item->AutoMaxSize());
        out.Int("Alignment", item->Alignment());
        out.Int("Borders", SetBits<TCellBorder, 4>(item->Borders()));
        WritePen(out, "BorderPen", item->BorderPen());
        out.String("CheckFalse", item->CheckFalse());
        out.String("CheckTrue", item->CheckTrue());
        out.Int("Color", item->Color());
        out.Reference("ColumnPopup", item->ColumnPopup());
        out.Int("ColumnPopupType", item->ColumnPopupType());
        out.List("ComboItems", item->ComboItems());
        out.Int("DropDownCount", item->DropDownCount());
        out.Int("EditLength", item->EditLength());
        // An edit link is known by address only; it is not kept in the stream.
        out.Reference("EditLink", nullptr);
        out.String("EditMask", item->EditMask());
        out.Int("Editor", item->Editor());
        out.List("Filter", item->Filter());
        out.Bool("FilterCaseSensitive", item->FilterCaseSensitive());
        out.Bool("Fixed", item->Fixed());
        out.String("FloatFormat", item->FloatFormat());
        WriteFont(out, "Font", item->Font());
        out.String("Header", item->Header());
        out.Int("HeaderAlignment", item->HeaderAlignment());
        WriteFont(out, "HeaderFont", item->HeaderFont());
        out.Int("MinSize", item->MinSize());
        out.Int("MaxSize", item->MaxSize());
        out.String("Name", item->Name());
        out.Bool("Password", item->Password());
        out.Bool("PrintBorderCustom", item->PrintBorderCustom());
        out.Int("PrintBorders", SetBits<TCellBorder, 4>(item->PrintBorders()));
        WritePen(out, "PrintBorderPen", item->PrintBorderPen());
        out.Int("PrintColor", item->PrintColor());
        out.Bool("PrintFontCustom", item->PrintFontCustom());
        WriteFont(out, "PrintFont", item->PrintFont());
        out.Bool("ReadOnly", item->ReadOnly());
        out.Bool("ShowBands", item->ShowBands());
        out.Int("SortStyle", item->SortStyle());
        out.String("SortPrefix", item->SortPrefix());
        out.String("SortSuffix", item->SortSuffix());
        out.Int("SpinMax", item->SpinMax());
        out.Int("SpinMin", item->SpinMin());
        out.Int("SpinStep", item->SpinStep());
        out.Int("Tag", item->Tag());
        out.Int("Width", item->Width());
        out.Int("DefIdx", item->DefIdx());
        out.Byte(vaNull);
    }
    out.Byte(vaNull);  // end of the collection
    out.Byte(vaNull);  // end of the component's properties
    out.Byte(vaNull);  // end of its children
    st.write(out.Bytes);
}

// A header read from a stream belongs to the item only: the grid's row 0 is not written
// before the whole stream was read.
struct TColumnStreamAccess {
    static void SetHeaderText(TGridColumnItem& item, const QString& text) { item.FColumnHeader = text; }
};

namespace {
TPopupMenu* FindMenu(const TExColumnGrid& grid, const QString& name) {
    if (name.isEmpty()) return nullptr;
    if (auto* own = dynamic_cast<TPopupMenu*>(grid.FindComponent(name))) return own;
    return grid.Owner() ? dynamic_cast<TPopupMenu*>(grid.Owner()->FindComponent(name)) : nullptr;
}

void ReadItemProperty(TValueReader& in, const QString& name, TGridColumnItem& item, int& width,
                      const TExColumnGrid& grid) {
    const int dot = name.indexOf(QLatin1Char('.'));
    if (dot > 0) {
        const QString object = name.left(dot);
        const QString part = name.mid(dot + 1);
        bool known = false;
        auto font = [&](const TFont& current, auto apply) {
            TFont f = current;
            known = ReadFontPart(in, part, f);
            if (known) apply(f);
        };
        auto pen = [&](const TPen& current, auto apply) {
            TPen p = current;
            known = ReadPenPart(in, part, p);
            if (known) apply(p);
        };
        if (object == QLatin1String("Font")) font(item.Font(), [&](const TFont& f) { item.SetFont(f); });
        else if (object == QLatin1String("HeaderFont")) font(item.HeaderFont(), [&](const TFont& f) { item.SetHeaderFont(f); });
        else if (object == QLatin1String("PrintFont")) font(item.PrintFont(), [&](const TFont& f) { item.SetPrintFont(f); });
        else if (object == QLatin1String("BorderPen")) pen(item.BorderPen(), [&](const TPen& p) { item.SetBorderPen(p); });
        else if (object == QLatin1String("PrintBorderPen")) pen(item.PrintBorderPen(), [&](const TPen& p) { item.SetPrintBorderPen(p); });
        if (!known) TValueReader::Fail(QStringLiteral("Property %1 does not exist").arg(name));
        return;
    }
    using Reader = std::function<void()>;
    const std::pair<const char*, Reader> readers[] = {
        {"AutoMinSize", [&] { item.SetAutoMinSize(in.Int()); }},
        {"AutoMaxSize", [&] { item.SetAutoMaxSize(in.Int()); }},
        {"Alignment", [&] { item.SetAlignment(static_cast<TAlignment>(in.IntIn(taLeftJustify, taCenter))); }},
        {"Borders", [&] { item.SetBorders(SetOf<TCellBorder, 4>(in)); }},
        {"CheckFalse", [&] { item.SetCheckFalse(in.String()); }},
        {"CheckTrue", [&] { item.SetCheckTrue(in.String()); }},
        {"Color", [&] { item.SetColor(in.Int()); }},
        {"ColumnPopup", [&] { item.SetColumnPopup(FindMenu(grid, in.Reference())); }},
        {"ColumnPopupType",
         [&] { item.SetColumnPopupType(static_cast<TColumnPopupType>(in.IntIn(cpFixedCellsRClick, cpAllCellsLClick))); }},
        {"ComboItems", [&] { in.List(*item.ComboItems()); }},
        {"DropDownCount", [&] { item.SetDropDownCount(in.Int()); }},
        {"EditLength", [&] { item.SetEditLength(in.Int()); }},
        {"EditLink", [&] { in.Reference(); }},
        {"EditMask", [&] { item.SetEditMask(in.String()); }},
        {"Editor", [&] { item.SetEditor(static_cast<TEditorType>(in.IntIn(edNormal, edMaskEditBtn))); }},
        {"Filter", [&] { in.List(*item.Filter()); }},
        {"FilterCaseSensitive", [&] { item.SetFilterCaseSensitive(in.Bool()); }},
        {"Fixed", [&] { item.SetFixed(in.Bool()); }},
        {"FloatFormat", [&] { item.SetFloatFormat(in.String()); }},
        {"Header", [&] { TColumnStreamAccess::SetHeaderText(item, in.String()); }},
        {"HeaderAlignment", [&] { item.SetHeaderAlignment(static_cast<TAlignment>(in.IntIn(taLeftJustify, taCenter))); }},
        {"MinSize", [&] { item.SetMinSize(in.Int()); }},
        {"MaxSize", [&] { item.SetMaxSize(in.Int()); }},
        {"Name", [&] { item.SetName(in.String()); }},
        {"Password", [&] { item.SetPassword(in.Bool()); }},
        {"PrintBorderCustom", [&] { item.SetPrintBorderCustom(in.Bool()); }},
        {"PrintBorders", [&] { item.SetPrintBorders(SetOf<TCellBorder, 4>(in)); }},
        {"PrintColor", [&] { item.SetPrintColor(in.Int()); }},
        {"PrintFontCustom", [&] { item.SetPrintFontCustom(in.Bool()); }},
        {"ReadOnly", [&] { item.SetReadOnly(in.Bool()); }},
        {"ShowBands", [&] { item.SetShowBands(in.Bool()); }},
        {"SortStyle", [&] { item.SetSortStyle(static_cast<TSortStyle>(in.IntIn(ssAutomatic, ssAlphaNumericNoCase))); }},
        {"SortPrefix", [&] { item.SetSortPrefix(in.String()); }},
        {"SortSuffix", [&] { item.SetSortSuffix(in.String()); }},
        {"SpinMax", [&] { item.SetSpinMax(in.Int()); }},
        {"SpinMin", [&] { item.SetSpinMin(in.Int()); }},
        {"SpinStep", [&] { item.SetSpinStep(in.Int()); }},
        {"Tag", [&] { item.SetTag(in.Int()); }},
        {"Width", [&] { width = in.IntIn(0, 32767); }},
        {"DefIdx", [&] { item.SetDefIdx(in.Int()); }},
    };
    for (const auto& [property, read] : readers) {
        if (name == QLatin1String(property)) {
            read();
            return;
        }
    }
    TValueReader::Fail(QStringLiteral("Property %1 does not exist").arg(name));
}
}  // namespace

void TExColumnGrid::LoadColumnsFromStream(QIODevice& st) {
    const QByteArray bytes = st.readAll();
    TValueReader in(bytes);
    if (bytes.left(Signature.size()) != Signature) TValueReader::Fail(QStringLiteral("Invalid stream format"));
    for (int i = 0; i < Signature.size(); ++i) in.Byte();
    if (in.ShortString() != ClassName) TValueReader::Fail(QStringLiteral("Invalid stream format"));
    in.ShortString();  // the component's name, empty as written

    TExColumnGridIO io(this);
    io.Items()->FNoRecursiveUpdate = true;
    std::vector<int> widths;
    bool sawItems = false;
    for (QString property = in.ShortString(); !property.isEmpty(); property = in.ShortString()) {
        if (property != QLatin1String("Items") || sawItems)
            TValueReader::Fail(QStringLiteral("Property %1 does not exist").arg(property));
        sawItems = true;
        in.Expect(vaCollection);
        for (quint8 tag = in.Byte(); tag != vaNull; tag = in.Byte()) {
            if (tag != vaList) TValueReader::Fail(QStringLiteral("Invalid property value"));
            TGridColumnItem* item = static_cast<TGridColumnItem*>(io.Items()->TCollection::Add());
            int width = -1;
            for (QString name = in.ShortString(); !name.isEmpty(); name = in.ShortString())
                ReadItemProperty(in, name, *item, width, *this);
            widths.push_back(width);
        }
    }
    in.Expect(vaNull);  // end of the children

    const bool suppressed = FColumnCollection->FNoRecursiveUpdate;
    FColumnCollection->FNoRecursiveUpdate = true;
    FColumnCollection->Assign(io.Items());
    SyncColumns();
    // Assign leaves out the pop-up type and the two print switches; the stream keeps them.
    for (int i = 0; i < FColumnCollection->Count() && i < io.Items()->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        const TGridColumnItem* read = io.Items()->Items(i);
        item->SetColumnPopupType(read->ColumnPopupType());
        item->SetPrintBorderCustom(read->PrintBorderCustom());
        item->SetPrintFontCustom(read->PrintFontCustom());
        if (widths[i] >= 0) item->SetWidth(widths[i]);
    }
    FColumnCollection->FNoRecursiveUpdate = suppressed;
    InvalidateGrid();
}
