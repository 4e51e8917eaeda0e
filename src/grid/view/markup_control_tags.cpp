#include "grid/view/markup_control_tags.h"

#include "grid/view/markup_entities.h"
#include "grid/view/markup_values.h"
#include "platform/number_conversion.h"

#include <QStringList>
#include <functional>

namespace {

struct TagSpan {
    qsizetype Start = -1;
    qsizetype End = 0;  // one past the closing ">" (or the text's end)
    TControlTag Tag;
};

// Calls visit for every "<CONTROL " tag in order until it returns true.
bool ForEachControlTag(const QString& text, const std::function<bool(const TagSpan&)>& visit) {
    static const QString kStart = QStringLiteral("<CONTROL ");
    for (qsizetype at = text.indexOf(kStart, 0, Qt::CaseInsensitive); at >= 0;) {
        const qsizetype gt = text.indexOf(QLatin1Char('>'), at);
        TagSpan span;
        span.Start = at;
        span.End = gt < 0 ? text.size() : gt + 1;
        span.Tag = ParseControlTag(text.mid(at, span.End - at));
        if (visit(span)) return true;
        at = text.indexOf(kStart, at + kStart.size(), Qt::CaseInsensitive);
    }
    return false;
}

TagSpan FindControlTag(const QString& text, const QString& id) {
    TagSpan found;
    ForEachControlTag(text, [&](const TagSpan& span) {
        if (span.Tag.ID != id) return false;
        found = span;
        return true;
    });
    return found;
}

QString Quoted(const QString& value) { return QLatin1Char('"') + value + QLatin1Char('"'); }

}  // namespace

TControlTag ParseControlTag(const QString& tagText) {
    TControlTag tag;
    tag.TYPE = MarkupAttributeValue(tagText, QStringLiteral("TYPE=")).toUpper();
    tag.WIDTH = MarkupAttributeValue(tagText, QStringLiteral("WIDTH="));
    tag.HEIGHT = MarkupAttributeValue(tagText, QStringLiteral("HEIGHT="));
    tag.ID = MarkupAttributeValue(tagText, QStringLiteral("ID="));
    tag.VALUE = EntitiesToChars(MarkupAttributeValue(tagText, QStringLiteral("VALUE=")), true);
    tag.PROP = EntitiesToChars(MarkupAttributeValue(tagText, QStringLiteral("PROP=")), true);
    tag.MAXLEN = MarkupAttributeValue(tagText, QStringLiteral("MAXLEN="));
    return tag;
}

bool HasControlTag(const QString& text) { return text.contains(QStringLiteral("<CONTROL"), Qt::CaseInsensitive); }

QString NextEditableControlId(const QString& text, const QString& id) {
    bool passedGivenId = id.isEmpty();
    QString next;
    ForEachControlTag(text, [&](const TagSpan& span) {
        if (!passedGivenId) {
            passedGivenId = span.Tag.ID == id;
            return false;
        }
        const QString& type = span.Tag.TYPE;
        if (type == QLatin1String("BUTTON") || type == QLatin1String("CHECK") || type == QLatin1String("RADIO"))
            return false;
        next = span.Tag.ID;
        return true;
    });
    return next;
}

bool GetControlTagValue(const QString& text, const QString& id, QString& value) {
    const TagSpan span = FindControlTag(text, id);
    if (span.Start < 0) return false;
    value = span.Tag.VALUE;
    return true;
}

QString GetControlTagProp(const QString& text, const QString& id) { return FindControlTag(text, id).Tag.PROP; }

int GetControlTagMaxLen(const QString& text, const QString& id) {
    return StrToIntDef(FindControlTag(text, id).Tag.MAXLEN, 0);
}

bool SetControlTagValue(QString& text, const QString& id, const QString& value) {
    const TagSpan span = FindControlTag(text, id);
    if (span.Start < 0) return false;
    const TControlTag& old = span.Tag;
    QString tag = QStringLiteral("<CONTROL ID=") + Quoted(old.ID) + QStringLiteral(" VALUE=") +
                  Quoted(CharsToEntities(value, true)) + QStringLiteral(" WIDTH=") + Quoted(old.WIDTH) +
                  QStringLiteral(" TYPE=") + Quoted(old.TYPE);
    if (!old.PROP.isEmpty()) tag += QStringLiteral(" PROP=") + Quoted(CharsToEntities(old.PROP, true));
    if (!old.MAXLEN.isEmpty()) tag += QStringLiteral(" MAXLEN=") + Quoted(old.MAXLEN);
    const QString oldTag = text.mid(span.Start, span.End - span.Start);
    if (MarkupHasKeyword(oldTag, QStringLiteral("HEIGHT="))) tag += QStringLiteral(" HEIGHT=") + Quoted(old.HEIGHT);
    tag += QLatin1Char('>');
    text.replace(span.Start, span.End - span.Start, tag);
    return true;
}

QString ResetRadioControls(const QString& text) {
    QStringList radioIds;
    ForEachControlTag(text, [&](const TagSpan& span) {
        if (span.Tag.TYPE == QLatin1String("RADIO")) radioIds.append(span.Tag.ID);
        return false;
    });
    QString result = text;
    for (const QString& id : radioIds) SetControlTagValue(result, id, QStringLiteral("FALSE"));
    return result;
}
