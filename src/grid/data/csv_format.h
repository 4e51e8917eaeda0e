#pragma once
// Delimiter-separated text, both ways, free of the grid: the fields of one cell text as
// written, and a file's text parsed into records. Every text the writer gives reads back
// the same, in every setting: a text holding the delimiter, a double quote, a line break
// of any kind or a blank at either end is put in double quotes, and a quoted field may
// run over lines as spreadsheets write it. Two marks of older files are kept: a CR LF of a
// text without other reason for quotes is written as character 11 (vertical tab), and
// the Java dialect writes CR LF as "~" and an empty text as "^". So a text holding
// character 11, or under the Java dialect "~" or exactly "^", does not come back as it was.

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

struct TCsvWriteOptions {
    QChar Delimiter = QLatin1Char(',');
    bool QuoteEmptyCells = true;
    bool AlwaysQuotes = false;
    bool JavaCSV = false;
};

// One field as it goes between the delimiters.
QString EncodeCsvField(const QString& Text, const TCsvWriteOptions& Options);

// Records written field by field into one text that grows by doubling. A file writes
// every cell through here, so a field that needs no quotes costs one scan and one copy,
// with no text object of its own.
class TCsvTextWriter {
public:
    // Writing goes on after Start, with room for about ExpectedChars more.
    TCsvTextWriter(QString Start, qsizetype ExpectedChars, const TCsvWriteOptions& Options);
    void Field(const QString& Text);
    void EndRecord();
    QString Finish() &&;
    // Characters written since the start or the last Drain.
    qsizetype Written() const { return FSize; }
    // Hands what is written to Sink, then writes on from empty in the same room.
    template <class TSink>
    void Drain(TSink&& Sink) {
        Sink(QStringView(FData, FSize));
        FSize = 0;
    }

private:
    void Put(const QChar* Chars, qsizetype Count);
    void Room(qsizetype Count) {
        if (FCapacity - FSize < Count) Grow(Count);
    }
    void Grow(qsizetype Count);

    QString FText;
    // FText's characters, written up to FSize; the rest is room not yet written.
    char16_t* FData = nullptr;
    qsizetype FSize = 0;
    qsizetype FCapacity = 0;
    bool FFirstField = true;
    TCsvWriteOptions FOptions;
};

// The delimiter the first two lines agree on (", ; # TAB | @ * - + &" in that order of
// preference); a null character when the lines hold none of them.
QChar DetectCsvDelimiter(const QString& Text);

struct TCsvReadOptions {
    QChar Delimiter;  // null: each line is one field
    bool JavaCSV = false;
    // At most this many records; 0 or less: every record.
    qint64 MaxRecords = 0;
};

// The records of the text, each a list of its fields with the dialect's marks undone.
// Lines end at CR, LF or CR LF outside quotes; a quote never closed keeps the rest of its
// line. Reading stops (Truncated set) when a field lies past LimitFields fields in
// total, so a hostile file cannot take memory without bound.
// A field stays a stretch of the parsed text until it is asked for, so reading a file
// makes no text object per field; only a field that reading changed (quotes doubled
// inside, the dialect's marks) holds a text of its own.
struct TCsvRecords {
    // Where a field lies: Size characters of Text from From, or (Size below 0) the text
    // OwnTexts[From].
    struct TField {
        qsizetype From = 0;
        qsizetype Size = 0;
    };
    QString Text;
    std::vector<TField> Fields;
    // One past the last field of each record, in Fields.
    std::vector<qsizetype> RecordEnds;
    std::vector<QString> OwnTexts;
    // The most fields a record has.
    qsizetype Widest = 0;
    bool Truncated = false;

    qsizetype Count() const { return qsizetype(RecordEnds.size()); }
    qsizetype RecordStart(qsizetype Record) const { return Record > 0 ? RecordEnds[std::size_t(Record - 1)] : 0; }
    QString FieldText(qsizetype Field) const {
        const TField& field = Fields[std::size_t(Field)];
        if (field.Size < 0) return OwnTexts[std::size_t(field.From)];
        return QString(Text.constData() + field.From, field.Size);
    }
    QStringList Record(qsizetype Record) const;
    std::vector<QStringList> Lists() const;
};
TCsvRecords ParseCsv(const QString& Text, const TCsvReadOptions& Options, qint64 LimitFields);
