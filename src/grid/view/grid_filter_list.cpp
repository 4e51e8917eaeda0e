// The filter lists a click on a header's filter glyph opens: a plain list (FDropList) or,
// with FilterDropDownCheck, a check list (FDropCheckList) of the column's filter entries,
// placed under the glyph over the grid. Choosing an entry of the plain list hands it to
// FilterSelect and closes the list.

#include "grid/core/string_grid.h"

#include <QFontMetrics>
#include <QListWidget>
#include <algorithm>

namespace {

constexpr int kGlyphOffset = 16;
constexpr int kEntryMargin = 8;
constexpr int kEdge = 2;  // the list's sunken frame on each side

// The part of an entry before its first "=", which is what the list shows.
QString DisplayTextOf(const QString& Entry) {
    const int equals = Entry.indexOf(QLatin1Char('='));
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
    if (!Checked) {
        QObject::connect(list, &QListWidget::itemClicked, list, [this, list](QListWidgetItem* item) {
            const int index = list->row(item);
            list->hide();
            FilterSelect(index);
        });
    }
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
    list->clear();
    const QFontMetrics metrics(font);
    int widest = 0;
    for (int i = 0; i < FFilterList->Count(); ++i) {
        const QString shown = DisplayTextOf(FFilterList->Strings(i));
        auto* item = new QListWidgetItem(shown, list);
        QString measured = shown;
        if (checked) {
            // A text with a blank is held as a quoted condition.
            if (shown.contains(QLatin1Char(' '))) measured = QLatin1Char('"') + shown + QLatin1Char('"');
            bool inFilter = false;
            for (int f = 0; f < FFilter->Count(); ++f)
                if (FFilter->Items(f).Column == FFilterCol && FFilter->Items(f).Condition == measured) inFilter = true;
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(inFilter ? Qt::Checked : Qt::Unchecked);
        }
        widest = std::max(widest, metrics.horizontalAdvance(measured) + kEntryMargin);
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
    if (FDropList && FDropList->isVisible()) FDropList->hide();
    FFilterCol = -1;
}
