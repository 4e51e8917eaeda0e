#pragma once
// A shown form with a string grid that has one column per special editor kind, a hidden
// column before them, and a custom editor link whose control is a line edit. Keys and
// clicks go to the real controls (QTest).

#include "grid/core/string_grid.h"
#include "grid/edit/edit_link.h"
#include "grid/view/keyboard_fixture.h"
#include "platform/custom_control.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <map>

// The line edit of the test link: its key-down goes through the link's protocol first,
// and leaving it (in-place style) is the link's exit.
class LinkLineEdit : public QLineEdit {
public:
    LinkLineEdit(TEditLink* Link, QWidget* Parent) : QLineEdit(Parent), FLink(Link) { setObjectName("LinkEdit"); }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        WORD key = VirtualKeyOf(e->key() == Qt::Key_Backtab ? Qt::Key_Tab : e->key());
        TShiftState shift = ShiftStateOf(e->modifiers());
        if (e->key() == Qt::Key_Backtab) shift.Include(ssShift);
        const QPointer<LinkLineEdit> alive(this);
        const bool wasKey = key != 0;
        if (wasKey) FLink->EditKeyDown(nullptr, key, shift);
        if (!alive) return;
        if (!wasKey || key != 0) QLineEdit::keyPressEvent(e);
        // Like a control of its own window, the edit keeps every key it was given.
        e->accept();
    }
    bool event(QEvent* e) override {
        // Tab with the link: past the focus chain.
        if (e->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(e);
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                keyPressEvent(key);
                return true;
            }
        }
        return QLineEdit::event(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        if (FLink->EditStyle() == esInplace && isVisible() && e->reason() != Qt::PopupFocusReason) FLink->EditExit(nullptr);
    }

private:
    TEditLink* FLink;
};

class LineEditLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    // The edit points back at its link: it must not outlive it.
    ~LineEditLink() override { delete FEdit.data(); }
    int Created = 0;
    int Destroyed = 0;

    QWidget* GetEditControl() override { return FEdit; }
    void CreateEditor(QWidget* AParent) override {
        if (FEdit && FEdit->parentWidget() == AParent) return;
        delete FEdit.data();
        FEdit = new LinkLineEdit(this, AParent);
        ++Created;
    }
    void DestroyEditor() override {
        if (FEdit) FEdit->deleteLater();
        FEdit = nullptr;
        ++Destroyed;
    }
    QString GetEditorValue() override { return FEdit ? FEdit->text() : QString(); }
    void SetEditorValue(const QString& s) override {
        if (FEdit) FEdit->setText(s);
    }
    QLineEdit* Edit() const { return FEdit; }

private:
    QPointer<LinkLineEdit> FEdit;
};

// Displayed columns: 0 fixed, then one per kind; real column 1 is hidden, so displayed
// column d shows real column d + 1 from 1 on.
class CellEditorGrid : public TExStringGrid {
public:
    enum RealColumn { Hidden = 1, Spin, FloatSpin, EditBtn, NumericBtn, Unit, Check, Button, Custom, Columns };

    CellEditorGrid() : TExStringGrid(nullptr) {
        SetColCount(Columns);
        SetRowCount(6);
        SetDefaultColWidth(60);
        SetDefaultRowHeight(22);
        for (int c = 0; c < Columns; ++c)
            for (int r = 0; r < 6; ++r) SetCells(c, r, QString("%1,%2").arg(c).arg(r));
        SetOptions(Options().Include(goEditing));
        OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
            static const std::map<int, TEditorType> kinds = {
                {Spin, edSpinEdit},    {FloatSpin, edFloatSpinEdit}, {EditBtn, edEditBtn}, {NumericBtn, edNumericEditBtn},
                {Unit, edUnitEditBtn}, {Check, edCheckBox},          {Button, edButton},   {Custom, edCustom}};
            const auto it = kinds.find(ACol);
            if (it != kinds.end()) AEditor = it->second;
        };
        HideColumn(Hidden);
    }
    using TExStringGrid::EditControl;
};

class CellEditorsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<KeyboardForm<CellEditorGrid>>();
        Link = std::make_unique<LineEditLink>();
        Grid().SetEditLink(Link.get());
    }
    void TearDown() override {
        Grid().SetEditLink(nullptr);
        Form.reset();
        Link.reset();
    }
    CellEditorGrid& Grid() { return *Form->GridControl; }
    static int Displayed(int RealCol) { return RealCol - 1; }
    // Puts Text into the cell of real column RealCol, row 2, and opens its editor with F2.
    void OpenOn(int RealCol, const QString& Text) {
        Grid().SetCells(RealCol, 2, Text);
        Grid().FocusCell(Displayed(RealCol), 2);
        Form->Key(Qt::Key_F2);
    }
    QString Cell(int RealCol) { return Grid().Cells(RealCol, 2); }
    QWidget* Focused() { return QApplication::focusWidget(); }
    // Keys to whatever has the focus now.
    void Key(Qt::Key K, Qt::KeyboardModifiers M = Qt::NoModifier) {
        QWidget* target = Focused() ? Focused() : static_cast<QWidget*>(&Grid());
        QTest::keyClick(target, K, M);
    }
    void Type(const QString& Text) { QTest::keyClicks(Focused(), Text); }
    void Settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }

    std::unique_ptr<KeyboardForm<CellEditorGrid>> Form;
    std::unique_ptr<LineEditLink> Link;
};
