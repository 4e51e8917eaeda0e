// Mini-HTML from cells, headers and hints: the renderer on a canvas of known metrics
// (no picture cache, so no file or network is reached), and the markup text routines
// with the round trips they promise.

#include "fuzz_targets.h"
#include "fuzz_workspace.h"

#include "grid/view/markup_colors.h"
#include "grid/view/markup_control_tags.h"
#include "grid/view/markup_entities.h"
#include "grid/view/markup_renderer.h"
#include "grid/view/markup_text.h"
#include "grid/view/picture_container.h"
#include "grid/view/html_picture.h"
#include "platform/image_list.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

namespace {

// Far above what a cell text takes even under the sanitizers on a loaded machine (the
// first text in a new script waits for the font fallback); a call past it hangs.
constexpr qint64 kMaxCallMilliseconds = 10000;
// Longer inputs say nothing new and only slow the run down.
constexpr std::size_t kMaxInputBytes = 8192;

// The fuzz programs run without the test suite's application; fonts need one.
void Ensure_Gui_Application() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_markup";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

// Splits the input at NUL bytes into up to `count` UTF-8 texts.
QStringList Texts(const std::uint8_t* data, std::size_t size, int count) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(std::min(size, kMaxInputBytes)));
    QStringList texts;
    for (const QByteArray& part : bytes.split('\0')) texts << QString::fromUtf8(part);
    while (texts.size() < count) texts << QString();
    if (texts.size() > count) texts = texts.mid(0, count - 1) << texts.mid(count - 1).join(QChar(0));
    return texts;
}

// The pictures a cell may name: one image list entry and one container picture "pic".
struct MarkupPictures {
    TCustomImageList Images{nullptr, 16, 16};
    TPictureContainer Container;
    MarkupPictures() {
        QImage image(12, 9, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        Images.Add(image);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::ReadWrite);
        image.save(&buffer, "PNG");
        buffer.seek(0);
        TPictureItem* item = Container.Items()->Add();
        item->Name = QStringLiteral("pic");
        item->Picture()->LoadFromStream(&buffer);
    }
};

}  // namespace

// Input: one byte of options, then the marked-up text.
int Fuzz_Draw_Markup_Text(const std::uint8_t* data, std::size_t size) {
    Ensure_Gui_Application();
    static MarkupPictures pictures;
    const std::uint8_t options = size > 0 ? data[0] : 0;
    const QString text = size > 0 ? Texts(data + 1, size - 1, 1).front() : QString();

    QImage image(160, 90, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    TCanvas canvas(&painter);
    canvas.Font.Name = QStringLiteral("DejaVu Sans");
    canvas.Font.Size = 8;
    canvas.Font.Color = clBlack;
    canvas.Brush.Color = clWhite;
    canvas.Pen.Color = clNavy;
    canvas.Pen.Width = 2;
    const TFont font = canvas.Font;
    const TBrush brush = canvas.Brush;

    TMarkupTextParams p;
    p.Canvas = &canvas;
    p.Text = text;
    p.Bounds = Rect(2, 3, 150, 80);
    p.Images = &pictures.Images;
    p.PictureContainer = &pictures.Container;
    p.MouseX = 5 + (options & 0x0F) * 9;
    p.MouseY = 4 + (options >> 4) * 5;
    p.MeasureOnly = options & 0x01;
    p.HitTestOnly = options & 0x02;
    p.WordWrap = !(options & 0x04);
    p.UnderlineOnHoverOnly = options & 0x08;
    p.FocusAnchorIndex = (options >> 4) % 3 - 1;
    p.HoverAnchorIndex = options % 4;
    p.HoverBrushColor = options & 0x10 ? clAqua : clNone;
    p.HoverTextColor = options & 0x20 ? clRed : clNone;
    p.BlinkOn = !(options & 0x40);
    p.Printing = options & 0x80;
    p.ResolutionFactor = 1.5;
    p.ControlID = QStringLiteral("c");

    QElapsedTimer timer;
    timer.start();
    const bool hit = DrawMarkupText(p);
    Fuzz_Require(timer.elapsed() < kMaxCallMilliseconds, "the renderer took too long");
    Fuzz_Require(canvas.Font == font, "the canvas font was not restored");
    Fuzz_Require(canvas.Brush.Color == brush.Color && canvas.Brush.Style == brush.Style,
                 "the canvas brush was not restored");
    Fuzz_Require(canvas.Pen.Color == clNavy && canvas.Pen.Width == 2, "the canvas pen was not restored");
    Fuzz_Require(!(p.MeasureOnly && hit), "measuring reported a hit");
    Fuzz_Require(p.TotalHeight > 0 && p.MaxLineWidth >= 0 && p.AnchorCount >= 0, "impossible measures");
    Fuzz_Require(p.HoverAnchor == -1 || (p.HoverAnchor >= 1 && p.HoverAnchor <= p.AnchorCount),
                 "the hovered anchor is not one of the text's");
    return 0;
}

// Input: text, NUL, search text, NUL, tag name. Every routine on markup text, with the
// round trips that must hold for the inputs they are promised for.
int Fuzz_Markup_Text(const std::uint8_t* data, std::size_t size) {
    const QStringList texts = Texts(data, size, 3);
    const QString& text = texts[0];
    const QString& search = texts[1];
    const QString& tag = texts[2];
    QElapsedTimer timer;
    timer.start();

    const QString plain = MarkupToPlainText(text);
    Fuzz_Require(plain.size() <= text.size(), "plain text grew");
    if (!text.contains(QLatin1Char('<')) && !text.contains(QLatin1Char('>')))
        Fuzz_Require(plain == text, "text without tags changed on the way to plain text");

    if (!text.contains(QLatin1String("*amp;")))
        Fuzz_Require(EntitiesToChars(CharsToEntities(text, true), true) == text, "entities did not read back");
    EntitiesToChars(text, false);
    Fuzz_Require(!SpacesToNbsp(text).contains(QLatin1Char(' ')), "a blank was left");

    const QString marked = WrapMatchesInTag(text, search, tag, size % 2 == 0);
    RemoveMatchTags(text, tag);
    if (search.isEmpty()) Fuzz_Require(marked == text, "an empty search changed the text");
    static const QRegularExpression letters(QStringLiteral("^[A-Za-z]+$"));
    if (letters.match(tag).hasMatch() && !text.contains(QLatin1Char('<')) && !text.contains(QLatin1Char('>')) &&
        !text.contains(QLatin1Char('&')))
        Fuzz_Require(RemoveMatchTags(marked, tag) == text, "removing the marks did not give the text back");

    Fuzz_Require(ColorFromHex(search.toUpper()) <= 0xFFFFFF, "a hexadecimal colour left its range");
    ColorFromName(search.toLower());
    MarkupColorValue(search);
    Fuzz_Require(timer.elapsed() < kMaxCallMilliseconds, "the markup routines took too long");
    return 0;
}

// Input: cell text, NUL, ID, NUL, value. The CONTROL tag routines on any text, and a
// value written into a control reads back.
int Fuzz_Control_Tags(const std::uint8_t* data, std::size_t size) {
    const QStringList texts = Texts(data, size, 3);
    const QString& text = texts[0];
    const QString& id = texts[1];
    const QString& value = texts[2];
    QElapsedTimer timer;
    timer.start();

    ParseControlTag(text);
    HasControlTag(text);
    QString next = NextEditableControlId(text, id);
    for (int steps = 0; !next.isEmpty() && steps < 64; ++steps) next = NextEditableControlId(text, next);
    QString read;
    GetControlTagValue(text, id, read);
    GetControlTagProp(text, id);
    GetControlTagMaxLen(text, id);
    ResetRadioControls(text);
    QString edited = text;
    if (!SetControlTagValue(edited, id, value)) Fuzz_Require(edited == text, "a failed write changed the text");

    // IDs of letters and digits and values without attribute keywords come back as written.
    static const QRegularExpression plainId(QStringLiteral("^[A-Za-z0-9]+$"));
    static const QRegularExpression keyword(QStringLiteral("TYPE=|WIDTH=|HEIGHT=|ID=|VALUE=|PROP=|MAXLEN=|\\*amp;"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (plainId.match(id).hasMatch() && !keyword.match(value).hasMatch()) {
        QString form = QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"%1\" VALUE=\"\" WIDTH=\"40\">").arg(id);
        Fuzz_Require(SetControlTagValue(form, id, value), "the control was not found");
        const TControlTag parsed = ParseControlTag(form.mid(8));
        Fuzz_Require(parsed.ID == id && parsed.VALUE == value && parsed.TYPE == QLatin1String("EDIT"),
                     "the written value did not read back");
    }
    Fuzz_Require(timer.elapsed() < kMaxCallMilliseconds, "the control tag routines took too long");
    return 0;
}
