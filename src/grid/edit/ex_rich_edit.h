#pragma once
// The grid's rich edit. The grid keeps two: a hidden one through which RTF cells are
// converted and measured (RichEdit) and the in-place editor of edRichEdit cells
// (InplaceRichEdit). Sub- and superscript are a vertical offset of 0, -40 or +40 twips
// per character, shown as Qt's sub- and superscript. The document's size change stands
// for the platform's "requested size" notice: it records ReqWidth and ReqHeight and
// grows the row of the in-place editor while the user types.

#include <QTextEdit>

class TExStringGrid;

class TExRichEdit : public QTextEdit {
public:
    // The vertical offsets, in twips, that the selection setters apply.
    static constexpr int kSubscriptOffset = -40;
    static constexpr int kSuperscriptOffset = 40;

    TExRichEdit(TExStringGrid* AGrid, QWidget* AParent);

    void SelNormal();
    void SelSubscript();
    void SelSuperscript();
    bool IsSelNormal() const;
    bool IsSelSubscript() const;
    bool IsSelSuperscript() const;

    // The size the content last asked for.
    int ReqWidth() const { return FReqWidth; }
    int ReqHeight() const { return FReqHeight; }

    // While locked the row does not grow (the grid locks the editor while it fills it).
    bool Locked() const { return FLocked; }
    void SetLocked(bool Value) { FLocked = Value; }

    // Starts afresh: empty content, no selection, unlocked.
    void ReCreate();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void SetSelectionOffset(int Twips);
    // Every character of the selection (or the caret's format when nothing is selected)
    // has this offset.
    bool SelectionHasOffset(int Twips) const;
    void ContentSizeChanged();

    TExStringGrid* FGrid;
    int FReqWidth = 0;
    int FReqHeight = 0;
    bool FLocked = false;
};
