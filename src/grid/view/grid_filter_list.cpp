// The filter lists a click on a header's filter glyph opens: a plain list (FDropList) or,
// with FilterDropDownCheck, a check list (FDropCheckList) of the column's filter entries,
// placed under the glyph over the grid. Enter or a click on an entry of the plain list
// hands it to FilterSelect and closes the list; ticking an entry of the check list (a
// click on its box, or Space) hands the ticks to FilterCheck and keeps the list open.
// Esc, a mouse press outside the list or the window losing activation close either list
// and change nothing.

#include "grid/core/string_grid.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <functional>

namespace {

constexpr int kGlyphOffset = 16;
constexpr int kEntryMargin = 8;
constexpr int kEdge = 2;  // the list's sunken frame on each side

// The keys of an open list and the presses and deactivation that close it unchanged.
class TFilterListKeys : public QObject {
public:
    TFilterListKeys(QListWidget* List, bool Checked, std::function<void(int)> Pick, std::function<void()> Cancel)
        : QObject(List), FList(List), FChecked(Checked), FPick(std::move(Pick)), FCancel(std::move(Cancel)) {
        List->installEventFilter(this);
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (!FList->isVisible()) return false;
        if (Watched == FList && Event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(Event)->key();
            if (key == Qt::Key_Escape) {
                FCancel();
                return true;
            }
            if (!FChecked && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                const int index = FList->currentRow();
                FList->hide();
                FPick(index);
                return true;
            }
            if (FChecked && key == Qt::Key_Space) {
                if (QListWidgetItem* item = FList->currentItem())
                    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
                return true;
            }
        }
        // A press on the grid itself is the grid's to judge (a glyph toggles its list).
        if (Event->type() == QEvent::MouseButtonPress && Watched->isWidgetType() && Watched != FList->parentWidget()) {
            const QPoint global = static_cast<QMouseEvent*>(Event)->globalPosition().toPoint();
            if (!FList->rect().contains(FList->mapFromGlobal(global))) FCancel();
        }
        if (Event->type() == QEvent::WindowDeactivate && Watched == FList->window()) FCancel();
        return false;
    }

private:
    QListWidget* FList;
    bool FChecked;
    std::function<void(int)> FPick;
    std::function<void()> FCancel;
};

// What the list shows of an entry: a cell text whole, else the part before its first "=".
QString DisplayTextOf(const QString& Entry, bool CellText) {
    const int equals = CellText ? -1 : int(Entry.indexOf(QLatin1Char('=')));
    return equals >= 0 ? Entry.left(equals) : Entry;
}

}  // namespace

QListWidget* TExStringGrid::CreateFilterList(bool Checked) {
    auto* list = new QListWidget(Surface());
    list->setObjectName(QLatin1String(Checked ? "FDropCheckList" : "FDropList"));
    list->setFrameShape(QFrame::Panel);
    list->setFrameShadow(QFrame::Sunken);
    list->setLineWidth(kEdge);
    list->hide();
    auto cancel = [this, list] {
        list->hide();
        FFilterCol = -1;
    };
    if (Checked) {
        QObject::connect(list, &QListWidget::itemChanged, list, [this](QListWidgetItem*) { FilterCheck(); });
    } else {
        QObject::connect(list, &QListWidget::itemClicked, list, [this, list](QListWidgetItem* item) {
            const int index = list->row(item);
            list->hide();
            FilterSelect(index);
        });
    }
    new TFilterListKeys(list, Checked, [this](int index) { FilterSelect(index); }, cancel);
    return list;
}

QListWidget* TExStringGrid::OpenFilterList() const {
    for (QListWidget* list : {FDropList, FDropCheckList})
        if (list && list->isVisible()) return list;
    return nullptr;
}

void TExStringGrid::OpenFilterDropDown(int ACol, int ARow, int RCol) {
    FFilterCol = RCol;
    const bool checked = FFilterDropDownCheck;
    QListWidget*& slot = checked ? FDropCheckList : FDropList;
    if (!slot) slot = CreateFilterList(checked);
    QListWidget* list = slot;
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, ToQColor(FFilterDropDown->Color));
    list->setPalette(palette);
    QFont font = list->font();
    font.setFamily(FFilterDropDown->Font.Name);
    font.setPointSize(FFilterDropDown->Font.Size);
    list->setFont(font);
    const QSignalBlocker quiet(list);
    list->clear();
    const QFontMetrics metrics(font);
    int widest = 0;
    for (int i = 0; i < FFilterList->Count(); ++i) {
        const bool cellText = IsCellTextFilterEntry(i);
        const QString entry = FFilterList->Strings(i);
        const QString shown = DisplayTextOf(entry, cellText);
        auto* item = new QListWidgetItem(shown, list);
        if (checked) {
            const int equals = cellText ? -1 : int(entry.indexOf(QLatin1Char('=')));
            const QString condition = equals >= 0 ? entry.mid(equals + 1) : entry;
            bool inFilter = false;
            for (int f = 0; f < FFilter->Count(); ++f)
                if (FFilter->Items(f).Column == FFilterCol &&
                    (FFilter->Items(f).Condition == condition ||
                     (cellText && FFilter->Items(f).Condition == QLatin1Char('"') + condition + QLatin1Char('"'))))
                    inFilter = true;
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(inFilter ? Qt::Checked : Qt::Unchecked);
        }
        widest = std::max(widest, metrics.horizontalAdvance(shown) + kEntryMargin);
    }
    if (!checked && list->count() > 0) list->setCurrentRow(0);
    int width = FFilterDropDown->Width;
    int height = FFilterDropDown->Height;
    if (FFilterDropDown->AutoSize) {
        const int itemHeight = list->count() > 0 ? list->sizeHintForRow(0) : metrics.height();
        height = list->count() * itemHeight + 2 * kEdge;
        width = widest + 2 * kEdge;
    }
    const TRect cell = CellRect(ACol, ARow);
    int left = cell.Right - kGlyphOffset;
    if (FFilterDropDown->ColumnWidth) {
        width = cell.Width();
        left = cell.Left;
    }
    if (left + width > Surface()->width()) left = std::max(0, CellRect(ACol, 0).Right - width);
    list->setGeometry(left, cell.Top + kGlyphOffset, width, height);
    list->show();
    list->raise();
    list->setFocus();
}

void TExStringGrid::HideFilterDropDown() {
    for (QListWidget* list : {FDropList, FDropCheckList})
        if (list && list->isVisible()) list->hide();
    FFilterCol = -1;
}
