#include "logic/color/ClipboardText.h"
#include "logic/color/ColorNotation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct NotationRow {
    int r, g, b;
    const wchar_t* rgb;
    const wchar_t* hex;
    const wchar_t* hsb;
    const wchar_t* cmyk;
    const wchar_t* colref;
};

const NotationRow kPanelTexts[] = {
    {0, 0, 0, L"0, 0, 0", L"000000", L"0, 0, 0", L"0, 0, 0, 100", L"0"},
    {255, 255, 255, L"255, 255, 255", L"FFFFFF", L"0, 0, 255", L"0, 0, 0, 0", L"16777215"},
    {255, 0, 0, L"255, 0, 0", L"FF0000", L"0, 255, 255", L"0, 100, 100, 0", L"255"},
    {0, 255, 0, L"0, 255, 0", L"00FF00", L"120, 255, 255", L"100, 0, 100, 0", L"65280"},
    {0, 0, 255, L"0, 0, 255", L"0000FF", L"240, 255, 255", L"100, 100, 0, 0", L"16711680"},
    {128, 128, 128, L"128, 128, 128", L"808080", L"0, 0, 128", L"0, 0, 0, 50", L"8421504"},
    {255, 0, 1, L"255, 0, 1", L"FF0001", L"359, 255, 255", L"0, 100, 100, 0", L"65791"},
    {0, 128, 255, L"0, 128, 255", L"0080FF", L"209, 255, 255", L"100, 50, 0, 0", L"16744448"},
    {200, 100, 50, L"200, 100, 50", L"C86432", L"20, 191, 200", L"0, 50, 75, 22", L"3302600"},
    {1, 2, 3, L"1, 2, 3", L"010203", L"210, 170, 3", L"67, 33, 0, 99", L"197121"},
    {10, 20, 30, L"10, 20, 30", L"0A141E", L"210, 170, 30", L"67, 33, 0, 88", L"1971210"},
    // A whole hue, 123 exactly, which arithmetic in binary fractions puts a hair below.
    {0, 60, 3, L"0, 60, 3", L"003C03", L"123, 255, 60", L"100, 0, 95, 76", L"211968"},
    // A COLORREF whose later groups of three digits begin with zeros.
    {69, 66, 15, L"69, 66, 15", L"45420F", L"56, 199, 69", L"0, 4, 78, 73", L"1000005"},
};

class PanelTexts : public ::testing::TestWithParam<NotationRow> {};

TEST_P(PanelTexts, EveryNotationReadsAsTheTableSays) {
    const NotationRow& row = GetParam();
    const ColorRef color = MakeColorRef(row.r, row.g, row.b);
    EXPECT_EQ(NotationText(ColorNotation::Rgb, color), row.rgb);
    EXPECT_EQ(NotationText(ColorNotation::Hex, color), row.hex);
    EXPECT_EQ(NotationText(ColorNotation::Hsb, color), row.hsb);
    EXPECT_EQ(NotationText(ColorNotation::Cmyk, color), row.cmyk);
    EXPECT_EQ(NotationText(ColorNotation::Colref, color), row.colref);
}

std::string Narrow(const wchar_t* text) {
    return std::string(text, text + std::char_traits<wchar_t>::length(text));
}

// As other programs read them: 8-bit, and the texts of three or four numbers in parentheses.
TEST_P(PanelTexts, OnTheClipboardEachNotationReadsAsTheTableSays) {
    const NotationRow& row = GetParam();
    const ColorRef color = MakeColorRef(row.r, row.g, row.b);
    EXPECT_EQ(ClipboardText(ColorNotation::Colref, color), Narrow(row.colref));
    EXPECT_EQ(ClipboardText(ColorNotation::Rgb, color), "(" + Narrow(row.rgb) + ")");
    EXPECT_EQ(ClipboardText(ColorNotation::Hex, color), Narrow(row.hex));
    EXPECT_EQ(ClipboardText(ColorNotation::Hsb, color), "(" + Narrow(row.hsb) + ")");
    EXPECT_EQ(ClipboardText(ColorNotation::Cmyk, color), "(" + Narrow(row.cmyk) + ")");
}

INSTANTIATE_TEST_SUITE_P(Colors, PanelTexts, ::testing::ValuesIn(kPanelTexts));

TEST(ColorNotation, StoredValuesKeepTheirNumbers) {
    EXPECT_EQ(static_cast<int>(ColorNotation::Colref), 0);
    EXPECT_EQ(static_cast<int>(ColorNotation::Rgb), 1);
    EXPECT_EQ(static_cast<int>(ColorNotation::Hex), 2);
    EXPECT_EQ(static_cast<int>(ColorNotation::Hsb), 3);
    EXPECT_EQ(static_cast<int>(ColorNotation::Cmyk), 4);
    EXPECT_FALSE(IsNotation(5));
    EXPECT_FALSE(IsNotation(-1));
}

TEST(ColorNotation, ColrefOfAValueWithATopByteIsSigned) {
    EXPECT_EQ(NotationText(ColorNotation::Colref, ColorRef{0xFFFFFFFF}), L"-1");
    // The longest text there is, which the panel's buffer must hold.
    wchar_t text[kNotationTextCapacity];
    EXPECT_EQ(WriteNotationText(ColorNotation::Colref, ColorRef{0x80000000}, text), 11u);
    EXPECT_STREQ(text, L"-2147483648");
}

// Whichever of two equal largest channels is taken, the hue is the one between them: 60, 180
// or 300 degrees, for every such colour.
TEST(ColorConversions, TwoEqualLargestChannelsGiveTheHueBetweenThem) {
    for (int top = 1; top < 256; ++top)
        for (int low = 0; low < top; ++low) {
            ASSERT_EQ(RgbToHsb({top, top, low}).hue, 60) << top << " " << low;
            ASSERT_EQ(RgbToHsb({low, top, top}).hue, 180) << top << " " << low;
            ASSERT_EQ(RgbToHsb({top, low, top}).hue, 300) << top << " " << low;
        }
}

// The hue as the fraction it is: 60 degrees for each unit of (channel difference) / diff,
// counted from the sector of the largest channel, taken round into 0..360.
struct ExactHue {
    long long numerator;
    long long denominator;
};

ExactHue ReferenceHue(int r, int g, int b) {
    const int max = std::max({r, g, b}), diff = max - std::min({r, g, b});
    if (diff == 0)
        return {0, 1};
    long long sixths; // hue x diff / 60
    if (r == max)
        sixths = g - b;
    else if (g == max)
        sixths = 2LL * diff + (b - r);
    else
        sixths = 4LL * diff + (r - g);
    long long numerator = 60 * sixths;
    if (numerator < 0)
        numerator += 360LL * diff;
    return {numerator, diff};
}

// The share of an ink as the texts have always shown it, in floating point.
int ReferenceInk(int channel, int max) {
    const double black = 1.0 - max / 255.0;
    return max == 0 ? 0 : static_cast<int>((1.0 - channel / 255.0 - black) / (1.0 - black) * 100.0 + 0.5);
}

TEST(ColorConversions, EveryColourHasTheWholeDegreesOfItsExactHueAndStaysInRange) {
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b) {
                const HsbColor hsb = RgbToHsb({r, g, b});
                const CmykColor cmyk = RgbToCmyk(r, g, b);
                const ExactHue exact = ReferenceHue(r, g, b);
                // Truncated: the whole number of degrees at or below the exact hue.
                const bool hueExact = hsb.hue * exact.denominator <= exact.numerator &&
                                      exact.numerator < (hsb.hue + 1) * exact.denominator;
                if (!hueExact)
                    FAIL() << "hue " << hsb.hue << " for (" << r << ", " << g << ", " << b << "), exactly "
                           << exact.numerator << "/" << exact.denominator;
                const bool inRange = hsb.hue >= 0 && hsb.hue <= 359 && hsb.saturation >= 0 &&
                                     hsb.saturation <= 255 && hsb.brightness == std::max({r, g, b}) &&
                                     cmyk.cyan >= 0 && cmyk.cyan <= 100 && cmyk.magenta >= 0 &&
                                     cmyk.magenta <= 100 && cmyk.yellow >= 0 && cmyk.yellow <= 100 &&
                                     cmyk.black >= 0 && cmyk.black <= 100;
                if (!inRange)
                    FAIL() << "out of range for (" << r << ", " << g << ", " << b << ")";
                const int max = std::max({r, g, b}), diff = max - std::min({r, g, b});
                const bool sharesExact = hsb.saturation == (max == 0 ? 0 : 255 * diff / max) &&
                                         cmyk.cyan == ReferenceInk(r, max) && cmyk.magenta == ReferenceInk(g, max) &&
                                         cmyk.yellow == ReferenceInk(b, max);
                if (!sharesExact)
                    FAIL() << "saturation or ink share for (" << r << ", " << g << ", " << b << ")";
            }
}

TEST(ColorConversions, ArgbAndColorRefSwapRedAndBlue) {
    EXPECT_EQ(ToColorRef(Argb{0xFF123456}), ColorRef{0x00563412});
    EXPECT_EQ(ToArgb(ColorRef{0x00E6C2A3}), Argb{0xFFA3C2E6});
    EXPECT_EQ(ToColorRef(ToArgb(ColorRef{0x00ABCDEF})), ColorRef{0x00ABCDEF});
}

} // namespace
