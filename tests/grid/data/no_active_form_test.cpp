// The picture window of a dragged column or row: shown and clicked, it leaves the active
// window and the focus where they were.

#include "grid/core/string_grid.h"
#include "grid/data/no_active_form.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

TEST(NoActiveForm, ShownAndClickedItLeavesTheActiveWindowAndTheFocus) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new QLineEdit(&window);
    auto* grid = new TExStringGrid(nullptr, &window);
    layout->addWidget(edit);
    layout->addWidget(grid);
    window.resize(400, 300);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), edit);

    std::unique_ptr<QWidget> picture(grid->SelectionToForm({1, 1, 2, 2}));
    ASSERT_NE(dynamic_cast<TNoActiveForm*>(picture.get()), nullptr);
    picture->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(picture.get()));
    QTest::mouseClick(picture.get(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::qWait(20);
    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_FALSE(picture->isActiveWindow());
}

}  // namespace
