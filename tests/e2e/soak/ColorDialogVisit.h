#pragma once
// The colour dialog: a click on its palette, Cancel, Escape, or More colors and then the
// system colour dialog with a few of its basic colours clicked.
#include "DialogVisit.h"
#include "logic/Palette.h"
#include "win/Colors.h"

namespace soak {

// The system colour dialog: its grid of 8 x 6 basic colours.
constexpr int kBasicColors = 0x2D0, kBasicColumns = 8, kBasicRows = 6;

class ColorDialogVisit : DialogVisit {
  public:
    using DialogVisit::DialogVisit;

    std::string Run() {
        std::string problem = Open("colour dialog: open", IDC_BUTTON_COLOR_DIALOG, L"Color Dialog");
        if (!problem.empty())
            return problem;
        ColorRef expected = tintra.SliderColor();
        const int closing = input.Pick(0, 3);
        if (closing == 0)
            expected = ClickOnPalette(GetDlgItem(dialog, IDC_PALETTE));
        problem = closing == 0   ? Closed(dialog, "a click on the palette")
                  : closing == 1 ? CloseByClick(dialog, "colour dialog: Cancel", IDCANCEL, "Cancel")
                  : closing == 2
                      ? CloseByKey(dialog, "colour dialog: Escape", VK_ESCAPE, "Escape")
                      : CloseByClick(dialog, "colour dialog: More colors", IDC_MORE_COLORS, "More colors");
        if (problem.empty() && closing == 3)
            problem = SystemColorDialog(&expected);
        return problem.empty() ? tintra.Agrees(expected) : problem;
    }

  private:
    // Where the buttons lie over the palette's lowest rows, they take the click. The colour
    // chosen is the picture's pixel under the mouse, lines included.
    ColorRef ClickOnPalette(HWND palette) {
        const PixelRect shown = win::ClientRect(palette);
        POINT point{};
        do
            point = POINT{input.Pick(0, shown.right - 1), input.Pick(0, shown.bottom - 1)};
        while (WindowFromPoint(OnScreen(palette, point.x, point.y)) != palette);
        const Argb pixel = palettePixels[static_cast<size_t>(
            NearestSource(point.y, kPaletteHeight, shown.bottom) * kPaletteWidth +
            NearestSource(point.x, kPaletteWidth, shown.right))];
        input.Tap("colour dialog: click on the palette", OnScreen(palette, point.x, point.y));
        return ToColorRef(pixel);
    }

    // The two top rows of a cell, where a focus frame shows.
    static std::vector<COLORREF> TopEdge(HWND window, const RECT& cell) {
        std::vector<COLORREF> pixels;
        for (int y = cell.top; y < cell.top + 2; ++y)
            for (int x = cell.left; x < cell.right; ++x)
                pixels.push_back(ScreenPixel(window, x, y));
        return pixels;
    }

    // A few basic colours clicked, then OK, Cancel or Escape.
    std::string SystemColorDialog(ColorRef* expected) {
        HWND system = nullptr;
        if (!WaitFor([&] { return (system = OwnedWindow(tintra.main, L"Color")) != nullptr; },
                     kEffectTimeoutMs))
            return "More colors did not open the system colour dialog";
        tintra.dialogsOpened.insert(IDC_MORE_COLORS);
        if (!WaitFor([&] { return GetForegroundWindow() == system; }, kEffectTimeoutMs))
            return "the system colour dialog did not come to the front";
        // Its colours are painted some time after it shows; this paints them before the screen is read.
        RedrawWindow(system, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        const HWND basics = GetDlgItem(system, kBasicColors);
        const PixelRect area = win::ClientRect(basics);
        ColorRef chosen{}; // the dialog starts with black
        int lastCell = -1;
        for (int clicks = input.Pick(0, 2); clicks > 0; --clicks) {
            const int cell = input.Pick(0, kBasicColumns * kBasicRows - 1);
            const int column = cell % kBasicColumns, row = cell / kBasicColumns;
            const RECT rect{area.right * column / kBasicColumns, area.bottom * row / kBasicRows,
                            area.right * (column + 1) / kBasicColumns, area.bottom * (row + 1) / kBasicRows};
            const POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
            const COLORREF color = ScreenPixel(basics, middle.x, middle.y);
            // A cell already chosen shows no change; black is the one chosen at the start.
            if (cell == lastCell || color == 0)
                continue;
            const std::vector<COLORREF> edge = TopEdge(basics, rect);
            input.Tap("system colour dialog: click on a basic colour", OnScreen(basics, middle.x, middle.y));
            // The choice draws a focus frame round the cell.
            if (!WaitFor([&] { return TopEdge(basics, rect) != edge; }, kEffectTimeoutMs))
                return "a click on a basic colour of the system colour dialog did not choose it";
            chosen = win::ToColorRef(color);
            lastCell = cell;
        }
        const int closing = input.Pick(0, 2);
        if (closing == 0)
            *expected = chosen;
        return closing == 0
                   ? CloseByClick(system, "system colour dialog: OK", IDOK, "OK in the system colour dialog")
               : closing == 1 ? CloseByClick(system, "system colour dialog: Cancel", IDCANCEL,
                                             "Cancel in the system colour dialog")
                              : CloseByKey(system, "system colour dialog: Escape", VK_ESCAPE,
                                           "Escape in the system colour dialog");
    }

    const std::vector<Argb> palettePixels = RenderPalette();
};

} // namespace soak
