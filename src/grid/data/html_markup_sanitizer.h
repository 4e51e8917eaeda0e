#pragma once
// Cell texts on their way into an HTML document. A cell with the grid's mini-HTML keeps
// only the tags the cell renderer draws itself; any other tag is written as text, event
// attributes are dropped, and links and picture sources are kept only for http, https,
// ftp, mailto and file URLs, quoted and escaped. Plain text is escaped whole.

#include <QString>

// "&", "<", ">" and the double quote as entities.
QString EscapeHtmlText(const QString& Text);
// True for an http, https, ftp, mailto or file URL.
bool IsSafeLinkUrl(const QString& Url);
// Mini-HTML reduced to the renderer's tags, written in lower case; with Xhtml, empty
// elements close themselves ("<br />").
QString SanitizeMiniHtml(const QString& Markup, bool Xhtml);
