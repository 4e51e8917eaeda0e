// The notices the grid answers for its child windows: the date picker's change and the
// balloon text the balloon window asks for.

#include "grid/core/string_grid.h"

#include "controls/text_utilities.h"
#include "grid/view/markup_text.h"

#include <QDateTime>
#include <QTimeZone>

namespace {

constexpr int kBalloonTextLimit = 2048;
constexpr int kBalloonTextKept = 2045;
constexpr int kBalloonTitleLimit = 100;
constexpr int kBalloonTitleKept = 97;
constexpr int kBalloonIconInformation = 1;

}  // namespace

void TExStringGrid::WMNotifyDateTimeChange(const QDateTime& Value) {
    if (!OnDateTimeChange) return;
    TDateTime date = 0;
    if (Value.isValid() && Value.date().isValid()) {
        const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0), Value.timeZone());
        date = static_cast<TDateTime>(epoch.msecsTo(Value)) / 86400000.0;
    }
    OnDateTimeChange(this, Col(), Row(), date);
}

QString TExStringGrid::BalloonDisplayText(const QString& Text) {
    QString text = Text;
    for (int i = 0; i + 1 < text.size(); ++i)
        if (text[i] == QLatin1Char('\t')) text[i] = QLatin1Char(' ');
    int first = 0;
    while (first < text.size() &&
           (text[first] == QLatin1Char('\r') || text[first] == QLatin1Char('\n') || text[first] == QLatin1Char('\t')))
        ++first;
    if (text.size() - first > kBalloonTextLimit) return text.mid(first, kBalloonTextKept) + QStringLiteral("...");
    return text.mid(first);
}

TExStringGrid::TBalloonText TExStringGrid::BalloonText(int X, int Y) {
    TBalloonText balloon;
    if (!FBalloonSettings->Enable) return balloon;
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    const bool valid = col >= 0 && row >= 0 && col < ColCount() && row < RowCount();
    QString text;
    if (valid) {
        const TPoint base = BaseCell(col, row);
        col = base.X;
        row = base.Y;
        const int realCol = RealColIndex(col);
        text = Cells(realCol, row);
        const int kind = CellTextKind(text, true);
        if (kind == ckMiniHtml) text = MarkupToPlainText(text);
    }
    balloon.Text = BalloonDisplayText(text);
    balloon.Icon = kBalloonIconInformation;
    balloon.Title = QStringLiteral(" ");
    balloon.Col = valid ? col : -1;
    balloon.Row = valid ? row : -1;
    if (valid) {
        IsBalloon(balloon.Col, balloon.Row, balloon.Title, balloon.Text, balloon.Icon);
        if (OnCellBalloon) OnCellBalloon(this, balloon.Col, balloon.Row, balloon.Title, balloon.Text, balloon.Icon);
    }
    if (balloon.Title.isEmpty()) balloon.Title = QStringLiteral(" ");
    if (balloon.Title.size() > kBalloonTitleLimit)
        balloon.Title = balloon.Title.left(kBalloonTitleKept) + QStringLiteral("...");
    balloon.Shown = true;
    FLastBalloon = balloon;
    FTooltipText = balloon.Text;
    return balloon;
}
