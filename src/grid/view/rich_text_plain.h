#pragma once
// The plain text of an RTF document, for showing and measuring RTF cells without a rich
// text engine: control words and symbols are dropped, destination groups (font and
// colour tables, pictures, "\*" groups) are skipped whole, \par and \line break the
// line, \tab is a tab, \'hh is a Latin-1 character and \uN a Unicode one. The
// reader is bounded: it reads each character once and gives up nesting beyond 64 groups
// by treating deeper groups as skipped.

#include <QString>

QString RichTextToPlainText(const QString& Rtf);
