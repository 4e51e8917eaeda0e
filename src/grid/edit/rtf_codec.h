#pragma once
// Reading and writing rich text in RTF, the form in which rich-text cells hold their
// content. Qt reads and writes no RTF, so this is our own, covering what cells store:
// runs of text with bold, italic, underline, colour, font size, font face and sub- or
// superscript, paragraphs, line breaks and tabs.
//
// Reading never throws and is bounded: groups nest at most kRtfMaxDepth deep (deeper
// ones are read in the deepest kept state), numeric parameters are clamped, \binN never
// skips past the input, and time and output grow linearly with the input. Malformed
// input gives the text read up to the fault. A text that does not start with "{\rtf"
// is taken as plain text.
//
// Writing gives 7-bit RTF: every character outside ASCII is written as \uN (with a '?'
// for readers without Unicode), so no character is lost to a code page.
//
// Index: the run model (here), the reader (rtf_codec_reader.cpp), the writer
// (rtf_codec_writer.cpp), runs to and from a QTextDocument (rtf_codec_document.cpp).

#include <QColor>
#include <QString>
#include <vector>

class QTextDocument;

enum TRtfVerticalPosition { rvpNormal, rvpSubscript, rvpSuperscript };

struct TRtfCharFormat {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    QColor Color;        // invalid: the automatic colour
    int HalfPoints = 0;  // font size in half points; 0: the document's default size
    QString Face;        // empty: the document's default font
    TRtfVerticalPosition Position = rvpNormal;

    bool operator==(const TRtfCharFormat&) const = default;
};

// Text of one format. Paragraph ends are QChar::ParagraphSeparator, line breaks inside a
// paragraph QChar::LineSeparator, tabs '\t' (the separators QTextDocument uses itself).
struct TRtfRun {
    QString Text;
    TRtfCharFormat Format;

    bool operator==(const TRtfRun&) const = default;
};

using TRtfRuns = std::vector<TRtfRun>;

inline constexpr int kRtfMaxDepth = 128;

// True when Text is RTF (starts with "{\rtf" after leading blanks).
bool IsRtfText(const QString& Text);

// The runs of an RTF text, adjacent runs of one format merged, empty runs dropped. The
// paragraph mark that closes the last paragraph is not part of the runs.
TRtfRuns ReadRtf(const QString& Rtf);

// The runs of a text that is not RTF: line ends (CR LF, CR, LF) become paragraph ends,
// other control characters but the tab are left out.
TRtfRuns PlainTextRuns(const QString& Text);

// 7-bit RTF for the runs; DefaultFace names the font of runs without a face.
QString WriteRtf(const TRtfRuns& Runs, const QString& DefaultFace = QStringLiteral("Arial"));

// Runs to and from a text document: the document is replaced by the runs; a document's
// runs are read per fragment, each paragraph end taking the format of the text before it.
void RunsToDocument(const TRtfRuns& Runs, QTextDocument& Document);
TRtfRuns DocumentRuns(const QTextDocument& Document);

// The two directions in one step: a cell text (RTF or plain) into a document, and a
// document into 7-bit RTF.
void RtfToDocument(const QString& Text, QTextDocument& Document);
QString DocumentToRtf(const QTextDocument& Document);

// Adds Text in Format to the end of Runs, merging it with the last run when that has the
// same format; empty text adds nothing.
void AppendRun(TRtfRuns& Runs, const QString& Text, const TRtfCharFormat& Format);
