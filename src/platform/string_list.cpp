#include "platform/string_list.h"
#include "platform/types.h"

#include <algorithm>

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
}

const QString& TStringList::Strings(int index) const {
    CheckIndex(index);
    return FItems[std::size_t(index)].text;
}

void TStringList::SetStrings(int index, const QString& text) {
    // A text put in place would break the order that Find and IndexOf rely on.
    if (FSorted) throw Exception(QStringLiteral("Operation not allowed on sorted list"));
    CheckIndex(index);
    FItems[std::size_t(index)].text = text;
}

TObject* TStringList::Objects(int index) const {
    CheckIndex(index);
    return FItems[std::size_t(index)].object;
}

void TStringList::SetObjects(int index, TObject* object) {
    CheckIndex(index);
    FItems[std::size_t(index)].object = object;
}

int TStringList::Compare(const QString& a, const QString& b) const {
    return a.compare(b, FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

int TStringList::Add(const QString& text) { return AddObject(text, nullptr); }

int TStringList::AddObject(const QString& text, TObject* object) {
    if (!FSorted) {
        FItems.push_back({text, object});
        return Count() - 1;
    }
    int index = 0;
    if (Find(text, index)) {
        if (FDuplicates == dupIgnore) return index;
        if (FDuplicates == dupError) throw Exception(QStringLiteral("String list does not allow duplicates"));
    }
    FItems.insert(FItems.begin() + index, {text, object});
    return index;
}

void TStringList::Insert(int index, const QString& text) { InsertObject(index, text, nullptr); }

void TStringList::InsertObject(int index, const QString& text, TObject* object) {
    if (FSorted) throw Exception(QStringLiteral("Operation not allowed on sorted list"));
    if (index < 0 || index > Count()) throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
    FItems.insert(FItems.begin() + index, {text, object});
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    FItems.erase(FItems.begin() + index);
}

void TStringList::Exchange(int a, int b) {
    CheckIndex(a);
    CheckIndex(b);
    std::swap(FItems[std::size_t(a)], FItems[std::size_t(b)]);
}

void TStringList::Move(int from, int to) {
    if (from == to) return;
    if (FSorted) throw Exception(QStringLiteral("Operation not allowed on sorted list"));
    CheckIndex(from);
    CheckIndex(to);
    Item item = std::move(FItems[std::size_t(from)]);
    FItems.erase(FItems.begin() + from);
    FItems.insert(FItems.begin() + to, std::move(item));
}

void TStringList::AddStrings(const TStringList& source) {
    for (const Item& item : source.FItems) AddObject(item.text, item.object);
}

int TStringList::IndexOf(const QString& text) const {
    if (FSorted) {
        int index = 0;
        return Find(text, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (Compare(FItems[std::size_t(i)].text, text) == 0) return i;
    return -1;
}

int TStringList::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[std::size_t(i)].object == object) return i;
    return -1;
}

bool TStringList::Find(const QString& text, int& index) const {
    auto it = std::lower_bound(FItems.begin(), FItems.end(), text,
                               [this](const Item& item, const QString& t) { return Compare(item.text, t) < 0; });
    index = int(it - FItems.begin());
    return it != FItems.end() && Compare(it->text, text) == 0;
}

void TStringList::SetSorted(bool value) {
    if (value == FSorted) return;
    FSorted = value;
    if (value) Sort();
}

void TStringList::SetCaseSensitive(bool value) {
    if (value == FCaseSensitive) return;
    FCaseSensitive = value;
    if (FSorted) Sort();
}

void TStringList::Sort() {
    std::stable_sort(FItems.begin(), FItems.end(),
                     [this](const Item& a, const Item& b) { return Compare(a.text, b.text) < 0; });
}

QString TStringList::CommaText() const {
    QStringList parts;
    for (const Item& item : FItems) {
        const QString& t = item.text;
        // An empty item is quoted, so that a list of one empty text reads back as one item.
        bool needsQuotes = t.isEmpty();
        for (QChar c : t)
            if (c.unicode() <= ' ' || c == ',' || c == '"') needsQuotes = true;
        if (needsQuotes) {
            QString quoted = t;
            quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
            parts << QLatin1Char('"') + quoted + QLatin1Char('"');
        } else {
            parts << t;
        }
    }
    return parts.join(QLatin1Char(','));
}

void TStringList::SetCommaText(const QString& text) {
    Clear();
    int i = 0;
    const int n = int(text.size());
    auto skipBlanks = [&] { while (i < n && text[i].unicode() > 0 && text[i].unicode() <= ' ') ++i; };
    skipBlanks();
    while (i < n) {
        QString item;
        if (text[i] == '"') {
            ++i;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') { item += '"'; i += 2; continue; }
                    ++i;
                    break;
                }
                item += text[i++];
            }
            while (i < n && text[i] != ',' && text[i].unicode() > ' ') item += text[i++];
        } else {
            while (i < n && text[i] != ',' && text[i].unicode() > ' ') item += text[i++];
        }
        Add(item);
        skipBlanks();
        if (i < n && text[i] == ',') {
            ++i;
            skipBlanks();
            if (i >= n) Add(QString());
        }
    }
}

QString TStringList::Text() const {
    QString out;
    for (const Item& item : FItems) out += item.text + QLatin1Char('\n');
    return out;
}

void TStringList::SetText(const QString& text) {
    Clear();
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normalized.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (const QString& line : lines) Add(line);
}

QStringList TStringList::ToQStringList() const {
    QStringList list;
    for (const Item& item : FItems) list << item.text;
    return list;
}

QString TStringList::Names(int index) const {
    const QString& t = Strings(index);
    const int eq = int(t.indexOf(QLatin1Char('=')));
    return eq < 0 ? QString() : t.left(eq);
}

int TStringList::IndexOfName(const QString& name) const {
    for (int i = 0; i < Count(); ++i) {
        const QString& t = FItems[std::size_t(i)].text;
        const int eq = int(t.indexOf(QLatin1Char('=')));
        if (eq >= 0 && Compare(t.left(eq), name) == 0) return i;
    }
    return -1;
}

QString TStringList::Values(const QString& name) const {
    const int i = IndexOfName(name);
    if (i < 0) return QString();
    const QString& t = FItems[std::size_t(i)].text;
    return t.mid(t.indexOf(QLatin1Char('=')) + 1);
}
