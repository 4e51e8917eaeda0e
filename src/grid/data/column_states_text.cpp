#include "grid/data/column_states_text.h"

#include "grid/core/string_grid.h"
#include "platform/number_conversion.h"
#include "platform/ordered_moves.h"

#include <QStringList>
#include <algorithm>

namespace {

// Widths a grid of the largest column count can add up without overflow.
constexpr int kMaxColumnWidth = 32767;

QString Joined(const std::vector<int>& values) {
    QStringList parts;
    parts.reserve(qsizetype(values.size()));
    for (int v : values) parts << QString::number(v);
    return parts.join(QLatin1Char(','));
}

std::vector<int> Numbers(const QString& part) {
    std::vector<int> numbers;
    if (part.isEmpty()) return numbers;
    const QStringList items = part.split(QLatin1Char(','));
    numbers.reserve(std::size_t(items.size()));
    for (const QString& item : items) numbers.push_back(StrToInt(item.trimmed()));
    return numbers;
}

[[noreturn]] void Refuse(const QString& why) { throw EExGridError(QStringLiteral("Invalid column states: ") + why); }

}  // namespace

QString ColumnStatesText(const TColumnStates& States) {
    std::vector<int> visible;
    visible.reserve(States.Visible.size());
    for (bool v : States.Visible) visible.push_back(v ? 1 : 0);
    return QString::number(States.Count) + QLatin1Char('#') + Joined(States.Widths) + QLatin1Char('#') +
           Joined(States.Order) + QLatin1Char('#') + Joined(visible);
}

std::optional<TColumnStates> ParseColumnStates(const QString& Text, int MaxColumns, int HideableColumns) {
    if (!Text.contains(QLatin1Char('#'))) return std::nullopt;
    const QStringList parts = Text.split(QLatin1Char('#'));
    const auto part = [&](int i) { return i < parts.size() ? parts[i] : QString(); };

    TColumnStates states;
    states.Count = StrToInt(part(0).trimmed());
    const std::vector<int> widths = Numbers(part(1));
    const std::vector<int> order = Numbers(part(2));
    const std::vector<int> visibility = Numbers(part(3));
    if (states.Count < 1 || states.Count > MaxColumns)
        Refuse(QStringLiteral("a column count of %1").arg(states.Count));

    if (!order.empty()) {
        for (int entry : order)
            if (entry != -1 && int(states.Order.size()) < states.Count) states.Order.push_back(entry);
        if (int(states.Order.size()) != states.Count || !IsPermutation(states.Order))
            Refuse(QStringLiteral("the order is no order of the columns"));
    }

    states.Visible.assign(std::size_t(states.Count), true);
    int shown = states.Count;
    for (int c = 0; c < states.Count && c < int(visibility.size()); ++c) {
        if (visibility[std::size_t(c)] != 0 && visibility[std::size_t(c)] != 1)
            Refuse(QStringLiteral("a visibility of %1").arg(visibility[std::size_t(c)]));
        if (visibility[std::size_t(c)] == 1) continue;
        if (c >= HideableColumns) Refuse(QStringLiteral("column %1 cannot be hidden").arg(c));
        states.Visible[std::size_t(c)] = false;
        --shown;
    }
    if (shown == 0) Refuse(QStringLiteral("every column hidden"));

    for (int c = 0; c < states.Count && c < int(widths.size()); ++c) {
        const int width = widths[std::size_t(c)];
        if (width < 0 || width > kMaxColumnWidth) Refuse(QStringLiteral("a width of %1").arg(width));
        states.Widths.push_back(width);
    }
    return states;
}
