// The quick-configuration panel the grid shows at its bottom-right corner while it is
// being designed (ComponentState holds csDesigning and ShowDesignHelper is set).

#include "grid/core/string_grid.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionButton>

namespace {

constexpr int kPanelWidth = 150;
constexpr int kCloseItem = 4;

QFont HelperFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    return font;
}

int HelperLineHeight() { return QFontMetrics(HelperFont()).height(); }

QString LookLine(TGridLook Look) { return QStringLiteral("Set look: ") + TExStringGrid::LookToCaption(Look); }

}  // namespace

void TExStringGrid::PaintDesignHelper() {
    if (!InDesignMode() || !FShowDesignHelper) return;
    QPainter* painter = Canvas()->Painter();
    painter->save();
    painter->setFont(HelperFont());
    const int h = HelperLineHeight();
    const QRect client = viewport()->rect();
    const QRect panel(client.right() + 1 - kPanelWidth, client.bottom() + 1 - (4 * h + 18), kPanelWidth, 4 * h + 18);
    painter->setBrush(ToQColor(clInfoBk));
    painter->setPen(ToQColor(TColor(0x808080)));
    painter->drawRect(panel.adjusted(0, 0, -1, -1));
    painter->setPen(ToQColor(TColor(0x800000)));
    const QFontMetrics metrics(painter->font());
    auto textAt = [&](int x, int y, const QString& text, int item) {
        QFont font = HelperFont();
        font.setUnderline(FDesignHelperItem == item);
        painter->setFont(font);
        painter->drawText(x, y + metrics.ascent(), text);
    };
    textAt(panel.left() + 4, panel.top() + 4, QStringLiteral("Quick config [v") + Version() + QLatin1Char(']'), 0);
    // The close cross.
    const QRect close(panel.right() - 15, panel.top() + 2, 12, 12);
    painter->drawLine(close.topLeft() + QPoint(2, 2), close.bottomRight() - QPoint(2, 2));
    painter->drawLine(close.topRight() + QPoint(-2, 2), close.bottomLeft() + QPoint(2, -2));
    auto checkBox = [&](int top, bool checked) {
        QStyleOptionButton option;
        option.rect = QRect(panel.left() + 4, top, 16, 16);
        option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, painter, this);
    };
    checkBox(panel.top() + h + 4, Options().Contains(goEditing));
    textAt(panel.left() + 22, panel.top() + h + 6, QStringLiteral("Allow edit"), 1);
    checkBox(panel.top() + 2 * h + 6, FShowColumnNumbers);
    textAt(panel.left() + 22, panel.top() + 2 * h + 8, QStringLiteral("Column numbers"), 2);
    textAt(panel.left() + 4, panel.top() + 3 * h + 10, LookLine(FLook), 3);
    painter->restore();
}

int TExStringGrid::DesignHelperHitTest(int X, int Y) {
    const QFontMetrics metrics(HelperFont());
    const int h = metrics.height();
    const int right = viewport()->width();
    const int bottom = viewport()->height();
    const int p = 4 * h + 18;
    const int l = h + 2;
    int item = -1;
    if (X > right - 16 && Y > bottom - p && Y < bottom - p + 16) item = kCloseItem;
    auto inBand = [&](int from, int to) { return Y > bottom - p + from + 4 && Y < bottom - p + to + 4; };
    if (X > right - kPanelWidth && X < right - 132 + metrics.horizontalAdvance(QStringLiteral("Allow edit")) &&
        inBand(l, 2 * l))
        item = 1;
    if (X > right - kPanelWidth && X < right - 132 + metrics.horizontalAdvance(QStringLiteral("Column numbers")) &&
        inBand(2 * l, 3 * l))
        item = 2;
    if (X > right - kPanelWidth && X < right - kPanelWidth + metrics.horizontalAdvance(LookLine(FLook)) &&
        inBand(3 * l, 4 * l))
        item = 3;
    return item;
}

bool TExStringGrid::CMDesignHitTest(int X, int Y) {
    if (!InDesignMode() || !FShowDesignHelper) return false;
    const int item = DesignHelperHitTest(X, Y);
    if (item != FDesignHelperItem) {
        const QRect client = viewport()->rect();
        viewport()->update(QRect(client.right() + 1 - kPanelWidth, client.bottom() + 1 - 70, kPanelWidth, 70));
    }
    FDesignHelperItem = item;
    return item >= 1 && item <= kCloseItem;
}

void TExStringGrid::DesignHelperClick(int X, int Y) {
    const int item = DesignHelperHitTest(X, Y);
    if (item == 1) {
        TGridOptions options = Options();
        if (options.Contains(goEditing)) options.Exclude(goEditing);
        else options.Include(goEditing);
        SetOptions(options);
    } else if (item == 2) {
        FShowColumnNumbers = !FShowColumnNumbers;
        InvalidateGrid();
    } else if (item == 3) {
        auto* menu = new QMenu(this);
        menu->setObjectName(QStringLiteral("DesignHelperLookMenu"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        static const TGridLook looks[] = {glStandard, glSoft, glClassic, glZRT, glListView, glOffice2007, glXP, glVista, glWin7};
        static const char* const captions[] = {"Standard", "Soft", "Classic", "ZRT", "ListView", "Office 2007",
                                               "Windows XP", "Windows Vista", "Windows 7"};
        for (int i = 0; i < 9; ++i) {
            QAction* action = menu->addAction(QString::fromLatin1(captions[i]));
            action->setCheckable(true);
            action->setChecked(FLook == looks[i]);
            const TGridLook look = looks[i];
            QObject::connect(action, &QAction::triggered, this, [this, look] { SetLook(look); });
        }
        menu->popup(viewport()->mapToGlobal(QPoint(X, Y)));
    } else if (item == kCloseItem) {
        FShowDesignHelper = false;
        InvalidateGrid();
    }
}
