#include "WindowTestSupport.h"
#include "core/Language.h"
#include "dialogs/DlgAbout.h"
#include "ui/Pictures.h"
#include "win/Controls.h"
#include "win/Gdiplus.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

// Text is smoothed: its pixels are blends of the ink and the background.
bool NearWhite(COLORREF c) {
    return GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 200;
}
// A blend of the link's dark blue and the face, not of black and the face, whose green equals its blue.
bool LinkInk(COLORREF c) {
    return GetGValue(c) + 30 < GetBValue(c);
}

constexpr ColorRef kFace = RGB(121, 191, 191);
constexpr COLORREF kLinkColor = RGB(0, 43, 145);
constexpr wchar_t kScratchKey[] = L"Software\\Kelvo Tintra Test\\command";

class AboutDialog : public ::testing::Test {
  protected:
    void TearDown() override {
        SetRussian(false);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kelvo Tintra Test");
    }
    void Open() {
        dialog.SetBackgroundColor(kFace);
        dialog.SetLauncher([this](const wchar_t* verb, const wchar_t* file, const wchar_t* parameters) {
            launches.push_back(std::wstring(verb ? verb : L"") + L"|" + file + L"|" +
                               (parameters ? parameters : L""));
            return true;
        });
        ASSERT_TRUE(dialog.CreateModeless(nullptr));
        ShowWindow(dialog.Hwnd(), SW_SHOW);
        UpdateWindow(dialog.Hwnd());
        PumpPending();
    }
    HWND Item(int id) const { return GetDlgItem(dialog.Hwnd(), id); }
    // The link's rectangle in the dialog's client coordinates.
    RECT LinkRect() const {
        RECT rect;
        GetWindowRect(Item(IDC_LINK), &rect);
        MapWindowPoints(nullptr, dialog.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    bool HandShowsAt(POINT client) const {
        POINT screen = client;
        ClientToScreen(dialog.Hwnd(), &screen);
        SetCursorPos(screen.x, screen.y);
        PumpUntil([&] {
            POINT cursor;
            return GetCursorPos(&cursor) && cursor.x == screen.x && cursor.y == screen.y;
        });
        SetCursor(nullptr);
        SendMessageW(dialog.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.Hwnd()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor() == LoadCursorW(nullptr, IDC_HAND);
    }
    template <typename Test> int CountPixels(HWND window, const RECT& area, Test test) const {
        const HDC dc = GetDC(window);
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += test(GetPixel(dc, x, y)) ? 1 : 0;
        ReleaseDC(window, dc);
        return count;
    }

    win::GdiplusSession gdiplus;
    CDlgAbout dialog;
    std::vector<std::wstring> launches;
};

TEST_F(AboutDialog, TextsInBothLanguages) {
    EXPECT_EQ(ExecutableVersionText(), L"1.0");
    struct Texts {
        bool russian;
        const wchar_t* title;
        const wchar_t* version;
    };
    std::wstring credits[2];
    for (const Texts& texts :
         {Texts{false, L"About", L"Version 1.0"}, Texts{true, L"О программе", L"Версия 1.0"}}) {
        SetRussian(texts.russian);
        CDlgAbout about;
        ASSERT_TRUE(about.CreateModeless(nullptr));
        EXPECT_EQ(win::WindowText(about.Hwnd()), texts.title);
        EXPECT_EQ(about.VersionLine(), texts.version);
        EXPECT_EQ(win::WindowText(GetDlgItem(about.Hwnd(), IDOK)), L"Ok");
        EXPECT_EQ(win::WindowText(GetDlgItem(about.Hwnd(), IDC_LINK)), L"kelvo.example");
        credits[texts.russian] = win::WindowText(GetDlgItem(about.Hwnd(), IDC_CREDIT));
        EXPECT_NE(credits[texts.russian].find(L"Kelvo Tintra"), std::wstring::npos);
    }
    EXPECT_NE(credits[0], credits[1]);
}

TEST_F(AboutDialog, TheBannerCarriesTheVersionLineInWhite) {
    Open();
    // The line starts at (80, 44); the picture alone has fewer white pixels there.
    const RECT line{80, 44, 160, 58};
    win::BitmapPtr plain = ui::LoadResourceBitmap(GetModuleHandleW(nullptr), IDB_ABOUT_BANNER);
    ASSERT_TRUE(plain);
    int plainWhite = 0;
    for (int y = line.top; y < line.bottom; ++y)
        for (int x = line.left; x < line.right; ++x) {
            Gdiplus::Color pixel;
            plain->GetPixel(x, y, &pixel);
            plainWhite += NearWhite(ToColorRef(pixel.GetValue()));
        }
    EXPECT_GT(CountPixels(dialog.Hwnd(), line, NearWhite), plainWhite + 20);
    // Below the banner the face shows the theme's colour.
    EXPECT_EQ(CountPixels(dialog.Hwnd(), RECT{2, 63, 4, 65}, [](COLORREF c) { return c == kFace; }), 4);
}

TEST_F(AboutDialog, TheLinkIsDarkBlueOnTheFaceAndOtherLabelsKeepTheirTextColour) {
    Open();
    RECT link;
    GetClientRect(Item(IDC_LINK), &link);
    EXPECT_GT(CountPixels(Item(IDC_LINK), link, LinkInk), 10);
    EXPECT_GT(CountPixels(Item(IDC_LINK), link, [](COLORREF c) { return c == kFace; }), 10);
    RECT credit;
    GetClientRect(Item(IDC_CREDIT), &credit);
    EXPECT_EQ(CountPixels(Item(IDC_CREDIT), credit, LinkInk), 0);

    const HDC dc = GetDC(dialog.Hwnd());
    SetTextColor(dc, RGB(1, 2, 3));
    const auto brush =
        reinterpret_cast<HBRUSH>(SendMessageW(dialog.Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                              reinterpret_cast<LPARAM>(Item(IDC_CREDIT))));
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(GetBkColor(dc), kFace);
    LOGBRUSH logBrush{};
    GetObjectW(brush, sizeof(logBrush), &logBrush);
    EXPECT_EQ(logBrush.lbColor, kFace);
    SendMessageW(dialog.Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Item(IDC_LINK)));
    EXPECT_EQ(GetTextColor(dc), kLinkColor);
    ReleaseDC(dialog.Hwnd(), dc);
}

TEST_F(AboutDialog, TheHandShowsExactlyOverTheLink) {
    Open();
    const RECT link = LinkRect();
    for (POINT inside : {POINT{link.left, link.top}, POINT{link.right - 1, link.bottom - 1}})
        EXPECT_TRUE(HandShowsAt(inside)) << inside.x << ", " << inside.y;
    for (POINT outside : {POINT{link.left - 1, link.top}, POINT{link.right, link.top},
                          POINT{link.left, link.top - 1}, POINT{link.left, link.bottom}})
        EXPECT_FALSE(HandShowsAt(outside)) << outside.x << ", " << outside.y;
}

TEST_F(AboutDialog, AClickOnTheLinkOpensTheWebSite) {
    Open();
    const RECT link = LinkRect();
    SendMessageW(dialog.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(link.right, link.bottom - 1));
    SendMessageW(dialog.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(link.left + 2, link.top - 1));
    EXPECT_TRUE(launches.empty());
    SendMessageW(dialog.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(link.left + 2, link.top + 2));
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_NE(launches[0].find(kWebSiteAddress), std::wstring::npos)
        << std::string(launches[0].begin(), launches[0].end());
}

TEST_F(AboutDialog, RegistryStringsAreReadBoundedAndOfStringTypeOnly) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    // Stored without its terminating zero.
    const wchar_t command[] = L"\"C:\\B\\b.exe\" %1";
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command),
                   static_cast<DWORD>((std::size(command) - 1) * sizeof(wchar_t)));
    EXPECT_EQ(ReadDefaultString(HKEY_CURRENT_USER, kScratchKey), command);
    const DWORD number = 0x00410041;
    RegSetValueExW(key, nullptr, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
    EXPECT_EQ(ReadDefaultString(HKEY_CURRENT_USER, kScratchKey), L"");
    RegCloseKey(key);
    EXPECT_EQ(ReadDefaultString(HKEY_CURRENT_USER, L"Software\\Kelvo Tintra Test\\missing"), L"");
}

} // namespace
