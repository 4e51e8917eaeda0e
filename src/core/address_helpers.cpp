#include "core/address_helpers.h"

#include "platform/locale_settings.h"
#include "platform/number_conversion.h"
#include "platform/serial_ports.h"

#include <QLocale>
#include <QStringList>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// The trimmed part as a number; a part that is not a number counts as out of range.
int PartValue(const QString& part) { return StrToIntDef(part.trimmed(), -1); }

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

int CheckGroupAddress(const QString& text) {
    if (text.contains(u'.')) return 1;
    const QStringList parts = text.split(u'/');
    bool valid = false;
    if (parts.size() == 1) {
        valid = InRange(PartValue(parts[0]), 1, 65535);
    } else if (parts.size() == 2) {
        const int main = PartValue(parts[0]), sub = PartValue(parts[1]);
        valid = InRange(main, 0, 31) && InRange(sub, 0, 2047) && (main != 0 || sub != 0);
    } else if (parts.size() == 3) {
        const int main = PartValue(parts[0]), middle = PartValue(parts[1]), sub = PartValue(parts[2]);
        valid = InRange(main, 0, 31) && InRange(middle, 0, 7) && InRange(sub, 0, 255) &&
                (main != 0 || middle != 0 || sub != 0);
    }
    return valid ? 0 : 1;
}

int CheckIndividualAddress(const QString& text, bool allow_zero) {
    if (text.contains(u'/')) return 1;
    const QStringList parts = text.split(u'.');
    bool valid = false;
    if (parts.size() == 1) {
        valid = InRange(PartValue(parts[0]), 1, 65535);
    } else if (parts.size() == 3) {
        const int area = PartValue(parts[0]), line = PartValue(parts[1]), device = PartValue(parts[2]);
        valid = InRange(area, 0, 15) && InRange(line, 0, 15) && InRange(device, 0, 255) &&
                (allow_zero || area != 0 || line != 0 || device != 0);
    }
    return valid ? 0 : 1;
}

// Splits at the first three dots: three parts and the rest. False with fewer dots.
bool SplitAtThreeDots(const QString& text, QString parts[4]) {
    qsizetype start = 0;
    for (int i = 0; i < 3; ++i) {
        const qsizetype dot = text.indexOf(u'.', start);
        if (dot < 0) return false;
        parts[i] = text.mid(start, dot - start);
        start = dot + 1;
    }
    parts[3] = text.mid(start);
    return true;
}

QString Keyword(const QString& text) { return text.trimmed().toUpper(); }

// Tells whether Keyword(text) is one of some (upper-case ASCII) keywords without building
// it: a text of ASCII only, which cells almost always are, is compared in place.
class KeywordMatcher {
public:
    explicit KeywordMatcher(const QString& text) : FTrimmed(QStringView(text).trimmed()) {
        for (QChar c : FTrimmed)
            if (c.unicode() >= 0x80) {
                FKeyword = Keyword(text);
                FAscii = false;
                break;
            }
    }
    bool Is(QStringView keyword) const {
        if (!FAscii) return FKeyword == keyword;
        if (FTrimmed.size() != keyword.size()) return false;
        for (qsizetype i = 0; i < FTrimmed.size(); ++i) {
            char16_t c = FTrimmed[i].unicode();
            if (c >= u'a' && c <= u'z') c = char16_t(c - (u'a' - u'A'));
            if (c != keyword[i].unicode()) return false;
        }
        return true;
    }

private:
    QStringView FTrimmed;
    bool FAscii = true;
    QString FKeyword;  // built only for a text beyond ASCII
};

// The value of a plain decimal ("-12", "3.25"), read exactly as the locale reader reads
// it but without its set-up; nothing for any other form, which the locale reader takes.
std::optional<double> Plain_Decimal(QStringView text) {
    constexpr qsizetype kLongest = 32;
    if (text.isEmpty() || text.size() > kLongest) return std::nullopt;
    char ascii[kLongest];
    qsizetype i = 0, digits = 0;
    bool point = false, digitAfterPoint = false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9') {
            ++digits;
            digitAfterPoint = point;
        } else if (u == u'.' && !point && digits > 0) {
            point = true;
        } else if (!((u == u'-' || u == u'+') && i == 0)) {
            return std::nullopt;
        }
        ascii[i++] = char(u);
    }
    if (digits == 0 || (point && !digitAfterPoint)) return std::nullopt;
    const char* first = ascii[0] == '+' ? ascii + 1 : ascii;  // the reader takes a plus, from_chars does not
    double value = 0;
    const auto [end, error] = std::from_chars(first, ascii + i, value);
    if (error != std::errc() || end != ascii + i) return std::nullopt;
    return value;
}

}  // namespace

int Check_KNX_Address(const QString& text, bool group, bool allow_zero) {
    return group ? CheckGroupAddress(text) : CheckIndividualAddress(text, allow_zero);
}

bool Has_No_Dot(const QString& text) { return !text.contains(u'.'); }

bool Split_IP_Address(const QString& text, QString& ip1, QString& ip2, QString& ip3, QString& ip4) {
    QString parts[4];
    if (!SplitAtThreeDots(text.trimmed(), parts)) return false;
    QString* outputs[4] = {&ip1, &ip2, &ip3, &ip4};
    bool valid = true;
    for (int i = 0; i < 4; ++i) {
        *outputs[i] = parts[i].trimmed();
        valid = valid && InRange(StrToIntDef(*outputs[i], 1000), 0, 255);
    }
    return valid;
}

bool Parse_IP_Port(const QString& text, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3, std::uint8_t& b4,
                   std::uint16_t& port) {
    b1 = b2 = b3 = b4 = 0;
    port = 0;
    QString parts[4];
    if (!SplitAtThreeDots(text, parts)) return false;
    const qsizetype colon = parts[3].indexOf(u':');
    if (colon < 0) return false;
    const int portValue = PartValue(parts[3].mid(colon + 1));
    parts[3] = parts[3].left(colon);
    int values[4];
    for (int i = 0; i < 4; ++i) {
        values[i] = PartValue(parts[i]);
        if (!InRange(values[i], 0, 255)) return false;
    }
    if (!InRange(portValue, 0, 65535)) return false;
    b1 = std::uint8_t(values[0]);
    b2 = std::uint8_t(values[1]);
    b3 = std::uint8_t(values[2]);
    b4 = std::uint8_t(values[3]);
    port = std::uint16_t(portValue);
    return true;
}

bool Parse_IP_Bytes(const QString& text, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3, std::uint8_t& b4) {
    if (text.isEmpty()) return true;
    std::uint8_t* bytes[4] = {&b1, &b2, &b3, &b4};
    QString rest = text;
    bool invalid = false;
    for (int i = 0; i < 4; ++i) {
        QString part;
        if (i < 3) {
            // A part without a following dot is empty, and the rest stays as it is.
            const qsizetype dot = rest.indexOf(u'.');
            if (dot >= 0) {
                part = rest.left(dot);
                rest = rest.mid(dot + 1);
            }
        } else {
            part = rest;
        }
        const int value = StrToIntDef(part, -1);
        if (InRange(value, 0, 255)) {
            *bytes[i] = std::uint8_t(value);
        } else {
            *bytes[i] = 0;
            invalid = true;
        }
    }
    return invalid;
}

std::unique_ptr<TStringList> List_COM_Ports() {
    auto list = std::make_unique<TStringList>();
    for (const QString& port : ListSerialPorts()) list->Add(port);
    return list;
}

QChar Get_Decimal_Separator() {
    const QString separator = UserDecimalSeparator();
    if (!separator.isEmpty() && (separator[0] == u',' || separator[0] == u'.')) return separator[0];
    return u',';
}

bool Str_To_Float_Sep(const QString& text, QChar separator, float& value) {
    QString normal = text;
    if (separator == u'.') normal.replace(u',', u'.');
    else normal.replace(u'.', u',');
    // The text is read with the program's own separator: the other one is refused.
    const QChar own = Get_Decimal_Separator();
    const QChar other = own == u'.' ? u',' : u'.';
    bool ok = !normal.contains(other);
    double number = 0.0;
    if (ok) {
        normal.replace(own, u'.');
        // Made once: setting the options copies the locale's data.
        static const QLocale reader = [] {
            QLocale c = QLocale::c();
            c.setNumberOptions(QLocale::RejectGroupSeparator);
            return c;
        }();
        const QStringView trimmed = QStringView(normal).trimmed();
        if (const std::optional<double> plain = Plain_Decimal(trimmed)) number = *plain;
        else number = reader.toDouble(trimmed, &ok);
    }
    // A value a 32-bit float cannot hold is no number for the device either. The bound is
    // where rounding to single starts giving infinity, so the largest single's own text
    // (3.4028235e38) passes; a value that is not zero but rounds to zero is refused too.
    constexpr double float_max = double(std::numeric_limits<float>::max());
    const double rounds_to_infinity = float_max + std::ldexp(1.0, std::numeric_limits<float>::max_exponent - 25);
    if (ok && (!std::isfinite(number) || std::fabs(number) >= rounds_to_infinity)) ok = false;
    if (ok && number != 0.0 && float(number) == 0.0f) ok = false;
    value = ok ? float(number) : 1.0f;
    return ok;
}

int KNX_APCI_Code(const QString& text) {
    const KeywordMatcher key(text);
    if (key.Is(u"WRITE")) return 128;
    if (key.Is(u"READ")) return 0;
    return StrToIntDef(Keyword(text), 0);
}

int KNX_Priority_Code(const QString& text) {
    static const struct { const char16_t* keyword; int code; } codes[] = {
        {u"SYSTEM", 0}, {u"NORMAL", 1}, {u"URGENT", 2}, {u"LOW", 3}};
    const KeywordMatcher key(text);
    for (const auto& entry : codes)
        if (key.Is(entry.keyword)) return entry.code;
    return 1;
}

int Data_Conversion_Code(const QString& text) {
    static const struct { const char16_t* keyword; int code; } codes[] = {
        {u"NONE", 0x0000},
        {u"SWAP16", 0x1000},
        {u"SWAP32", 0x2000},
        {u"SWAP ALL", 0x3000},
        {u"INT TO FLOAT", 0x4000},
        {u"FLOAT TO INT", 0x5000},
        {u"FLOAT16 TO FLOAT32", 0x6000},
        {u"FLOAT16 TO INT", 0x7000},
        {u"FLOAT16 TO INT * 10", 0x8000},
        {u"FLOAT16 TO INT * 100", 0x9000},
    };
    const KeywordMatcher key(text);
    for (const auto& entry : codes)
        if (key.Is(entry.keyword)) return entry.code;
    return 0;
}

int SNMP_Security_Level_Code(const QString& text) {
    const QString key = Keyword(text);
    if (key.isEmpty()) return -1;
    if (key == u"AUTH NOPRIV") return 1;
    if (key == u"AUTH PRIV") return 3;
    return 0;
}

int Check_OID(const QString& text) {
    if (text.size() > 128) return 1;
    for (QChar c : text)
        if (c != u'.' && (c < u'0' || c > u'9')) return 2;
    if (text.startsWith(u'.')) return 3;
    if (text.endsWith(u'.')) return 4;
    if (text.contains(QStringLiteral(".."))) return 5;
    for (const QString& part : text.split(u'.')) {
        std::int64_t value = 0;
        if (!TryStrToInt64(part, value)) value = 10000000000;
        if (value < 0 || value > 4294967295) return 6;
    }
    return 0;
}
