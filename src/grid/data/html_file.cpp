// The grid's HTML document written to a file, between the lines of a header and a footer
// file. A file without Unicode is plain ASCII with every other character as a numeric
// reference, so nothing is lost; an XHTML declaration names the encoding written.

#include "grid/core/string_grid.h"
#include "grid/data/html_settings.h"
#include "grid/data/xml_file_encoding.h"
#include "platform/file_system.h"
#include "platform/text_encoding.h"
#include "platform/url_opener.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

QStringList FileLines(const QString& FileName) {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly)) throw Exception(QStringLiteral("Cannot open file \"%1\"").arg(FileName));
    QString text = DecodeTextFile(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void WriteHTMLFile(TExStringGrid& Grid, const QString& FileName, bool Show, bool Unicode, bool Append) {
    const THTMLSettings& h = *Grid.HTMLSettings();
    QStringList lines;
    if (Append) {
        try {
            lines = FileLines(FileName);
        } catch (const Exception&) {
            // A file that is not there yet starts empty.
        }
    }
    if (!h.HeaderFile.isEmpty()) lines << FileLines(h.HeaderFile);
    // Read before the document, whose pictures are files: a footer that cannot be read
    // leaves no pictures behind.
    const QStringList footer = h.FooterFile.isEmpty() ? QStringList() : FileLines(h.FooterFile);
    QString dir = QFileInfo(FileName).path();
    dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    QString html = Grid.SaveToHTMLString(dir);
    if (h.XHTML) {
        const QLatin1String written = Unicode ? QLatin1String("utf-16") : QLatin1String("us-ascii");
        html.replace(QLatin1String("<?xml version=\"1.0\" encoding=\"utf-8\"?>"),
                     QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>").arg(written));
    }
    lines << html;
    lines << footer;

    const QString text = lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
    if (!WriteFileAtomically(FileName, EncodeXmlDocument(text, Unicode ? TXmlFileEncoding::Utf16 : TXmlFileEncoding::Ascii)))
        throw Exception(QStringLiteral("Cannot create file \"%1\"").arg(FileName));
    if (Show || h.AutoPreview) OpenURL(QUrl::fromLocalFile(QFileInfo(FileName).absoluteFilePath()).toString());
}

}  // namespace

void TExStringGrid::SaveToHTML(const QString& FileName, bool Show, bool Unicode) {
    WriteHTMLFile(*this, FileName, Show, Unicode, false);
}

void TExStringGrid::AppendToHTML(const QString& FileName, bool Show, bool Unicode) {
    WriteHTMLFile(*this, FileName, Show, Unicode, true);
}
