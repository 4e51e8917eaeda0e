#pragma once
// A form shown offscreen holding a grid and, after it in the focus chain, a line edit:
// keys go to the grid as typed (QTest), Tab can leave it. The grid is either the
// DALI-like column grid (a hidden column left of a combo and a Y/N column, a read-only
// first column) or a plain string grid of PlainRows data rows with goEditing on.

#include "grid/core/grid_fixture.h"
#include "platform/form.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

template <class Grid>
class KeyboardForm {
public:
    template <class... Args>
    explicit KeyboardForm(Args&&... args) : Form(std::make_unique<TForm>(nullptr)) {
        Form->resize(640, 320);
        Form->move(0, 0);
        GridControl = new Grid(std::forward<Args>(args)...);
        GridControl->setParent(Form.get());
        GridControl->setGeometry(0, 0, 600, 260);
        After = new QLineEdit(Form.get());
        After->setGeometry(0, 270, 200, 24);
        Form->show();
        QApplication::setActiveWindow(Form.get());
        (void)QTest::qWaitForWindowExposed(Form.get());
        GridControl->setFocus(Qt::OtherFocusReason);
    }

    void Key(Qt::Key K, Qt::KeyboardModifiers M = Qt::NoModifier) { QTest::keyClick(GridControl, K, M); }
    void Type(char C, Qt::KeyboardModifiers M = Qt::NoModifier) { QTest::keyClick(GridControl, C, M); }
    // A character Qt's key table has no key for, as a keyboard layout types it.
    void TypeText(const QString& Text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, Text);
        QApplication::sendEvent(GridControl, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, Text);
        QApplication::sendEvent(GridControl, &release);
    }

    std::unique_ptr<TForm> Form;
    Grid* GridControl = nullptr;  // a child of Form
    QLineEdit* After = nullptr;   // a child of Form
};

// A plain string grid: 5 columns (one fixed), rows "c,r", goEditing and goTabs on.
class PlainKeyGrid : public TExStringGrid {
public:
    explicit PlainKeyGrid(int DataRows = 6) : TExStringGrid(nullptr) {
        SetColCount(5);
        SetRowCount(DataRows + 1);
        SetDefaultColWidth(60);
        SetDefaultRowHeight(20);
        for (int c = 0; c < 5; ++c)
            for (int r = 0; r <= std::min(DataRows, 50); ++r) SetCells(c, r, QString("%1,%2").arg(c).arg(r));
        SetOptions(Options().Include(goEditing).Include(goTabs));
    }
};

class ColumnKeyGrid : public ColumnGridFixture {
public:
    ColumnKeyGrid() { SetOptions(Options().Include(goTabs)); }
};
