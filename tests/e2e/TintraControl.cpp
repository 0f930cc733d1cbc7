// Starts Tintra, saves a picture of its main window as it is on the screen, and closes it.
//   tintra_control screenshot OUT.bmp
#include "Driver.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace {

bool SaveWindowPicture(HWND window, const wchar_t* path) {
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER header{sizeof(header), width, height, 1, 24, BI_RGB};
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 || std::wstring(argv[1]) != L"screenshot") {
        std::fprintf(stderr, "usage: tintra_control screenshot OUT.bmp\n");
        return 2;
    }
    e2e::TintraProcess tintra;
    if (!tintra.Start()) {
        std::fprintf(stderr, "Tintra's main window did not appear\n");
        return 1;
    }
    // Once it answers a message after showing, its first painting is done.
    RedrawWindow(tintra.MainWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DWORD_PTR answer;
    SendMessageTimeoutW(tintra.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
    const bool saved = SaveWindowPicture(tintra.MainWindow(), argv[2]);
    const long long exitCode = tintra.CloseAndWait();
    if (!saved)
        std::fprintf(stderr, "could not write the screenshot\n");
    return saved && exitCode == 0 ? 0 : 1;
}
