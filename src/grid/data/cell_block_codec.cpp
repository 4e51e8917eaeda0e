#include "grid/data/cell_block_codec.h"

#include "grid/core/cell_graphic.h"
#include "grid/core/grid_enumerations.h"
#include "platform/alignment.h"
#include "platform/canvas.h"

#include <QtEndian>
#include <cstring>
#include <functional>
#include <limits>

// Sections: the writer (records with their non-default properties), the reader (a
// cursor over the bytes and one generic record), then per IO class its properties in
// stream order, written and read by the same table so the two cannot drift apart.

namespace {

constexpr char kSignature[4] = {'E', 'X', 'G', 'C'};
constexpr quint16 kVersion = 1;
enum TValueType : quint8 { vtInteger = 1, vtBoolean = 2, vtText = 3, vtDouble = 4, vtBytes = 5 };

// ---- writer ------------------------------------------------------------------------------

class TRecordWriter {
public:
    explicit TRecordWriter(QByteArray& Out) : FOut(Out) {}

    void Integer(const char* Name, qint32 Value, qint32 Default) {
        if (Value == Default) return;
        Name_(Name, vtInteger);
        Put32(quint32(Value));
    }
    void Boolean(const char* Name, bool Value, bool Default) {
        if (Value == Default) return;
        Name_(Name, vtBoolean);
        FProps.append(char(Value ? 1 : 0));
    }
    void Text(const char* Name, const QString& Value) {
        if (Value.isEmpty()) return;
        Name_(Name, vtText);
        const QByteArray utf8 = Value.toUtf8();
        Put32(quint32(utf8.size()));
        FProps += utf8;
    }
    void Double(const char* Name, double Value) {
        if (Value == 0) return;
        Name_(Name, vtDouble);
        quint64 bits = 0;
        std::memcpy(&bits, &Value, sizeof bits);
        char raw[8];
        qToLittleEndian<quint64>(bits, raw);
        FProps.append(raw, 8);
    }
    void Bytes(const char* Name, const QByteArray& Value) {
        if (Value.isEmpty()) return;
        Name_(Name, vtBytes);
        Put32(quint32(Value.size()));
        FProps += Value;
    }
    // Writes the record with the properties given since the last call.
    void Flush(const char* ClassName) {
        FOut.append('R');
        FOut.append(char(std::strlen(ClassName)));
        FOut.append(ClassName);
        char count[2];
        qToLittleEndian<quint16>(FCount, count);
        FOut.append(count, 2);
        FOut += FProps;
        FProps.clear();
        FCount = 0;
    }

private:
    void Name_(const char* Name, TValueType Type) {
        FProps.append(char(std::strlen(Name)));
        FProps.append(Name);
        FProps.append(char(Type));
        ++FCount;
    }
    void Put32(quint32 Value) {
        char raw[4];
        qToLittleEndian<quint32>(Value, raw);
        FProps.append(raw, 4);
    }
    QByteArray& FOut;
    QByteArray FProps;
    quint16 FCount = 0;
};

// ---- reader ------------------------------------------------------------------------------

struct TValue {
    TValueType Type = vtInteger;
    qint32 Integer = 0;
    bool Boolean = false;
    QString Text;
    double Double = 0;
    QByteArray Bytes;
};

struct TRecord {
    QByteArray ClassName;
    std::vector<std::pair<QByteArray, TValue>> Properties;
};

class TByteCursor {
public:
    explicit TByteCursor(const QByteArray& Bytes) : FData(Bytes) {}
    bool AtEnd() const { return FPos == FData.size(); }
    bool Take(qsizetype Count, const char*& Out) {
        if (Count < 0 || Count > FData.size() - FPos) return false;
        Out = FData.constData() + FPos;
        FPos += Count;
        return true;
    }
    bool U8(quint8& Value) {
        const char* p = nullptr;
        if (!Take(1, p)) return false;
        Value = quint8(*p);
        return true;
    }
    bool U16(quint16& Value) {
        const char* p = nullptr;
        if (!Take(2, p)) return false;
        Value = qFromLittleEndian<quint16>(p);
        return true;
    }
    bool U32(quint32& Value) {
        const char* p = nullptr;
        if (!Take(4, p)) return false;
        Value = qFromLittleEndian<quint32>(p);
        return true;
    }
    bool ShortName(QByteArray& Name) {
        quint8 length = 0;
        const char* p = nullptr;
        if (!U8(length) || !Take(length, p)) return false;
        Name = QByteArray(p, length);
        return true;
    }
    bool Sized(QByteArray& Out) {
        quint32 length = 0;
        const char* p = nullptr;
        if (!U32(length) || !Take(qsizetype(length), p)) return false;
        Out = QByteArray(p, qsizetype(length));
        return true;
    }

private:
    const QByteArray& FData;
    qsizetype FPos = 0;
};

bool ReadValue(TByteCursor& Cursor, TValue& Value) {
    quint8 type = 0;
    if (!Cursor.U8(type)) return false;
    Value.Type = TValueType(type);
    switch (type) {
    case vtInteger: {
        quint32 raw = 0;
        if (!Cursor.U32(raw)) return false;
        Value.Integer = qint32(raw);
        return true;
    }
    case vtBoolean: {
        quint8 raw = 0;
        if (!Cursor.U8(raw) || raw > 1) return false;
        Value.Boolean = raw == 1;
        return true;
    }
    case vtText: {
        QByteArray utf8;
        if (!Cursor.Sized(utf8)) return false;
        Value.Text = QString::fromUtf8(utf8);
        return true;
    }
    case vtDouble: {
        const char* p = nullptr;
        if (!Cursor.Take(8, p)) return false;
        const quint64 bits = qFromLittleEndian<quint64>(p);
        std::memcpy(&Value.Double, &bits, sizeof bits);
        return true;
    }
    case vtBytes: return Cursor.Sized(Value.Bytes);
    default: return false;
    }
}

bool ReadRecord(TByteCursor& Cursor, TRecord& Record) {
    quint8 mark = 0;
    quint16 count = 0;
    if (!Cursor.U8(mark) || mark != 'R' || !Cursor.ShortName(Record.ClassName) || !Cursor.U16(count)) return false;
    Record.Properties.clear();
    for (quint16 i = 0; i < count; ++i) {
        QByteArray name;
        TValue value;
        if (!Cursor.ShortName(name) || !ReadValue(Cursor, value)) return false;
        Record.Properties.emplace_back(std::move(name), std::move(value));
    }
    return true;
}

// ---- the IO classes' properties ------------------------------------------------------------

// One property of a record: how it is written and how a read value is taken. Integer
// properties carry their range.
template <class Io>
struct TProperty {
    const char* Name;
    std::function<void(TRecordWriter&, const Io&)> Write;
    std::function<bool(const TValue&, Io&)> Read;
};

template <class Io>
TProperty<Io> IntegerProperty(const char* Name, qint32 Io::*Field, qint32 Min, qint32 Max) {
    return {Name, [=](TRecordWriter& w, const Io& io) { w.Integer(Name, io.*Field, Io{}.*Field); },
            [=](const TValue& v, Io& io) {
                if (v.Type != vtInteger || v.Integer < Min || v.Integer > Max) return false;
                io.*Field = v.Integer;
                return true;
            }};
}
template <class Io>
TProperty<Io> BooleanProperty(const char* Name, bool Io::*Field) {
    return {Name, [=](TRecordWriter& w, const Io& io) { w.Boolean(Name, io.*Field, Io{}.*Field); },
            [=](const TValue& v, Io& io) {
                if (v.Type != vtBoolean) return false;
                io.*Field = v.Boolean;
                return true;
            }};
}
template <class Io>
TProperty<Io> TextProperty(const char* Name, QString Io::*Field) {
    return {Name, [=](TRecordWriter& w, const Io& io) { w.Text(Name, io.*Field); },
            [=](const TValue& v, Io& io) {
                if (v.Type != vtText) return false;
                io.*Field = v.Text;
                return true;
            }};
}

constexpr qint32 kAnyInteger = std::numeric_limits<qint32>::max();
constexpr qint32 kNoInteger = std::numeric_limits<qint32>::min();

const std::vector<TProperty<TGridPropIO>>& HeaderProperties() {
    static const std::vector<TProperty<TGridPropIO>> properties{
        IntegerProperty("ColCount", &TGridPropIO::ColCount, 0, kAnyInteger),
        IntegerProperty("RowCount", &TGridPropIO::RowCount, 0, kAnyInteger),
        TextProperty("ColWidths", &TGridPropIO::ColWidths),
        TextProperty("RowHeights", &TGridPropIO::RowHeights),
        BooleanProperty("FullGrid", &TGridPropIO::FullGrid),
        IntegerProperty("ID", &TGridPropIO::ID, kNoInteger, kAnyInteger),
    };
    return properties;
}

const std::vector<TProperty<TGridCellIO>>& CellProperties() {
    static const std::vector<TProperty<TGridCellIO>> properties{
        IntegerProperty("Col", &TGridCellIO::Col, 0, kAnyInteger),
        IntegerProperty("Row", &TGridCellIO::Row, 0, kAnyInteger),
        TextProperty("Cell", &TGridCellIO::Cell),
    };
    return properties;
}

const std::vector<TProperty<TGridCellPropIO>>& CellPropProperties() {
    using P = TGridCellPropIO;
    static const std::vector<TProperty<P>> properties{
        BooleanProperty("CellProperties.IsBaseCell", &P::IsBaseCell),
        IntegerProperty("CellProperties.CellSpanX", &P::CellSpanX, -1, kAnyInteger),
        IntegerProperty("CellProperties.CellSpanY", &P::CellSpanY, -1, kAnyInteger),
        IntegerProperty("CellProperties.Alignment", &P::Alignment, taLeftJustify, taCenter),
        IntegerProperty("CellProperties.BorderColor", &P::BorderColor, kNoInteger, kAnyInteger),
        IntegerProperty("CellProperties.BorderWidth", &P::BorderWidth, 0, 1000),
        IntegerProperty("CellProperties.BrushColor", &P::BrushColor, kNoInteger, kAnyInteger),
        IntegerProperty("CellProperties.BrushColorTo", &P::BrushColorTo, kNoInteger, kAnyInteger),
        IntegerProperty("CellProperties.BrushStyle", &P::BrushStyle, bsSolid, bsDiagCross),
        IntegerProperty("CellProperties.FontColor", &P::FontColor, kNoInteger, kAnyInteger),
        TextProperty("CellProperties.FontName", &P::FontName),
        IntegerProperty("CellProperties.FontSize", &P::FontSize, 0, 1000),
        IntegerProperty("CellProperties.FontStyle", &P::FontStyle, 0, 15),
        IntegerProperty("CellProperties.Editor", &P::Editor, edNormal, edMaskEditBtn),
        IntegerProperty("CellProperties.GradientDirection", &P::GradientDirection, GradientVertical,
                        GradientHorizontal),
        BooleanProperty("CellProperties.ReadOnly", &P::ReadOnly),
        IntegerProperty("CellProperties.VAlignment", &P::VAlignment, vtaTop, vtaBottom),
        BooleanProperty("CellProperties.WordWrap", &P::WordWrap),
        IntegerProperty("CellProperties.NodeLevel", &P::NodeLevel, 0, kAnyInteger),
    };
    return properties;
}

const std::vector<TProperty<TGridGraphicIO>>& GraphicProperties() {
    using G = TGridGraphicIO;
    static const std::vector<TProperty<G>> properties{
        IntegerProperty("CellGraphic.CellType", &G::CellType, ctBitmap, ctExpand),
        IntegerProperty("CellGraphic.CellVAlign", &G::CellVAlign, vaTop, vaFull),
        IntegerProperty("CellGraphic.CellHAlign", &G::CellHAlign, haLeft, haFull),
        IntegerProperty("CellGraphic.CellIndex", &G::CellIndex, kNoInteger, kAnyInteger),
        BooleanProperty("CellGraphic.CellTransparent", &G::CellTransparent),
        BooleanProperty("CellGraphic.CellCreated", &G::CellCreated),
        BooleanProperty("CellGraphic.CellBoolean", &G::CellBoolean),
        IntegerProperty("CellGraphic.CellCheckBoxState", &G::CellCheckBoxState, cbUnchecked, cbGrayed),
        IntegerProperty("CellGraphic.CellAngle", &G::CellAngle, kNoInteger, kAnyInteger),
        {"CellGraphic.CellValue", [](TRecordWriter& w, const G& io) { w.Double("CellGraphic.CellValue", io.CellValue); },
         [](const TValue& v, G& io) {
             if (v.Type != vtDouble) return false;
             io.CellValue = v.Double;
             return true;
         }},
        IntegerProperty("CellGraphic.CellErrFrom", &G::CellErrFrom, kNoInteger, kAnyInteger),
        IntegerProperty("CellGraphic.CellErrLen", &G::CellErrLen, kNoInteger, kAnyInteger),
        TextProperty("CellGraphic.CellText", &G::CellText),
    };
    return properties;
}

template <class Io>
void WriteRecord(TRecordWriter& Writer, const std::vector<TProperty<Io>>& Properties, const Io& Value) {
    for (const TProperty<Io>& p : Properties) p.Write(Writer, Value);
}

// Fills Value from the record's properties; false for an unknown or ill-typed one.
template <class Io>
bool TakeProperties(const TRecord& Record, const std::vector<TProperty<Io>>& Properties, Io& Value,
                    const std::function<bool(const QByteArray&, const TValue&, Io&)>& Extra = {}) {
    for (const auto& [name, value] : Record.Properties) {
        bool known = false;
        for (const TProperty<Io>& p : Properties) {
            if (name != p.Name) continue;
            if (!p.Read(value, Value)) return false;
            known = true;
            break;
        }
        if (!known && !(Extra && Extra(name, value, Value))) return false;
    }
    return true;
}

// The object records: the picture or the text list of a graphic.
const char* ObjectClassName(TGraphicObjectKind Kind, qint32 CellType) {
    if (Kind == TGraphicObjectKind::Strings) return "TGridSLIO";
    if (CellType == ctIcon) return "TGridIconIO";
    if (CellType == ctPicture) return "TGridPicIO";
    return "TGridBMPIO";
}

}  // namespace

TGraphicObjectKind GraphicObjectKindOf(qint32 CellType) {
    switch (CellType) {
    case ctBitmap:
    case ctBitButton:
    case ctIcon:
    case ctPicture: return TGraphicObjectKind::Picture;
    case ctRadio:
    case ctImages: return TGraphicObjectKind::Strings;
    default: return TGraphicObjectKind::None;
    }
}

QByteArray EncodeCellBlock(const TCellBlock& Block) {
    QByteArray out(kSignature, 4);
    char version[2];
    qToLittleEndian<quint16>(kVersion, version);
    out.append(version, 2);
    TRecordWriter writer(out);
    WriteRecord(writer, HeaderProperties(), Block.Header);
    writer.Flush("TGridPropIO");
    for (const TGridCellIO& cell : Block.Cells) {
        WriteRecord(writer, CellProperties(), cell);
        writer.Boolean("HasProp", cell.Properties.has_value(), false);
        writer.Flush("TGridCellIO");
        if (!cell.Properties) continue;
        const TGridCellPropIO& props = *cell.Properties;
        WriteRecord(writer, CellPropProperties(), props);
        writer.Boolean("HasGraphic", props.Graphic.has_value(), false);
        writer.Flush("TGridCellPropIO");
        if (!props.Graphic) continue;
        const TGridGraphicIO& graphic = *props.Graphic;
        WriteRecord(writer, GraphicProperties(), graphic);
        writer.Flush("TGridGraphicIO");
        const TGraphicObjectKind kind = GraphicObjectKindOf(graphic.CellType);
        if (kind == TGraphicObjectKind::None) continue;
        const TGridGraphicObjectIO object = graphic.Object.value_or(TGridGraphicObjectIO{});
        if (kind == TGraphicObjectKind::Strings)
            writer.Text("Strings", object.Strings.join(QLatin1Char('\n')));
        else
            writer.Bytes("Picture", object.Png);
        writer.Flush(ObjectClassName(kind, graphic.CellType));
    }
    return out;
}

std::optional<TCellBlock> DecodeCellBlock(const QByteArray& Bytes) {
    if (Bytes.size() < 6 || std::memcmp(Bytes.constData(), kSignature, 4) != 0) return std::nullopt;
    if (qFromLittleEndian<quint16>(Bytes.constData() + 4) != kVersion) return std::nullopt;
    const QByteArray body = Bytes.mid(6);
    TByteCursor cursor(body);
    TRecord record;
    TCellBlock block;
    if (!ReadRecord(cursor, record) || record.ClassName != "TGridPropIO" ||
        !TakeProperties(record, HeaderProperties(), block.Header))
        return std::nullopt;
    const qint64 expected = qint64(block.Header.ColCount) * block.Header.RowCount;
    while (!cursor.AtEnd()) {
        // Every cell costs at least a record's bytes: a header promising more cells than
        // the bytes can hold is refused before anything is kept for them.
        if (qint64(block.Cells.size()) >= expected) return std::nullopt;
        TGridCellIO cell;
        bool hasProp = false;
        const std::function<bool(const QByteArray&, const TValue&, TGridCellIO&)> cellExtra =
            [&](const QByteArray& name, const TValue& v, TGridCellIO&) {
                if (name != "HasProp" || v.Type != vtBoolean) return false;
                hasProp = v.Boolean;
                return true;
            };
        if (!ReadRecord(cursor, record) || record.ClassName != "TGridCellIO" ||
            !TakeProperties(record, CellProperties(), cell, cellExtra))
            return std::nullopt;
        if (hasProp) {
            TGridCellPropIO props;
            bool hasGraphic = false;
            const std::function<bool(const QByteArray&, const TValue&, TGridCellPropIO&)> propExtra =
                [&](const QByteArray& name, const TValue& v, TGridCellPropIO&) {
                    if (name != "HasGraphic" || v.Type != vtBoolean) return false;
                    hasGraphic = v.Boolean;
                    return true;
                };
            if (!ReadRecord(cursor, record) || record.ClassName != "TGridCellPropIO" ||
                !TakeProperties(record, CellPropProperties(), props, propExtra))
                return std::nullopt;
            if (hasGraphic) {
                TGridGraphicIO graphic;
                if (!ReadRecord(cursor, record) || record.ClassName != "TGridGraphicIO" ||
                    !TakeProperties(record, GraphicProperties(), graphic))
                    return std::nullopt;
                const TGraphicObjectKind kind = GraphicObjectKindOf(graphic.CellType);
                if (kind != TGraphicObjectKind::None) {
                    if (!ReadRecord(cursor, record) || record.ClassName != ObjectClassName(kind, graphic.CellType))
                        return std::nullopt;
                    TGridGraphicObjectIO object;
                    for (const auto& [name, v] : record.Properties) {
                        if (kind == TGraphicObjectKind::Strings && name == "Strings" && v.Type == vtText)
                            object.Strings = v.Text.split(QLatin1Char('\n'));
                        else if (kind == TGraphicObjectKind::Picture && name == "Picture" && v.Type == vtBytes)
                            object.Png = v.Bytes;
                        else
                            return std::nullopt;
                    }
                    graphic.Object = std::move(object);
                }
                props.Graphic = std::move(graphic);
            }
            cell.Properties = std::move(props);
        }
        block.Cells.push_back(std::move(cell));
    }
    if (qint64(block.Cells.size()) != expected) return std::nullopt;
    return block;
}
