// The combo editor's type-ahead completion from its items or the grid's LookupItems, the
// items the grid fills in, and the width of its list.
#include "grid/edit/grid_combo.h"

#include "grid/core/string_grid.h"
#include "grid/edit/lookup_completion.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QLineEdit>
#include <utility>

void TGridCombo::DoChange() {
    if (!WorkMode || !FGrid->Lookup() || !EditableStyle() || !isVisible()) return;
    QLineEdit* edit = lineEdit();
    const int typed = edit->cursorPosition();
    const QString prefix = edit->text().left(typed);
    const bool caseSensitive = FGrid->LookupCaseSensitive();
    QString entry;
    const int item = FirstStartingWith(prefix, count(), caseSensitive, [this](int i) { return itemText(i); });
    if (item >= 0) {
        entry = itemText(item);
        SetItemIndexByCode(item);
    } else {
        const TStringList* lookup = FGrid->LookupItems();
        const int found = FirstStartingWith(prefix, lookup->Count(), caseSensitive,
                                            [lookup](int i) { return lookup->Strings(i); });
        if (found < 0) return;
        entry = lookup->Strings(found);
    }
    const QString completed = prefix + entry.mid(typed, kMaxCompletedTail);
    SetTextByCode(completed);
    edit->setSelection(completed.length(), typed - completed.length());
}

void TGridCombo::SizeDropDownWidth() {
    int width = this->width();
    const QFontMetrics metrics(FGrid->font());
    const bool scrolls = count() > maxVisibleItems();
    for (int i = 0; i < count(); ++i) {
        const int textWidth = metrics.horizontalAdvance(itemText(i));
        if (scrolls && textWidth > width - 25) width = textWidth + 25;
        if (!scrolls && textWidth > width - 5) width = textWidth + 8;
    }
    view()->setMinimumWidth(width);
}

void TGridCombo::FillItems(const TStringList& Items) {
    const bool was = std::exchange(FCodeChange, true);
    clear();
    for (int i = 0; i < Items.Count(); ++i)
        addItem(Items.Strings(i), QVariant::fromValue<void*>(static_cast<void*>(Items.Objects(i))));
    FCodeChange = was;
}
