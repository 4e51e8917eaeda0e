#pragma once
// A plain-text notation for rich-text runs, for golden files and readable failures.
// One run per line: its format, a '|', its text. The format is a comma-separated list of
// b, i, u, sub, super, color=#rrggbb, size=<half points>, face=<name>; an empty format
// is the default. In the text \p is a paragraph end, \l a line break, \t a tab and \\ a
// backslash. Lines starting with '#' are comments; adjacent runs of one format merge.

#include "grid/edit/rtf_codec.h"

#include <QStringList>
#include <ostream>

inline TRtfRuns ParseRunNotation(const QString& Notation) {
    TRtfRuns runs;
    for (const QString& line : Notation.split(QLatin1Char('\n'))) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const qsizetype bar = line.indexOf(QLatin1Char('|'));
        if (bar < 0) continue;
        TRtfRun run;
        for (const QString& item : line.left(bar).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString key = item.section(QLatin1Char('='), 0, 0).trimmed();
            const QString value = item.section(QLatin1Char('='), 1);
            if (key == QLatin1String("b")) run.Format.Bold = true;
            else if (key == QLatin1String("i")) run.Format.Italic = true;
            else if (key == QLatin1String("u")) run.Format.Underline = true;
            else if (key == QLatin1String("sub")) run.Format.Position = rvpSubscript;
            else if (key == QLatin1String("super")) run.Format.Position = rvpSuperscript;
            else if (key == QLatin1String("color")) run.Format.Color = QColor(value);
            else if (key == QLatin1String("size")) run.Format.HalfPoints = value.toInt();
            else if (key == QLatin1String("face")) run.Format.Face = value;
        }
        const QString text = line.mid(bar + 1);
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) != QLatin1Char('\\') || i + 1 == text.size()) {
                run.Text += text.at(i);
                continue;
            }
            const QChar code = text.at(++i);
            run.Text += code == QLatin1Char('p')   ? QChar(QChar::ParagraphSeparator)
                        : code == QLatin1Char('l') ? QChar(QChar::LineSeparator)
                        : code == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
                                                   : code;
        }
        AppendRun(runs, run.Text, run.Format);  // runs of one format read back as one
    }
    return runs;
}

inline QString RunNotation(const TRtfRuns& Runs) {
    QString out;
    for (const TRtfRun& run : Runs) {
        QStringList format;
        const TRtfCharFormat& f = run.Format;
        if (f.Bold) format << QStringLiteral("b");
        if (f.Italic) format << QStringLiteral("i");
        if (f.Underline) format << QStringLiteral("u");
        if (f.Position == rvpSubscript) format << QStringLiteral("sub");
        if (f.Position == rvpSuperscript) format << QStringLiteral("super");
        if (f.Color.isValid()) format << QStringLiteral("color=") + f.Color.name();
        if (f.HalfPoints > 0) format << QStringLiteral("size=%1").arg(f.HalfPoints);
        if (!f.Face.isEmpty()) format << QStringLiteral("face=") + f.Face;
        QString text = run.Text;
        text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        text.replace(QChar::ParagraphSeparator, QLatin1String("\\p"));
        text.replace(QChar::LineSeparator, QLatin1String("\\l"));
        text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
        out += format.join(QLatin1Char(',')) + QLatin1Char('|') + text + QLatin1Char('\n');
    }
    return out;
}

inline void PrintTo(const TRtfRun& Run, std::ostream* Out) { *Out << RunNotation({Run}).toStdString(); }
