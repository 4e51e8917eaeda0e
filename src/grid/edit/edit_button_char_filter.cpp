#include "grid/edit/edit_button_char_filter.h"

#include "platform/format_settings.h"
#include "platform/mask_edit.h"

namespace {

bool IsControlChar(QChar Key) {
    const ushort c = Key.unicode();
    return c == 8 || c == 9 || c == 13 || c == 27;
}

TCharVerdict NumericVerdict(const TCustomMaskEdit& Edit, QChar Key) {
    if (IsControlChar(Key) || Key.isDigit()) return TCharVerdict::Pass;
    if (Key == QLatin1Char('-') && !Edit.Text().contains(Key) && Edit.SelStart() == 0) return TCharVerdict::Pass;
    return TCharVerdict::Beep;
}

TCharVerdict FloatVerdict(const TCustomMaskEdit& Edit, QChar Key) {
    const TFormatSettings& settings = FormatSettings();
    const bool inSet = IsControlChar(Key) || Key.isDigit() || Key == QLatin1Char(',') || Key == QLatin1Char('.') ||
                       Key == QLatin1Char('-');
    if (!inSet) return KeyboardShiftState().Contains(ssCtrl) ? TCharVerdict::Pass : TCharVerdict::Drop;
    if (Key == settings.ThousandSeparator) return TCharVerdict::Drop;
    if (Key == settings.DecimalSeparator && Edit.Text().contains(Key) && !Edit.SelText().contains(Key))
        return TCharVerdict::Drop;
    if (Key == QLatin1Char('-') && !Edit.SelText().contains(Key) &&
        (Edit.SelStart() != 0 || Edit.Text().contains(Key)))
        return TCharVerdict::Beep;
    return TCharVerdict::Pass;
}

}  // namespace

TCharVerdict EditButtonCharVerdict(TEditorType Kind, const TCustomMaskEdit& Edit, QChar Key) {
    switch (Kind) {
    case edEditBtn:
    case edMaskEditBtn:
    case edUnitEditBtn: return TCharVerdict::Pass;
    case edNumericEditBtn:
    case edNumericUnitEditBtn: return NumericVerdict(Edit, Key);
    case edFloatEditBtn:
    case edFloatUnitEditBtn: return FloatVerdict(Edit, Key);
    default: return TCharVerdict::Drop;
    }
}
