#include "dropdowns/markup_text.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace {

QString StandInPlainText(const QString& Text) {
    static const QRegularExpression lineBreakTag(QStringLiteral("<\\s*(br|hr)\\b[^>]*>"),
                                                 QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression anyTag(QStringLiteral("<[^>]*>"));
    QString plain = Text;
    plain.replace(lineBreakTag, QStringLiteral("\n"));
    plain.remove(anyTag);
    return plain;
}

TSize StandInDrawMarkupText(TCanvas& Canvas, const QString& Text, const TRect& R, HWND, TCustomImageList*,
                            bool Paint) {
    const QStringList lines = StandInPlainText(Text).split(QLatin1Char('\n'));
    const int lineHeight = Canvas.TextHeight(QStringLiteral("Ag"));
    TSize size{0, lineHeight * static_cast<int>(lines.size())};
    for (int i = 0; i < lines.size(); ++i) {
        size.cx = std::max(size.cx, Canvas.TextWidth(lines[i]));
        if (!Paint) continue;
        TRect line = Rect(R.Left, R.Top + i * lineHeight, R.Right, R.Top + (i + 1) * lineHeight);
        line.Bottom = std::min(line.Bottom, R.Bottom);
        if (!line.IsEmpty()) Canvas.DrawText(lines[i], line, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
    }
    return size;
}

TDrawMarkupTextFunction& DrawFunction() {
    static TDrawMarkupTextFunction function;
    return function;
}

TMarkupToPlainTextFunction& PlainTextFunction() {
    static TMarkupToPlainTextFunction function;
    return function;
}

}  // namespace

TSize DrawMarkupText(TCanvas& Canvas, const QString& Text, const TRect& R, HWND Wnd, TCustomImageList* Images,
                     bool Paint) {
    if (DrawFunction()) return DrawFunction()(Canvas, Text, R, Wnd, Images, Paint);
    return StandInDrawMarkupText(Canvas, Text, R, Wnd, Images, Paint);
}

QString MarkupToPlainText(const QString& Text) {
    if (PlainTextFunction()) return PlainTextFunction()(Text);
    return StandInPlainText(Text);
}

void SetDrawMarkupText(TDrawMarkupTextFunction Function) { DrawFunction() = std::move(Function); }

void SetMarkupToPlainText(TMarkupToPlainTextFunction Function) { PlainTextFunction() = std::move(Function); }
