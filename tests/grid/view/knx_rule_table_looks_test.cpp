// Pixel probes on offscreen renders of the KNX-rule-like table: the header gradient of
// each look, the always-visible combo buttons, the hover row and the hovered, pressed
// and pushed fixed cells drawn from the mouse state.

#include "controls/color_utilities.h"
#include "grid/core/grid_feature_settings.h"
#include "knx_rule_table_fixture.h"

#include <QImage>
#include <cstdlib>
#include <functional>
#include <memory>
#include <gtest/gtest.h>

namespace {

bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 6 && std::abs(a.green() - b.green()) <= 6 && std::abs(a.blue() - b.blue()) <= 6;
}

class KnxRuleTableLooks : public ::testing::Test {
protected:
    KnxRuleTableLooks() { Reset(); }
    void Reset() {
        Owned = std::make_unique<TKnxRuleGrid>(nullptr);
        Owned->resize(1205, 337);
        BuildKnxRuleTable(*Owned, 1024, 1024);
    }
    QImage Render() { return Owned->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QColor At(const QImage& image, int ACol, int ARow, int dx, int dy) {
        const TRect r = Owned->CellRect(ACol, ARow);
        return image.pixelColor(r.Left + dx, r.Top + dy);
    }
    // Pixels of the cell's right 16-pixel strip that are darker than the cell colour.
    int DarkPixelsAtRightEdge(const QImage& image, int ACol, int ARow) {
        const TRect r = Owned->CellRect(ACol, ARow);
        int dark = 0;
        for (int x = r.Right - 16; x < r.Right - 1; ++x)
            for (int y = r.Top + 2; y < r.Bottom - 2; ++y) dark += image.pixelColor(x, y).lightness() < 120;
        return dark;
    }
    std::unique_ptr<TKnxRuleGrid> Owned;
};

TEST_F(KnxRuleTableLooks, HeaderGradientFollowsTheLook) {
    struct Case {
        TGridLook Look;
        TColor From, To;
    };
    // Header row of a normal column: top pixel near From, bottom pixel near To.
    for (const Case& c : {Case{glXP, clWhite, ColorToRGB(clBtnFace)}, Case{glOffice2007, 0xFBF9F6, 0xE8DBD2}}) {
        ApplyKnxLook(*Owned, c.Look);
        const QImage image = Render();
        const QColor top = At(image, 7, 0, 4, 1), bottom = At(image, 7, 0, 4, Owned->RowHeights(0) - 3);
        SCOPED_TRACE(Owned->LookToString(c.Look).toStdString());
        EXPECT_NEAR(top.red(), ToQColor(c.From).red(), 6);
        EXPECT_NEAR(top.blue(), ToQColor(c.From).blue(), 6);
        EXPECT_NEAR(bottom.red(), ToQColor(c.To).red(), 6);
        EXPECT_NEAR(bottom.blue(), ToQColor(c.To).blue(), 6);
        EXPECT_NE(top, bottom);
    }
    ApplyKnxLook(*Owned, glXP);
    const QColor xp = At(Render(), 7, 0, 4, 16);
    ApplyKnxLook(*Owned, glOffice2007);
    EXPECT_NE(At(Render(), 7, 0, 4, 16), xp);
}

TEST_F(KnxRuleTableLooks, ComboCellsShowTheirDropDownButton) {
    struct Case {
        int Col;
        bool AlwaysVisible;
        bool Button;
    };
    const Case cases[] = {{4, true, true}, {6, true, true}, {15, true, true},
                          {2, true, false}, {7, true, false}, {4, false, false}};
    for (const Case& c : cases) {
        Owned->ControlLook()->DropDownAlwaysVisible = c.AlwaysVisible;
        Owned->InvalidateGrid();
        SCOPED_TRACE(c.Col);
        EXPECT_EQ(DarkPixelsAtRightEdge(Render(), c.Col, 1) > 4, c.Button);
    }
}

TEST_F(KnxRuleTableLooks, ComboButtonKeepsTheTextOutOfItsPlace) {
    // A text long enough to run under the button ends before it.
    Owned->SetColWidths(6, 60);
    Owned->SetCells(6, 1, QStringLiteral("Float16 to Int * 100"));
    const QImage image = Render();
    const TRect r = Owned->CellRect(6, 1);
    const QColor cell = ToQColor(KnxRuleColumns()[6].Color);
    int textPixelsUnderButtonEdge = 0;
    for (int y = r.Top + 2; y < r.Bottom - 2; ++y) {
        const QColor p = image.pixelColor(r.Right - 19, y);
        textPixelsUnderButtonEdge += p != cell && p.lightness() < 100;
    }
    EXPECT_EQ(textPixelsUnderButtonEdge, 0);
}

TEST_F(KnxRuleTableLooks, HoverAndPressLooks) {
    ApplyKnxLook(*Owned, glXP);
    struct Case {
        const char* Name;
        std::function<void()> Set;
        int Col, Row, Dx, Dy;
        QColor Expected;  // invalid: differs from the unhovered look
    };
    const Case cases[] = {
        {"hover row on a normal cell", [&] { Owned->HoverRowAt(9); }, 2, 9, 30, 3, ToQColor(clInfoBk)},
        {"hover row leaves the fixed column", [&] { Owned->HoverRowAt(9); }, 0, 9, 30, 3, QColor()},
        {"hovered header cell", [&] { Owned->HoverFixedCellAt(5, 0); }, 5, 0, 40, 3, ToQColor(0xCFD0D1)},
        {"pressed header cell", [&] { Owned->HoverFixedCellAt(5, 0); Owned->PressHoveredFixedCell(false); }, 5, 0, 40, 3,
         ToQColor(0x868788)},
        {"pressed drop-down button", [&] {
             Owned->ControlLook()->FixedDropDownButton = true;
             Owned->HoverFixedCellAt(5, 0);
             Owned->PressHoveredFixedCell(true);
         }, 5, 0, Owned->ColWidths(5) - 4, 3, ToQColor(0x868788)},
        {"rest of a header cell while its button is pressed", [&] {
             Owned->ControlLook()->FixedDropDownButton = true;
             Owned->HoverFixedCellAt(5, 0);
             Owned->PressHoveredFixedCell(true);
         }, 5, 0, 10, 3, ToQColor(0xCFD0D1)},
        {"pushed fixed cell sinks", [&] { Owned->PushFixedCell(0, 3); }, 0, 3, 5, 0, ToQColor(clBtnShadow)},
    };
    const QImage plain = Render();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Reset();
        ApplyKnxLook(*Owned, glXP);
        c.Set();
        const QColor probed = At(Render(), c.Col, c.Row, c.Dx, c.Dy);
        // The gradients start at the probed colour and move a little by the third line.
        if (c.Expected.isValid()) EXPECT_TRUE(Near(probed, c.Expected)) << probed.name().toStdString();
        else EXPECT_EQ(probed.name(), At(plain, c.Col, c.Row, c.Dx, c.Dy).name());
    }
}

}  // namespace
