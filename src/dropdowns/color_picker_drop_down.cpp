#include "dropdowns/color_picker_drop_down.h"

#include "dropdowns/drop_down_form.h"
#include "dropdowns/dropdown_styles.h"

#include <QPainter>

void TColorItem::SetCaption(const QString& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    if (Collection()) Collection()->ItemChanged();
}

void TColorItem::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    if (Collection()) Collection()->ItemChanged();
}

void TColorItem::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TColorItem*>(Source);
    if (!source) return TPersistent::Assign(Source);
    SetCaption(source->FCaption);
    SetColor(source->FColor);
    FHint = source->FHint;
}

TExColorPickerDropDown::TExColorPickerDropDown(TComponent* AOwner, QWidget* AParent) : TListPickerDropDown(AOwner, AParent) {
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetDropDownHeight(200);
    FDropDownHeader->SetVisible(false);
    FDropDownFooter->SetVisible(false);
    setCursor(Qt::ArrowCursor);
}

TExColorPickerDropDown::~TExColorPickerDropDown() = default;

void TExColorPickerDropDown::AddDefaultColors() {
    static const struct {
        const char* Caption;
        TColor Color;
    } defaults[] = {
        {"Black", 0x000000},  {"Maroon", 0x000080}, {"Green", 0x008000}, {"Olive", 0x008080},
        {"Navy", 0x800000},   {"Purple", 0x800080}, {"Teal", 0x808000},  {"Gray", 0x808080},
        {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},    {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
        {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"White", 0xFFFFFF},
    };
    for (const auto& entry : defaults) {
        TColorItem* item = FColors.Add();
        item->SetCaption(QString::fromLatin1(entry.Caption));
        item->SetColor(entry.Color);
    }
}

void TExColorPickerDropDown::SetItemIndex(int Value) {
    if (Value >= FColors.Count()) return;
    FItemIndex = Value;
    if (Value >= 0) FSelectedColor = FColors.Items(Value)->Color();
    update();
    if (OnSelect) OnSelect(this);
}

void TExColorPickerDropDown::SetSelectedColor(TColor Value) {
    if (Value == FSelectedColor) return;
    FSelectedColor = Value;
    for (int i = 0; i < FColors.Count(); ++i) {
        if (FColors.Items(i)->Color() == Value) {
            SetItemIndex(i);
            break;
        }
    }
    update();
}

void TExColorPickerDropDown::SetShowText(bool Value) {
    if (FShowText == Value) return;
    FShowText = Value;
    update();
}

QString TExColorPickerDropDown::GetSelectedColorText() const {
    if (FColorSelectionStyle == csList && FItemIndex >= 0 && FItemIndex < FColors.Count())
        return FColors.Items(FItemIndex)->Caption();
    return ::ColorValueText(FSelectedColor, FColorValueText);
}

void TExColorPickerDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    PrepareSelector();
}

void TExColorPickerDropDown::PrepareSelector() {
    if (!FItemSelector) FItemSelector = new TExCustomItemSelector(this, DropDownForm());
    FItemSelector->move(0, 0);
    FItemSelector->SetSelectorType(stColor);
    FItemSelector->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FItemSelector->resize(FItemSelector->width(), 150);
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

void TExColorPickerDropDown::FillSelector() {
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(FColumns);
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    TSelectorItems& entries = FItemSelector->Items();
    entries.Clear();
    for (int i = 0; i < FColors.Count(); ++i) {
        const TColorItem* color = FColors.Items(i);
        TSelectorItem* entry = entries.Add();
        entry->SetCaption(color->Caption());
        entry->SetColor(color->Color());
        entry->SetHint(color->Hint());
    }
    FItemSelector->SetColorBoxHeight(FColorBoxHeight);
    FItemSelector->SetColorBoxWidth(FColorBoxWidth);
    FItemSelector->SetItemAppearance(FItemAppearance);
    FItemSelector->UpdateSelectorPanel();
    FInternalCall = true;
    if (FItemIndex >= 0) FItemSelector->SetItemIndex(FItemIndex);
    FInternalCall = false;
    FItemSelector->OnItemSelect = [this](TObject*) { ListSelected(); };
}

void TExColorPickerDropDown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    PrepareStyleControl();
    FOldItemIndex = FItemIndex;
    FOldSelectedColor = FSelectedColor;
}

QWidget* TExColorPickerDropDown::StyleControl() const {
    switch (FColorSelectionStyle) {
    case csDiscrete: return FColorSelector;
    case csColorCube: return FColorCubePanel;
    case csSpectrum: return FSpectrumPanel;
    case csList: break;
    }
    return FItemSelector;
}

void TExColorPickerDropDown::PrepareStyleControl() {
    if (!DropDownForm()) return;
    switch (FColorSelectionStyle) {
    case csList:
        if (!FItemSelector) PrepareSelector();
        FillSelector();
        if (OnDrawColor)
            FItemSelector->OnDrawItem = [this](TObject*, TCanvas& Canvas, TRect& R, int Index) {
                if (OnDrawColor) OnDrawColor(this, Canvas, R, Index);
            };
        else
            FItemSelector->OnDrawItem = nullptr;
        break;
    case csDiscrete:
        if (!FColorSelector) {
            FColorSelector = new TCustomColorSelector(this, DropDownForm());
            FColorSelector->AddDiscreteColors();
        }
        FColorSelector->OnItemSelect = nullptr;
        FColorSelector->SetSelectedColor(FSelectedColor);
        FColorSelector->UpdateSize();
        FColorSelector->OnItemSelect = [this](TObject*) { PanelSelected(FColorSelector->SelectedColor(), !FInternalCall); };
        FColorSelector->SetItemColorStyle(SelectionColorStyle());
        break;
    case csColorCube:
        if (!FColorCubePanel) FColorCubePanel = new TExColorCubePanel(this, DropDownForm());
        FColorCubePanel->SetSelectedColor(FSelectedColor);
        FColorCubePanel->InitCells();
        FColorCubePanel->ResetHotCell();
        FColorCubePanel->OnSelect = [this](TObject*) { PanelSelected(FColorCubePanel->SelectedColor(), true); };
        break;
    case csSpectrum:
        if (!FSpectrumPanel) FSpectrumPanel = new TExColorSpectrumPanel(this, DropDownForm());
        FSpectrumPanel->SetSelectedColor(FSelectedColor);
        FSpectrumPanel->UpdateLayout();
        FSpectrumPanel->OnSelect = [this](TObject*) { PanelSelected(FSpectrumPanel->SelectedColor(), true); };
        break;
    }
    QWidget* control = StyleControl();
    for (QWidget* other : {static_cast<QWidget*>(FItemSelector), static_cast<QWidget*>(FColorSelector),
                           static_cast<QWidget*>(FColorCubePanel), static_cast<QWidget*>(FSpectrumPanel)})
        if (other && other != control) other->hide();
    control->move(0, 0);
    control->setAutoFillBackground(true);
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, ToQColor(DropDownColor()));
    control->setPalette(palette);
    control->show();
    SetControl(control);
}

void TExColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value) {
    if (Value == FColorSelectionStyle) return;
    FColorSelectionStyle = Value;
    if (Designing()) return;
    PrepareStyleControl();
    FOldSelectedColor = FSelectedColor;
    if (DropDownForm() && DropDownForm()->isVisible()) {
        AdaptDropDownSize();
        DropDownForm()->LayOutChildren();
        DropDownForm()->update();
    }
}

void TExColorPickerDropDown::AdaptDropDownSize() {
    QWidget* control = StyleControl();
    if (FColorSelectionStyle != csList && DropDownForm()) {
        const bool shown = control && !IsHiddenByItself(control);
        const int border = DropDownBorderWidth();
        int h = 2 * border + (shown ? control->height() : 0);
        if (FDropDownHeader->Visible()) h += FDropDownHeader->Height();
        if (FDropDownFooter->Visible()) h += FDropDownFooter->Height();
        DropDownForm()->resize(shown ? control->width() + 2 * border : width(), h);
        return;
    }
    AdaptListDropDownSize();
}

void TExColorPickerDropDown::PlaceDropDownControl() {
    TExCustomDropDown::PlaceDropDownControl();
    if (FColorSelectionStyle != csList && DropDownForm()) DropDownForm()->SetSizeable(false);
}

void TExColorPickerDropDown::PanelSelected(TColor Color, bool Hide) {
    SetSelectedColor(Color);
    SetItemIndex(-1);
    if (Hide) DoHideDropDown(false);
}

void TExColorPickerDropDown::DoHideDropDown(bool Cancel) {
    TExCustomDropDown::DoHideDropDown(Cancel);
    if (!Cancel) return;
    if (FColorSelectionStyle == csList && FItemSelector) SetItemIndex(FOldItemIndex);
    if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        // The palette reports the colour back when it holds it.
        FInternalCall = true;
        FColorSelector->SetSelectedColor(FOldSelectedColor);
        FInternalCall = false;
    }
}

void TExColorPickerDropDown::DropDownDestroyed() {
    if (ComponentState().Contains(csDestroying)) return;
    FItemSelector = nullptr;
    FColorSelector = nullptr;
    FColorCubePanel = nullptr;
    FSpectrumPanel = nullptr;
}

void TExColorPickerDropDown::WMKeyDown(TWMKey& Message) {
    const WORD key = Message.CharCode;
    bool enterHandled = false;
    if (FColorSelectionStyle == csList) {
        enterHandled = SelectHotOnEnter(key);
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector && isEnabled() && PopUpVisible() &&
               key == VK_RETURN && FColorSelector->ItemHot() >= 0) {
        FColorSelector->SetItemIndex(FColorSelector->ItemHot());
        enterHandled = true;
    }
    const TShiftState shift = Message.Shift;
    TExCustomDropDown::WMKeyDown(Message);
    if (!isEnabled() || shift.Contains(ssAlt) || KeyboardShiftState().Contains(ssAlt)) return;
    if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        InternalMove([&] { FColorSelector->SelectByKey(key, FEditorEnabled, PopUpVisible()); });
        if (key == VK_RETURN && !enterHandled && OnSelect) OnSelect(this);
        return;
    }
    if (FColorSelectionStyle != csList || !FItemSelector) return;
    if (key == VK_RETURN && !enterHandled && OnSelect) OnSelect(this);
    RunListKey(key, shift);
}

void TExColorPickerDropDown::HandleWheelDown() {
    if (!isEnabled() || ReadOnly()) return;
    if (FColorSelectionStyle == csList) {
        ListWheel(true);
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        if (PopUpVisible()) FColorSelector->HotNext();
        else InternalMove([&] { FColorSelector->SelectNext(); });
    }
}

void TExColorPickerDropDown::HandleWheelUp() {
    if (!isEnabled() || ReadOnly()) return;
    if (FColorSelectionStyle == csList) {
        ListWheel(false);
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        if (PopUpVisible()) FColorSelector->HotPrevious();
        else InternalMove([&] { FColorSelector->SelectPrevious(); });
    }
}

void TExColorPickerDropDown::DrawFocusText(QPainter& Painter) {
    TExCustomDropDown::DrawFocusText(Painter);
    DrawSelectedColor(Painter);
}

void TExColorPickerDropDown::DrawSelectedColor(QPainter& Painter) {
    const TRect r{1, 1, width() - DropDownButtonWidth() - 2, height() - 2};
    TCanvas canvas(&Painter);
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, canvas, r);
        return;
    }
    TRect swatch{r.Left + 4, r.Top, r.Left + 4, r.Top};
    if (FSelectedColor != clNone) {
        const int top = r.Top + (height() - FColorBoxHeight) / 2;
        swatch = {r.Left + 4, top, r.Left + 4 + FColorBoxWidth, top + FColorBoxHeight};
        canvas.Pen.Color = clBlack;
        canvas.Brush.Color = FSelectedColor;
        canvas.Brush.Style = bsSolid;
        canvas.Rectangle(swatch);
    }
    if (!FShowText) return;
    const bool focused = hasFocus();
    TRect textRect{swatch.Right + 4, r.Top, r.Right, r.Bottom};
    Painter.fillRect(textRect.ToQRect(), palette().color(focused ? QPalette::Highlight : QPalette::Base));
    Painter.setPen(focused && !FEditorEnabled ? palette().color(QPalette::HighlightedText) : palette().color(QPalette::Text));
    Painter.setFont(font());
    const QString text = Painter.fontMetrics().elidedText(GetSelectedColorText(), Qt::ElideRight, textRect.Width());
    Painter.drawText(textRect.ToQRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}
