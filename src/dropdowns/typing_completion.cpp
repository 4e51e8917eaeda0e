#include "dropdowns/typing_completion.h"

#include "dropdowns/drop_down_edit.h"

TTypingCompletion::TMatch TTypingCompletion::Run(TExCustomDropDown& Edit, const QString& OldValue,
                                                 const TFinder& Find) {
    ItemChange = false;
    const QString text = Edit.Text();
    Edit.SetIsModified(text != OldValue);
    const QString typed = text.left(Edit.SelStart());
    const TMatch match = typed.isEmpty() ? TMatch{} : Find(typed);
    if (match.Index >= 0) {
        ItemIdx = match.Index;
        ItemSel = typed.size();
        ItemChange = true;
        const QString completed = (typed + match.Text.mid(typed.size())).left(255);
        Edit.SetTextDirect(completed);
        FAnchor = completed.size();
        FCaret = typed.size();
        PutSelection(Edit);
        return match;
    }
    if (typed.isEmpty()) return match;
    Edit.SetTextDirect(typed);
    FAnchor = FCaret = typed.size();
    PutSelection(Edit);
    return match;
}

void TTypingCompletion::AroundTypedChar(TExCustomDropDown& Edit, const std::function<void()>& HandleChar) {
    FCaret = -1;
    HandleChar();
    PutSelection(Edit);
    FCaret = -1;
}

void TTypingCompletion::PutSelection(TExCustomDropDown& Edit) const {
    if (FCaret < 0) return;
    Edit.SetSel(FAnchor, FCaret);
}
