#include "dropdowns/dropdown_styles.h"

#include <gtest/gtest.h>

namespace {

struct StripSet {
    THeaderAppearance Header{nullptr};
    TFooterAppearance Footer{nullptr};
    TExButtonAppearance Buttons;
    TPopupStyleColors Popup;
    bool Apply(TZRTStyle style) { return ApplyDropDownStyle(style, Header, Footer, Buttons, Popup); }
};

TEST(DropDownStyles, PopupStripAndButtonColoursOfThePresets) {
    const struct {
        TZRTStyle style;
        TColor dropDown, dropDownTo, frame;
        TColor headerFrom, headerTo, footerFrom, caption, headerBorder, footerBorder;
        TColor button, buttonTo, buttonBorder, hot, down;
    } cases[] = {
        {tsOffice2007Luna, 0xF3E5DA, 0xF0DED0, clNone, 0xFFEFE3, 0xFFD2AF, 0xFFEFE3, 0x723708, 0xFFD2AF, 0xFFD2AF,
         0xFFEFE3, 0xFFDDC4, clNone, 0xEBFDFF, 0xAAD9FF},
        {tsWindows7, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0xFDFBFA, 0x000000, 0xFBD6B8, 0xFBD6B8,
         0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFCEBDC},
        {tsOffice2010Black, 0xFFFFFF, 0xF1EFED, 0x6D6D6D, 0xBFBFBF, 0x919191, 0xBFBFBF, 0x000000, 0x6D6D6D,
         0x6D6D6D, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x8AE3FD, 0x6CD0FF},
        {tsWindowsVista, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0xFFFAF0, 0x000000, 0xFCF2DA, 0xFCF2DA,
         0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFEF9F0},
        {tsOffice2003Blue, 0xFFFFFF, clNone, clNone, 0xFCE1CB, 0xE0A57D, 0xFCE1CB, 0x000000, 0x000000, 0x962D00,
         0xFCE1CB, 0xE0A57D, clNone, 0xEBFDFF, 0xAAD9FF},
    };
    for (const auto& c : cases) {
        StripSet set;
        ASSERT_TRUE(set.Apply(c.style)) << c.style;
        EXPECT_EQ(set.Popup.DropDownColor, c.dropDown) << c.style;
        EXPECT_EQ(set.Popup.DropDownColorTo, c.dropDownTo) << c.style;
        if (set.Popup.SetsBorderColor) EXPECT_EQ(set.Popup.DropDownBorderColor, c.frame) << c.style;
        EXPECT_EQ(set.Header.Color(), c.headerFrom) << c.style;
        EXPECT_EQ(set.Header.ColorTo(), c.headerTo) << c.style;
        EXPECT_EQ(set.Footer.Color(), c.footerFrom) << c.style;
        EXPECT_EQ(set.Header.Font().Color, c.caption) << c.style;
        EXPECT_EQ(set.Footer.Font().Color, c.caption) << c.style;
        EXPECT_EQ(set.Header.BorderColor(), c.headerBorder) << c.style;
        EXPECT_EQ(set.Footer.BorderColor(), c.footerBorder) << c.style;
        EXPECT_EQ(set.Buttons.Color(), c.button) << c.style;
        EXPECT_EQ(set.Buttons.ColorTo(), c.buttonTo) << c.style;
        EXPECT_EQ(set.Buttons.BorderColor(), c.buttonBorder) << c.style;
        EXPECT_EQ(set.Buttons.ColorHot(), c.hot) << c.style;
        EXPECT_EQ(set.Buttons.ColorDown(), c.down) << c.style;
    }
}

TEST(DropDownStyles, StylesThatKeepTheFrameSayTheyDoAndCustomChangesNothing) {
    StripSet set;
    ASSERT_TRUE(set.Apply(tsOffice2003Silver));
    EXPECT_FALSE(set.Popup.SetsBorderColor);
    ASSERT_TRUE(set.Apply(tsOffice2003Olive));
    EXPECT_TRUE(set.Popup.SetsBorderColor);

    StripSet untouched;
    int changes = 0;
    untouched.Buttons.OnChange = [&](TObject*) { ++changes; };
    EXPECT_FALSE(untouched.Apply(tsCustom));
    EXPECT_EQ(untouched.Header.Color(), 0xC0C0C0);
    EXPECT_EQ(untouched.Buttons.ColorHot(), 0xF5F0E1);
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(set.Apply(static_cast<TZRTStyle>(99)));
}

TEST(DropDownStyles, LatchedButtonColoursComeWithTheStyle) {
    StripSet set;
    set.Apply(tsWindows7);
    EXPECT_EQ(set.Buttons.ColorChecked(), 0xFEF9F0);
    EXPECT_EQ(set.Buttons.ColorCheckedTo(), 0xFCDBC1);
    EXPECT_EQ(set.Buttons.BorderColorChecked(), 0xCEA27D);
    set.Apply(tsOffice2010Blue);
    EXPECT_EQ(set.Buttons.ColorCheckedTo(), clNone);
    EXPECT_EQ(set.Buttons.BorderColorChecked(), 0x4FA0CE);
}

TEST(ItemAppearance, PresetsOfTheColourStyle) {
    TItemAppearance appearance(nullptr);
    EXPECT_EQ(appearance.ColorStyle(), scOffice2007);
    EXPECT_EQ(appearance.ColorHot(), 0xD7FFFD);
    EXPECT_EQ(appearance.ColorMirrorSelectedTo(), 0x68E3F9);
    EXPECT_EQ(appearance.BorderColorHot(), clNone);
    EXPECT_EQ(appearance.Font().Name, QStringLiteral("Tahoma"));

    appearance.SetColorStyle(scWindows7);
    EXPECT_EQ(appearance.ColorSelected(), 0xF9D8B9);
    EXPECT_EQ(appearance.ColorMirrorHot(), clNone);
    appearance.SetColorHot(clRed);
    appearance.SetColorStyle(scWindows7);  // the same style again keeps own colours
    EXPECT_EQ(appearance.ColorHot(), clRed);
    appearance.SetColorStyle(scCustom);
    EXPECT_EQ(appearance.ColorHot(), clRed);

    // Assign copies the colours, then the source's style overwrites them with its preset.
    TItemAppearance source(nullptr), target(nullptr);
    source.SetColorStyle(scWindowsVista);
    source.SetColorHot(clBlue);
    source.SetColorHotText(clRed);
    target.Assign(&source);
    EXPECT_EQ(target.ColorStyle(), scWindowsVista);
    EXPECT_EQ(target.ColorHot(), 0xFDF8F1);
    EXPECT_EQ(target.ColorHotText(), clRed);
}

TEST(ItemAppearance, ControlStylesSetHotAndSelectedLooks) {
    const struct {
        TZRTStyle style;
        TColor hot, mirrorHot, selected, selectedText, border, top;
    } cases[] = {
        {tsOffice2007Luna, 0xEBFDFF, 0x59DAFF, 0xAAD9FF, 0x000000, 0x42AEFE, 0xF4FEFF},
        {tsOffice2003Blue, 0xEBFDFF, 0x59DAFF, 0xAAD9FF, 0x000000, 0x42AEFE, clNone},
        {tsWindowsXP, 0xEFD3C6, clNone, clHighlight, clHighlightText, clHighlight, clNone},
        {tsWindows7, 0xFDFBFA, clNone, 0xFCEBDC, 0x000000, 0xCEA27D, 0xFDF4EB},
        {tsOffice2010Black, 0xD9F9FD, 0x8AE3FD, 0x7BEEFF, 0x000000, 0x308AC2, clNone},
    };
    for (const auto& c : cases) {
        TItemAppearance appearance(nullptr);
        appearance.SetBorderColorHot(clRed);
        appearance.SetColorHotText(clRed);
        SetItemAppearanceStyle(&appearance, c.style);
        EXPECT_EQ(appearance.BorderColorHot(), clNone) << c.style;
        EXPECT_EQ(appearance.ColorHotText(), 0x000000) << c.style;
        EXPECT_EQ(appearance.ColorHot(), c.hot) << c.style;
        EXPECT_EQ(appearance.ColorMirrorHot(), c.mirrorHot) << c.style;
        EXPECT_EQ(appearance.ColorSelected(), c.selected) << c.style;
        EXPECT_EQ(appearance.ColorSelectedText(), c.selectedText) << c.style;
        EXPECT_EQ(appearance.BorderColor(), c.border) << c.style;
        EXPECT_EQ(appearance.BorderColorTop(), c.top) << c.style;
    }
    TItemAppearance custom(nullptr);
    SetItemAppearanceStyle(&custom, tsCustom);
    EXPECT_EQ(custom.ColorHot(), 0xD7FFFD);
    SetItemAppearanceStyle(nullptr, tsWindows7);  // nothing without an appearance
}

}  // namespace
