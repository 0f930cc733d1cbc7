#include "logic/BitmapRows.h"
#include "logic/Palette.h"
#include "logic/KeyColor.h"
#include "logic/Theme.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {

TEST(KeyColor, ReplacesOnlyTheExactColourWhateverItsAlpha) {
    const ColorRef blue = kLockKeyColor;
    const ColorRef face = MakeColorRef(125, 167, 216);
    EXPECT_EQ(ReplaceKeyPixel(Argb{0xFF0000FF}, blue, face), Argb{0xFF7DA7D8});
    EXPECT_EQ(ReplaceKeyPixel(Argb{0x400000FF}, blue, face), Argb{0xFF7DA7D8});
    EXPECT_EQ(ReplaceKeyPixel(Argb{0xFF0000FE}, blue, face), Argb{0xFF0000FE});
    EXPECT_EQ(ReplaceKeyPixel(Argb{0xFF0100FF}, blue, face), Argb{0xFF0100FF});
}

TEST(KeyColor, PanelGreyKeepsTheKeyAsTheFillAndAveragesTheRest) {
    const Argb fill{0xFFBFD9D9};
    EXPECT_EQ(GreyPixel(Argb{0xFFFF0000}, fill), fill);
    EXPECT_EQ(GreyPixel(Argb{0xFFFF0001}, fill), Argb{0xFF555555}); // (255 + 0 + 1) / 3 = 85
    EXPECT_EQ(GreyPixel(Argb{0xFF808080}, fill), Argb{0xFF808080});
    EXPECT_EQ(GreyPixel(Argb{0xFF010000}, fill), Argb{0xFF000000});
}

// Two rows of three pixels (blue, green, red bytes), each row padded to 12 bytes as bitmaps are.
struct SmallPicture {
    std::uint8_t bytes[24];
    PixelRows Rows() { return {bytes, 12, 3, 2}; }
    PixelRows BottomUpRows() { return {bytes + 12, -12, 3, 2}; }
    std::uint32_t At(int x, int y) const {
        const std::uint8_t* p = bytes + 12 * y + 3 * x;
        return static_cast<std::uint32_t>(ToArgb(MakeColorRef(p[2], p[1], p[0])));
    }
};

SmallPicture MakeSmallPicture() {
    // (0,0) blue key, (1,0) red key, (2,0) red + 1 in blue, (0,1) grey, (1,1) blue key, (2,1) white.
    return {{0xFF, 0, 0, 0, 0, 0xFF, 1, 0, 0xFF, 0xEE, 0xEE, 0xEE,
             0x80, 0x80, 0x80, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xEE, 0xEE, 0xEE}};
}

TEST(KeyColor, ReplacesEveryKeyPixelOfAPictureAndLeavesTheRestAndThePadding) {
    for (bool bottomUp : {false, true}) {
        SmallPicture picture = MakeSmallPicture();
        ReplaceKeyColor(bottomUp ? picture.BottomUpRows() : picture.Rows(), kLockKeyColor,
                        ColorRef{0x00D8A77D});
        EXPECT_EQ(picture.At(0, 0), 0xFF7DA7D8u);
        EXPECT_EQ(picture.At(1, 1), 0xFF7DA7D8u);
        EXPECT_EQ(picture.At(1, 0), 0xFFFF0000u);
        EXPECT_EQ(picture.At(2, 0), 0xFFFF0001u);
        EXPECT_EQ(picture.At(0, 1), 0xFF808080u);
        EXPECT_EQ(picture.At(2, 1), 0xFFFFFFFFu);
        EXPECT_EQ(picture.bytes[9], 0xEE);
        EXPECT_EQ(picture.bytes[23], 0xEE);
    }
}

TEST(KeyColor, FillsOnlyWhatTheAreaSharesWithThePicture) {
    SmallPicture picture = MakeSmallPicture();
    FillArea(picture.Rows(), PixelRect{1, -1, 5, 1}, MakeColorRef(1, 2, 3));
    EXPECT_EQ(picture.At(1, 0), 0xFF010203u);
    EXPECT_EQ(picture.At(2, 0), 0xFF010203u);
    EXPECT_EQ(picture.At(0, 0), 0xFF0000FFu);
    EXPECT_EQ(picture.At(1, 1), 0xFF0000FFu);
    EXPECT_EQ(picture.bytes[9], 0xEE);
}

TEST(KeyColor, GreysAPictureWithTheKeyAsTheFill) {
    SmallPicture picture = MakeSmallPicture();
    GreyWithKey(picture.Rows(), Argb{0xFFBFD9D9});
    const std::uint32_t expected[2][3] = {{0xFF555555, 0xFFBFD9D9, 0xFF555555},
                                          {0xFF808080, 0xFF555555, 0xFFFFFFFF}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(picture.At(x, y), expected[y][x]) << x << ", " << y;
    EXPECT_EQ(picture.bytes[11], 0xEE);
}

// A bitmap resource of a 3 x 2 picture with rows of 12 bytes: its header, then `extra` bytes
// (a colour table, the rows), with one field of the header changed.
template <typename Field = std::uint32_t>
std::optional<RowLayout> RowsOf(std::int32_t height, std::size_t extra, std::size_t offset = 32,
                                Field value = 0) {
    std::vector<std::uint8_t> bytes(40 + extra);
    const std::int32_t header[] = {40, 3, height, 1 | 24 << 16};
    std::memcpy(bytes.data(), header, sizeof(header));
    std::memcpy(bytes.data() + offset, &value, sizeof(value));
    return Read24BitRows(bytes.data(), bytes.size());
}

using Rows = std::tuple<std::size_t, std::ptrdiff_t, int, int>;
Rows Fields(const std::optional<RowLayout>& rows) {
    return rows ? Rows{rows->first, rows->stride, rows->width, rows->height} : Rows{};
}

TEST(BitmapRows, FindsTheTopRowOfWholeUncompressed24BitPicturesOnly) {
    EXPECT_EQ(Fields(RowsOf(2, 24)), Rows(52, -12, 3, 2)); // stored bottom up
    EXPECT_EQ(Fields(RowsOf(-2, 24)), Rows(40, 12, 3, 2));
    EXPECT_EQ(Fields(RowsOf(2, 32, 32, 2u)), Rows(60, -12, 3, 2)); // after two table colours
    EXPECT_FALSE(RowsOf(2, 23));
    EXPECT_FALSE(RowsOf(0, 24));
    EXPECT_FALSE(RowsOf(2, 24, 4, 0));       // no width
    EXPECT_FALSE(RowsOf(2, 24, 4, 1 << 30)); // rows past any size
    EXPECT_FALSE(RowsOf(2, 24, 0, 12));      // an older header
    EXPECT_FALSE(RowsOf<std::uint16_t>(2, 24, 14, 32));
    EXPECT_FALSE(RowsOf(2, 24, 16, 1)); // compressed
}

std::uint32_t PalettePixel(const std::vector<Argb>& pixels, int x, int y) {
    return static_cast<std::uint32_t>(pixels[static_cast<size_t>(y) * kPaletteWidth + x]);
}

TEST(Palette, EverySwatchHasItsColourOverItsWholeArea) {
    const std::vector<Argb> pixels = RenderPalette();
    ASSERT_EQ(pixels.size(), static_cast<size_t>(301 * 145));
    for (int row = 0; row < kPaletteRows; ++row)
        for (int column = 0; column < kPaletteColumns; ++column) {
            const auto expected = static_cast<std::uint32_t>(PaletteSwatch(row, column));
            for (int y = 12 * row + 1; y <= 12 * row + 11; ++y)
                for (int x = 12 * column + 1; x <= 12 * column + 11; ++x)
                    ASSERT_EQ(PalettePixel(pixels, x, y), expected) << x << ", " << y;
        }
}

TEST(Palette, SwatchesAreTheDialogsColours) {
    EXPECT_EQ(PaletteSwatch(0, 0), Argb{0xFFE9FAFF});
    EXPECT_EQ(PaletteSwatch(2, 15), Argb{0xFFFF8300});
    EXPECT_EQ(PaletteSwatch(1, 4), Argb{0xFFFF4B5A});
    EXPECT_EQ(PaletteSwatch(11, 24), Argb{0xFFFF9584});
    for (int column = 17; column < 23; ++column) // run 7: six whites
        EXPECT_EQ(PaletteSwatch(1, column), Argb{0xFFFFFFFF});
    std::uint32_t checksum = 0; // of all 300 in order, which a slip in the table changes
    for (int i = 0; i < kPaletteRows * kPaletteColumns; ++i)
        checksum = checksum * 31 + static_cast<std::uint32_t>(PaletteSwatch(i / 25, i % 25));
    EXPECT_EQ(checksum, 0x3E18EB7Eu);
}

TEST(Palette, LinesAreBlackWithNearBlackOuterTopAndLeft) {
    const std::vector<Argb> pixels = RenderPalette();
    for (int y = 0; y < kPaletteHeight; ++y)
        for (int x = 0; x < kPaletteWidth; ++x) {
            if (x % 12 && y % 12)
                continue;
            const std::uint32_t pixel = PalettePixel(pixels, x, y);
            if (x == 0 || y == 0) {
                const std::uint32_t grey = pixel & 0xFF;
                EXPECT_EQ(pixel, 0xFF000000u | grey << 16 | grey << 8 | grey);
                EXPECT_LE(grey, 0x1Fu);
            } else {
                ASSERT_EQ(pixel, 0xFF000000u) << x << ", " << y;
            }
        }
    EXPECT_EQ(PalettePixel(pixels, 180, 30), 0xFF000000u); // a click there picks the line's black
}

TEST(ThemePreview, BorderDividerAndTheTwoColours) {
    const std::vector<Argb> pixels = RenderThemePreview(4);
    ASSERT_EQ(pixels.size(), static_cast<size_t>(51 * 12));
    auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y) * 51 + x]; };
    EXPECT_EQ(at(0, 0), Argb{0xFF636363});
    EXPECT_EQ(at(50, 11), Argb{0xFF636363});
    EXPECT_EQ(at(25, 5), Argb{0xFF636363});
    EXPECT_EQ(at(1, 1), Argb{0xFF7DA7D8});
    EXPECT_EQ(at(24, 10), Argb{0xFF7DA7D8});
    EXPECT_EQ(at(26, 1), Argb{0xFFA3C2E6});
    EXPECT_EQ(at(49, 10), Argb{0xFFA3C2E6});
    EXPECT_EQ(RenderThemePreview(1)[static_cast<size_t>(5 * 51 + 30)], Argb{0xFFC0D9C5});
}

} // namespace
