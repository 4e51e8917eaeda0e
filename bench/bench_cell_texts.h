#pragma once
// A thousand distinct cell texts that a benchmark's grid and its peer share, so both
// sides hold the same strings.

#include <QString>
#include <cstddef>
#include <vector>

inline const QString& BenchCellText(int c, int r, int cols) {
    static const std::vector<QString> texts = [] {
        std::vector<QString> t;
        for (int i = 0; i < 1000; ++i) t.push_back(QStringLiteral("cell %1").arg(i));
        return t;
    }();
    return texts[std::size_t((r * cols + c) % 1000)];
}
