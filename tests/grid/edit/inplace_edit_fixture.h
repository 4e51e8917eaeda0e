#pragma once
// A shown form with a plain string grid (goEditing and goTabs on, cells "c,r") whose
// current cell is (2, 2), and the grid's plain in-place edit opened on it by F2.

#include "grid/edit/ex_inplace_edit.h"
#include "grid/view/keyboard_fixture.h"

#include <gtest/gtest.h>

class InplaceEditFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<KeyboardForm<PlainKeyGrid>>();
        Grid().FocusCell(2, 2);
    }
    void TearDown() override { Form.reset(); }
    PlainKeyGrid& Grid() { return *Form->GridControl; }
    TExInplaceEdit* Edit() { return Grid().NormalEdit(); }
    // Every cell opens the given editor kind.
    void UseKind(TEditorType Kind) {
        Grid().OnGetEditorType = [Kind](TObject*, int, int, TEditorType& AEditor) { AEditor = Kind; };
    }
    // The current cell gets Text and the edit opens on it.
    void OpenOn(const QString& Text) {
        Grid().SetCells(Grid().Col(), Grid().Row(), Text);
        Form->Key(Qt::Key_F2);
        ASSERT_TRUE(Grid().EditorMode());
    }

    std::unique_ptr<KeyboardForm<PlainKeyGrid>> Form;
};
