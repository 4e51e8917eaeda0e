// Runs to and from a QTextDocument: each run becomes text with a character format, and
// each fragment of a document becomes a run again.

#include "grid/edit/rtf_codec.h"

#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QTextCharFormat CharFormat(const TRtfCharFormat& Format) {
    QTextCharFormat f;
    if (Format.Bold) f.setFontWeight(QFont::Bold);
    if (Format.Italic) f.setFontItalic(true);
    if (Format.Underline) f.setFontUnderline(true);
    if (Format.Color.isValid()) f.setForeground(Format.Color);
    if (Format.HalfPoints > 0) f.setFontPointSize(Format.HalfPoints / 2.0);
    if (!Format.Face.isEmpty()) f.setFontFamilies(QStringList{Format.Face});
    if (Format.Position == rvpSuperscript) f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (Format.Position == rvpSubscript) f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return f;
}

TRtfCharFormat RunFormat(const QTextCharFormat& Format) {
    TRtfCharFormat f;
    f.Bold = Format.hasProperty(QTextFormat::FontWeight) && Format.fontWeight() > QFont::Medium;
    f.Italic = Format.fontItalic();
    f.Underline = Format.fontUnderline();
    if (Format.hasProperty(QTextFormat::ForegroundBrush) && Format.foreground().style() != Qt::NoBrush)
        f.Color = Format.foreground().color().toRgb();
    if (Format.hasProperty(QTextFormat::FontPointSize)) f.HalfPoints = qRound(Format.fontPointSize() * 2);
    if (Format.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = Format.fontFamilies().toStringList();
        if (!families.isEmpty()) f.Face = families.first();
    } else if (Format.hasProperty(QTextFormat::FontFamily)) {
        f.Face = Format.property(QTextFormat::FontFamily).toString();
    }
    const auto alignment = Format.verticalAlignment();
    f.Position = alignment == QTextCharFormat::AlignSuperScript ? rvpSuperscript
                 : alignment == QTextCharFormat::AlignSubScript ? rvpSubscript
                                                                : rvpNormal;
    return f;
}

}  // namespace

void RunsToDocument(const TRtfRuns& Runs, QTextDocument& Document) {
    Document.clear();
    QTextCursor cursor(&Document);
    cursor.beginEditBlock();
    for (const TRtfRun& run : Runs) cursor.insertText(run.Text, CharFormat(run.Format));
    cursor.endEditBlock();
}

TRtfRuns DocumentRuns(const QTextDocument& Document) {
    TRtfRuns runs;
    TRtfCharFormat last;
    for (QTextBlock block = Document.begin(); block.isValid(); block = block.next()) {
        if (block != Document.begin()) AppendRun(runs, QString(QChar::ParagraphSeparator), last);
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment piece = fragment.fragment();
            if (!piece.isValid()) continue;
            QString text = piece.text();
            text.remove(QChar::ObjectReplacementCharacter);  // pictures and other objects have no RTF here
            last = RunFormat(piece.charFormat());
            AppendRun(runs, text, last);
        }
    }
    return runs;
}

void RtfToDocument(const QString& Text, QTextDocument& Document) { RunsToDocument(ReadRtf(Text), Document); }

QString DocumentToRtf(const QTextDocument& Document) {
    return WriteRtf(DocumentRuns(Document), Document.defaultFont().family());
}
