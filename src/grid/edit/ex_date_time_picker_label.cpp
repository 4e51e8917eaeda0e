// The extended picker's caption label: made by the first caption, on the picker's
// parent, placed by the label position table, following the picker's visibility,
// enabled state and (with FocusLabel) focus.
#include "grid/edit/ex_date_time_picker.h"

#include "platform/standard_controls.h"

#include <QEvent>

namespace {

// Runs a handler on the label's double click.
class TLabelDoubleClick : public QObject {
public:
    TLabelDoubleClick(QObject* Parent, std::function<void()> Handler) : QObject(Parent), FHandler(std::move(Handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonDblClick) FHandler();
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void()> FHandler;
};

}  // namespace

QString TExDateTimePicker::LabelCaption() const { return FLabel ? FLabel->Caption() : QString(); }

void TExDateTimePicker::SetLabelCaption(const QString& Value) {
    if (!FLabel) CreateLabel();
    FLabel->SetCaption(Value);
    PlaceLabel();
}

void TExDateTimePicker::CreateLabel() {
    FLabel = new TLabel(this, parentWidget() ? parentWidget() : static_cast<QWidget*>(this));
    FLabel->setBuddy(this);
    FLabel->setFont(FParentFnt ? font() : FLabelFont.ToQFont());
    FLabel->OnClick = [this](TObject*) {
        if (OnLabelClick) OnLabelClick(this);
    };
    FLabel->installEventFilter(new TLabelDoubleClick(FLabel, [this] {
        if (OnLabelDblClick) OnLabelDblClick(this);
    }));
}

void TExDateTimePicker::SetLabelPosition(TLabelPosition Value) {
    FLabelPosition = Value;
    PlaceLabel();
}

void TExDateTimePicker::SetLabelMargin(int Value) {
    FLabelMargin = Value;
    PlaceLabel();
}

void TExDateTimePicker::SetLabelTransparent(bool Value) {
    FLabelTransparent = Value;
    PlaceLabel();
}

void TExDateTimePicker::SetLabelAlwaysEnabled(bool Value) {
    FLabelAlwaysEnabled = Value;
    if (FLabel && Value) FLabel->setEnabled(true);
    if (FLabel) FLabel->update();
}

void TExDateTimePicker::SetLabelFont(const TFont& Value) {
    FLabelFont = Value;
    if (Designing()) FParentFnt = false;
    PlaceLabel();
}

void TExDateTimePicker::SetParentFont(bool Value) {
    FParentFnt = Value;
    PlaceLabel();
}

void TExDateTimePicker::SetLabelBold(bool Bold) {
    if (!FLabel || ComponentState().Contains(csLoading)) return;
    QFont labelFont = FLabel->font();
    labelFont.setBold(Bold);
    FLabel->setFont(labelFont);
    PlaceLabel();
}

void TExDateTimePicker::PlaceLabel() {
    if (!FLabel || ComponentState().Contains(csDestroying)) return;
    PlaceCaptionLabel(FLabel, this, FLabelPosition, FLabelMargin, FLabelTransparent,
                      FParentFnt ? font() : FLabelFont.ToQFont());
    if (!FLabelAlwaysEnabled) FLabel->setEnabled(isEnabled());
}
