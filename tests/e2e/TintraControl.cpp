// Starts Tintra, does one thing with it, and closes it:
//   tintra_control screenshot OUT.bmp   saves a picture of its main window as it is on the screen
//   tintra_control idle SECONDS         prints the processor time it uses while left alone
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

// Once it answers a message after a full repaint, its first painting is done.
void WaitForFirstPaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DWORD_PTR answer;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
}

// User and kernel time of the process, in milliseconds.
double ProcessorMs(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user))
        return -1;
    auto ticks = [](const FILETIME& time) {
        return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 10000.0;
}

int Screenshot(e2e::TintraProcess& tintra, const wchar_t* path) {
    WaitForFirstPaint(tintra.MainWindow());
    const bool saved = SaveWindowPicture(tintra.MainWindow(), path);
    if (!saved)
        std::fprintf(stderr, "could not write the screenshot\n");
    return saved ? 0 : 1;
}

// Idle means no timers and no polling: nothing should run until the user does something.
int Idle(e2e::TintraProcess& tintra, int seconds) {
    WaitForFirstPaint(tintra.MainWindow());
    const double before = ProcessorMs(tintra.Handle());
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const double used = ProcessorMs(tintra.Handle()) - before;
    // The time its start took shows that the clock reads this process at all.
    std::printf("idle Tintra: %.0f ms of processor time in %d s (target 0; starting took %.0f ms)\n", used,
                seconds, before);
    return before < 0 ? 1 : 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc == 3 ? argv[1] : L"";
    if (command != L"screenshot" && command != L"idle") {
        std::fprintf(stderr, "usage: tintra_control screenshot OUT.bmp | idle SECONDS\n");
        return 2;
    }
    e2e::TintraProcess tintra;
    if (!tintra.Start()) {
        std::fprintf(stderr, "Tintra's main window did not appear\n");
        return 1;
    }
    const int result = command == L"screenshot" ? Screenshot(tintra, argv[2]) : Idle(tintra, _wtoi(argv[2]));
    return tintra.CloseAndWait() == 0 ? result : 1;
}
