// The plain in-place edit's clipboard: the grid's copy, cut and paste events, and the
// paste rules of each plain editor kind.

#include "grid/core/string_grid.h"
#include "grid/edit/editor_paste.h"
#include "grid/edit/ex_inplace_edit.h"

#include "controls/text_utilities.h"


void TExInplaceEdit::WMCopy() {
    bool allow = true;
    if (FGrid->OnClipboardCopy) FGrid->OnClipboardCopy(this, SelText(), allow);
    if (allow) TInplaceEdit::WMCopy();
}

void TExInplaceEdit::WMCut() {
    bool allow = true;
    if (FGrid->OnClipboardCut) FGrid->OnClipboardCut(this, SelText(), allow);
    if (allow) TInplaceEdit::WMCut();
}

QString TExInplaceEdit::PastedTextByKind(const QString& Text) const {
    const QString unchanged = this->Text();
    const QLatin1Char minus('-');
    switch (FGrid->CurrentEditor()) {
    case edNumeric:
    case edPositiveNumeric: {
        const bool ok = ClassifyNumberText(Text) == 0 &&
                        !(FGrid->CurrentEditor() == edPositiveNumeric && Text.contains(minus));
        return ok ? Text : unchanged;
    }
    case edFloat:
    case edPositiveFloat: {
        const int kind = ClassifyNumberText(Text);
        const bool ok = (kind == 0 || kind == 1) &&
                        !(FGrid->CurrentEditor() == edPositiveFloat && Text.contains(minus));
        return ok ? Text : unchanged;
    }
    case edMixedCase: return CapitalizeWords(Text);
    case edLowerCase: return Text.toLower();
    case edUpperCase: return Text.toUpper();
    case edValidChars: {
        const QString valid = FGrid->ValidChars();
        for (QChar c : Text)
            if (!valid.contains(c)) return unchanged;
        return Text;
    }
    default: return Text;
    }
}

void TExInplaceEdit::WMPaste() {
    if (ReadOnly()) return;
    const std::optional<QString> given = GridPasteText(FGrid, this);
    if (!given || (FLengthLimit >= 1 && FLengthLimit < given->size())) return;
    const QString& pasted = *given;
    const QString text = Text();
    const int start = SelStart();
    const bool replacesSelection = SelLength() > 0;
    const QString joined = text.left(start) + pasted + text.mid(start + SelLength());
    if (FLengthLimit >= 1 && FLengthLimit < joined.size()) return;
    const QString result = PastedTextByKind(joined);
    if (result != text) {
        SetText(result);
        SetModified(true);
    }
    FGrid->SetCurrentEditText(Text());
    if (result == joined) {
        SetSelStart(replacesSelection ? start : start + pasted.size());
        if (replacesSelection) SetSelLength(pasted.size());
    }
    if (FGrid->OnClipboardAfterPasteCell) FGrid->OnClipboardAfterPasteCell(this, FGrid->Col(), FGrid->Row(), Text());
}
