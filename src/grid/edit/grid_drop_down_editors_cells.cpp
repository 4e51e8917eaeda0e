// The grid opening and closing its drop-down editors on a cell: making each editor on
// first use, the steps all kinds share and each kind's value, and taking the value back
// into the cell (the colour and image pickers through their selection events).
#include "grid/edit/grid_drop_down_editors.h"

#include "dropdowns/drop_down_form.h"
#include "grid/core/string_grid.h"
#include "platform/image_list.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRegularExpression>

namespace {

// The whole number at the start of a text (0 when there is none).
int LeadingInteger(const QString& Text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch match = number.match(Text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

}  // namespace

QStringList MemoLines(const QString& Text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    return Text.split(lineBreak);
}

namespace {

QString LineBreakOf(const QString& Text) {
    if (Text.contains(QLatin1String("\r\n"))) return QStringLiteral("\r\n");
    return QStringLiteral("\n");
}

}  // namespace

bool TExStringGrid::IsDropDownEditorKind(TEditorType Kind) {
    return Kind >= edTrackbarDropDown && Kind <= edExGridDropDown;
}

template <class T>
T* TExStringGrid::DropDownEditor(T*& Field, const char* Name) {
    if (Field) return Field;
    Field = CreateDropDown<T>(this, this);
    Field->setObjectName(QString::fromLatin1(Name));
    // The editor replays the press that closes its pop-up itself (grid_drop_down_editors.h).
    if (Field->DropDownForm()) Field->DropDownForm()->setAttribute(Qt::WA_NoMouseReplay);
    Field->hide();
    Field->setEnabled(false);
    Field->SetComponentStyle(FStyle);
    if (HasColorTones()) Field->SetColorTones(FTones);
    FEditors.push_back(Field);
    return Field;
}

TGridTrackbarDropDown* TExStringGrid::TrackbarDropDown() {
    const bool made = !FTrackbarDropDown;
    DropDownEditor(FTrackbarDropDown, "TrackbarDropDown");
    if (made) FTrackbarDropDown->SetEditorEnabled(true);
    return FTrackbarDropDown;
}

TGridMemoDropDown* TExStringGrid::MemoDropDown() {
    return DropDownEditor(FMemoDropDown, "MemoDropDown");
}

TGridCalculatorDropDown* TExStringGrid::CalculatorDropDown() {
    const bool made = !FCalculatorDropDown;
    DropDownEditor(FCalculatorDropDown, "CalculatorDropDown");
    if (made) FCalculatorDropDown->SetEditorEnabled(true);
    return FCalculatorDropDown;
}

TGridTimepickerDropDown* TExStringGrid::TimePickerDropDown() {
    return DropDownEditor(FTimePickerDropDown, "TimePickerDropDown");
}

TGridDetailPickerDropDown* TExStringGrid::DetailPickerDropDown() {
    return DropDownEditor(FDetailPickerDropDown, "DetailPickerDropDown");
}

TGridGridDropDown* TExStringGrid::GridDropDown() { return DropDownEditor(FGridDropDown, "GridDropDown"); }

TGridExGridDropDown* TExStringGrid::ExGridDropDown() { return DropDownEditor(FExGridDropDown, "ExGridDropDown"); }

TGridColorDropDown* TExStringGrid::ColorPickerDropDown() {
    const bool made = !FColorPickerDropDown;
    DropDownEditor(FColorPickerDropDown, "ColorPickerDropDown");
    if (made) {
        FColorPickerDropDown->AddDefaultColors();
        FColorPickerDropDown->OnSelect = [this](TObject*) {
            DoColorSelect(FColorPickerDropDown->SelectedColor(), FColorPickerDropDown->SelectedColorText());
        };
    }
    return FColorPickerDropDown;
}

TGridImageDropDown* TExStringGrid::ImagePickerDropDown() {
    const bool made = !FImagePickerDropDown;
    DropDownEditor(FImagePickerDropDown, "ImagePickerDropDown");
    if (made) FImagePickerDropDown->OnSelect = [this](TObject*) { DoImageSelect(FImagePickerDropDown->ItemIndex()); };
    return FImagePickerDropDown;
}

namespace {

TExCustomDropDown* EditorOfKind(TExStringGrid& Grid, TEditorType Kind) {
    switch (Kind) {
    case edTrackbarDropDown: return Grid.TrackbarDropDown();
    case edMemoDropDown: return Grid.MemoDropDown();
    case edCalculatorDropDown: return Grid.CalculatorDropDown();
    case edTimePickerDropDown: return Grid.TimePickerDropDown();
    case edDetailDropDown: return Grid.DetailPickerDropDown();
    case edGridDropDown: return Grid.GridDropDown();
    case edColorPickerDropDown: return Grid.ColorPickerDropDown();
    case edImagePickerDropDown: return Grid.ImagePickerDropDown();
    default: return Grid.ExGridDropDown();
    }
}

}  // namespace

void TExStringGrid::ShowDropDownCellEditor(int ACol, int ARow) {
    TRect R = CellRect(ACol, ARow);
    if (UseRightToLeftAlignment()) ++R.Left;
    const int W = R.Right - R.Left - 1;
    const int H = R.Bottom - R.Top - 1;
    const int RCol = RealColIndex(ACol);
    TColor color = clNone;
    TFont font;
    CellEditorLook(ACol, color, font);
    const QString text = GetEditText(ACol, ARow);
    const TEditorType kind = EditControl;
    TExCustomDropDown* editor = EditorOfKind(*this, kind);
    FEditMode = true;

    editor->DropDownFooter()->Assign(&FControlLook->DropDownFooter);
    editor->DropDownHeader()->Assign(&FControlLook->DropDownHeader);
    editor->SetComponentStyle(FStyle);
    editor->OnDropDownHeaderButtonClick = [this](TObject*, int Index) {
        if (OnDropDownHeaderButtonClick) OnDropDownHeaderButtonClick(this, Col(), Row(), Index);
    };
    editor->OnDropDownFooterButtonClick = [this](TObject*, int Index) {
        if (OnDropDownFooterButtonClick) OnDropDownFooterButtonClick(this, Col(), Row(), Index);
    };
    if (kind == edGridDropDown || kind == edExGridDropDown) {
        editor->SetColor(color);
        editor->SetEditorEnabled(true);
    }
    if (kind == edExGridDropDown) ExGridDropDown()->Grid()->SetFixedRowAlways(true);
    DoGetEditorProp(RealCol(RCol), DisplRow(ARow), nullptr);
    editor->setEnabled(true);
    editor->setFrame(false);
    editor->SetBounds(R.Left, R.Top, W, H);
    editor->setFont(font.ToQFont());

    switch (kind) {
    case edTrackbarDropDown: TrackbarDropDown()->SetPosition(LeadingInteger(text)); break;
    case edMemoDropDown:
        FMemoLineBreak = LineBreakOf(text);
        MemoDropDown()->SetMemoText(MemoLines(text));
        break;
    case edCalculatorDropDown: editor->SetTextDirect(text); break;
    case edTimePickerDropDown:
    case edDetailDropDown:
        editor->SetTextDirect(text);
        editor->SetEditorEnabled(true);
        break;
    case edGridDropDown: {
        TGridGridDropDown* list = GridDropDown();
        list->BeginUpdate();
        list->EndUpdate();
        list->SetItemIndex(text.isEmpty() ? 0 : list->GetItemIndex(text));
        list->SetTextDirect(text);
        break;
    }
    case edExGridDropDown: {
        TGridExGridDropDown* list = ExGridDropDown();
        list->BeginUpdate();
        list->EndUpdate();
        if (list->UseItems()) {
            QString found;
            int index = -1;
            if (text.isEmpty()) list->SetItemIndex(0);
            else if (list->FindLookupMatch(text, found, index)) list->SetItemIndex(index);
        }
        list->SetTextDirect(text);
        break;
    }
    case edColorPickerDropDown:
        ColorPickerDropDown()->SetSelectedColor(GetCellType(RCol, ARow) == ctShape ? GetShapeColor(RCol, ARow)
                                                                                   : Colors(RCol, ARow));
        break;
    case edImagePickerDropDown: {
        TGridImageDropDown* picker = ImagePickerDropDown();
        const TCellType type = GetCellType(RCol, ARow);
        if (type == ctImageList || type == ctDataImage) {
            picker->SetImages(dynamic_cast<TCustomImageList*>(FGridImages));
            if (picker->Items().Count() == 0 && picker->Images()) picker->AddImagesFromImageList();
            int index = -1;
            if (type == ctImageList) GetImageIdx(RCol, ARow, index);
            else index = Ints(RCol, ARow);
            picker->SetImageIndex(index);
        }
        const int item = picker->ItemIndex();
        picker->SetTextDirect(picker->ImageIndex() == -1 ? QString() : picker->Items().Items(item)->Caption());
        break;
    }
    default: break;
    }
    if (kind != edColorPickerDropDown && kind != edImagePickerDropDown) editor->SetColor(color);
    editor->setVisible(true);
    editor->raise();
    const bool clicked = LButFlg;
    editor->setFocus(Qt::OtherFocusReason);
    // The focus arrival of a click-opened editor put the caret under the mouse.
    const bool caretPlaced = clicked && !LButFlg;
    if (kind == edDetailDropDown) {
        TGridDetailPickerDropDown* detail = DetailPickerDropDown();
        const int index = detail->Items().IndexOf(detail->Text());
        if (index >= 0) detail->SetItemIndex(index);
    }
    // With its key code: the pickers look up typed keys in their key-down, without typing.
    if (!FStartEditChar.isNull())
        QCoreApplication::postEvent(editor, new QKeyEvent(QEvent::KeyPress, FStartEditChar.toUpper().unicode(),
                                                          Qt::NoModifier, QString(FStartEditChar)));
    if (FMouseActions->DirectComboDrop()) editor->ShowDropDown();
    if (kind == edMemoDropDown && !caretPlaced) editor->SetSelStart(0);
    FEditCtrl = editor;
}

void TExStringGrid::HideDropDownCellEditor(int ACol, int ARow) {
    if (!FEditMode) return;
    FEditMode = false;
    const int RCol = RealColIndex(ACol);
    TExCustomDropDown* editor = EditorOfKind(*this, EditControl);
    switch (EditControl) {
    case edMemoDropDown:
        // The lines the pop-up holds, also when it is still open.
        if (editor->DroppedDown()) editor->HideDropDown(false);
        StoreEditText(RCol, ARow, MemoDropDown()->MemoText().join(FMemoLineBreak));
        break;
    case edColorPickerDropDown: {
        TGridColorDropDown* picker = ColorPickerDropDown();
        TColor color = picker->SelectedColor();
        QString colorText = picker->SelectedColorText();
        if (OnColorSelected) OnColorSelected(this, RCol, ARow, color, colorText);
        StoreEditText(RCol, ARow, colorText);
        if (GetCellType(RCol, ARow) == ctShape) SetShapeColor(RCol, ARow, color);
        else SetColors(RCol, ARow, color);
        break;
    }
    case edImagePickerDropDown: {
        int index = ImagePickerDropDown()->ImageIndex();
        if (OnImageSelected) OnImageSelected(this, RCol, ARow, index);
        const TCellType type = GetCellType(RCol, ARow);
        if (type == ctImageList) SetImageIdx(RCol, ARow, index);
        else if (type == ctDataImage) StoreEditText(RCol, ARow, QString::number(index));
        break;
    }
    default: StoreEditText(RCol, ARow, editor->Text()); break;
    }
    // The pop-up closes after the cell has its value.
    if (editor->DroppedDown()) editor->HideDropDown(false);
    editor->setVisible(false);
    editor->setEnabled(false);
}
