#pragma once
// An EDS reader for the tests, written from the CiA 306 rules and sharing nothing with
// the program's writer: it reads a device description into sections and objects and
// lists every rule the text breaks.

#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <optional>

namespace eds_checker {

struct Section {
    QString name;
    QMap<QString, QString> keys;  // upper-cased key -> value
    QString Value(const char* key) const { return keys.value(QString::fromLatin1(key).toUpper()); }
    bool Has(const char* key) const { return keys.contains(QString::fromLatin1(key).toUpper()); }
};

struct Description {
    QMap<QString, Section> sections;  // upper-cased section name -> section
    QStringList faults;

    const Section* Find(const QString& name) const {
        auto it = sections.find(name.toUpper());
        return it == sections.end() ? nullptr : &it.value();
    }
};

inline std::optional<qint64> Number(QString text) {
    text = text.trimmed();
    if (text.startsWith(QLatin1String("$NODEID+"), Qt::CaseInsensitive)) text = text.mid(8);
    bool ok = false;
    qint64 value = 0;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) value = text.mid(2).toLongLong(&ok, 16);
    else value = text.toLongLong(&ok, 10);
    if (!ok) return std::nullopt;
    return value;
}

struct DataType {
    qint64 low, high;
    int bits;
};

// The CiA 301 basic types a description of this device may use; VISIBLE_STRING has no range.
inline std::optional<DataType> Type_Of(qint64 code) {
    switch (code) {
    case 0x0001: return DataType{0, 1, 1};
    case 0x0002: return DataType{-128, 127, 8};
    case 0x0003: return DataType{-32768, 32767, 16};
    case 0x0004: return DataType{-2147483648LL, 2147483647LL, 32};
    case 0x0005: return DataType{0, 0xFF, 8};
    case 0x0006: return DataType{0, 0xFFFF, 16};
    case 0x0007: return DataType{0, 0xFFFFFFFFLL, 32};
    default: return std::nullopt;
    }
}

inline void Check_Variable(Description& d, const Section& s) {
    const auto code = Number(s.Value("DataType"));
    static const QStringList access = {"ro", "wo", "rw", "rwr", "rww", "const"};
    if (!access.contains(s.Value("AccessType").toLower())) d.faults << s.name + ": AccessType " + s.Value("AccessType");
    if (!code) {
        d.faults << s.name + ": no DataType";
        return;
    }
    if (*code == 0x0009) return;  // VISIBLE_STRING: any text
    const auto type = Type_Of(*code);
    if (!type) {
        d.faults << s.name + ": unknown DataType";
        return;
    }
    qint64 low = type->low, high = type->high;
    for (const char* key : {"LowLimit", "HighLimit", "DefaultValue"}) {
        if (!s.Has(key)) continue;
        const auto value = Number(s.Value(key));
        if (!value || *value < type->low || *value > type->high) {
            d.faults << s.name + ": " + key + " " + s.Value(key) + " outside its type";
            continue;
        }
        if (QLatin1String(key) == QLatin1String("LowLimit")) low = *value;
        if (QLatin1String(key) == QLatin1String("HighLimit")) high = *value;
        if (QLatin1String(key) == QLatin1String("DefaultValue") && (*value < low || *value > high))
            d.faults << s.name + ": DefaultValue outside the limits";
    }
}

inline Description Read(const QByteArray& bytes) {
    Description d;
    if (!bytes.endsWith("\r\n")) d.faults << "the text does not end with CR LF";
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    static const QRegularExpression sectionLine(QStringLiteral("^\\[([^\\]]+)\\]$"));
    static const QRegularExpression keyLine(QStringLiteral("^([^=\\s]+)=(.*)$"));
    Section* current = nullptr;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r'))) d.faults << "a bare line end";
        if (line.isEmpty()) continue;
        if (const auto m = sectionLine.match(line); m.hasMatch()) {
            const QString key = m.captured(1).toUpper();
            if (d.sections.contains(key)) d.faults << "section twice: " + key;
            current = &d.sections[key];
            current->name = key;
        } else if (const auto k = keyLine.match(line); k.hasMatch()) {
            if (!current) {
                d.faults << "key outside a section: " + line;
                continue;
            }
            const QString key = k.captured(1).toUpper();
            if (current->keys.contains(key)) d.faults << current->name + ": key twice " + key;
            current->keys.insert(key, k.captured(2));
        } else {
            d.faults << QStringLiteral("line %1 is no section, key or empty line").arg(i + 1);
        }
    }

    const Section* info = d.Find("FileInfo");
    static const QRegularExpression date(QStringLiteral("^(0[1-9]|1[0-2])-(0[1-9]|[12]\\d|3[01])-\\d{4}$"));
    static const QRegularExpression time(QStringLiteral("^(0\\d|1[0-2]):[0-5]\\d(AM|PM)$"));
    if (!info || info->Value("EDSVersion") != QLatin1String("4.0")) d.faults << "FileInfo without EDSVersion=4.0";
    if (info) {
        for (const char* key : {"CreationDate", "ModificationDate"})
            if (!date.match(info->Value(key)).hasMatch()) d.faults << QString("FileInfo: ") + key;
        for (const char* key : {"CreationTime", "ModificationTime"})
            if (!time.match(info->Value(key)).hasMatch()) d.faults << QString("FileInfo: ") + key;
    }

    // The three object lists name every object section once.
    static const QRegularExpression objectName(QStringLiteral("^[0-9A-F]{4}$"));
    static const QRegularExpression subName(QStringLiteral("^([0-9A-F]{4})SUB([0-9A-F]+)$"));
    QMap<QString, int> listed;
    for (const char* listName : {"MandatoryObjects", "OptionalObjects", "ManufacturerObjects"}) {
        const Section* list = d.Find(listName);
        if (!list) {
            d.faults << QString("no ") + listName;
            continue;
        }
        const auto count = Number(list->Value("SupportedObjects"));
        if (!count || list->keys.size() != *count + 1) d.faults << QString(listName) + ": SupportedObjects";
        for (qint64 k = 1; count && k <= *count; ++k) {
            const auto index = Number(list->keys.value(QString::number(k)));
            if (!index) {
                d.faults << QStringLiteral("%1: key %2").arg(listName).arg(k);
                continue;
            }
            const QString name = QStringLiteral("%1").arg(*index, 4, 16, QLatin1Char('0')).toUpper();
            ++listed[name];
            if (!d.Find(name)) d.faults << QStringLiteral("%1 names the missing object %2").arg(listName, name);
        }
    }
    for (const Section& s : d.sections) {
        if (objectName.match(s.name).hasMatch()) {
            if (listed.value(s.name) != 1) d.faults << s.name + " is listed " + QString::number(listed.value(s.name)) + " times";
            const auto type = Number(s.Value("ObjectType"));
            if (type == 0x7) {
                Check_Variable(d, s);
            } else if (type == 0x8 || type == 0x9) {
                int subs = 0;
                for (const Section& sub : d.sections) {
                    const auto m = subName.match(sub.name);
                    if (m.hasMatch() && m.captured(1) == s.name) ++subs;
                }
                if (Number(s.Value("SubNumber")) != subs) d.faults << s.name + ": SubNumber differs from its sub-sections";
            } else {
                d.faults << s.name + ": ObjectType " + s.Value("ObjectType");
            }
        } else if (const auto m = subName.match(s.name); m.hasMatch()) {
            const Section* parent = d.Find(m.captured(1));
            if (!parent || !parent->Has("SubNumber")) d.faults << s.name + " belongs to no ARRAY or RECORD";
            if (Number(s.Value("ObjectType")) != 0x7) d.faults << s.name + ": sub-entries are VARs";
            Check_Variable(d, s);
        } else if (!QStringList({"FILEINFO", "DEVICEINFO", "COMMENTS", "DUMMYUSAGE", "MANDATORYOBJECTS", "OPTIONALOBJECTS",
                                 "MANUFACTUREROBJECTS"})
                        .contains(s.name)) {
            d.faults << "unknown section " + s.name;
        }
    }

    // Every mapping entry names a mappable entry of as many bits.
    int receive = 0, transmit = 0;
    for (const Section& s : d.sections) {
        if (!objectName.match(s.name).hasMatch()) continue;
        const qint64 index = s.name.toLongLong(nullptr, 16);
        if (index >= 0x1400 && index < 0x1600) ++receive;
        if (index >= 0x1800 && index < 0x1A00) ++transmit;
        const bool mapping = (index >= 0x1600 && index < 0x1800) || (index >= 0x1A00 && index < 0x1C00);
        if (!mapping) continue;
        const Section* sub0 = d.Find(s.name + "sub0");
        const auto entries = sub0 ? Number(sub0->Value("DefaultValue")) : std::nullopt;
        for (qint64 j = 1; entries && j <= *entries; ++j) {
            const Section* entry = d.Find(s.name + "sub" + QString::number(j, 16));
            const auto value = entry ? Number(entry->Value("DefaultValue")) : std::nullopt;
            if (!value) {
                d.faults << s.name + ": mapping entry missing";
                continue;
            }
            const QString target = QStringLiteral("%1SUB%2").arg(*value >> 16, 4, 16, QLatin1Char('0')).arg((*value >> 8) & 0xFF, 0, 16).toUpper();
            const Section* mapped = d.Find(target);
            const auto type = mapped ? Type_Of(Number(mapped->Value("DataType")).value_or(0)) : std::nullopt;
            if (!mapped || mapped->Value("PDOMapping") != QLatin1String("1") || !type || type->bits != (*value & 0xFF))
                d.faults << s.name + ": mapping entry names no mappable entry of its size: " + target;
        }
    }
    const Section* device = d.Find("DeviceInfo");
    if (!device || Number(device->Value("NrOfRXPDO")) != receive || Number(device->Value("NrOfTXPDO")) != transmit)
        d.faults << "NrOfRXPDO or NrOfTXPDO differs from the PDOs present";
    return d;
}

}  // namespace eds_checker
