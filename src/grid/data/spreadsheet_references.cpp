#include "grid/data/spreadsheet_references.h"

QString ColumnLetters(int Number) {
    QString letters;
    for (int n = Number; n > 0; n = (n - 1) / 26) letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

bool ParseCellReference(QStringView Reference, int& Column, int& Row) {
    qsizetype i = 0;
    qint64 column = 0;
    for (; i < Reference.size() && i < 4; ++i) {
        const char16_t ch = QChar::toUpper(Reference[i].unicode());
        if (ch < u'A' || ch > u'Z') break;
        column = column * 26 + (ch - u'A' + 1);
    }
    if (column == 0 || column > kSheetColumns) return false;
    qint64 row = 0;
    const qsizetype digits = i;
    for (; i < Reference.size() && i - digits < 8; ++i) {
        const char16_t ch = Reference[i].unicode();
        if (ch < u'0' || ch > u'9') return false;
        row = row * 10 + (ch - u'0');
    }
    if (i != Reference.size()) return false;
    if (i == digits || row < 1 || row > kSheetRows) return false;
    Column = int(column);
    Row = int(row);
    return true;
}
