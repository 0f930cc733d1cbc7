#include "DlgAbout.h"

#include "../../res/resource.h"
#include "../logic/DpiScaling.h"
#include "../logic/Language.h"
#include "../logic/VersionText.h"
#include "../ui/Pictures.h"
#include "../ui/SharpPicture.h"
#include "../win/App.h"
#include "../win/LateBound.h"

#include <shellapi.h>
#include <windowsx.h>

#include <vector>

namespace {

constexpr COLORREF kLinkColor = RGB(0, 43, 145);
constexpr Gdiplus::REAL kVersionFontSize = 10;
constexpr Gdiplus::REAL kVersionLeft = 80;
constexpr Gdiplus::REAL kVersionTop = 44;
constexpr wchar_t kBrowserCommandKey[] = L"http\\shell\\open\\command";

// The shell's and the version libraries serve only this dialog; they are loaded when it needs
// them, not with the program.
bool ShellLaunch(const wchar_t* verb, const wchar_t* file, const wchar_t* parameters) {
    const auto shellExecute =
        win::LateBoundFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!shellExecute)
        return false;
    const auto result =
        reinterpret_cast<INT_PTR>(shellExecute(nullptr, verb, file, parameters, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

} // namespace

CDlgAbout::CDlgAbout() : ThemedDialog(IDD_ABOUT), launch(ShellLaunch) {}

void CDlgAbout::DoDataExchange() {
    BindControl(link, IDC_LINK);
    BindControl(credit, IDC_CREDIT);
}

BOOL CDlgAbout::OnInitDialog() {
    credit.SetText(Localized(L"\u00A9 Kelvo Tintra team", L"\u00A9 Команда Kelvo Tintra"));
    SetWindowTextW(Hwnd(), Localized(L"About", L"О программе"));
    link.SetText(SiteName(kWebSiteAddress));
    // A 24-bit copy, which GDI+ can always draw the version line into.
    banner = ui::CopyPicture(ui::LoadResourceBitmap(GetModuleHandleW(nullptr), IDB_ABOUT_BANNER).get());
    DrawVersionLine(VersionLine(IsRussian(), ExecutableVersionText()));
    ScaleBanner();
    return TRUE;
}

void CDlgAbout::OnDpiChanged(int newDpi) {
    ThemedDialog::OnDpiChanged(newDpi);
    ScaleBanner();
}

void CDlgAbout::ScaleBanner() {
    if (!banner)
        return;
    const int width = ScaleToDpi(static_cast<int>(banner->GetWidth()), Dpi());
    const int height = ScaleToDpi(static_cast<int>(banner->GetHeight()), Dpi());
    scaledBanner = ui::MakeCanvas(width, height);
    if (!scaledBanner)
        return;
    Gdiplus::Graphics graphics(scaledBanner.get());
    ui::DrawPictureSharp(graphics, banner.get(), width, height);
}

// The banner, at the top left at the dialog's scale.
std::vector<PixelRect> CDlgAbout::PaintedPictures() const {
    if (!banner)
        return {};
    return {PixelRect{0, 0, ScaleToDpi(static_cast<int>(banner->GetWidth()), Dpi()),
                      ScaleToDpi(static_cast<int>(banner->GetHeight()), Dpi())}};
}

void CDlgAbout::DrawVersionLine(const std::wstring& line) const {
    if (!banner)
        return;
    Gdiplus::Graphics graphics(banner.get());
    const Gdiplus::Font font(L"Arial", kVersionFontSize, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    const Gdiplus::SolidBrush white(Gdiplus::Color(0xFFFFFFFF));
    const Gdiplus::StringFormat format;
    graphics.DrawString(line.c_str(), -1, &font, Gdiplus::RectF(kVersionLeft, kVersionTop, 0, 0), &format,
                        &white);
}

LRESULT CDlgAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (win::IsCtlColorMessage(message))
        return OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SETCURSOR: {
        POINT pointer;
        GetCursorPos(&pointer);
        ScreenToClient(Hwnd(), &pointer);
        if (IsOverLink(pointer)) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    }
    case WM_LBUTTONDOWN:
        if (IsOverLink(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
            OpenAddress(DefaultBrowserPath(), kWebSiteAddress, launch);
        break;
    }
    return ThemedDialog::HandleMessage(message, wParam, lParam);
}

void CDlgAbout::OnPaint() {
    win::PaintScope paint(Hwnd());
    if (!scaledBanner)
        return;
    Gdiplus::Graphics graphics(paint.get());
    ui::DrawPicture(graphics, scaledBanner.get(), 0, 0);
}

LRESULT CDlgAbout::OnCtlColor(HDC dc, HWND control) const {
    if (control && control == link.Hwnd())
        SetTextColor(dc, kLinkColor);
    return FaceColors(dc);
}

// The label takes no mouse input, so the dialog sees the pointer over it.
bool CDlgAbout::IsOverLink(POINT clientPoint) const {
    RECT rect;
    GetWindowRect(link.Hwnd(), &rect);
    MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return PtInRect(&rect, clientPoint) != FALSE;
}

std::wstring ExecutableVersionText() {
    constexpr wchar_t kVersionLibrary[] = L"version.dll";
    const auto infoSize =
        win::LateBoundFunction<decltype(GetFileVersionInfoSizeW)>(kVersionLibrary, "GetFileVersionInfoSizeW");
    const auto info =
        win::LateBoundFunction<decltype(GetFileVersionInfoW)>(kVersionLibrary, "GetFileVersionInfoW");
    const auto query = win::LateBoundFunction<decltype(VerQueryValueW)>(kVersionLibrary, "VerQueryValueW");
    if (!infoSize || !info || !query)
        return {};
    const std::wstring path = win::ExecutablePath();
    DWORD ignored = 0;
    const DWORD size = infoSize(path.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<BYTE> data(size);
    if (!info(path.c_str(), 0, size, data.data()))
        return {};
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!query(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize) || !fixed ||
        fixedSize < sizeof(VS_FIXEDFILEINFO))
        return {};
    return VersionText(fixed->dwFileVersionMS);
}

std::wstring DefaultBrowserPath() {
    return BrowserPathFromCommand(ReadDefaultString(HKEY_CLASSES_ROOT, kBrowserCommandKey));
}

// RegGetValue ends what it returns with a zero even when the stored value has none, and
// takes string types only.
std::wstring ReadDefaultString(HKEY root, const wchar_t* subKey) {
    constexpr DWORD kStringTypes = RRF_RT_REG_SZ;
    DWORD bytes = 0;
    if (RegGetValueW(root, subKey, nullptr, kStringTypes, nullptr, nullptr, &bytes) != ERROR_SUCCESS ||
        bytes < sizeof(wchar_t))
        return {};
    std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(root, subKey, nullptr, kStringTypes, nullptr, text.data(), &bytes) != ERROR_SUCCESS)
        return {};
    text.back() = L'\0';
    return text.data();
}
