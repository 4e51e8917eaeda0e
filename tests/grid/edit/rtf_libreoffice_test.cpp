// Our RTF against an independent reader and writer: LibreOffice converts the RTF we
// write to flat ODF, and writes RTF from an ODF fixture that we read. The test fails
// when LibreOffice is missing: the project's install script brings it.

#include "grid/edit/rtf_codec.h"

#include "editors/golden_files.h"
#include "rtf_notation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

QString Source_Folder() { return QFileInfo(QStringLiteral(__FILE__)).absolutePath(); }

// Converts Input into Folder with LibreOffice (its own profile in Folder); the written file.
QString Convert(const QString& Input, const QString& Format, const QString& Folder) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) return QString();
    QProcess process;
    process.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + Folder + QStringLiteral("/profile"),
                            QStringLiteral("--headless"), QStringLiteral("--convert-to"), Format,
                            QStringLiteral("--outdir"), Folder, Input});
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return QString();
    }
    return Folder + QLatin1Char('/') + QFileInfo(Input).completeBaseName() + QLatin1Char('.') + Format;
}

// Only what both sides carry: text, bold, italic, underline, colour and size.
TRtfRuns Compared(const TRtfRuns& Runs, int DefaultHalfPoints) {
    TRtfRuns out;
    for (TRtfRun run : Runs) {
        run.Format.Face.clear();
        run.Format.Position = rvpNormal;
        if (run.Format.HalfPoints == 0) run.Format.HalfPoints = DefaultHalfPoints;
        if (run.Format.Color == QColor(Qt::black)) run.Format.Color = QColor();
        AppendRun(out, run.Text, run.Format);
    }
    return out;
}

// The runs of a flat ODF text: spans take the text properties of their automatic style.
TRtfRuns FlatOdfRuns(const QByteArray& Xml, int DefaultHalfPoints) {
    QHash<QString, TRtfCharFormat> styles;
    TRtfRuns runs;
    QXmlStreamReader xml(Xml);
    QString styleName;
    std::vector<TRtfCharFormat> formats{TRtfCharFormat{}};
    bool firstParagraph = true;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.name();
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.isStartElement() && name == QLatin1String("style") && a.hasAttribute(QStringLiteral("style:name"))) {
            styleName = a.value(QStringLiteral("style:name")).toString();
        } else if (xml.isStartElement() && name == QLatin1String("text-properties") && !styleName.isEmpty()) {
            TRtfCharFormat& f = styles[styleName];
            f.Bold = a.value(QStringLiteral("fo:font-weight")) == QLatin1String("bold");
            f.Italic = a.value(QStringLiteral("fo:font-style")) == QLatin1String("italic");
            const QStringView underline = a.value(QStringLiteral("style:text-underline-style"));
            f.Underline = !underline.isEmpty() && underline != QLatin1String("none");
            if (a.hasAttribute(QStringLiteral("fo:color"))) f.Color = QColor(a.value(QStringLiteral("fo:color")).toString());
            const QStringView size = a.value(QStringLiteral("fo:font-size"));
            if (size.endsWith(QLatin1String("pt"))) f.HalfPoints = qRound(size.chopped(2).toDouble() * 2);
        } else if (xml.isEndElement() && name == QLatin1String("style")) {
            styleName.clear();
        } else if (xml.isStartElement() && (name == QLatin1String("span") || name == QLatin1String("p"))) {
            const QString style = a.value(QStringLiteral("text:style-name")).toString();
            if (name == QLatin1String("p")) {
                if (!firstParagraph) AppendRun(runs, QString(QChar::ParagraphSeparator), formats.back());
                firstParagraph = false;
            }
            formats.push_back(styles.contains(style) ? styles.value(style) : formats.back());
        } else if (xml.isEndElement() && (name == QLatin1String("span") || name == QLatin1String("p"))) {
            formats.pop_back();
        } else if (xml.isStartElement() && name == QLatin1String("s")) {
            AppendRun(runs, QString(qMax(1, a.value(QStringLiteral("text:c")).toInt()), QLatin1Char(' ')), formats.back());
        } else if (xml.isCharacters() && formats.size() > 1) {
            AppendRun(runs, xml.text().toString(), formats.back());
        }
    }
    return Compared(runs, DefaultHalfPoints);
}

}  // namespace

TEST(RtfWithLibreOffice, ReadsOurRtfWithItsFormats) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const TRtfRuns document = ParseRunNotation(QString::fromUtf8(
        "|plain \nb|bold\n| \ni|italic\n| \nu|under\n|\\p\ncolor=#ff0000|red\n| \nsize=36|big\n|, € ł 😀\n"));
    const QString rtfPath = folder.filePath(QStringLiteral("ours.rtf"));
    QFile file(rtfPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(WriteRtf(document).toLatin1());
    file.close();
    const QString converted = Convert(rtfPath, QStringLiteral("fodt"), folder.path());
    ASSERT_FALSE(converted.isEmpty()) << "LibreOffice (soffice) is needed";
    const QByteArray odf = Read_Whole_File(converted);
    ASSERT_FALSE(odf.isEmpty());
    // LibreOffice gives unsized text its default of 12 points.
    EXPECT_EQ(RunNotation(FlatOdfRuns(odf, 24)), RunNotation(Compared(document, 24)));
}

TEST(RtfWithLibreOffice, ReadsTheRtfItWritesFromAnOdfFixture) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString fixture = Source_Folder() + QStringLiteral("/golden/libreoffice/formats.fodt");
    const QString converted = Convert(fixture, QStringLiteral("rtf"), folder.path());
    ASSERT_FALSE(converted.isEmpty()) << "LibreOffice (soffice) is needed";
    const QString rtf = QString::fromLatin1(Read_Whole_File(converted));
    ASSERT_TRUE(IsRtfText(rtf));
    const TRtfRuns read = ReadRtf(rtf);
    EXPECT_EQ(RunNotation(Compared(read, 24)), RunNotation(FlatOdfRuns(Read_Whole_File(fixture), 24)));
    // The superscript survives too.
    bool superscript = false;
    for (const TRtfRun& run : read) superscript |= run.Text == QLatin1String("2") && run.Format.Position == rvpSuperscript;
    EXPECT_TRUE(superscript);
}
