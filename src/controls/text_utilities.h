#pragma once
// Stateless routines on texts that the grid and its neighbours share: searching,
// line-break encodings, number and cell-kind recognition, wide-text escaping and small
// HTML helpers. Positions are 1-based and 0 means "not found"; number routines read
// the separators of FormatSettings().

#include "platform/types.h"

#include <QChar>
#include <QString>

// Positions and searching.
int CharPos(QChar ch, const QString& text);
int CharPosVar(QChar ch, const QString& text, int& pos);
int PosVar(const QString& substring, const QString& text, int& pos);
// The substring is looked for as given in the upper-cased text.
int UpperCasePos(const QString& substring, const QString& text);
int WidePos(const QString& substring, const QString& text);
// Finds a run of ch that stands for one character: an odd run followed by another
// character (its last position), or a run reaching the end (the text's length).
int PosOfSingleChar(QChar ch, const QString& text, int& pos);
int CountSingleChar(QChar ch, const QString& text);
int CountChar(QChar ch, const QString& text);
// Works with any rectangle type that has Left, Top, Right and Bottom (TGridRect, TRect).
template <class GridRect>
bool CellInGridRect(const GridRect& rect, int col, int row) {
    return rect.Left <= col && col <= rect.Right && rect.Top <= row && row <= rect.Bottom;
}
// The text without the blanks and control characters (every character up to the blank)
// at its ends.
QString Trim(const QString& text);
int MaxInt(int a, int b);
int MinInt(int a, int b);
// A bound of 0 or less is no bound; low = high returns the value unchanged.
int ClampToRange(int value, int low, int high);

// Text transformations.
QString DoubleQuotes(const QString& text);
QString UndoubleChar(QChar ch, const QString& text);
QString CutFirstField(QString& text, QChar delimiter);
QString TakeFirstLine(QString& text, bool keepRest);
int CountTextLines(const QString& text, bool multiLine);
void FillStringWithChar(QString& text, QChar ch);
QString StripCR(const QString& text);
QString CRToLF(const QString& text);
QString CRLFToLF(const QString& text);
QString LineBreaksToHtml(const QString& text);
QString EscapedNewlinesToCR(const QString& text);
QString CRToEscapedNewlines(const QString& text);
QString LineBreaksToTildes(const QString& text);
QString TildesToLineBreaks(const QString& text);
QString LineBreaksToVTabsQuoted(const QString& text);
QString VTabsToLineBreaks(const QString& text);
QString LineBreaksToControlChars(const QString& text);
QString ControlCharsToLineBreaks(const QString& text, bool multiLine);
// StringToOem gives each character as its byte in the OEM code page (437), "?" where
// the page lacks it; OemToString reads such bytes back.
QString StringToOem(const QString& text);
QString OemToString(const QString& text);
bool IsUrlText(const QString& text);
void StripUrlScheme(QString& text);
// The character after a single "&" of a caption (its accelerator), or a null character.
QChar AcceleratorOf(const QString& caption);
// Upper-cases the first letter of each word and lower-cases the rest, keeping name
// forms such as McDonald and Henry III.
QString CapitalizeWords(const QString& text);
// Escapes < and > and wraps the first link starting with key (given in upper case,
// e.g. "MAILTO:") in an anchor; false when the text holds no such link.
bool WrapUrlInAnchor(const QString& text, const QString& key, QString& result);
// Puts the clipboard's HTML format header, prefix and suffix around a fragment.
void WrapClipboardHtml(QString& fragment);

// Numbers and cells.
// The number of a formatted text in plain form: "(1.234,50)" gives "-1234.50".
QString NormalizeNumberText(const QString& text);
enum TNumberTextKind { ntInteger = 0, ntFloat = 1, ntNotNumber = 2, ntScientific = 5 };
int ClassifyNumberText(const QString& text);
bool IsNumberChar(QChar ch);
enum TCellTextKind { ckPlain = 0, ckMiniHtml = 1, ckRichText = 2, ckFormula = 3, ckEscapedWide = 5 };
int CellTextKind(const QString& text, bool htmlAllowed);
QString WideToEscaped(const QString& text);
QString EscapedToWide(const QString& text);
// Reads "R<row>C<col>" (any case); cell keeps its value when the text is no reference.
bool ParseR1C1(const QString& text, TPoint& cell);
