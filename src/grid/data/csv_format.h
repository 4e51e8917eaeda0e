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
struct TCsvRecords {
    std::vector<QStringList> Records;
    bool Truncated = false;
};
TCsvRecords ParseCsv(const QString& Text, const TCsvReadOptions& Options, qint64 LimitFields);
