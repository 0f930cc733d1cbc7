#include "logic/color/ClipboardText.h"
#include "logic/color/PastedColor.h"

#include "EveryColor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr ColorNotation kNotations[] = {ColorNotation::Colref, ColorNotation::Rgb, ColorNotation::Hex,
                                        ColorNotation::Hsb, ColorNotation::Cmyk};

using CopyText = std::string (*)(ColorNotation, ColorRef);

// Every colour's clipboard text, pasted back with its notation marked, gives a colour with
// that same text; where the text belongs to one colour alone (COLREF, RGB, HEX), that colour.
// The same for the forms for code, at every seventh colour: a walk through all of them takes
// minutes.
TEST(PastedColor, CopyThenPasteGivesBackTheTextInEveryNotation) {
    const struct {
        CopyText copy;
        std::uint32_t step;
    } forms[] = {{ClipboardText, 1}, {CodeText, 7}};
    for (const auto& form : forms)
        for (ColorNotation notation : kNotations) {
            const bool oneColorPerText = notation != ColorNotation::Hsb && notation != ColorNotation::Cmyk;
            const EveryColorMisses misses = ForEveryColor(
                [&](ColorRef color) {
                    const std::string copied = form.copy(notation, color);
                    const std::optional<ColorRef> pasted = PastedColor(copied, notation);
                    const bool same = pasted && (*pasted == color ||
                                                 (!oneColorPerText && form.copy(notation, *pasted) == copied));
                    return same ? std::string() : copied;
                },
                form.step);
            EXPECT_EQ(misses.count, 0u) << "notation " << static_cast<int>(notation) << ", first: " << misses.first;
        }
}

struct PasteRow {
    const char* text;
    ColorNotation marked;
    int r, g, b;
};

class PastedForms : public ::testing::TestWithParam<PasteRow> {};

TEST_P(PastedForms, NameTheColour) {
    const PasteRow& row = GetParam();
    const std::optional<ColorRef> pasted = PastedColor(std::string_view(row.text), row.marked);
    ASSERT_TRUE(pasted.has_value());
    EXPECT_EQ(*pasted, MakeColorRef(row.r, row.g, row.b));
    // Unicode text reads the same.
    const std::string narrow(row.text);
    EXPECT_EQ(PastedColor(std::wstring(narrow.begin(), narrow.end()), row.marked), pasted);
}

INSTANTIATE_TEST_SUITE_P(
    OwnAndForeign, PastedForms,
    ::testing::Values(
        // The marked notation's own text, as the panel shows it, with spaces around, with "#".
        PasteRow{"  3302600\r\n", ColorNotation::Colref, 200, 100, 50},
        PasteRow{"200, 100, 50", ColorNotation::Rgb, 200, 100, 50},
        PasteRow{"\t( 200 ,100,  50 ) ", ColorNotation::Rgb, 200, 100, 50},
        PasteRow{"#C86432", ColorNotation::Hex, 200, 100, 50},
        PasteRow{"c86432", ColorNotation::Hex, 200, 100, 50},
        PasteRow{"0, 0, 0, 100", ColorNotation::Cmyk, 0, 0, 0},
        PasteRow{"(0, 0, 255)", ColorNotation::Hsb, 255, 255, 255},
        // Own text first: six decimal digits are a COLORREF when COLREF is marked, else hex.
        PasteRow{"123456", ColorNotation::Colref, 0x40, 0xE2, 0x01},
        PasteRow{"123456", ColorNotation::Rgb, 0x12, 0x34, 0x56},
        // Forms from elsewhere, whatever is marked.
        PasteRow{"#C86432", ColorNotation::Colref, 200, 100, 50},
        PasteRow{"#c63", ColorNotation::Hsb, 0xCC, 0x66, 0x33},
        PasteRow{"C86432", ColorNotation::Cmyk, 200, 100, 50},
        PasteRow{"rgb(200, 100, 50)", ColorNotation::Hsb, 200, 100, 50},
        PasteRow{"RGBA(200,100,50,0.5)", ColorNotation::Cmyk, 200, 100, 50},
        PasteRow{"rgba(200, 100, 50, 50%)", ColorNotation::Rgb, 200, 100, 50},
        PasteRow{"rgba(200, 100, 50, .5)", ColorNotation::Hex, 200, 100, 50},
        PasteRow{"(200, 100, 50)", ColorNotation::Colref, 200, 100, 50},
        PasteRow{"200,100,50", ColorNotation::Hex, 200, 100, 50},
        // HSB and CMYK texts that no colour has: the nearest of that brightness or black.
        PasteRow{"(100, 0, 50)", ColorNotation::Hsb, 50, 50, 50},
        PasteRow{"(20, 191, 5)", ColorNotation::Hsb, 5, 2, 1},
        PasteRow{"(0, 255, 0)", ColorNotation::Hsb, 0, 0, 0},
        PasteRow{"(50, 0, 0, 100)", ColorNotation::Cmyk, 0, 0, 0},
        PasteRow{"(40, 0, 0, 99)", ColorNotation::Cmyk, 2, 3, 3},
        // What stylesheets and programs write, whatever is marked: tomato in every form.
        PasteRow{"TOMATO", ColorNotation::Rgb, 255, 99, 71},
        PasteRow{"hsl(9, 100%, 64%)", ColorNotation::Hex, 255, 99, 71},
        PasteRow{"HSLA(369deg 100% 64% / 50%)", ColorNotation::Hsb, 255, 99, 71},
        PasteRow{"hsl(-351, 100%, 64%)", ColorNotation::Rgb, 255, 99, 71},
        PasteRow{"hsl(9.13 100% 63.92%)", ColorNotation::Rgb, 255, 99, 71},
        PasteRow{"hwb(9 28% 0% / 0.5)", ColorNotation::Cmyk, 255, 99, 71},
        PasteRow{"device-cmyk(0 0.612 0.722 0)", ColorNotation::Colref, 255, 99, 71},
        PasteRow{"0x004763FF", ColorNotation::Colref, 255, 99, 71},
        PasteRow{"0XFF", ColorNotation::Hex, 255, 0, 0},
        PasteRow{"RGB(255, 99, 71)", ColorNotation::Colref, 255, 99, 71},
        PasteRow{"rgb(255 99 71)", ColorNotation::Hsb, 255, 99, 71},
        PasteRow{"rgb(100% 38.8% 27.84% / 50%)", ColorNotation::Rgb, 255, 99, 71},
        PasteRow{"rgb(255/**/99 71)", ColorNotation::Rgb, 255, 99, 71},
        PasteRow{"#FF634780", ColorNotation::Rgb, 255, 99, 71},
        PasteRow{"#F63C", ColorNotation::Rgb, 255, 102, 51},
        PasteRow{"hsl(0.025turn 100% 64%)", ColorNotation::Rgb, 255, 99, 71},
        PasteRow{"hsl(10grad 100 64)", ColorNotation::Rgb, 255, 99, 71},
        PasteRow{"hsl(0.15708RAD 100% 64%)", ColorNotation::Rgb, 255, 99, 71},
        // Halves go up: 127.5, 50% of 255 and 10% of it (25.5); hwb() 60% + 60% is a grey of .5.
        PasteRow{"rgb(127.5 50% 10%)", ColorNotation::Rgb, 128, 128, 26},
        PasteRow{"hwb(0 60% 60%)", ColorNotation::Rgb, 128, 128, 128},
        PasteRow{"hsl(none 0% 50%)", ColorNotation::Rgb, 128, 128, 128},
        // Clamped as CSS clamps: channels to 0..255, inks to 0..1; an alpha however many.
        PasteRow{"rgb(300, -5, 71.4)", ColorNotation::Rgb, 255, 0, 71},
        PasteRow{"rgba(1, 2, 3)", ColorNotation::Rgb, 1, 2, 3},
        PasteRow{"rgb(1, 2, 3, 4)", ColorNotation::Rgb, 1, 2, 3},
        PasteRow{"device-cmyk(0 0 0 1.5)", ColorNotation::Cmyk, 0, 0, 0},
        // CSS reads "1-2-3" as three numbers.
        PasteRow{"rgb(1-2-3)", ColorNotation::Rgb, 1, 0, 0},
        // l .05, a = 1 × min(.05, .95); hue 52: red .05 + a = .1 (25.5), green .05 + a × .733
        // = .0867 (22.1), blue 0.
        PasteRow{"hsl(52, 100%, 5%)", ColorNotation::Hsb, 26, 22, 0},
        // Saturation past 100%: red .64 + .3636 clipped, green .64 − .3636 × .7 (98.3), blue
        // .64 − .3636 (70.5).
        PasteRow{"hsl(9, 101%, 64%)", ColorNotation::Hsb, 255, 98, 70},
        // 255 × (1 − min(1, C (1 − K) + K)): .46, .45, .35 of 255 are 117.3, 114.75, 89.25.
        PasteRow{"device-cmyk(54% 55% 65% 0%)", ColorNotation::Rgb, 117, 115, 89},
        PasteRow{"54, 55, 65, 0", ColorNotation::Cmyk, 117, 115, 89},
        PasteRow{"100, 100, 100, 100", ColorNotation::Cmyk, 0, 0, 0},
        PasteRow{"0, 61, 72, 0", ColorNotation::Cmyk, 255, 99, 71},
        PasteRow{"device-cmyk(0% 61% 72% 0%)", ColorNotation::Cmyk, 255, 99, 71},
        // .54, .48 and .42 of 255.
        PasteRow{"device-cmyk(0.1, 0.2, 0.3, 0.4)", ColorNotation::Rgb, 138, 122, 107},
        // Beyond sRGB: gamut-mapped in OKLCH, not clipped channel by channel (which would give
        // 255, 0, 0 for the first three); lightness 1 or 0 is white or black.
        PasteRow{"oklch(0.7 0.4 30)", ColorNotation::Rgb, 255, 88, 67},
        PasteRow{"color(display-p3 1 0 0)", ColorNotation::Rgb, 255, 11, 12},
        PasteRow{"lab(50 100 -100)", ColorNotation::Rgb, 189, 45, 255},
        PasteRow{"color(xyz 0.2 0.3 0.4)", ColorNotation::Rgb, 0, 167, 164},
        PasteRow{"color(srgb-linear 0.5 0.2 1)", ColorNotation::Rgb, 188, 124, 255},
        PasteRow{"oklch(1 0.1 30)", ColorNotation::Rgb, 255, 255, 255},
        PasteRow{"oklch(-5% 0.1 30)", ColorNotation::Rgb, 0, 0, 0},
        PasteRow{"lch(50 30 270)", ColorNotation::Rgb, 93, 120, 170},
        PasteRow{"oklab(0.5 0.1 -0.1)", ColorNotation::Rgb, 129, 69, 154},
        PasteRow{"OKLCH(60% 50% 0.5turn)", ColorNotation::Rgb, 0, 152, 131},
        PasteRow{"oklch(0.5 0.2 none)", ColorNotation::Rgb, 180, 6, 95},
        PasteRow{"lab(62.99 59 48)", ColorNotation::Rgb, 255, 99, 71},
        PasteRow{"color(a98-rgb 1 1 0)", ColorNotation::Rgb, 255, 255, 0},
        PasteRow{"color(prophoto-rgb 0.5 0.5 0.5)", ColorNotation::Rgb, 146, 146, 146},
        PasteRow{"color(srgb 1e0 .388 2.784e-1)", ColorNotation::Rgb, 255, 99, 71}));

// Many colours share an HSB or CMYK text; any of them will do, as the panel shows them alike.
TEST(PastedColor, AnHsbOrCmykTextAsThePanelShowsItGivesAColourWithThatText) {
    const std::optional<ColorRef> hsb = PastedColor(std::wstring_view(L" 20, 191, 200 "), ColorNotation::Hsb);
    ASSERT_TRUE(hsb.has_value());
    EXPECT_EQ(NotationText(ColorNotation::Hsb, *hsb), L"20, 191, 200");
    const std::optional<ColorRef> cmyk =
        PastedColor(std::wstring_view(L"0, 50, 75, 22"), ColorNotation::Cmyk);
    ASSERT_TRUE(cmyk.has_value());
    EXPECT_EQ(NotationText(ColorNotation::Cmyk, *cmyk), L"0, 50, 75, 22");
}

struct MalformedRow {
    std::string text;
    ColorNotation marked;
};

class MalformedTexts : public ::testing::TestWithParam<MalformedRow> {};

TEST_P(MalformedTexts, NameNoColour) {
    const MalformedRow& row = GetParam();
    EXPECT_FALSE(PastedColor(row.text, row.marked).has_value());
    EXPECT_FALSE(PastedColor(std::wstring(row.text.begin(), row.text.end()), row.marked).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Table, MalformedTexts,
    ::testing::Values(
        MalformedRow{"", ColorNotation::Rgb}, MalformedRow{" \t\r\n", ColorNotation::Colref},
        MalformedRow{"hello", ColorNotation::Rgb}, MalformedRow{"#12345", ColorNotation::Hex},
        MalformedRow{"#1234567", ColorNotation::Hex}, MalformedRow{"12345", ColorNotation::Hex},
        MalformedRow{"C8643G", ColorNotation::Hex}, MalformedRow{"C63", ColorNotation::Hex},
        MalformedRow{"# C86432", ColorNotation::Hex}, MalformedRow{"(200, 100)", ColorNotation::Rgb},
        MalformedRow{"(200, 100, 50", ColorNotation::Rgb}, MalformedRow{"200, 100, 50)", ColorNotation::Rgb},
        MalformedRow{"((200, 100, 50))", ColorNotation::Rgb}, MalformedRow{"200 100 50", ColorNotation::Rgb},
        MalformedRow{"200, 100, 50,", ColorNotation::Rgb}, MalformedRow{"(256, 0, 0)", ColorNotation::Rgb},
        MalformedRow{"(1, 2, 3, 4)", ColorNotation::Rgb}, MalformedRow{"(-1, 2, 3)", ColorNotation::Rgb},
        MalformedRow{"(+1, 2, 3)", ColorNotation::Rgb}, MalformedRow{"(1.5, 2, 3)", ColorNotation::Rgb},
        MalformedRow{"-1", ColorNotation::Colref}, MalformedRow{"16777216", ColorNotation::Colref},
        MalformedRow{"99999999999999999999999", ColorNotation::Colref},
        MalformedRow{"(360, 0, 0)", ColorNotation::Hsb}, MalformedRow{"(0, 256, 0)", ColorNotation::Hsb},
        MalformedRow{"(101, 0, 0, 0)", ColorNotation::Cmyk},
        MalformedRow{"(200, 100, 50)", ColorNotation::Cmyk}, MalformedRow{"rgb(1, 2)", ColorNotation::Rgb},
        MalformedRow{"rgb(1, 2, 3", ColorNotation::Hex},
        MalformedRow{"rgbx(1, 2, 3)", ColorNotation::Hex},
        MalformedRow{"rgba(1, 2, 3, )", ColorNotation::Hex}, MalformedRow{"0x C86432", ColorNotation::Hex},
        MalformedRow{"rgba(1,2,3,...)", ColorNotation::Rgb}, MalformedRow{"rgba(1,2,3,%%%)", ColorNotation::Rgb},
        MalformedRow{"rgba(1,2,3,0.5.5)", ColorNotation::Rgb}, MalformedRow{"rgba(1,2,3,5%%)", ColorNotation::Rgb},
        MalformedRow{std::string("#C86432\0", 8), ColorNotation::Hex},
        MalformedRow{std::string("20\0, 191, 200", 13), ColorNotation::Hsb},
        MalformedRow{"\xC8\x64\x32", ColorNotation::Rgb}, MalformedRow{"tomatoes", ColorNotation::Rgb},
        MalformedRow{"tomatp", ColorNotation::Rgb}, MalformedRow{"0x01000000", ColorNotation::Colref},
        MalformedRow{"0x", ColorNotation::Colref}, MalformedRow{"hsl(9, 100%, 64%, 1, 2)", ColorNotation::Hsb},
        MalformedRow{"hsl(9, 100, 64)", ColorNotation::Hsb},
        MalformedRow{"hsl(9 100%, 64%)", ColorNotation::Hsb}, MalformedRow{"hsl(9, 100% 64%)", ColorNotation::Hsb},
        MalformedRow{"hsl(9, 100%, 64% / 1)", ColorNotation::Hsb}, MalformedRow{"hsl(., 1%, 1%)", ColorNotation::Hsb},
        MalformedRow{"hwb(9 28%)", ColorNotation::Rgb},
        // What CSS refuses: commas mixed with spaces, a missing or extra figure, an alpha
        // without its slash, legacy figures of two kinds or with none, commas where CSS has no
        // legacy form, a space before the parenthesis, units, unknown names, overflow.
        MalformedRow{"rgb(255, 99 71)", ColorNotation::Rgb}, MalformedRow{"rgb(255 99, 71)", ColorNotation::Rgb},
        MalformedRow{"rgb(255 99)", ColorNotation::Rgb}, MalformedRow{"rgb(255 99 71 1)", ColorNotation::Rgb},
        MalformedRow{"rgb(255, 99, 71, 1, 2)", ColorNotation::Rgb}, MalformedRow{"rgb(255 99 71 /)", ColorNotation::Rgb},
        MalformedRow{"rgb(255 99 / 71 1)", ColorNotation::Rgb}, MalformedRow{"rgb(1 2 3 / 1 / 1)", ColorNotation::Rgb},
        MalformedRow{"rgb(100%, 99, 71)", ColorNotation::Rgb}, MalformedRow{"rgb(none, 99, 71)", ColorNotation::Rgb},
        MalformedRow{"hwb(0, 60%, 60%)", ColorNotation::Rgb}, MalformedRow{"lab(50, 10, 10)", ColorNotation::Rgb},
        MalformedRow{"device-cmyk(0%, 61%, 72%, 0%)", ColorNotation::Rgb},
        MalformedRow{"device-cmyk(0, 0, 0, 0, 1)", ColorNotation::Rgb},
        MalformedRow{"rgb (1 2 3)", ColorNotation::Hex}, MalformedRow{"rgb(1 2 3) x", ColorNotation::Hex},
        MalformedRow{"rgb(1 2 3))", ColorNotation::Hex}, MalformedRow{"rgb(1px 2 3)", ColorNotation::Hex},
        MalformedRow{"rgb(1 % 2 3)", ColorNotation::Hex}, MalformedRow{"hsl(9degs 100% 64%)", ColorNotation::Hex},
        MalformedRow{"hsl(9 100% 64%deg)", ColorNotation::Hex}, MalformedRow{"rgb(calc(1) 2 3)", ColorNotation::Hex},
        MalformedRow{"color(unknown 1 0 0)", ColorNotation::Hex}, MalformedRow{"color(srgb 1 0)", ColorNotation::Hex},
        MalformedRow{"color(1 0 0)", ColorNotation::Hex}, MalformedRow{"blah(1 2 3)", ColorNotation::Hex},
        MalformedRow{"oklch(0.5 0.1 none none)", ColorNotation::Hex},
        MalformedRow{"rgb(1e999 0 0)", ColorNotation::Rgb}, MalformedRow{"oklch(1 1e400 0)", ColorNotation::Rgb},
        MalformedRow{"rgba(1,2,3,...)", ColorNotation::Rgb}, MalformedRow{"rgba(1,2,3,%%%)", ColorNotation::Rgb},
        MalformedRow{std::string(1 << 20, '7'), ColorNotation::Colref},
        MalformedRow{std::string(100, ' ') + "(1, 2, 3)" + std::string(100, 'x'), ColorNotation::Rgb},
        MalformedRow{"rgb(" + std::string(250, '1') + ")", ColorNotation::Rgb},
        MalformedRow{"lab(50 " + std::string(240, '9') + " 0)", ColorNotation::Rgb}));

TEST(PastedColor, SpacesAroundDoNotCountHoweverMany) {
    const std::string spaces(1 << 20, ' ');
    EXPECT_EQ(PastedColor(spaces + "#C86432" + spaces, ColorNotation::Rgb), MakeColorRef(200, 100, 50));
}

} // namespace
