#include "grid/core/node_settings.h"

#include "platform/control.h"

void TCellNode::Repaint() {
    if (FOwner) FOwner->Invalidate();
}

void TCellNode::SetNodeType(TNodeType Value) {
    if (FNodeType == Value) return;
    FNodeType = Value;
    Repaint();
}

void TCellNode::SetShowTree(bool Value) {
    if (FShowTree == Value) return;
    FShowTree = Value;
    Repaint();
}

void TCellNode::SetShowTreeFull(bool Value) {
    if (FShowTreeFull == Value) return;
    FShowTreeFull = Value;
    Repaint();
}

void TCellNode::SetNodeIndent(int Value) {
    if (FNodeIndent == Value) return;
    FNodeIndent = Value;
    Repaint();
}

void TCellNode::SetTreeColor(TColor Value) {
    if (FTreeColor == Value) return;
    FTreeColor = Value;
    Repaint();
}

void TCellNode::Assign(const TObject* Source) {
    const auto* s = dynamic_cast<const TCellNode*>(Source);
    if (!s) return;
    FColor = s->FColor;
    FExpandOne = s->FExpandOne;
    FNodeType = s->FNodeType;
    FNodeColor = s->FNodeColor;
    FNodeIndent = s->FNodeIndent;
    FExpandGlyph = s->FExpandGlyph;
    FContractGlyph = s->FContractGlyph;
    FShowTree = s->FShowTree;
    FShowTreeFull = s->FShowTreeFull;
    FTreeColor = s->FTreeColor;
}
