#include "logic/color/Contrast.h"
#include "logic/Language.h"
#include "logic/color/PaneDescription.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorRef Css(unsigned rrggbb) {
    return MakeColorRef(static_cast<int>(rrggbb >> 16), static_cast<int>(rrggbb >> 8), static_cast<int>(rrggbb));
}

struct ContrastRow {
    unsigned first, second; // as stylesheets write them
    int hundredths;
};

// Ratios as WCAG's own examples and the common checkers give them; 4.478 and 3.998 show the
// truncation: a ratio just short of a level does not reach it.
constexpr ContrastRow kKnownPairs[] = {
    {0x000000, 0xFFFFFF, 2100}, {0xFFFFFF, 0x000000, 2100}, {0x777777, 0xFFFFFF, 447},
    {0x767676, 0xFFFFFF, 454},  {0xFF0000, 0xFFFFFF, 399},  {0x0000FF, 0xFFFFFF, 859},
    {0x008000, 0xFFFFFF, 513},  {0x00FF00, 0x000000, 1530}, {0x595959, 0xFFFFFF, 700},
    {0x123456, 0x123456, 100},
};

TEST(Contrast, KnownPairsGiveTheirPublishedRatios) {
    for (const ContrastRow& row : kKnownPairs)
        EXPECT_EQ(ContrastHundredths(Css(row.first), Css(row.second)), row.hundredths)
            << std::hex << row.first << " on " << row.second;
    EXPECT_DOUBLE_EQ(RelativeLuminance(Css(0xFFFFFF)), 1.0);
    EXPECT_DOUBLE_EQ(RelativeLuminance(Css(0x000000)), 0.0);
}

// Each with its oklch() and its CSS name, or the nearest name and how far it is.
TEST(Contrast, PaneTextsNameTheColourTheRatioAndTheLevelsInBothLanguages) {
    const std::vector<ColorRef> colors{Css(0xFFFFFF), Css(0x777777), Css(0x000000), Css(0xFF0000)};
    EXPECT_EQ(PaneDescription(colors, 1, 0, ColorNotation::Hex),
              L"HEX: 777777\noklch(0.57 0 0) \u00B7 near gray (\u0394E 3.1)\nContrast with pane 1: 4.47:1 \u2014 AA large text, non-text");
    EXPECT_EQ(PaneDescription(colors, 2, 0, ColorNotation::Rgb),
              L"RGB: 0, 0, 0\noklch(0 0 0) \u00B7 black\nContrast with pane 1: 21:1 \u2014 AAA text, AAA large text, non-text");
    EXPECT_EQ(PaneDescription(colors, 0, 3, ColorNotation::Colref),
              L"COLREF: 16777215\noklch(1 0 0) \u00B7 white\nContrast with pane 4: 3.99:1 \u2014 AA large text, non-text");
    EXPECT_EQ(PaneDescription(colors, 0, 0, ColorNotation::Hex),
              L"HEX: FFFFFF\noklch(1 0 0) \u00B7 white\nOn white: 1:1 \u2014 below every level\n"
              L"On black: 21:1 \u2014 AAA text, AAA large text, non-text");
    SetRussian(true);
    EXPECT_EQ(PaneDescription(colors, 3, 2, ColorNotation::Hex),
              L"HEX: FF0000\noklch(0.628 0.2577 29.23) \u00B7 red\nКонтраст с панелью 3: 5,25:1 \u2014 текст AA, крупный текст AAA, нетекстовые элементы");
    EXPECT_EQ(PaneDescription(colors, 1, 1, ColorNotation::Rgb),
              L"RGB: 119, 119, 119\noklch(0.57 0 0) \u00B7 близко к gray (\u0394E 3,1)\nНа белом: 4,47:1 \u2014 крупный текст AA, нетекстовые элементы\n"
              L"На черном: 4,68:1 \u2014 текст AA, крупный текст AAA, нетекстовые элементы");
    SetRussian(false);
    // One pane: the whole tip is its own; an index past the panes gives nothing.
    EXPECT_EQ(PaneDescription({Css(0x767676)}, 0, 0, ColorNotation::Rgb),
              L"RGB: 118, 118, 118\noklch(0.566 0 0) \u00B7 near gray (\u0394E 3.4)\nOn white: 4.54:1 \u2014 AA text, AAA large text, non-text\n"
              L"On black: 4.62:1 \u2014 AA text, AAA large text, non-text");
    EXPECT_EQ(PaneDescription(colors, 4, 0, ColorNotation::Rgb), L"");
}

} // namespace
