#include "logic/Alignment.h"
#include "logic/DpiScaling.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The rows of the information panel's template, in dialog units: top and height of each label.
constexpr int kRowTops[] = {4, 18, 32, 46, 59};
constexpr int kRowHeight = 8;
constexpr int kMarkSize = 10;

// A vertical measure in dialog units in pixels, as the dialog manager rounds it, for a font
// whose height (the vertical base unit) is that many pixels: eight units are one font height.
int VerticalUnitsInPixels(int units, int baseUnitY) {
    return RescaleDpi(units, 8, baseUnitY);
}

TEST(Alignment, MarksCentredOnTheirRowsSitWhereTheDesignPutThemAtOneAndAHalfPixelsAUnit) {
    constexpr int kBaseUnitY = 12; // 1.5 pixels per vertical dialog unit
    const int expected[] = {7, 28, 49, 70, 90};
    for (size_t i = 0; i < 5; ++i) {
        const int top = VerticalUnitsInPixels(kRowTops[i], kBaseUnitY);
        const int height = VerticalUnitsInPixels(kRowHeight, kBaseUnitY);
        EXPECT_EQ(CentredStart(top, height, kMarkSize), expected[i]) << i;
    }
}

TEST(Alignment, MarksFollowTheirRowsWithAnyFontHeight) {
    for (int baseUnitY = 8; baseUnitY <= 40; ++baseUnitY)
        for (int rowTop : kRowTops) {
            const int top = VerticalUnitsInPixels(rowTop, baseUnitY);
            const int height = VerticalUnitsInPixels(kRowHeight, baseUnitY);
            const int mark = CentredStart(top, height, kMarkSize);
            // Centres at most half a pixel apart.
            EXPECT_LE(std::abs((2 * mark + kMarkSize) - (2 * top + height)), 1) << baseUnitY << " " << rowTop;
        }
}

TEST(Alignment, CentringGivesTheHalfPixelToTheStart) {
    EXPECT_EQ(CentredStart(100, 20, 9), 105);
    EXPECT_EQ(CentredStart(100, 20, 10), 105);
    EXPECT_EQ(CentredStart(0, 9, 10), 0);
}

TEST(Alignment, APartNearTheCentreKeepsItsPlaceAndOneFarFromItIsCentred) {
    // A 9-pixel lock at 202 over a 20-pixel slider at 197: centres 206.5 and 207.
    EXPECT_EQ(KeptOrCentredStart(202, 9, 197, 20, 2), 202);
    // One and a half pixels off either way is still near.
    EXPECT_EQ(KeptOrCentredStart(201, 9, 197, 20, 2), 201);
    EXPECT_EQ(KeptOrCentredStart(204, 9, 197, 20, 2), 204);
    // Two and a half is not: it moves to the centre.
    EXPECT_EQ(KeptOrCentredStart(200, 9, 197, 20, 2), 202);
    EXPECT_EQ(KeptOrCentredStart(205, 9, 197, 20, 2), 202);
    // Exactly two off, with centres on whole pixels, is near.
    EXPECT_EQ(KeptOrCentredStart(203, 10, 200, 20, 2), 203);
    EXPECT_EQ(KeptOrCentredStart(207, 10, 200, 20, 2), 207);
    EXPECT_EQ(KeptOrCentredStart(202, 10, 200, 20, 2), 205);
    EXPECT_EQ(KeptOrCentredStart(208, 10, 200, 20, 2), 205);
    // Seventeen pixels to the left, as with too wide a font at 120 DPI.
    EXPECT_EQ(KeptOrCentredStart(253, 11, 265, 25, 2), 272);
}

} // namespace
