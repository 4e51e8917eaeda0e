// The embedded time picker of a date-and-time picker: made on demand, kept in step with
// the picker at every update, placed at the picker's right, freed under another kind.
#include "grid/edit/ex_date_time_picker.h"

#include <QFontMetrics>
#include <QSignalBlocker>

namespace {

constexpr int kTimePickerWidth = 90;
constexpr int kTimePickerHeight = 17;
constexpr int kWindowTextLimit = 255;

}  // namespace

void TExDateTimePicker::CreateTimePicker() {
    if (Designing() && ComponentState().Contains(csLoading)) return;
    auto* picker = new TCustomDateTimePicker(this, this);
    picker->setObjectName(QStringLiteral("TimePicker"));
    picker->SetBounds(0, 0, kTimePickerWidth, kTimePickerHeight);
    picker->setVisible(false);
    picker->setEnabled(isEnabled());
    picker->TDateTimePicker::SetKind(dtkTime);
    picker->OnChange = [this](TObject*) {
        DoChange();
        if (OnTimeChange) OnTimeChange(this);
    };
    picker->OnClick = [this](TObject*) { DoClick(); };
    picker->OnKeyPress = [this](TObject* Sender, QChar& Key) { TimePickerKeyPress(Sender, Key); };
    picker->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { KeyDown(Key, Shift); };
    FTimePicker = picker;
}

void TExDateTimePicker::UpdateTimePicker() {
    if (!FTimePicker) return;
    if (FKind != dkDateTime) {
        // Another kind has no time part: the picker goes.
        delete FTimePicker.data();
        return;
    }
    TCustomDateTimePicker* picker = FTimePicker;
    if (picker->parentWidget() != this) picker->setParent(this);
    picker->SetColor(Color());
    picker->setEnabled(isEnabled() && (Checked() || !ShowCheckbox()));
    picker->setVisible(true);
    {
        const QSignalBlocker block(picker);
        picker->setDateTime(dateTime());
    }
    picker->SetFormat(FTimeFormat);
    picker->setFont(font());
    PlaceTimePicker();
}

void TExDateTimePicker::PlaceTimePicker() {
    TCustomDateTimePicker* picker = FTimePicker;
    if (!picker || picker->isHidden()) return;
    QFontMetrics metrics(font());
    const int a = metrics.horizontalAdvance(picker->Text().left(kWindowTextLimit)) + 31;
    const bool bevelled = FBevelKind != bkNone && (FBevelInner != bvNone || FBevelOuter != bvNone);
    const int b = bevelled ? 4 : 0;
    const int w = width(), h = height();
    const TPickerPlatform platform = CurrentPickerPlatform();
    int x, y, height;
    if (platform.VistaOrLater && platform.ComCtl6 && platform.ThemeLibraryBound) {
        if (ThemesActive()) {
            x = w - a - (MetroActive() ? 21 : 34) - b;
            y = 1;
            height = h - 2 - b;
        } else {
            x = w - a - 21 - b;
            y = 2;
            height = h - b - 4;
        }
    } else if (platform.VistaOrLater) {
        x = w - a - 23 - b;
        y = -2;
        height = h - b;
    } else {
        x = w - a - 21;
        y = -2;
        height = h;
    }
    picker->SetBounds(x, y, a, height);
}
