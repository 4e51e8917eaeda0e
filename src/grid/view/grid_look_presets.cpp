#include "grid/view/grid_look_presets.h"

namespace {

using A = TLookAssignment;

A Copy(TLookColorTarget target, TLookColorTarget source) { return {target, clNone, source}; }

std::vector<A> Join(std::initializer_list<std::vector<A>> parts) {
    std::vector<A> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The groups the styles share, with the values a style gives them.
std::vector<A> Office2003Group(TColor from, TColor to) {
    return {{lcZRTGradientFrom, from},           {lcZRTGradientTo, to},
            {lcZRTGradientMirrorFrom, clNone},   {lcZRTGradientMirrorTo, clNone},
            {lcCLFixedFrom, from},               {lcCLFixedTo, to},
            {lcGridLineColor, 0xC0C0C0},         {lcGridFixedLineColor, 0x808080},
            Copy(lcSearchFooterColor, lcZRTGradientFrom), Copy(lcSearchFooterColorTo, lcZRTGradientMirrorTo)};
}

std::vector<A> Office2003Style(TColor from, TColor to) {
    return Join({Office2003Group(from, to),
                 {{lcActiveCellColor, 0x94E6FB}, {lcActiveCellColorTo, 0x1595EE}, {lcSelectionColor, 0x94E6FB},
                  {lcSelectionColorTo, 0x1595EE}, {lcSelectionTextColor, clBlack}}});
}

std::vector<A> Office2007Group(TColor footerFrom, TColor footerTo, TColor gridLine, TColor fixedLine,
                               TColor selection) {
    return {Copy(lcCLFixedFrom, lcZRTGradientFrom), Copy(lcCLFixedTo, lcZRTGradientTo),
            {lcSearchFooterColor, footerFrom},      {lcSearchFooterColorTo, footerTo},
            {lcGridLineColor, gridLine},            {lcGridFixedLineColor, fixedLine},
            {lcSelectionColor, selection},          {lcSelectionTextColor, clBlack},
            Copy(lcSearchFooterColor, lcZRTGradientFrom), Copy(lcSearchFooterColorTo, lcZRTGradientMirrorTo)};
}

std::vector<A> Office2010Group(TColor base, TColor header, TColor fixedLine) {
    return {{lcZRTGradientFrom, base},         {lcZRTGradientTo, base},
            {lcZRTGradientMirrorFrom, base},   {lcZRTGradientMirrorTo, base},
            {lcZRTGradientHoverFrom, clNone},  {lcZRTGradientHoverTo, clNone},
            {lcZRTGradientHoverMirrorFrom, clNone}, {lcZRTGradientHoverMirrorTo, clNone},
            {lcCLFixedFrom, base},             Copy(lcCLFixedTo, lcZRTGradientTo),
            Copy(lcCLFixedMirrorFrom, lcZRTGradientMirrorFrom), Copy(lcCLFixedMirrorTo, lcZRTGradientMirrorTo),
            {lcCLHoverFrom, 0x6BDFFF},         {lcCLHoverTo, 0xAFEFFF},
            {lcCLHoverMirrorFrom, 0xAFEFFF},   {lcCLHoverMirrorTo, 0xE6FCFF},   {lcCLHoverBorder, 0x3ABFE8},
            {lcCLDownFrom, 0x5BD5FF},          {lcCLDownTo, 0x64E0FF},
            {lcCLDownMirrorFrom, 0x64E0FF},    {lcCLDownMirrorTo, 0x71EFFF},    {lcCLDownBorder, 0x308AC2},
            {lcHeaderColor, header},           {lcHeaderColorTo, header},
            {lcHeaderMirrorColor, header},     {lcHeaderMirrorColorTo, header},
            {lcActiveCellColor, 0x5BD5FF},     {lcActiveCellColorTo, 0x71EFFF},
            {lcCLFixedFrom, clNone},           {lcCLFixedTo, clNone},
            {lcSelectionColor, 0xFFDBB7},      {lcSelectionTextColor, clBlack},
            Copy(lcSearchFooterColor, lcZRTGradientFrom), Copy(lcSearchFooterColorTo, lcZRTGradientMirrorTo),
            {lcGridLineColor, 0xC0C0C0},       {lcGridFixedLineColor, fixedLine}};
}

// The plain fixed-cell looks of Office 2003 Classic, Windows XP and Whidbey.
std::vector<A> PlainFixedLook(TColor activeFrom, TColor activeTo, TColor from, TColor to, TColor footer) {
    return {{lcActiveCellColor, activeFrom},  {lcActiveCellColorTo, activeTo},
            {lcZRTGradientFrom, from},        {lcZRTGradientTo, to},
            {lcZRTGradientMirrorFrom, clNone}, {lcZRTGradientMirrorTo, clNone},
            {lcCLFixedFrom, clNone},          {lcCLFixedTo, clNone},
            {lcGridLineColor, 0xC0C0C0},      {lcGridFixedLineColor, 0x808080},
            {lcSearchFooterColor, footer},    {lcSearchFooterColorTo, clNone}};
}

std::vector<A> SortHeaderOfVista() {
    return {{lcHeaderColor, 0xFCF9F2}, {lcHeaderColorTo, 0xFCF9F2}, {lcHeaderMirrorColor, 0xF9F1E1},
            {lcHeaderMirrorColorTo, 0xF6ECD8}};
}

}  // namespace

const std::vector<TGridStylePreset>& GridStylePresets() {
    static const std::vector<TGridStylePreset> table{
        {gsOffice2003Blue, glXP, Office2003Style(0xFCE1CB, 0xE0A57D), {}},
        {gsOffice2003Silver, glXP, Office2003Style(0xECE2E1, 0xB39698), {}},
        {gsOffice2003Olive, glXP, Office2003Style(0xCFF0EA, 0x8CC0B1), {}},
        {gsOffice2003Classic, glXP, PlainFixedLook(0xD8D5D4, 0xD8D5D4, clWhite, 0xCCD4D8, clWhite), {}},
        {gsOffice2007Luna, glOffice2007,
         Join({{{lcActiveCellColor, 0x9DD8F9}, {lcActiveCellColorTo, 0x5EC1F1}, {lcZRTGradientFrom, 0xFBF9F6},
                {lcZRTGradientTo, 0xE8DBD2}, {lcZRTGradientMirrorFrom, clNone}, {lcZRTGradientMirrorTo, clNone}},
               Office2007Group(0xFFEFE3, 0xFFD2AF, 0xF1EDEB, 0xD1BBA4, 0x5EC1F1),
               {{lcCLHoverFrom, 0xE4E2DF}, {lcCLHoverTo, 0xDBD3CD}, {lcCLHoverMirrorFrom, 0xDBD3CD},
                {lcCLHoverMirrorTo, 0xD2C5BC}, {lcCLHoverBorder, 0xB79F87}, {lcCLDownFrom, 0xE4C19D},
                {lcCLDownTo, 0xE4C19D}, {lcCLDownMirrorFrom, 0xE4C19D}, {lcCLDownMirrorTo, 0xE4C19D},
                {lcCLDownBorder, 0xE4C19D}}}),
         ssOffice2007},
        {gsOffice2007Obsidian, glOffice2007,
         Join({{{lcActiveCellColor, 0x9DD8F9}, {lcActiveCellColorTo, 0x5EC1F1}, {lcZRTGradientFrom, 0xF7F7F7},
                {lcZRTGradientTo, 0xDEDEDE}, {lcZRTGradientMirrorFrom, clNone}, {lcZRTGradientMirrorTo, clNone}},
               Office2007Group(0xF2F1F0, 0xC9C2BD, 0xE5D7D0, 0x808080, 0x5EC1F1)}),
         {}},
        {gsWindowsXP, glXP, PlainFixedLook(clBtnFace, clBtnFace, clBtnFace, clBtnFace, clBtnFace), {}},
        {gsWhidbey, std::nullopt, PlainFixedLook(0x94E6FB, 0x1595EE, clWhite, clBtnFace, clWhite), {}},
        {gsCustom, std::nullopt, {}, {}},
        {gsOffice2007Silver, glOffice2007,
         Join({{{lcActiveCellColor, 0x99CCFF}, {lcActiveCellColorTo, 0x699CFF}, {lcZRTGradientFrom, 0xF3F3F1},
                {lcZRTGradientTo, 0xCAC9C8}},
               Office2007Group(0xEEEEEE, 0xC1C1C1, 0xE5D7D0, 0x808080, 0x95C7F5)}),
         {}},
        {gsWindowsVista, glVista,
         Join({{{lcZRTGradientFrom, clWhite}, {lcZRTGradientTo, clWhite}, {lcZRTGradientMirrorFrom, 0xFAF8F7},
                {lcZRTGradientMirrorTo, 0xF4F2F1}, {lcZRTGradientHoverFrom, 0xFFF7E3},
                {lcZRTGradientHoverTo, 0xFFF7E3}, {lcZRTGradientHoverMirrorFrom, 0xFFEDBD},
                {lcZRTGradientHoverMirrorTo, 0xFBE7B7}, {lcZRTGradientHoverBorder, 0xE3C993},
                Copy(lcCLFixedFrom, lcZRTGradientFrom), Copy(lcCLFixedTo, lcZRTGradientTo),
                Copy(lcCLFixedMirrorFrom, lcZRTGradientMirrorFrom), Copy(lcCLFixedMirrorTo, lcZRTGradientMirrorTo),
                Copy(lcCLHoverFrom, lcZRTGradientHoverFrom), Copy(lcCLHoverTo, lcZRTGradientHoverTo),
                Copy(lcCLHoverMirrorFrom, lcZRTGradientHoverMirrorFrom),
                Copy(lcCLHoverMirrorTo, lcZRTGradientHoverMirrorTo),
                {lcCLDownFrom, 0xF9E4BC}, {lcCLDownTo, 0xF9E4BC}, {lcCLDownMirrorFrom, 0xF7D68D},
                {lcCLDownMirrorTo, 0xF5D18A}, {lcCLDownBorder, 0xAE904F}},
               SortHeaderOfVista(),
               {{lcActiveCellColor, 0xFDF8F1}, {lcActiveCellColorTo, 0xFCEFD5}, {lcCLFixedFrom, clNone},
                {lcCLFixedTo, clNone}, {lcSelectionColor, 0xEACAB6}, {lcSelectionTextColor, clBlack},
                {lcSearchFooterColor, clWhite}, {lcSearchFooterColorTo, 0xF4F2F1}, {lcGridLineColor, 0xECECF0},
                {lcGridFixedLineColor, 0xD4D2D1}}}),
         ssVista},
        {gsWindows7, glWin7,
         Join({{{lcZRTGradientFrom, 0xFDFCFA}, {lcZRTGradientTo, 0xFAF0E6}, {lcZRTGradientMirrorFrom, 0xF4E6DC},
                {lcZRTGradientMirrorTo, 0xF7E9DD}, {lcZRTGradientHoverFrom, 0xFDF8F3},
                {lcZRTGradientHoverTo, 0xF9F3EF}, {lcZRTGradientHoverMirrorFrom, clNone},
                {lcZRTGradientHoverMirrorTo, clNone}, {lcZRTGradientHoverBorder, 0xEEE8E3},
                Copy(lcCLFixedFrom, lcZRTGradientFrom), Copy(lcCLFixedTo, lcZRTGradientTo),
                Copy(lcCLFixedMirrorFrom, lcZRTGradientMirrorFrom), Copy(lcCLFixedMirrorTo, lcZRTGradientMirrorTo),
                {lcCLHoverFrom, 0xFEFBF8}, {lcCLHoverTo, 0xFAF2ED}, {lcCLHoverMirrorFrom, 0xF4E4D7},
                {lcCLHoverMirrorTo, 0xE8D2C1}, {lcCLDownFrom, 0xF1E8DD}, {lcCLDownTo, 0xF1E4D8},
                {lcCLDownMirrorFrom, 0xECDBCF}, {lcCLDownMirrorTo, 0xEDDCCF}, {lcCLDownBorder, 0xD5BCAA}},
               SortHeaderOfVista(),
               {{lcActiveCellColor, 0xFCEBDC}, {lcActiveCellColorTo, 0xFCDBC1}, {lcCLFixedFrom, clNone},
                {lcCLFixedTo, clNone}, {lcSelectionColor, 0xEACAB6}, {lcSelectionTextColor, clBlack},
                Copy(lcSearchFooterColor, lcZRTGradientFrom), Copy(lcSearchFooterColorTo, lcZRTGradientMirrorTo),
                {lcGridLineColor, 0xECECF0}, {lcGridFixedLineColor, 0xD4D2D1}}}),
         ssWin7},
        {gsTerminal, glStandard, {}, {}},
        {gsOffice2010Blue, glOffice2007, Office2010Group(0xF5E7DA, 0xD6CEC7, 0xC7B0A0), ssDefault},
        {gsOffice2010Silver, glOffice2007, Office2010Group(0xE8E3DF, 0xAAAAAA, 0xBAB5B1), ssDefault},
        {gsOffice2010Black, glOffice2007, Office2010Group(0x6A6A6A, 0xBABABA, 0x444444), ssDefault},
    };
    return table;
}

const std::vector<std::vector<TLookAssignment>>& XPColorSchemePresets() {
    auto scheme = [](TColor from, TColor to, TColor mirrorFrom, TColor mirrorTo, TColor footer, TColor footerTo) {
        return std::vector<A>{{lcZRTGradientFrom, from},
                              {lcZRTGradientTo, to},
                              {lcZRTGradientMirrorFrom, mirrorFrom},
                              {lcZRTGradientMirrorTo, mirrorTo},
                              {lcSearchFooterColor, footer},
                              {lcSearchFooterColorTo, footerTo},
                              {lcActiveCellColor, 0x94E6FB},
                              {lcActiveCellColorTo, 0x1595EE},
                              Copy(lcCLFixedFrom, lcZRTGradientFrom),
                              Copy(lcCLFixedTo, lcZRTGradientTo)};
    };
    static const std::vector<std::vector<A>> table{
        // xpNone
        {{lcActiveCellColor, clWhite}, {lcActiveCellColorTo, 0xFFD9B3}, {lcZRTGradientFrom, clWhite},
         {lcZRTGradientTo, clBtnFace}, {lcZRTGradientMirrorFrom, clNone}, {lcZRTGradientMirrorTo, clNone},
         {lcCLFixedFrom, clNone}, {lcCLFixedTo, clNone}, {lcSearchFooterColor, clWhite},
         {lcSearchFooterColorTo, 0xFFD9B3}},
        scheme(0xFCE1CB, 0xE0A57D, clNone, clNone, 0xFCE1CB, 0xE0A57D),    // xpBlue
        scheme(0xCFF0EA, 0x8CC0B1, clNone, clNone, 0xCFF0EA, 0x8CC0B1),    // xpGreen
        scheme(0xECE2E1, 0xB39698, clNone, clNone, 0xECE2E1, 0xB39698),    // xpGray
        scheme(clWhite, clWhite, 0xFAF8F7, 0xF4F2F1, 0xECE2E1, 0xB39698),  // vistaAero
    };
    return table;
}
