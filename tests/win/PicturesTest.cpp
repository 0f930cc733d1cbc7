#include "logic/Palette.h"
#include "WindowTestSupport.h"
#include "ui/Pictures.h"
#include "win/Colors.h"

#include "resource.h"

#include <gtest/gtest.h>

namespace {

struct PictureSize {
    int id;
    UINT width;
    UINT height;
};

const PictureSize kPictures[] = {
    {IDB_LOCK_GREY, 9, 11},   {IDB_LOCK_GREEN, 9, 11},     {IDB_LOCK_RED, 9, 11},
    {IDB_LOCK_BLUE, 9, 11},   {IDB_COLOR_DIALOG, 28, 20},  {IDB_COLOR_DIALOG_DOWN, 28, 20},
    {IDB_PICKER, 28, 20},     {IDB_PICKER_DOWN, 28, 20},   {IDB_ZOOM, 28, 20},
    {IDB_ZOOM_DOWN, 28, 20},  {IDB_COPY, 28, 20},          {IDB_COPY_DOWN, 28, 20},
    {IDB_OPTIONS, 28, 20},    {IDB_OPTIONS_DOWN, 28, 20},  {IDB_ABOUT, 28, 20},
    {IDB_ABOUT_DOWN, 28, 20}, {IDB_HELP, 28, 20},          {IDB_HELP_DOWN, 28, 20},
    {IDB_TOPMOST, 28, 20},    {IDB_TOPMOST_DOWN, 28, 20},  {IDB_PREVIEW_1, 51, 12},
    {IDB_PREVIEW_2, 51, 12},  {IDB_PREVIEW_3, 51, 12},     {IDB_PREVIEW_4, 51, 12},
    {IDB_PREVIEW_5, 51, 12},  {IDB_PREVIEW_6, 51, 12},     {IDB_ABOUT_BANNER, 250, 61},
    {IDB_PALETTE, 301, 145},  {IDB_ABOUT_FOOTER, 250, 21},
};

class PictureResources : public ::testing::Test {
  protected:
    win::GdiplusSession gdiplus;
};

TEST_F(PictureResources, EveryBitmapLoadsWithItsSize) {
    for (const PictureSize& picture : kPictures) {
        win::BitmapPtr bitmap = ui::LoadResourceBitmap(GetModuleHandleW(nullptr), picture.id);
        ASSERT_TRUE(bitmap) << picture.id;
        EXPECT_EQ(bitmap->GetWidth(), picture.width) << picture.id;
        EXPECT_EQ(bitmap->GetHeight(), picture.height) << picture.id;
    }
}

TEST_F(PictureResources, ToolIconsHaveTheGreyFrameWithRedKeyCorners) {
    for (int id : {IDB_COLOR_DIALOG, IDB_PICKER_DOWN, IDB_ZOOM, IDB_COPY, IDB_OPTIONS, IDB_ABOUT_DOWN,
                   IDB_HELP, IDB_TOPMOST}) {
        win::BitmapPtr icon = ui::LoadResourceBitmap(GetModuleHandleW(nullptr), id);
        ASSERT_TRUE(icon);
        for (POINT corner : {POINT{0, 0}, POINT{27, 0}, POINT{0, 19}, POINT{27, 19}})
            EXPECT_EQ(PixelOf(*icon, corner.x, corner.y), Argb{0xFFFF0000}) << id;
        EXPECT_EQ(PixelOf(*icon, 10, 0), Argb{0xFF808080}) << id;
        EXPECT_EQ(PixelOf(*icon, 0, 10), Argb{0xFF808080}) << id;
    }
}

TEST_F(PictureResources, PadlocksCarryTheBlueKeyInTheCornersAndTheShackle) {
    win::BitmapPtr lock = ui::LoadResourceBitmap(GetModuleHandleW(nullptr), IDB_LOCK_GREY);
    ASSERT_TRUE(lock);
    int keys = 0;
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 9; ++x)
            keys += PixelOf(*lock, x, y) == Argb{0xFF0000FF};
    EXPECT_EQ(keys, 12); // three in each top corner, six in the hole
    EXPECT_EQ(PixelOf(*lock, 0, 10), Argb{0xFF7D7D7D});
    EXPECT_EQ(PixelOf(*lock, 3, 7), Argb{0xFFD5D5D5});
}

TEST_F(PictureResources, PaletteResourceHasTheSwatchColours) {
    win::BitmapPtr palette = ui::LoadResourceBitmap(GetModuleHandleW(nullptr), IDB_PALETTE);
    ASSERT_TRUE(palette);
    for (int row = 0; row < kPaletteRows; ++row)
        for (int column = 0; column < kPaletteColumns; ++column)
            ASSERT_EQ(PixelOf(*palette, 12 * column + 6, 12 * row + 6), PaletteSwatch(row, column));
    EXPECT_EQ(PixelOf(*palette, 186, 30), Argb{0xFFFF8300});
    EXPECT_EQ(PixelOf(*palette, 180, 30), Argb{0xFF000000});
}

} // namespace
