#include "dropdowns/button_appearance.h"
#include "dropdowns/strip_appearance.h"

#include <gtest/gtest.h>

namespace {

TEST(StripButtonItems, OnlyCaptionEnabledAndWidthChangesAreReported) {
    THeaderAppearance header(nullptr);
    int buttonChanges = 0, changes = 0;
    header.OnButtonsChanged = [&](TObject* sender) {
        EXPECT_EQ(sender, &header);
        ++buttonChanges;
    };
    header.OnChange = [&](TObject*) { ++changes; };
    THeaderButton* button = header.Buttons().Add();
    EXPECT_EQ(button->ImageIndex(), -1);
    EXPECT_TRUE(button->Enabled());

    const struct {
        const char* what;
        std::function<void()> change;
        int reported;
    } cases[] = {
        {"caption", [&] { button->SetCaption(QStringLiteral("OK")); }, 1},
        {"same caption", [&] { button->SetCaption(QStringLiteral("OK")); }, 0},
        {"enabled", [&] { button->SetEnabled(false); }, 1},
        {"width", [&] { button->SetWidth(50); }, 1},
        {"height", [&] { button->SetHeight(30); }, 0},
        {"image index", [&] { button->SetImageIndex(2); }, 0},
        {"add", [&] { header.Buttons().Add(); }, 0},
        {"move", [&] { header.Buttons().Items(1)->SetIndex(0); }, 0},
        {"delete", [&] { header.Buttons().Delete(0); }, 0},
    };
    for (const auto& c : cases) {
        buttonChanges = 0;
        c.change();
        EXPECT_EQ(buttonChanges, c.reported) << c.what;
    }
    EXPECT_EQ(changes, 0);
}

TEST(StripButtonItems, AssignCopiesFromItsOwnKindOnly) {
    TFooterAppearance footer(nullptr);
    TFooterButton* source = footer.Buttons().Add();
    source->SetCaption(QStringLiteral("Cancel"));
    source->SetModalResult(mrCancel);
    source->SetWidth(60);
    source->SetHeight(20);
    source->SetImageIndex(3);
    source->SetEnabled(false);
    TFooterButton* copy = footer.Buttons().Add();
    copy->Assign(source);
    EXPECT_EQ(copy->Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(copy->ModalResult(), mrCancel);
    EXPECT_EQ(copy->Width(), 60);
    EXPECT_EQ(copy->Height(), 20);
    EXPECT_EQ(copy->ImageIndex(), 3);
    EXPECT_FALSE(copy->Enabled());

    THeaderAppearance header(nullptr);
    EXPECT_THROW(header.Buttons().Add()->Assign(source), EConvertError);
}

TEST(StripAppearance, DefaultsOfHeaderAndFooter) {
    THeaderAppearance header(nullptr);
    TFooterAppearance footer(nullptr);
    for (TStripAppearance* strip : {static_cast<TStripAppearance*>(&header), static_cast<TStripAppearance*>(&footer)}) {
        EXPECT_TRUE(strip->Visible());
        EXPECT_EQ(strip->Height(), 22);
        EXPECT_EQ(strip->BorderWidth(), 1);
        EXPECT_EQ(strip->ImageIndex(), -1);
        EXPECT_EQ(strip->Color(), 0xC0C0C0);
        EXPECT_EQ(strip->ColorTo(), 0xFFFFFF);
        EXPECT_EQ(strip->BorderColor(), 0x000000);
        EXPECT_EQ(strip->GradientDirection(), gdVertical);
        EXPECT_EQ(strip->ButtonAlignment(), baRight);
        EXPECT_EQ(strip->ButtonItems().Count(), 0);
    }
    EXPECT_EQ(header.Font().Name, QStringLiteral("Tahoma"));
    EXPECT_EQ(footer.Font().Name, TFont().Name);
    EXPECT_TRUE(footer.SizeGrip());
}

TEST(StripAppearance, AssignCopiesEverythingAndReportsOnlyAVisibleChange) {
    TFooterAppearance source(nullptr), target(nullptr);
    source.SetColor(clRed);
    source.SetColorTo(clNone);
    source.SetBorderColor(clBlue);
    source.SetCaption(QStringLiteral("<b>Pick</b>"));
    source.Font().Size = 11;
    source.SetImageIndex(4);
    source.SetBorderWidth(2);
    source.SetGradientDirection(gdHorizontal);
    source.SetHeight(30);
    source.SetButtonAlignment(baLeft);
    source.SetSizeGrip(false);
    source.Buttons().Add()->SetCaption(QStringLiteral("OK"));
    int changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };

    target.Assign(&source);
    EXPECT_EQ(changes, 0);  // Visible stayed True
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.ColorTo(), clNone);
    EXPECT_EQ(target.BorderColor(), clBlue);
    EXPECT_EQ(target.Caption(), QStringLiteral("<b>Pick</b>"));
    EXPECT_EQ(target.Font().Size, 11);
    EXPECT_EQ(target.ImageIndex(), 4);
    EXPECT_EQ(target.BorderWidth(), 2);
    EXPECT_EQ(target.GradientDirection(), gdHorizontal);
    EXPECT_EQ(target.Height(), 30);
    EXPECT_EQ(target.ButtonAlignment(), baLeft);
    EXPECT_FALSE(target.SizeGrip());
    ASSERT_EQ(target.Buttons().Count(), 1);
    EXPECT_EQ(target.Buttons().Items(0)->Caption(), QStringLiteral("OK"));

    source.SetVisible(false);
    target.Assign(&source);
    EXPECT_EQ(changes, 1);

    // A header does not take a footer's settings, nor a footer a header's.
    THeaderAppearance header(nullptr);
    header.Assign(&source);
    EXPECT_EQ(header.Color(), 0xC0C0C0);
    EXPECT_TRUE(header.Visible());
}

TEST(StripAppearance, AssignColorsTakesOnlyTheLook) {
    THeaderAppearance source(nullptr);
    TFooterAppearance target(nullptr);
    source.SetColor(clRed);
    source.SetColorTo(clYellow);
    source.SetBorderColor(clBlue);
    source.Font().Color = clGreen;
    source.SetGradientDirection(gdHorizontal);
    source.SetCaption(QStringLiteral("kept out"));
    source.SetHeight(40);
    target.AssignColors(&source);
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.ColorTo(), clYellow);
    EXPECT_EQ(target.BorderColor(), clBlue);
    EXPECT_EQ(target.Font().Color, clGreen);
    EXPECT_EQ(target.GradientDirection(), gdHorizontal);
    EXPECT_TRUE(target.Caption().isEmpty());
    EXPECT_EQ(target.Height(), 22);
}

TEST(ButtonAppearance, DefaultsLatchedColoursAndChangeReports) {
    TExButtonAppearance appearance;
    EXPECT_EQ(appearance.BorderColor(), clNone);
    EXPECT_EQ(appearance.ColorHot(), 0xF5F0E1);
    EXPECT_EQ(appearance.ColorChecked(), 0xF5D8CA);
    EXPECT_EQ(appearance.ColorCheckedTo(), 0xF9BDA0);
    EXPECT_EQ(appearance.ColorDisabledTo(), clNone);
    EXPECT_EQ(appearance.Font().Name, QStringLiteral("Tahoma"));

    int changes = 0;
    appearance.OnChange = [&](TObject*) { ++changes; };
    appearance.SetColorHot(0xF5F0E1);
    EXPECT_EQ(changes, 0);
    appearance.SetColorHot(clRed);
    appearance.SetGradient(gdHorizontal);
    appearance.SetGradient(gdHorizontal);
    EXPECT_EQ(changes, 2);

    TExButtonAppearance copy;
    copy.Font().Size = 14;
    copy.Assign(&appearance);
    EXPECT_EQ(copy.ColorHot(), clRed);
    EXPECT_EQ(copy.Gradient(), gdHorizontal);
    EXPECT_EQ(copy.Font().Size, 14);  // the font is not copied
}

}  // namespace
