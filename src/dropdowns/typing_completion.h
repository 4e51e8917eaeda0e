#pragma once
// Lookup while typing, for the drop-downs that complete the typed text from a list of
// texts: the text up to the caret is looked up, and the first matching text's rest is
// appended, selected. The owner finds the match; this keeps the latest completion and
// puts the text, caret and selection.
//
// Writing a completed text that differs from the current one runs the owner's change
// handling again at once, with the caret at the start: that run finds nothing to type
// and only clears ItemChange. The edit puts the caret after a typed character once the
// change handling is done, so the owner's character handling calls AroundTypedChar.

#include <QString>
#include <functional>

class TExCustomDropDown;

class TTypingCompletion {
public:
    // The match for a typed text: the position in the owner's list and its text; Index -1
    // for none.
    struct TMatch {
        int Index = -1;
        QString Text;
    };
    using TFinder = std::function<TMatch(const QString& Typed)>;

    // Looks up the text up to the caret and completes it; answers the match. The edit's
    // modified flag tells whether the text differs from OldValue.
    TMatch Run(TExCustomDropDown& Edit, const QString& OldValue, const TFinder& Find);
    // Runs the edit's character handling and then puts the latest completion's caret and
    // selection again.
    void AroundTypedChar(TExCustomDropDown& Edit, const std::function<void()>& HandleChar);

    // The latest completion: set until the key is released (or a nested change run).
    bool ItemChange = false;
    int ItemIdx = -1;
    int ItemSel = 0;

private:
    void PutSelection(TExCustomDropDown& Edit) const;

    int FAnchor = -1;
    int FCaret = -1;
};
