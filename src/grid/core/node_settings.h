#pragma once
// Look of the grid's node rows: the node glyph kind and colours, the tree lines and
// the indent. Setters of what is drawn repaint the owning grid on a change.

#include "platform/color.h"
#include "platform/component.h"

#include <QImage>

class TControl;

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

class TCellNode : public TObject {
public:
    explicit TCellNode(TControl* AOwner) : FOwner(AOwner) {}

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TNodeType NodeType() const { return FNodeType; }
    void SetNodeType(TNodeType Value);
    TColor NodeColor() const { return FNodeColor; }
    void SetNodeColor(TColor Value) { FNodeColor = Value; }
    // The glyphs are owned copies of what is given.
    const QImage& ExpandGlyph() const { return FExpandGlyph; }
    void SetExpandGlyph(const QImage& Value) { FExpandGlyph = Value; }
    bool ExpandOne() const { return FExpandOne; }
    void SetExpandOne(bool Value) { FExpandOne = Value; }
    const QImage& ContractGlyph() const { return FContractGlyph; }
    void SetContractGlyph(const QImage& Value) { FContractGlyph = Value; }
    bool ShowTree() const { return FShowTree; }
    void SetShowTree(bool Value);
    bool ShowTreeFull() const { return FShowTreeFull; }
    void SetShowTreeFull(bool Value);
    int NodeIndent() const { return FNodeIndent; }
    void SetNodeIndent(int Value);
    TColor TreeColor() const { return FTreeColor; }
    void SetTreeColor(TColor Value);

    // Copies the fields (glyphs included) of another TCellNode, without a repaint.
    void Assign(const TObject* Source);

private:
    void Repaint();

    TColor FColor = clSilver;
    TNodeType FNodeType = cnXP;
    TColor FNodeColor = clBlack;
    QImage FExpandGlyph;
    bool FExpandOne = false;
    QImage FContractGlyph;
    TControl* FOwner;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    int FNodeIndent = 12;
    TColor FTreeColor = clGray;
};
