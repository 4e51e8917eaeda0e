// The look objects and the whole-grid recolouring: ControlLook's setters and Assign,
// the progress appearance's change notice, Look, the style, scheme and tone presets and
// following the user's Office theme.

#include "../core/grid_fixture.h"
#include "controls/color_utilities.h"
#include "registry_file_test.h"
#include "controls/office_theme.h"
#include "grid/view/grid_look_presets.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlLook, FixedGradientSettersReachTheGridAsTheyShould) {
    StringGridFixture grid;
    TControlLook& look = *grid.ControlLook();
    look.SetFixedGradientFrom(clRed);
    look.SetFixedGradientTo(clBlue);
    EXPECT_EQ(grid.ZRTGradientFrom(), clRed);
    EXPECT_EQ(grid.ZRTGradientTo(), clBlue);
    look.SetFixedGradientFrom(clNone);  // clNone leaves the grid's colour
    EXPECT_EQ(look.FixedGradientFrom, clNone);
    EXPECT_EQ(grid.ZRTGradientFrom(), clRed);
    look.SetFixedGradientMirrorFrom(clLime);
    EXPECT_EQ(grid.ZRTGradientMirrorFrom(), clLime);
    look.SetFixedGradientMirrorFrom(clNone);  // a mirror colour always goes through
    EXPECT_EQ(grid.ZRTGradientMirrorFrom(), clNone);
    look.SetFixedGradientHoverBorder(clAqua);
    look.SetFixedGradientDownMirrorTo(clYellow);
    EXPECT_EQ(grid.ZRTGradientHoverBorder(), clAqua);
    EXPECT_EQ(grid.ZRTGradientDownMirrorTo(), clYellow);
    look.SetFixedGradientDownMirrorTo(clNone);
    EXPECT_EQ(grid.ZRTGradientDownMirrorTo(), clNone);
    look.SetFixedGradientHoverFrom(clRed);
    look.SetFixedGradientHoverFrom(clNone);
    EXPECT_EQ(grid.ZRTGradientHoverFrom(), clRed);
}

TEST(ControlLook, InitResetsTheColoursAndCreateSetsTheDefaults) {
    StringGridFixture grid;
    TControlLook& look = *grid.ControlLook();
    EXPECT_EQ(look.CheckSize, 15);
    EXPECT_EQ(look.RadioSize, 10);
    EXPECT_EQ(look.ControlStyle, csTheme);
    EXPECT_EQ(look.DropDownCount, 8);
    look.SetFixedGradientHoverMirrorFrom(clRed);
    look.Color = clRed;
    look.SetCommentColor(clBlue);
    look.Init();
    EXPECT_EQ(look.Color, clBlack);
    EXPECT_EQ(look.CommentColor, clRed);
    EXPECT_EQ(look.FixedGradientHoverFrom, clGray);
    EXPECT_EQ(look.FixedGradientDownTo, clSilver);
    EXPECT_EQ(grid.ZRTGradientHoverMirrorFrom(), clNone) << "Init clears the grid's hover mirror";
}

TEST(ControlLook, AssignCopiesFieldByFieldAndLeavesTheButtonSwitches) {
    StringGridFixture target, source;
    TControlLook& from = *source.ControlLook();
    from.CheckSize = 20;
    from.FixedGradientFrom = clRed;
    from.FixedGradientTo = clBlue;
    from.FixedGradientDownBorder = clLime;
    from.DropDownAlwaysVisible = true;
    from.HintMaxWidth = 300;
    from.FlatButton = true;
    from.ProgressXP = true;
    from.FixedDropDownButton = true;
    const TColor gridFrom = target.ZRTGradientFrom();
    TControlLook& to = *target.ControlLook();
    to.Assign(&from);
    EXPECT_EQ(to.CheckSize, 20);
    EXPECT_EQ(to.FixedGradientFrom, clRed);
    EXPECT_EQ(to.FixedGradientTo, clBlue);
    EXPECT_EQ(to.FixedGradientDownBorder, clLime);
    EXPECT_TRUE(to.DropDownAlwaysVisible);
    EXPECT_EQ(to.HintMaxWidth, 300);
    EXPECT_FALSE(to.FlatButton);
    EXPECT_FALSE(to.ProgressXP);
    EXPECT_FALSE(to.FixedDropDownButton);
    EXPECT_EQ(target.ZRTGradientFrom(), gridFrom) << "Assign does not reach the grid";
    TBands notALook;
    to.Assign(&notALook);
    EXPECT_EQ(to.CheckSize, 20);
}

TEST(BackGround, ANewBackGroundDrawsNothingAndItsSettersRepaint) {
    StringGridFixture grid;
    TBackGround& background = *grid.BackGround();
    EXPECT_EQ(background.Display, bdTile);
    EXPECT_TRUE(background.Bitmap.Empty());
    EXPECT_EQ(background.Color, clWindow);
    EXPECT_EQ(background.ColorTo, clBtnFace);
    EXPECT_EQ(background.Cells, bcNormal);
    background.SetDisplay(bdGradientVert);
    StringGridFixture copy;
    copy.Assign(&grid);
    EXPECT_EQ(copy.BackGround()->Display, bdGradientVert);
}

TEST(ProgressAppearance, ChangesAreNotifiedOnlyForNewValues) {
    TGridProgressAppearance appearance;
    int changes = 0;
    appearance.OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(appearance.CompleteColor(), clRed);
    EXPECT_EQ(appearance.Steps(), 11);
    EXPECT_EQ(appearance.Style(), psXP);
    appearance.SetCompleteColor(clRed);
    EXPECT_EQ(changes, 0);
    appearance.SetSteps(5);
    EXPECT_EQ(changes, 1);
    TGridProgressAppearance copy;
    int copyChanges = 0;
    copy.OnChange = [&](TObject*) { ++copyChanges; };
    copy.Assign(&appearance);
    EXPECT_EQ(copy.Steps(), 5);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_TRUE(copy.OnChange) << "OnChange is not copied";
}

TEST(GridLook, SetLookAppliesItsColoursOnceAndLeavesTheSameLookAlone) {
    const struct {
        TGridLook look;
        TColor selection;
        TColor fixedTo;
        TGridSelectionStyle selectionStyle;
    } cases[] = {
        {glStandard, clHighlight, clNone, ssDefault},      {glSoft, clHighlight, clNone, ssDefault},
        {glClassic, clHighlight, clNone, ssDefault},       {glListView, clHighlight, clBtnFace, ssDefault},
        {glZRT, TColor(0xEACAB6), TColor(0xC0C0C0), ssDefault},
        {glVista, TColor(0xEACAB6), clNone, ssVista},      {glWin7, TColor(0xEACAB6), clNone, ssWin7},
        {glOffice2007, TColor(0x5EC1F1), TColor(0xE8DBD2), ssOffice2007},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(TExStringGrid::LookToString(c.look).toStdString());
        StringGridFixture grid;
        grid.SetLook(c.look);
        EXPECT_EQ(grid.Look(), c.look);
        EXPECT_EQ(grid.SelectionColor(), c.selection);
        EXPECT_EQ(grid.ControlLook()->FixedGradientTo, c.fixedTo);
        EXPECT_EQ(grid.SelectionStyle(), c.selectionStyle);
        EXPECT_EQ(grid.BorderStyle(), bsSingle);
        grid.SetSelectionColor(clLime);
        grid.SetLook(c.look);
        EXPECT_EQ(grid.SelectionColor(), clLime) << "the same look changes nothing";
    }
}

TEST(GridLook, ThePresetTablesHaveOneRowPerValueInOrder) {
    const std::vector<TGridStylePreset>& styles = GridStylePresets();
    ASSERT_EQ(styles.size(), static_cast<size_t>(gsOffice2010Black) + 1);
    for (size_t i = 0; i < styles.size(); ++i) EXPECT_EQ(static_cast<size_t>(styles[i].Style), i);
    EXPECT_EQ(XPColorSchemePresets().size(), static_cast<size_t>(vistaAero) + 1);
}

TEST(GridLook, StylesFromTheirTable) {
    const struct {
        TExGridStyle style;
        TGridLook look;
        TColor zrtFrom, activeCell, selection, gridLine, fixedLine;
    } cases[] = {
        {gsOffice2003Blue, glXP, 0xFCE1CB, 0x94E6FB, 0x94E6FB, 0xC0C0C0, 0x808080},
        {gsOffice2003Olive, glXP, 0xCFF0EA, 0x94E6FB, 0x94E6FB, 0xC0C0C0, 0x808080},
        {gsOffice2003Classic, glXP, clWhite, 0xD8D5D4, clHighlight, 0xC0C0C0, 0x808080},
        {gsOffice2007Luna, glOffice2007, 0xFBF9F6, 0x9DD8F9, 0x5EC1F1, 0xF1EDEB, 0xD1BBA4},
        {gsOffice2007Obsidian, glOffice2007, 0xF7F7F7, 0x9DD8F9, 0x5EC1F1, 0xE5D7D0, 0x808080},
        {gsWindowsXP, glXP, ColorToRGB(clBtnFace), clBtnFace, clHighlight, 0xC0C0C0, 0x808080},
        {gsWindowsVista, glVista, clWhite, 0xFDF8F1, 0xEACAB6, 0xECECF0, 0xD4D2D1},
        {gsWindows7, glWin7, 0xFDFCFA, 0xFCEBDC, 0xEACAB6, 0xECECF0, 0xD4D2D1},
        {gsTerminal, glStandard, ColorToRGB(clBtnFace), 0x808080, clHighlight, 0xC0C0C0, 0x808080},
        {gsOffice2010Blue, glOffice2007, 0xF5E7DA, 0x5BD5FF, 0xFFDBB7, 0xC0C0C0, 0xC7B0A0},
        {gsOffice2010Black, glOffice2007, 0x6A6A6A, 0x5BD5FF, 0xFFDBB7, 0xC0C0C0, 0x444444},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.style));
        StringGridFixture grid;
        grid.SetStyle(c.style);
        EXPECT_EQ(grid.Look(), c.look);
        EXPECT_EQ(grid.ZRTGradientFrom(), c.zrtFrom);
        EXPECT_EQ(grid.ActiveCellColor(), c.activeCell);
        EXPECT_EQ(grid.SelectionColor(), c.selection);
        EXPECT_EQ(grid.GridLineColor(), c.gridLine);
        EXPECT_EQ(grid.GridFixedLineColor(), c.fixedLine);
    }
}

TEST(GridLook, Office2010StylesFillTheSortHeaderAndSearchFooter) {
    StringGridFixture grid;
    grid.SetStyle(gsOffice2010Silver);
    EXPECT_EQ(grid.SortSettings()->HeaderColor, TColor(0xAAAAAA));
    EXPECT_EQ(grid.SortSettings()->HeaderMirrorColorTo, TColor(0xAAAAAA));
    EXPECT_EQ(grid.SearchFooter()->Color(), TColor(0xE8E3DF));
    EXPECT_EQ(grid.ZRTGradientHoverFrom(), TColor(0x6BDFFF));
    EXPECT_EQ(grid.SelectionStyle(), ssDefault);
    EXPECT_EQ(grid.ControlLook()->FixedGradientFrom, clNone);
}

TEST(GridLook, Office2007SilverKeepsTheLunaHoverOnlyWhenTheLookChanges) {
    StringGridFixture fromXP;
    fromXP.SetStyle(gsOffice2007Silver);
    EXPECT_EQ(fromXP.ControlLook()->FixedGradientHoverFrom, TColor(0xE4E2DF));
    StringGridFixture already;
    already.SetLook(glOffice2007);
    already.SetStyle(gsOffice2007Silver);
    EXPECT_EQ(already.ControlLook()->FixedGradientHoverFrom, clGray) << "Init's default";
}

TEST(GridLook, CustomStyleResetsSelectionAndControlLook) {
    StringGridFixture grid;
    grid.SetStyle(gsWindowsVista);
    grid.SetStyle(gsCustom);
    EXPECT_EQ(grid.SelectionColor(), clHighlight);
    EXPECT_EQ(grid.SelectionTextColor(), clHighlightText);
    EXPECT_EQ(grid.ControlLook()->FixedGradientHoverFrom, clGray);
    EXPECT_EQ(grid.Look(), glVista);
}

TEST(GridLook, ComponentStyleRemembersTheStyleAndLeavesMetroScrolling) {
    StringGridFixture grid;
    grid.SetScrollType(ssMetro);
    grid.SetComponentStyle(tsCustom);
    EXPECT_EQ(grid.ScrollType(), ssMetro);
    grid.SetComponentStyle(tsOffice2003Silver);
    EXPECT_EQ(grid.ComponentStyle(), tsOffice2003Silver);
    EXPECT_EQ(grid.ScrollType(), ssNormal);
    EXPECT_EQ(grid.ZRTGradientFrom(), TColor(0xECE2E1));
}

TEST(GridLook, XPColorSchemes) {
    const struct {
        TXPColorScheme scheme;
        TColor from, to, mirrorFrom, footer, active;
    } cases[] = {
        {xpNone, clWhite, ColorToRGB(clBtnFace), clNone, clWhite, clWhite},
        {xpBlue, 0xFCE1CB, 0xE0A57D, clNone, 0xFCE1CB, 0x94E6FB},
        {xpGreen, 0xCFF0EA, 0x8CC0B1, clNone, 0xCFF0EA, 0x94E6FB},
        {xpGray, 0xECE2E1, 0xB39698, clNone, 0xECE2E1, 0x94E6FB},
        {vistaAero, clWhite, clWhite, 0xFAF8F7, 0xECE2E1, 0x94E6FB},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.scheme));
        StringGridFixture grid;
        grid.SetTheme(c.scheme);
        EXPECT_EQ(grid.ZRTGradientFrom(), c.from);
        EXPECT_EQ(grid.ZRTGradientTo(), c.to);
        EXPECT_EQ(grid.ZRTGradientMirrorFrom(), c.mirrorFrom);
        EXPECT_EQ(grid.SearchFooter()->Color(), c.footer);
        EXPECT_EQ(grid.ActiveCellColor(), c.active);
        EXPECT_EQ(grid.ControlLook()->FixedGradientFrom, c.scheme == xpNone ? clNone : c.from);
    }
}

TEST(GridLook, ColorTonesMakeTheGridFlatWithGlyphChecks) {
    StringGridFixture grid;
    TColorTones tones;
    tones.Background = {0xF0F0F0, 0xD0D0D0, 0x202020};
    tones.Foreground = {0x808000, 0x606000, clWhite};
    tones.Selected = {0x00A000, clNone, clBlack};
    tones.Hover = {0x00C000, clNone, clBlack};
    grid.SetColorTones(tones);
    EXPECT_EQ(grid.ColorTones(), tones);
    EXPECT_EQ(grid.Look(), glClassic);
    EXPECT_TRUE(grid.Flat());
    EXPECT_EQ(grid.ScrollType(), ssMetro);
    EXPECT_EQ(grid.BorderStyle(), bsNone);
    EXPECT_EQ(grid.FixedColor(), TColor(0x808000));
    EXPECT_EQ(grid.FixedFont()->Color, clWhite);
    EXPECT_EQ(grid.Color(), TColor(0xF0F0F0));
    EXPECT_EQ(grid.SelectionColor(), TColor(0x00A000));
    EXPECT_EQ(grid.SelectionColorTo(), clNone);
    EXPECT_EQ(grid.GridLineColor(), TColor(0xE6E6E6));
    EXPECT_EQ(grid.GridFixedLineColor(), ScaleColorPercent(0x808000, -20));
    EXPECT_EQ(grid.ControlLook()->ControlStyle, csGlyph);
    EXPECT_TRUE(grid.ControlLook()->FlatButton);
    EXPECT_EQ(grid.SearchFooter()->ColorTo(), TColor(0x808000));
    EXPECT_EQ(grid.CellNode()->NodeType(), cnFlat);
    // The flat check and radio pictures are compiled in: none may come up empty, and the
    // checked picture must differ from the unchecked one.
    const TControlLook& look = *grid.ControlLook();
    for (const TBitmap* glyph : {&look.CheckedGlyph, &look.UnCheckedGlyph, &look.RadioOnGlyph, &look.RadioOffGlyph})
        EXPECT_FALSE(glyph->Empty());
    EXPECT_NE(look.CheckedGlyph.Image(), look.UnCheckedGlyph.Image());
    EXPECT_NE(look.RadioOnGlyph.Image(), look.RadioOffGlyph.Image());
}

TEST(GridLook, LookNamesAndCaptions) {
    const struct {
        TGridLook look;
        const char* name;
        const char* caption;
    } cases[] = {
        {glStandard, "glStandard", "Standard"},  {glSoft, "glSoft", "Soft"},
        {glClassic, "glClassic", "Classic"},     {glZRT, "glZRT", "ZRT"},
        {glXP, "glXP", "Windows XP"},            {glListView, "glListView", "ListView"},
        {glVista, "glVista", "Windows Vista"},   {glWin7, "glWin7", "Windows 7"},
        {glOffice2007, "glOffice2007", "Office2007"}, {glCustom, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TExStringGrid::LookToString(c.look), QString::fromLatin1(c.name));
        EXPECT_EQ(TExStringGrid::LookToCaption(c.look), QString::fromLatin1(c.caption));
    }
}

class ThemeAdaptTest : public RegistryFileTest {};

TEST_F(ThemeAdaptTest, FollowsTheOfficeThemeOnlyWhenItChanged) {
    StringGridFixture grid;
    Store("[Software\\Microsoft\\Office\\12.0\\Common]\nTheme=3\n");
    grid.ThemeAdapt();
    EXPECT_EQ(grid.LastOfficeTheme(), ot2007Black);
    EXPECT_EQ(grid.ComponentStyle(), tsOffice2007Obsidian);
    EXPECT_EQ(grid.ZRTGradientFrom(), TColor(0xF7F7F7));
    grid.SetZRTGradientFrom(clRed);
    grid.ThemeAdapt();  // the same theme: nothing is applied again
    EXPECT_EQ(grid.ZRTGradientFrom(), clRed);
    Store("[Software\\Microsoft\\Office\\14.0\\Common]\nTheme=1\n");
    grid.ThemeAdapt();
    EXPECT_EQ(grid.ComponentStyle(), tsOffice2010Blue);
    EXPECT_EQ(grid.ZRTGradientFrom(), TColor(0xF5E7DA));
}

}  // namespace
