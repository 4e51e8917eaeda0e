// Sections: DrawMarkupText (preparing the text, the line loop), RenderPass (one line:
// runs and tags), the opening and closing tags, pictures, controls. Each line goes
// through RenderPass twice: measuring on the remaining text, then painting (or
// hit-testing) the line source the first pass cut off.

#include "grid/view/markup_renderer.h"

#include "grid/view/html_picture.h"
#include "grid/view/markup_colors.h"
#include "grid/view/markup_control_drawing.h"
#include "grid/view/markup_control_tags.h"
#include "grid/view/markup_values.h"
#include "grid/view/picture_container.h"
#include "platform/image_list.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QApplication>
#include <QFontMetrics>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

TColor gHighlightColor = clHighlight;
TColor gHighlightTextColor = clHighlightText;

enum class Alignment { Left, Right, Center };

// The size of a small and a large file icon.
constexpr int kSmallIconSize = 16;
constexpr int kLargeIconSize = 32;

QString DecodeRunEntities(const QString& run, bool& decoded) {
    if (!run.contains(QLatin1Char('&'))) {
        decoded = false;
        return run;
    }
    QString text = run;
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    decoded = text.size() != run.size();
    return text;
}

// What a run shows once "&&" has become "&" and a single "&" only marks the next
// character.
QString WithoutPrefixes(const QString& run) {
    if (!run.contains(QLatin1Char('&'))) return run;
    QString shown;
    shown.reserve(run.size());
    for (qsizetype i = 0; i < run.size(); ++i) {
        if (run[i] == QLatin1Char('&')) {
            if (i + 1 < run.size() && run[i + 1] == QLatin1Char('&')) shown.append(QLatin1Char('&'));
            ++i;
            if (i < run.size() && run[i] != QLatin1Char('&')) shown.append(run[i]);
            continue;
        }
        shown.append(run[i]);
    }
    return shown;
}

QString PrepareText(const QString& source) {
    static const char* const kEntities[][2] = {
        {"&amp;", "&&"},       {"&quot;", "\""},           {"&sect;", "\u00A7"},
        {"&permil;", "\u2030"}, {"&reg;", "\u00AE"},        {"&copy;", "\u00A9"},
        {"&para;", "\u00B6"},  {"&trade;", "\u2122"},      {"&euro;", "\u20AC"},
    };
    QString text = source;
    // "<#...>" shows its characters: the "<" and the ">" that closes it go.
    for (qsizetype at = text.indexOf(QStringLiteral("<#")); at >= 0; at = text.indexOf(QStringLiteral("<#"), at)) {
        text.remove(at, 1);
        const qsizetype gt = text.indexOf(QLatin1Char('>'), at);
        if (gt >= 0) text.remove(gt, 1);
    }
    // Entities are decoded in the text only: inside tags they keep attribute values
    // whole (a decoded quote would end a value) and CONTROL values exact.
    QString prepared;
    prepared.reserve(text.size());
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype lt = text.indexOf(QLatin1Char('<'), pos);
        QString plain = text.mid(pos, lt < 0 ? -1 : lt - pos);
        for (const auto& [entity, character] : kEntities)
            plain = ReplaceUntilNone(plain, QLatin1String(entity), QString::fromUtf8(character));
        prepared += plain;
        if (lt < 0) break;
        const qsizetype gt = text.indexOf(QLatin1Char('>'), lt);
        const qsizetype end = gt < 0 ? text.size() : gt + 1;
        prepared += QStringView(text).mid(lt, end - lt);
        pos = end;
    }
    prepared.remove(QLatin1Char('\n'));
    prepared.replace(QLatin1Char('\r'), QStringLiteral("<BR>"));
    return prepared;
}

int RoundHalfEven(double value) {
    return int(std::clamp(std::nearbyint(value), -double(kMaxMarkupBoxSize) * 64, double(kMaxMarkupBoxSize) * 64));
}

class MarkupRenderer {
public:
    explicit MarkupRenderer(TMarkupTextParams& params) : P(params), C(*params.Canvas) {}
    bool Run();

private:
    struct PassResult {
        QString LineSource;
        bool AnchorTextHit = false;
        bool BoxHit = false;
    };
    // What both passes of a line start from.
    struct LineStart {
        int AnchorNumber, PictureNumber, ListLevel, Rotation;
        bool InsideAnchor, Shadow, Hidden;
        QString Href, Title;
    };

    PassResult RenderPass(const QString& text, qsizetype& pos, TRect R, bool paint, bool replay);
    void Run(const QString& text, qsizetype& pos, qsizetype n, const QString& run, bool decoded, TRect& W,
             const TRect& R, bool paint, bool replay, PassResult& result);
    void DrawRun(const QString& run, TRect W, const TRect& R, int width);
    void OpeningTag(const QString& tag, const TRect& R, TRect& W, bool paint, bool replay, PassResult& result);
    void ClosingTag(const QString& tag, const TRect& R, TRect& W, bool paint);
    void Picture(const QString& tag, const TRect& R, bool paint, bool replay, PassResult& result);
    void Control(const QString& tag, const TRect& R, const TRect& W, bool paint, bool replay, PassResult& result);
    bool PlaceBox(int boxWidth, int boxHeight, const TRect& R, bool replay);
    THTMLPicture* LookupPicture(const QString& source);
    void DrawBody(const QString& tag);

    LineStart SaveLineStart() const;
    void RestoreLineStart(const LineStart& s);
    // Metrics of the canvas font, built again only when the font changes: runs and
    // lines measure far more often than tags change the font.
    const QFontMetrics& Metrics();
    int GhHeight() { return Metrics().height(); }
    int TextWidth(const QString& text) { return Metrics().horizontalAdvance(text); }
    TColor BrushColor() const { return C.Brush.Style == bsClear ? clNone : C.Brush.Color; }
    void SetBrushColor(TColor color);
    void DrawFocusRect(int left, int top, int right, int bottom);
    double DpiScaleX() const { return C.Painter()->device()->logicalDpiX() / 96.0; }
    double DpiScaleY() const { return C.Painter()->device()->logicalDpiY() / 96.0; }

    TMarkupTextParams& P;
    TCanvas& C;
    std::optional<QFontMetrics> FMetrics;
    TFont FMetricsFont;
    TFont FEntryFont;
    TColor FBackgroundColor = clNone;
    QString FWantedControlID;
    unsigned FFormat = 0;

    // State kept across lines.
    Alignment FAlignment = Alignment::Left;
    int FIndent = 0;
    int FAnchorNumber = 0;
    int FPictureNumber = 0;
    int FHoveredPicture = -1;
    int FListLevel = 0;
    bool FInsideAnchor = false;
    QString FHref, FTitle;
    bool FParagraphBackground = false;
    TColor FParagraphSavedBrush = clNone;
    bool FShadow = false, FHidden = false, FErrorUnderline = false;
    int FRotation = 0, FSavedRotation = 0;
    TColor FHoverSavedBrush = clNone, FHoverSavedFontColor = clNone;
    TColor FHighlightSavedBrush = clNone, FHighlightSavedFontColor = clNone;
    TColor FFontSavedBrush = clNone;
    TRect FFocus;
    // The anchor whose text a measuring pass found under the mouse (0: none). Its number
    // is kept so that only its own closing tag reports it, not one the painting pass of
    // the line meets before reaching the anchor again.
    int FPendingAnchor = 0;
    TPoint FHoverStart;
    int FHoverStartLine = 0;
    int FLineNumber = 0;

    // State of the current line.
    bool FSubscript = false, FSuperscript = false;
    int FExtraAscent = 0, FExtraDescent = 0, FTextLift = 0;
    int FLineHeight = 0, FLineWidth = 0;
    int FX = 0;  // pen position of the running pass
    bool FEndOfLine = false, FLineFull = false, FBulletSeen = false;
    QString FLineText;
    int FTrailingBlank = 0;
};

const QFontMetrics& MarkupRenderer::Metrics() {
    const auto sameShape = [](const TFont& a, const TFont& b) {
        return a.Name == b.Name && a.Size == b.Size && a.Style == b.Style;
    };
    if (!FMetrics || !sameShape(FMetricsFont, C.Font)) {
        FMetricsFont = C.Font;
        FMetrics.emplace(C.Font.ToQFont(), C.Painter()->device());
    }
    return *FMetrics;
}

void MarkupRenderer::SetBrushColor(TColor color) {
    if (color == clNone) {
        C.Brush.Style = bsClear;
        return;
    }
    C.Brush.Style = bsSolid;
    C.Brush.Color = color;
}

MarkupRenderer::LineStart MarkupRenderer::SaveLineStart() const {
    return {FAnchorNumber, FPictureNumber, FListLevel, FRotation, FInsideAnchor, FShadow, FHidden, FHref, FTitle};
}

void MarkupRenderer::RestoreLineStart(const LineStart& s) {
    FAnchorNumber = s.AnchorNumber;
    FPictureNumber = s.PictureNumber;
    FListLevel = s.ListLevel;
    FRotation = s.Rotation;
    FInsideAnchor = s.InsideAnchor;
    FShadow = s.Shadow;
    FHidden = s.Hidden;
    FHref = s.Href;
    FTitle = s.Title;
}

void MarkupRenderer::DrawFocusRect(int left, int top, int right, int bottom) {
    C.DrawFocusRect(Rect(left - 1, top, right + 1, bottom));
}

bool MarkupRenderer::Run() {
    const TColor entryPenColor = C.Pen.Color;
    const int entryPenWidth = C.Pen.Width;
    const TPenStyle entryPenStyle = C.Pen.Style;
    const TBrush entryBrush = C.Brush;
    FEntryFont = C.Font;
    TFont measureFont = C.Font, paintFont = C.Font;
    FBackgroundColor = BrushColor();
    SetBrushColor(clNone);
    FHighlightSavedFontColor = FHoverSavedFontColor = FEntryFont.Color;

    P.HitControlRect = TRect();
    P.ControlValue.clear();
    P.ControlType.clear();
    P.PlainText.clear();
    P.FocusAnchorHref.clear();
    P.AnchorTitle.clear();
    FWantedControlID = P.HitTestOnly ? P.ControlID : QString();
    if (!P.HitTestOnly) P.ControlID.clear();
    P.MaxLineWidth = P.TotalHeight = P.AnchorCount = 0;
    P.HoverAnchor = -1;

    FFormat = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS;
    const QString text = PrepareText(P.Text);
    TRect line = P.Bounds;
    line.Left += 1;
    int top = line.Top;
    bool hit = false;
    qsizetype pos = 0;
    while (pos < text.size()) {
        C.Font = measureFont;
        const int h0 = GhHeight();
        FLineHeight = h0;
        FLineWidth = FTextLift = FExtraAscent = FExtraDescent = 0;
        FSubscript = FSuperscript = false;
        const LineStart start = SaveLineStart();

        const qsizetype lineStart = pos;
        TRect R = line;
        R.Top = top;
        PassResult measured = RenderPass(text, pos, R, false, false);
        if (pos == lineStart) ++pos;  // every line takes at least one character
        measureFont = C.Font;

        TRect paint;
        paint.Left = line.Left;
        if (FAlignment == Alignment::Right && line.Right - FLineWidth > paint.Left) paint.Left = line.Right - FLineWidth;
        if (FAlignment == Alignment::Center && line.Right - line.Left - FLineWidth > 0)
            paint.Left += (line.Right - line.Left - FLineWidth) / 2;
        paint.Left += FIndent;
        paint.Top = top;
        paint.Right = P.Bounds.Right;
        paint.Bottom = top + FLineHeight + FExtraAscent + FExtraDescent;

        if (!P.MeasureOnly) {
            C.Font = paintFont;
            RestoreLineStart(start);
            qsizetype replayPos = 0;
            const PassResult second = RenderPass(measured.LineSource, replayPos, paint, !P.HitTestOnly, true);
            paintFont = C.Font;
            const int gh = GhHeight();
            const int textBottom = paint.Bottom - FTextLift;
            if ((second.AnchorTextHit && P.MouseY > textBottom - gh && P.MouseY < textBottom) || second.BoxHit) hit = true;
        }
        const int height = FLineHeight + FExtraAscent + FExtraDescent;
        top += height;
        P.TotalHeight += height;
        ++FLineNumber;
        if (top + h0 > P.Bounds.Bottom && !P.MeasureOnly) break;
    }

    if (P.TotalHeight == 0) P.TotalHeight = GhHeight();
    C.Pen.Color = entryPenColor;
    C.Pen.Width = entryPenWidth;
    C.Pen.Style = entryPenStyle;
    C.Brush = entryBrush;
    C.Font = FEntryFont;
    return hit && !P.MeasureOnly;
}

MarkupRenderer::PassResult MarkupRenderer::RenderPass(const QString& text, qsizetype& pos, TRect R, bool paint,
                                                      bool replay) {
    PassResult result;
    R.Bottom -= FExtraDescent;
    TRect W = R;
    FX = W.Left;
    FLineText.clear();
    FLineWidth = 0;
    FTrailingBlank = 0;
    FEndOfLine = FLineFull = FBulletSeen = false;

    if (paint && FParagraphBackground) {
        C.Pen.Color = BrushColor();
        C.FillRect(Rect(P.Bounds.Left, R.Top, P.Bounds.Right, R.Top + FLineHeight));
    }

    while (pos < text.size() && !FEndOfLine && !FLineFull) {
        const qsizetype lt = text.indexOf(QLatin1Char('<'), pos);
        const qsizetype sp = P.WordWrap ? text.indexOf(QLatin1Char(' '), pos) : -1;
        qsizetype n;
        if (lt < 0 || (sp >= 0 && sp < lt)) n = sp >= 0 ? sp - pos + 1 : text.size() - pos;
        else n = lt - pos;
        if (n > 0) {
            bool decoded = false;
            const QString run = DecodeRunEntities(text.mid(pos, n), decoded);
            Run(text, pos, n, run, decoded, W, R, paint, replay, result);
        }
        if (pos >= text.size() || text[pos] != QLatin1Char('<')) continue;
        if (text.size() - pos <= 2) {
            pos = text.size();
            continue;
        }
        if (FEndOfLine) continue;
        const qsizetype gt = text.indexOf(QLatin1Char('>'), pos);
        const QString tag = gt < 0 ? text.mid(pos) : text.mid(pos, gt - pos + 1);
        if (tag[1] == QLatin1Char('/') && text.size() - pos > 3) ClosingTag(tag, R, W, paint);
        else OpeningTag(tag, R, W, paint, replay, result);
        if (FLineFull) break;
        if (gt < 0) {
            pos = text.size();
        } else {
            result.LineSource += tag;
            pos = gt + 1;
        }
    }

    FLineWidth -= FTrailingBlank;
    P.MaxLineWidth = std::max(P.MaxLineWidth, FLineWidth);
    if (paint && FInsideAnchor && FAnchorNumber == P.FocusAnchorIndex + 1) {
        DrawFocusRect(FFocus.Left, FFocus.Top, FX, W.Bottom);
        FFocus.Left = R.Left + 1;
        FFocus.Top = W.Bottom;
    }
    return result;
}

void MarkupRenderer::Run(const QString& text, qsizetype& pos, qsizetype n, const QString& run, bool decoded, TRect& W,
                         const TRect& R, bool paint, bool replay, PassResult& result) {
    const int hr = GhHeight();
    if (FSubscript) FExtraDescent = std::max(FExtraDescent, hr / 4);
    if (FSuperscript) FExtraAscent = std::max(FExtraAscent, hr / 4);
    FLineHeight = std::max(FLineHeight, hr);
    if (FHidden) {
        P.PlainText += run;
        pos += n;
        return;
    }
    const int w = TextWidth(WithoutPrefixes(run));
    const int lineWidthBefore = FLineWidth;
    if (!paint) {
        FLineWidth += w;
        if (FInsideAnchor) {
            const int d = P.MouseX - W.Left;
            if (d >= FLineWidth - w && FLineWidth >= d) {
                result.AnchorTextHit = true;
                if (P.MouseY > R.Top) {
                    P.AnchorHref = FHref;
                    P.AnchorTitle = FTitle;
                    FPendingAnchor = FAnchorNumber;
                }
            }
        }
    } else {
        DrawRun(run, W, R, w);
        if (FInsideAnchor && FAnchorNumber == P.FocusAnchorIndex + 1) P.FocusAnchorHref = FHref;
        FX += w;
        W.Left = FX;
    }
    const int lineSpace = R.Right - R.Left;
    // The second pass draws the line the first one laid out. A run wider than the line
    // gets a line of its own; a word split by a tag is not broken.
    bool fits = replay || FLineWidth < lineSpace || (w >= lineSpace && FLineText.isEmpty() && lineWidthBefore == 0);
    if (!fits && !FLineText.isEmpty() && !FLineText.endsWith(QLatin1Char(' '))) fits = true;
    FLineText += run;
    if (fits || !P.WordWrap) {
        // A run that moves to the next line is counted there, so each line is in the
        // plain text once per pass.
        P.PlainText += run;
        result.LineSource += QStringView(text).mid(pos, n);
        pos += n;
        if (!fits && FLineText.size() > run.size()) {
            // Without word wrap the line ends here; the text resumes at the next break.
            const qsizetype nextBreak = text.indexOf(QStringLiteral("<BR"), pos, Qt::CaseInsensitive);
            pos = nextBreak < 0 ? text.size() : nextBreak;
        }
        FTrailingBlank = run.endsWith(QLatin1Char(' ')) && !decoded ? TextWidth(QStringLiteral(" ")) : 0;
    } else {
        FEndOfLine = true;
        FLineWidth -= w;
    }
}

void MarkupRenderer::DrawRun(const QString& run, TRect W, const TRect& R, int width) {
    if (FSuperscript) W.Bottom -= FExtraAscent;
    if (FSubscript) W.Bottom += FExtraDescent;
    W.Bottom -= FTextLift;
    QString shown = run;
    if (!P.WordWrap && width > W.Width()) {
        shown = Metrics().elidedText(run, Qt::ElideRight, std::max(0, W.Width()), Qt::TextShowMnemonic);
    }
    // Qt leaves trailing blanks without underline and strike-out; the line must run on
    // to the next word, so they are drawn as non-breaking blanks of the same width.
    if (C.Font.Style.Contains(fsUnderline) || C.Font.Style.Contains(fsStrikeOut))
        for (qsizetype i = shown.size() - 1; i >= 0 && shown[i] == QLatin1Char(' '); --i) shown[i] = QChar(0x00A0);
    if (C.Brush.Style != bsClear)
        C.FillRect(Rect(W.Left, W.Bottom - GhHeight(), W.Left + std::min(width, W.Width()), W.Bottom));
    auto draw = [&](TRect r) {
        if (FRotation == 0) {
            C.DrawText(shown, r, FFormat);
            return;
        }
        // Rotated text turns about the left end of its baseline area.
        QPainter* painter = C.Painter();
        painter->save();
        painter->translate(r.Left, r.Bottom);
        painter->rotate(-FRotation);
        TRect local = Rect(0, -(r.Bottom - r.Top), std::max(width, 1), 0);
        C.DrawText(shown, local, FFormat | DT_NOCLIP);
        painter->restore();
    };
    if (FShadow) {
        const TColor color = C.Font.Color;
        C.Font.Color = P.ShadowColor;
        draw(Rect(W.Left + P.ShadowOffset, W.Top + P.ShadowOffset, W.Right + P.ShadowOffset, W.Bottom + P.ShadowOffset));
        C.Font.Color = color;
    }
    draw(W);
    if (FErrorUnderline) {
        const TPen pen = C.Pen;
        C.Pen.Color = clRed;
        C.Pen.Width = 1;
        C.Pen.Style = psSolid;
        int x = W.Left - (((W.Left % 2) + 2) % 2);
        int v = x % 4 == 0 ? 2 : 0;
        const int right = W.Left + width;
        C.MoveTo(x, R.Bottom + v - 1);
        while (x < right) {
            v = 2 - v;
            C.LineTo(x + 2, R.Bottom + v - 1);
            x += 2;
        }
        C.Pen = pen;
    }
}

void MarkupRenderer::OpeningTag(const QString& tag, const TRect& R, TRect& W, bool paint, bool replay,
                                PassResult& result) {
    const QChar letter = tag[1].toUpper();
    const QChar next = tag.size() > 2 ? tag[2].toUpper() : QChar();
    switch (letter.unicode()) {
    case 'A': {
        if (paint && FAnchorNumber == P.FocusAnchorIndex) FFocus = Rect(FX, R.Top, 0, 0);
        ++FAnchorNumber;
        P.AnchorCount = std::max(P.AnchorCount, FAnchorNumber);
        if (paint && (!P.UnderlineOnHoverOnly || P.HoverAnchorIndex == FAnchorNumber)) {
            C.Font.Style.Include(fsUnderline);
            if (P.HoverBrushColor != clNone) {
                FHoverSavedBrush = BrushColor();
                SetBrushColor(P.HoverBrushColor);
            }
            if (P.HoverTextColor != clNone) {
                FHoverSavedFontColor = C.Font.Color;
                C.Font.Color = P.HoverTextColor;
            }
        }
        if (!P.IgnoreColors &&
            (P.HoverTextColor == clNone || P.HoverAnchorIndex != FAnchorNumber || !P.UnderlineOnHoverOnly))
            C.Font.Color = P.AnchorColor;
        if (MarkupHasKeyword(tag, QStringLiteral("HREF"))) {
            FHref = MarkupAttributeValue(tag, QStringLiteral("HREF"));
            FInsideAnchor = true;
        }
        if (MarkupHasKeyword(tag, QStringLiteral("TITLE"))) FTitle = MarkupAttributeValue(tag, QStringLiteral("TITLE"));
        FHoverStart = Point(R.Left + FLineWidth, R.Top);
        FHoverStartLine = FLineNumber;
        break;
    }
    case 'B':
        if (next == QLatin1Char('>')) C.Font.Style.Include(fsBold);
        else if (next == QLatin1Char('R')) {
            FEndOfLine = true;
            P.PlainText += QLatin1Char('\r');
        } else if (next == QLatin1Char('L')) {
            if (!P.BlinkOn) C.Font.Color = FBackgroundColor;
        } else if (next == QLatin1Char('O') && paint) DrawBody(tag);
        break;
    case 'C':
        Control(tag, R, W, paint, replay, result);
        break;
    case 'E':
        if (paint) FErrorUnderline = true;
        break;
    case 'F': {
        if (!tag.endsWith(QLatin1Char('>'))) break;
        if (MarkupHasKeyword(tag, QStringLiteral("FACE"))) C.Font.Name = MarkupAttributeValue(tag, QStringLiteral("FACE"));
        if (MarkupHasKeyword(tag, QStringLiteral(" COLOR")) && !P.IgnoreColors) {
            const QString value = MarkupAttributeValue(tag, QStringLiteral(" COLOR"));
            if (!value.isEmpty()) C.Font.Color = MarkupColorValue(value);
        }
        if (MarkupHasKeyword(tag, QStringLiteral("BGCOLOR")) && paint && !P.IgnoreColors) {
            FFontSavedBrush = BrushColor();
            const QString value = MarkupAttributeValue(tag, QStringLiteral("BGCOLOR"));
            if (!value.isEmpty()) SetBrushColor(MarkupColorValue(value));
        }
        if (MarkupHasKeyword(tag, QStringLiteral("SIZE"))) {
            static const int kSizes[] = {8, 10, 12, 14, 16};
            const int size = MarkupIntegerPrefix(MarkupAttributeValue(tag, QStringLiteral("SIZE")));
            C.Font.Size = size >= 1 && size <= 5 ? kSizes[size - 1] : std::clamp(size, 1, kMaxMarkupFontSize);
        }
        break;
    }
    case 'H':
        if (next == QLatin1Char('I') && paint) {
            FHighlightSavedFontColor = C.Font.Color;
            FHighlightSavedBrush = BrushColor();
            SetBrushColor(gHighlightColor);
            C.Font.Color = gHighlightTextColor;
        } else if (next == QLatin1Char('R')) {
            FEndOfLine = true;
            if (paint) {
                const TPen pen = C.Pen;
                C.Pen.Color = clBlack;
                C.Pen.Style = psSolid;
                C.Pen.Width = 1;
                C.MoveTo(R.Left, W.Bottom + 1);
                C.LineTo(R.Right, W.Bottom + 1);
                C.Pen = pen;
            }
        }
        break;
    case 'I':
        if (next == QLatin1Char('>')) C.Font.Style.Include(fsItalic);
        else if (next == QLatin1Char('N')) {
            const qsizetype x = tag.indexOf(QLatin1Char('X'), 2, Qt::CaseInsensitive);
            int position = 0;
            if (x >= 0 && MarkupIntegerValue(MarkupAttributeValue(tag.mid(x), QStringLiteral("X")), position) &&
                position > FLineWidth) {
                FLineWidth = std::min(position, kMaxMarkupPosition);
                FX = P.Bounds.Left + FLineWidth;
                W.Left = FX;
            }
        } else if (next == QLatin1Char('M')) Picture(tag, R, paint, replay, result);
        break;
    case 'L': {
        if (FBulletSeen && !replay) {
            FLineFull = true;
            break;
        }
        FBulletSeen = true;
        FLineWidth += FListLevel * kListIndent;
        FX += (FListLevel - 1) * kListIndent;
        if (paint) {
            const TBrush brush = C.Brush;
            C.Brush.Style = bsClear;
            const QString bullet = FListLevel % 2 == 1 ? QStringLiteral("\u00B7") : QStringLiteral("o");
            TRect r = Rect(FX, W.Top, FX + kListIndent, W.Bottom);
            C.DrawText(bullet, r, DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX | DT_NOCLIP);
            C.Brush = brush;
        }
        FX += kListIndent;
        W.Left = FX;
        break;
    }
    case 'P': {
        if (!tag.endsWith(QLatin1Char('>'))) break;
        if (MarkupHasKeyword(tag, QStringLiteral("ALIGN"))) {
            const QString value = MarkupAttributeValue(tag, QStringLiteral("ALIGN")).toUpper();
            if (value.contains(QLatin1String("RIGHT"))) FAlignment = Alignment::Right;
            if (value.contains(QLatin1String("LEFT"))) FAlignment = Alignment::Left;
            if (value.contains(QLatin1String("CENTER"))) FAlignment = Alignment::Center;
        }
        if (MarkupHasKeyword(tag, QStringLiteral("INDENT")))
            FIndent = std::clamp(MarkupIntegerPrefix(MarkupAttributeValue(tag, QStringLiteral("INDENT"))),
                                 -kMaxMarkupPosition, kMaxMarkupPosition);
        if (MarkupHasKeyword(tag, QStringLiteral("BGCOLOR")) && paint) {
            const QString value = MarkupAttributeValue(tag, QStringLiteral("BGCOLOR"));
            FParagraphBackground = true;
            FParagraphSavedBrush = BrushColor();
            SetBrushColor(value.isEmpty() ? clNone : MarkupColorValue(value));
            C.Pen.Color = BrushColor();
            C.FillRect(Rect(P.Bounds.Left, R.Top, P.Bounds.Right, R.Bottom));
        }
        break;
    }
    case 'R': {
        const qsizetype a = tag.indexOf(QLatin1Char('A'), 2, Qt::CaseInsensitive);
        FSavedRotation = FRotation;
        FRotation = a < 0 ? 0 : MarkupIntegerPrefix(MarkupAttributeValue(tag.mid(a), QStringLiteral("A"))) % 360;
        break;
    }
    case 'S':
        if (tag.startsWith(QStringLiteral("<SUB>"), Qt::CaseInsensitive)) FSubscript = true;
        else if (tag.startsWith(QStringLiteral("<SUP>"), Qt::CaseInsensitive)) FSuperscript = true;
        else if (next == QLatin1Char('>')) C.Font.Style.Include(fsStrikeOut);
        else if (next == QLatin1Char('H')) FShadow = true;
        break;
    case 'U':
        if (next == QLatin1Char('>')) C.Font.Style.Include(fsUnderline);
        else {
            ++FListLevel;
            FEndOfLine = true;
        }
        break;
    case 'Z':
        FHidden = true;
        break;
    default:
        break;
    }
}

void MarkupRenderer::ClosingTag(const QString& tag, const TRect& R, TRect& W, bool paint) {
    const QChar letter = tag[2].toUpper();
    const QChar next = tag.size() > 3 ? tag[3].toUpper() : QChar();
    switch (letter.unicode()) {
    case 'A':
        if (paint && (!P.UnderlineOnHoverOnly || P.HoverAnchorIndex == FAnchorNumber)) {
            C.Font.Style.Exclude(fsUnderline);
            if (P.HoverBrushColor != clNone) SetBrushColor(FHoverSavedBrush);
            if (P.HoverTextColor != clNone) C.Font.Color = FHoverSavedFontColor;
        }
        if (!P.IgnoreColors) C.Font.Color = FEntryFont.Color;
        FInsideAnchor = false;
        if (FPendingAnchor != 0 && FPendingAnchor == FAnchorNumber) {
            TPoint start = FHoverStart;
            if (FHoverStartLine != FLineNumber) start = Point(R.Left, R.Top);
            P.HoverAnchorRect = Rect(start.X, start.Y, R.Left + FLineWidth, R.Bottom);
            P.HoverAnchor = FAnchorNumber;
            FPendingAnchor = 0;
        }
        if (FAnchorNumber == P.FocusAnchorIndex + 1 && paint) {
            const int bottom = W.Bottom - FTextLift;
            DrawFocusRect(FFocus.Left, bottom - GhHeight(), FX, bottom);
        }
        break;
    case 'B':
        if (next == QLatin1Char('>')) C.Font.Style.Exclude(fsBold);
        else C.Font.Color = FEntryFont.Color;
        break;
    case 'E':
        if (paint) FErrorUnderline = false;
        break;
    case 'F':
        C.Font.Name = FEntryFont.Name;
        C.Font.Size = FEntryFont.Size;
        if (paint && !P.IgnoreColors) {
            C.Font.Color = FEntryFont.Color;
            SetBrushColor(FFontSavedBrush);
        }
        break;
    case 'H':
        if (paint) {
            C.Font.Color = FHighlightSavedFontColor;
            SetBrushColor(FHighlightSavedBrush);
        }
        break;
    case 'I':
        C.Font.Style.Exclude(fsItalic);
        break;
    case 'L':
        FEndOfLine = true;
        break;
    case 'P':
        FEndOfLine = true;
        if (paint) {
            SetBrushColor(FParagraphSavedBrush);
            FParagraphBackground = false;
        }
        break;
    case 'R':
        FRotation = FSavedRotation;
        break;
    case 'S':
        if (next == QLatin1Char('U')) FSubscript = FSuperscript = false;
        else if (next == QLatin1Char('H')) FShadow = false;
        else C.Font.Style.Exclude(fsStrikeOut);
        break;
    case 'U':
        if (next == QLatin1Char('>')) C.Font.Style.Exclude(fsUnderline);
        else if (FListLevel >= 1) --FListLevel;
        else C.Font.Style.Exclude(fsUnderline);
        break;
    case 'Z':
        FHidden = false;
        break;
    default:
        break;
    }
}

void MarkupRenderer::DrawBody(const QString& tag) {
    if (MarkupHasKeyword(tag, QStringLiteral("BACKGROUND"))) {
        THTMLPicture* picture = LookupPicture(MarkupAttributeValue(tag, QStringLiteral("BACKGROUND")));
        if (picture && !picture->Empty() && picture->Width() > 0 && picture->Height() > 0) {
            // One textured fill tiles the picture from the top-left corner, whatever its size.
            QPainter* painter = C.Painter();
            painter->save();
            painter->setClipRect(P.Bounds.ToQRect(), Qt::IntersectClip);
            painter->setBrushOrigin(P.Bounds.Left, P.Bounds.Top);
            painter->fillRect(P.Bounds.ToQRect(), QBrush(picture->Image()));
            painter->restore();
        }
    }
    if (MarkupHasKeyword(tag, QStringLiteral("BGCOLOR"))) {
        const QString value = MarkupAttributeValue(tag, QStringLiteral("BGCOLOR")).toUpper();
        TColor color = clBlack;
        if (value.contains(QLatin1String("CL"))) color = ColorFromName(value.toLower());
        if (value.contains(QLatin1Char('#'))) color = ColorFromHex(value.mid(value.indexOf(QLatin1Char('#'))));
        SetBrushColor(color);
        FFontSavedBrush = color;
        C.FillRect(P.Bounds);
    }
}

THTMLPicture* MarkupRenderer::LookupPicture(const QString& source) {
    if (!source.contains(QLatin1Char(':')) && P.PictureContainer) return P.PictureContainer->FindPicture(source);
    if (source.contains(QStringLiteral("://")) && P.PictureCache) {
        if (!P.PictureCache->FindPicture(source)) {
            THTMLPicture* picture = P.PictureCache->AddPicture();
            picture->SetAsynch(false);
            try {
                picture->LoadFromURL(source);
            } catch (const Exception&) {
                // A picture that cannot be read stays in the cache, empty, and is skipped.
            }
            if (picture->ID().isEmpty()) picture->SetID(source);
        }
        return P.PictureCache->FindPicture(source);
    }
    return nullptr;
}

bool MarkupRenderer::PlaceBox(int boxWidth, int boxHeight, const TRect& R, bool replay) {
    if (!replay && FLineWidth + boxWidth > R.Right - R.Left && boxWidth < R.Right - R.Left) {
        FLineFull = true;
        return false;
    }
    FLineWidth += boxWidth;
    FX += boxWidth;
    FLineHeight = std::max(FLineHeight, boxHeight);
    return true;
}

void MarkupRenderer::Picture(const QString& tag, const TRect& R, bool paint, bool replay, PassResult& result) {
    ++FPictureNumber;
    QString source = MarkupAttributeValue(tag, QStringLiteral("SRC"));
    if (MarkupHasKeyword(tag, QStringLiteral("ALT")) && FPictureNumber == FHoveredPicture)
        source = MarkupAttributeValue(tag, QStringLiteral("ALT"));
    const int width = std::clamp(MarkupIntegerPrefix(MarkupAttributeValue(tag, QStringLiteral("WIDTH"))), 0, kMaxMarkupBoxSize);
    const int height = std::clamp(MarkupIntegerPrefix(MarkupAttributeValue(tag, QStringLiteral("HEIGHT"))), 0, kMaxMarkupBoxSize);
    int boxWidth = 0, boxHeight = 0;
    const int x = FX;
    const double factor = P.ResolutionFactor;
    if (source.contains(QStringLiteral("IDX:"), Qt::CaseInsensitive)) {
        const int index = MarkupIntegerPrefix(source.mid(4));
        if (P.Images && index >= 0 && index < P.Images->Count()) {
            boxWidth = RoundHalfEven(P.Images->Width() * DpiScaleX());
            boxHeight = RoundHalfEven(P.Images->Height() * DpiScaleY());
            if (paint && !P.Printing) P.Images->Draw(C, x, R.Top, index);
            else if (paint)
                C.Painter()->drawImage(QRect(x, R.Top, RoundHalfEven(P.Images->Width() * factor),
                                             RoundHalfEven(P.Images->Height() * factor)),
                                       P.Images->Image(index));
        }
    } else if (source.contains(QStringLiteral("SSYS:"), Qt::CaseInsensitive) ||
               source.contains(QStringLiteral("LSYS:"), Qt::CaseInsensitive)) {
        const int size = source.startsWith(QLatin1Char('L'), Qt::CaseInsensitive) ? kLargeIconSize : kSmallIconSize;
        const QString name = source.mid(5);
        int number = 0;
        // System image list numbers have no counterpart here; paths and extensions do.
        if (!MarkupIntegerValue(name, number) && !name.isEmpty() &&
            qobject_cast<QApplication*>(QCoreApplication::instance())) {
            static QFileIconProvider provider;
            const QFileInfo info(name);
            const QIcon icon = provider.icon(info.exists() ? info : QFileInfo(info.fileName()));
            if (!icon.isNull()) {
                boxWidth = RoundHalfEven(size * DpiScaleX());
                boxHeight = RoundHalfEven(size * DpiScaleY());
                if (paint) {
                    const int drawn = P.Printing ? RoundHalfEven(size * factor) : size;
                    icon.paint(C.Painter(), QRect(x, R.Top, drawn, drawn));
                }
            }
        }
    } else if (THTMLPicture* picture = LookupPicture(source); picture && !picture->Empty() && picture->Width() > 0 &&
                                                               picture->Height() > 0) {
        int dw = picture->Width(), dh = picture->Height();
        if (width > 0 && height > 0) dw = width, dh = height;
        else if (width > 0) dw = width, dh = RoundHalfEven(double(picture->Height()) * width / picture->Width());
        else if (height > 0) dw = RoundHalfEven(double(picture->Width()) * height / picture->Height()), dh = height;
        if (paint) {
            if (width > 0 || height > 0) {
                picture->SetStretch(true);
                picture->Draw(C, Rect(x, R.Top, x + dw, R.Top + dh));
            } else {
                if (picture->FrameCount() > 1 && FBackgroundColor != clNone)
                    C.Painter()->fillRect(QRect(x, R.Top, picture->MaxWidth(), picture->MaxHeight()),
                                          ToQColor(FBackgroundColor));
                // The image reader places a GIF frame at its offset in the logical screen
                // already, so the frame is drawn at the screen's corner.
                picture->SetStretch(false);
                picture->Draw(C, Rect(x, R.Top, x + picture->MaxWidth(), R.Top + picture->MaxHeight()));
            }
        }
        const bool sized = width > 0 || height > 0;
        boxWidth = RoundHalfEven((sized ? dw : picture->MaxWidth()) * DpiScaleX());
        boxHeight = RoundHalfEven((sized ? dh : picture->MaxHeight()) * DpiScaleY());
    }
    if (FInsideAnchor && FLineWidth < P.MouseX - R.Left && P.MouseX - R.Left < FLineWidth + boxWidth &&
        R.Top < P.MouseY && P.MouseY < R.Top + boxHeight) {
        result.BoxHit = true;
        P.AnchorHref = FHref;
        P.AnchorTitle = FTitle;
        FHoveredPicture = FPictureNumber;
    }
    if (!PlaceBox(boxWidth, boxHeight, R, replay)) return;
    if (MarkupHasKeyword(tag, QStringLiteral("ALIGN"))) {
        if (MarkupHasKeyword(tag, QStringLiteral("\"TOP"))) FTextLift = FLineHeight - GhHeight();
        else if (MarkupHasKeyword(tag, QStringLiteral("\"MIDDLE"))) FTextLift = (FLineHeight - GhHeight()) / 2;
    }
}

void MarkupRenderer::Control(const QString& tag, const TRect& R, const TRect& W, bool paint, bool replay,
                             PassResult& result) {
    const TControlTag control = ParseControlTag(tag.mid(8));
    int controlHeight = 25;
    int value = 0;
    if (MarkupIntegerValue(control.HEIGHT, value)) controlHeight = std::clamp(value, 0, kMaxMarkupBoxSize);
    // A missing WIDTH, or one that is not a number, leaves the tag without effect.
    if (!MarkupIntegerValue(control.WIDTH, value)) return;
    const int width = std::clamp(value, 0, kMaxMarkupBoxSize);
    int boxWidth = width;
    int boxHeight = GhHeight() + 10;
    const bool smallBox = control.TYPE == QLatin1String("CHECK") || control.TYPE == QLatin1String("RADIO");
    FLineHeight = smallBox ? 16 : 23;
    if (controlHeight > 25) FLineHeight = controlHeight - 2;
    if (paint) {
        TMarkupControlPlace place;
        place.X = FX;
        place.Bottom = W.Bottom;
        place.LineHeight = FLineHeight;
        place.ControlHeight = controlHeight;
        place.Width = width;
        place.BoxHeight = boxHeight;
        DrawMarkupControl(C, P.WindowHandle, control, place, P.MouseX, P.MouseY, P.ControlPressed);
    }
    if (control.TYPE == QLatin1String("BUTTON") || control.TYPE == QLatin1String("COMBO")) boxHeight = 25;
    if (smallBox) boxWidth = boxHeight = 16;
    const bool overBox = FLineWidth < P.MouseX - R.Left && P.MouseX - R.Left < FLineWidth + boxWidth &&
                         R.Top < P.MouseY && P.MouseY < R.Top + boxHeight;
    if (overBox || (P.HitTestOnly && !FWantedControlID.isEmpty() && control.ID == FWantedControlID)) {
        result.BoxHit = true;
        P.AnchorHref = QStringLiteral("ctrl");
        FHoveredPicture = FPictureNumber;
        P.HitControlRect = Rect(R.Left + FLineWidth, R.Top, R.Left + FLineWidth + boxWidth, R.Top + boxHeight);
        P.ControlValue = control.VALUE;
        P.ControlID = control.ID;
        P.ControlType = control.TYPE;
    }
    PlaceBox(boxWidth, boxHeight, R, replay);
}

}  // namespace

bool DrawMarkupText(TMarkupTextParams& Params) {
    if (!Params.Canvas) return false;
    return MarkupRenderer(Params).Run();
}

void SetHighlightColors(TColor background, TColor text) {
    gHighlightColor = background;
    gHighlightTextColor = text;
}
