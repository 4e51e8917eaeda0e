#include "dropdowns/item_appearance.h"

namespace {

struct TItemPreset {
    TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo, BorderColorTop, BorderColorBottom, BorderColor,
        EdgeColor, ColorSelected, ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo;
};

const TItemPreset* PresetOf(TSelectionColorStyle Style) {
    static const TItemPreset office2007{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF,
                                        0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB, 0x68E3F9};
    static const TItemPreset vista{0xFDF8F1, 0xFCEFD5, clNone,   clNone,   0xFDFBF6, 0xFDF5E7,
                                   0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, clNone,   clNone};
    static const TItemPreset windows7{0xFCEBDC, 0xFCDBC1, clNone,   clNone,   0xFDF4EB, 0xFDEADB,
                                      0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, clNone,   clNone};
    switch (Style) {
    case scOffice2007: return &office2007;
    case scWindowsVista: return &vista;
    case scWindows7: return &windows7;
    case scCustom: break;
    }
    return nullptr;
}

}  // namespace

TItemAppearance::TItemAppearance(TObject* AOwner) : FOwner(AOwner) {
    FFont.Name = QStringLiteral("Tahoma");
    ApplyPreset(scOffice2007);
}

void TItemAppearance::ApplyPreset(TSelectionColorStyle Style) {
    const TItemPreset* preset = PresetOf(Style);
    if (!preset) return;
    FColorHot = preset->ColorHot;
    FColorHotTo = preset->ColorHotTo;
    FColorMirrorHot = preset->ColorMirrorHot;
    FColorMirrorHotTo = preset->ColorMirrorHotTo;
    FBorderColorTop = preset->BorderColorTop;
    FBorderColorBottom = preset->BorderColorBottom;
    FBorderColor = preset->BorderColor;
    FEdgeColor = preset->EdgeColor;
    FColorSelected = preset->ColorSelected;
    FColorSelectedTo = preset->ColorSelectedTo;
    FColorMirrorSelected = preset->ColorMirrorSelected;
    FColorMirrorSelectedTo = preset->ColorMirrorSelectedTo;
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle Value) {
    if (FColorStyle == Value) return;
    FColorStyle = Value;
    ApplyPreset(Value);
}

void TItemAppearance::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TItemAppearance*>(Source);
    if (!source) return TPersistent::Assign(Source);
    FColorMirrorHotTo = source->FColorMirrorHotTo;
    FBorderColor = source->FBorderColor;
    FColorMirrorHot = source->FColorMirrorHot;
    FColorSelectedTo = source->FColorSelectedTo;
    FColorSelected = source->FColorSelected;
    FEdgeColor = source->FEdgeColor;
    FColorHotTo = source->FColorHotTo;
    FBorderColorBottom = source->FBorderColorBottom;
    FColorHot = source->FColorHot;
    FBorderColorTop = source->FBorderColorTop;
    FColorMirrorSelectedTo = source->FColorMirrorSelectedTo;
    FColorMirrorSelected = source->FColorMirrorSelected;
    FFont.Assign(source->FFont);
    SetColorStyle(source->FColorStyle);
    FColorSelectedText = source->FColorSelectedText;
    FColorHotText = source->FColorHotText;
    FBorderColorHot = source->FBorderColorHot;
    FBorderColorSelected = source->FBorderColorSelected;
}
