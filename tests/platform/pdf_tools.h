#pragma once
// Reading a printed PDF back through poppler's tools: page count, laid-out text and
// page images at 96 pixels per inch. Each returns nothing when its tool is missing.

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

inline bool PopplerToolsInstalled() {
    for (const char* tool : {"pdfinfo", "pdftotext", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) return false;
    return true;
}

inline std::optional<QString> RunPdfTool(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int PdfPageCount(const QString& pdf) {
    const auto info = RunPdfTool(QStringLiteral("pdfinfo"), {pdf});
    if (!info) return -1;
    for (const QString& line : info->split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

// Pages are separated by form feeds.
inline QString PdfText(const QString& pdf) {
    return RunPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}).value_or(QString());
}

inline QImage PdfPageImage(const QString& pdf, int page) {
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    const QString number = QString::number(page);
    if (!RunPdfTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-f"), number,
                                                 QStringLiteral("-l"), number, QStringLiteral("-png"),
                                                 QStringLiteral("-singlefile"), pdf, base}))
        return {};
    return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// 0.1 mm at 96 pixels per inch.
constexpr int PixelsOf(int tenthsOfMm) { return (tenthsOfMm * 96 + 127) / 254; }
