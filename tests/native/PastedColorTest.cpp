#include "logic/color/ClipboardText.h"
#include "logic/color/PastedColor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr ColorNotation kNotations[] = {ColorNotation::Colref, ColorNotation::Rgb, ColorNotation::Hex,
                                        ColorNotation::Hsb, ColorNotation::Cmyk};
constexpr std::uint32_t kColorCount = 1u << 24;

using CopyText = std::string (*)(ColorNotation, ColorRef);

// The texts that miss among [begin, end) in steps: how many, up to the hundred that say enough
// (a miss is searched for the nearest colour, which is slow), and the first.
struct Misses {
    unsigned long long count = 0;
    std::string first;
};

Misses RoundTripMisses(CopyText copy, ColorNotation notation, std::uint32_t begin, std::uint32_t end,
                       std::uint32_t step) {
    const bool oneColorPerText = notation != ColorNotation::Hsb && notation != ColorNotation::Cmyk;
    Misses misses;
    for (std::uint32_t value = begin; value < end && misses.count < 100; value += step) {
        const ColorRef color{value};
        const std::string copied = copy(notation, color);
        const std::optional<ColorRef> pasted = PastedColor(copied, notation);
        const bool same = pasted && (*pasted == color || (!oneColorPerText && copy(notation, *pasted) == copied));
        if (!same && misses.count++ == 0)
            misses.first = copied;
    }
    return misses;
}

// Every colour's clipboard text, pasted back with its notation marked, gives a colour with
// that same text; where the text belongs to one colour alone (COLREF, RGB, HEX), that colour.
// The same for the forms for code, at every seventh colour: a walk through all of them takes
// minutes. The colours are shared out among the processors: on one, the loop takes most of a minute.
TEST(PastedColor, CopyThenPasteGivesBackTheTextInEveryNotation) {
    const std::uint32_t threadCount = std::max(1u, std::thread::hardware_concurrency());
    const std::uint32_t share = (kColorCount + threadCount - 1) / threadCount;
    const struct {
        CopyText copy;
        std::uint32_t step;
    } forms[] = {{ClipboardText, 1}, {CodeText, 7}};
    for (const auto& form : forms)
        for (ColorNotation notation : kNotations) {
            std::vector<Misses> misses(threadCount);
            std::vector<std::thread> threads;
            for (std::uint32_t i = 0; i < threadCount; ++i)
                threads.emplace_back([&, i] {
                    misses[i] = RoundTripMisses(form.copy, notation, i * share,
                                                std::min(kColorCount, (i + 1) * share), form.step);
                });
            for (std::thread& thread : threads)
                thread.join();
            unsigned long long wrong = 0;
            std::string firstWrong;
            for (const Misses& part : misses) {
                if (firstWrong.empty())
                    firstWrong = part.first;
                wrong += part.count;
            }
            EXPECT_EQ(wrong, 0u) << "notation " << static_cast<int>(notation) << ", first: " << firstWrong;
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
        PasteRow{"hwb(9 28% 0%)", ColorNotation::Cmyk, 255, 99, 71},
        PasteRow{"hwb(0, 60%, 60%)", ColorNotation::Rgb, 128, 128, 128},
        PasteRow{"device-cmyk(0 0.612 0.722 0)", ColorNotation::Colref, 255, 99, 71},
        PasteRow{"0x004763FF", ColorNotation::Colref, 255, 99, 71},
        PasteRow{"0XFF", ColorNotation::Hex, 255, 0, 0},
        PasteRow{"RGB(255, 99, 71)", ColorNotation::Colref, 255, 99, 71}));

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
        MalformedRow{"rgba(1, 2, 3)", ColorNotation::Rgb},
        MalformedRow{"rgb(1, 2, 3, 4)", ColorNotation::Colref},
        MalformedRow{"rgb(1, 2, 3", ColorNotation::Hex}, MalformedRow{"rgb(300, 2, 3)", ColorNotation::Hex},
        MalformedRow{"rgbx(1, 2, 3)", ColorNotation::Hex},
        MalformedRow{"rgba(1, 2, 3, )", ColorNotation::Hex}, MalformedRow{"0x C86432", ColorNotation::Hex},
        MalformedRow{"rgba(1,2,3,...)", ColorNotation::Rgb}, MalformedRow{"rgba(1,2,3,%%%)", ColorNotation::Rgb},
        MalformedRow{"rgba(1,2,3,0.5.5)", ColorNotation::Rgb}, MalformedRow{"rgba(1,2,3,5%%)", ColorNotation::Rgb},
        MalformedRow{std::string("#C86432\0", 8), ColorNotation::Hex},
        MalformedRow{std::string("20\0, 191, 200", 13), ColorNotation::Hsb},
        MalformedRow{"\xC8\x64\x32", ColorNotation::Rgb}, MalformedRow{"tomatoes", ColorNotation::Rgb},
        MalformedRow{"tomatp", ColorNotation::Rgb}, MalformedRow{"0x01000000", ColorNotation::Colref},
        MalformedRow{"0x", ColorNotation::Colref}, MalformedRow{"hsl(9, 100%, 64%, 1, 2)", ColorNotation::Hsb},
        MalformedRow{"hsl(9, 100, 64)", ColorNotation::Hsb}, MalformedRow{"hsl(9, 101%, 64%)", ColorNotation::Hsb},
        MalformedRow{"hsl(9 100%, 64%)", ColorNotation::Hsb}, MalformedRow{"hsl(9, 100% 64%)", ColorNotation::Hsb},
        MalformedRow{"hsl(9, 100%, 64% / 1)", ColorNotation::Hsb}, MalformedRow{"hsl(., 1%, 1%)", ColorNotation::Hsb},
        MalformedRow{"hwb(9 28%)", ColorNotation::Rgb}, MalformedRow{"device-cmyk(0 0 0 1.5)", ColorNotation::Cmyk},
        MalformedRow{"rgba(1,2,3,...)", ColorNotation::Rgb}, MalformedRow{"rgba(1,2,3,%%%)", ColorNotation::Rgb},
        MalformedRow{std::string(1 << 20, '7'), ColorNotation::Colref},
        MalformedRow{std::string(100, ' ') + "(1, 2, 3)" + std::string(100, 'x'), ColorNotation::Rgb}));

TEST(PastedColor, SpacesAroundDoNotCountHoweverMany) {
    const std::string spaces(1 << 20, ' ');
    EXPECT_EQ(PastedColor(spaces + "#C86432" + spaces, ColorNotation::Rgb), MakeColorRef(200, 100, 50));
}

} // namespace
