#include "logic/Theme.h"

#include <gtest/gtest.h>

namespace {

TEST(Theme, DefaultIsTheBlueTheme) {
    const ThemeColors theme = LookupTheme(kDefaultTheme);
    EXPECT_EQ(theme.backgroundColor, MakeColorRef(125, 167, 216));
    EXPECT_EQ(theme.panelColor, MakeColorRef(163, 194, 230));
}

TEST(Theme, EachValidValuePicksItsOwnRow) {
    EXPECT_EQ(LookupTheme(2).backgroundColor, MakeColorRef(156, 186, 183));
    EXPECT_EQ(LookupTheme(3).panelColor, MakeColorRef(191, 217, 217));
    EXPECT_EQ(LookupTheme(5).backgroundColor, MakeColorRef(251, 246, 180));
    EXPECT_EQ(LookupTheme(6).panelColor, MakeColorRef(253, 225, 227));
}

TEST(Theme, OutOfRangeValuesShowThemeOne) {
    for (int theme = 2; theme <= 6; ++theme)
        EXPECT_EQ(ThemeIndex(theme), theme - 1);
    for (int stored : {0, 1, 7, -1, 1000000}) {
        EXPECT_EQ(ThemeIndex(stored), 0) << stored;
        const ThemeColors theme = LookupTheme(stored);
        EXPECT_EQ(theme.backgroundColor, MakeColorRef(121, 171, 146)) << stored;
        EXPECT_EQ(theme.panelColor, MakeColorRef(191, 217, 197)) << stored;
    }
}

TEST(Theme, PreviewOfThemeOneIsOneStepLighter) {
    EXPECT_EQ(ThemePreviewPanelColor(1), MakeColorRef(192, 217, 197));
    EXPECT_EQ(ThemePreviewPanelColor(4), LookupTheme(4).panelColor);
}

} // namespace
