#pragma once
// A rule-table-like grid shown offscreen for real mouse input: a fixed number column,
// "Name", a hidden "Address" column (real 2) left of the "Enable" Y/N data check-box
// column (real 3, displayed 2), and "Mnemonic". Rows hold "name<r>", "addr<r>", Y or N,
// "rule<r>".

#include "grid/core/string_grid.h"

#include <QTest>
#include <QWidget>
#include <memory>

class MouseGridFixture {
public:
    static constexpr int EnableReal = 3;
    static constexpr int EnableShown = 2;

    explicit MouseGridFixture(int DataRows = 4) {
        Window = std::make_unique<QWidget>();
        Window->resize(520, 320);
        Grid = new TExStringGrid(nullptr, Window.get());
        Grid->setGeometry(0, 0, 500, 300);
        Grid->SetColCount(5);
        Grid->SetRowCount(DataRows + 1);
        Grid->SortSettings()->Column = -1;
        const char* headers[] = {"N", "Name", "Address", "Enable", "Mnemonic"};
        for (int c = 0; c < 5; ++c) Grid->SetCells(c, 0, QString::fromLatin1(headers[c]));
        for (int r = 1; r <= DataRows; ++r) {
            Grid->SetCells(0, r, QString::number(r));
            Grid->SetCells(1, r, QStringLiteral("name%1").arg(r));
            Grid->SetCells(2, r, QStringLiteral("addr%1").arg(r));
            Grid->SetCells(3, r, r % 2 ? QStringLiteral("Y") : QStringLiteral("N"));
            Grid->AddCheckBox(3, r, r % 2 == 1, true);
            Grid->SetCells(4, r, QStringLiteral("rule%1").arg(r));
        }
        Grid->HideColumn(2);
        Window->show();
        (void)QTest::qWaitForWindowExposed(Window.get());
    }

    QWidget* Surface() const { return Grid->viewport(); }
    QPoint Centre(int col, int row) const {
        const TRect r = Grid->CellRect(col, row);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) const {
        QTest::mouseClick(Surface(), button, {}, at);
    }

    std::unique_ptr<QWidget> Window;
    TExStringGrid* Grid = nullptr;  // a child of Window
};
