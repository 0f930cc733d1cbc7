#include "WindowTestSupport.h"
#include "logic/Language.h"
#include "dialogs/DlgAbout.h"
#include "logic/VersionText.h"
#include "ui/Pictures.h"
#include "win/Controls.h"
#include "win/Colors.h"
#include "win/WindowRects.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

// A blend of the link's dark blue and the face, not of black and the face, whose green equals its blue.
bool LinkInk(ColorRef c) {
    return GreenOf(c) + 30 < BlueOf(c);
}

constexpr ColorRef kFace = MakeColorRef(121, 191, 191);
constexpr COLORREF kLinkColor = RGB(0, 43, 145);
constexpr wchar_t kScratchKey[] = L"Software\\Kelvo Tintra Test\\command";

class AboutDialog : public ::testing::Test {
  protected:
    void TearDown() override {
        SetRussian(false);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kelvo Tintra Test");
    }
    void Open(CDlgAbout& about) {
        about.SetBackgroundColor(kFace);
        about.SetLauncher([this](const wchar_t* verb, const wchar_t* file, const wchar_t* parameters) {
            launches.push_back(std::wstring(verb ? verb : L"") + L"|" + file + L"|" +
                               (parameters ? parameters : L""));
            return true;
        });
        ASSERT_TRUE(about.CreateModeless(nullptr));
        ShowWindow(about.Hwnd(), SW_SHOW);
        UpdateWindow(about.Hwnd());
        PumpPending();
    }
    HWND Item(int id) const { return GetDlgItem(dialog.Hwnd(), id); }
    // The link's rectangle in the dialog's client coordinates.
    RECT LinkRect() const { return win::RectInParent(Item(IDC_LINK)); }
    bool HandShowsAt(POINT client) const {
        POINT screen = client;
        ClientToScreen(dialog.Hwnd(), &screen);
        SetCursorPos(screen.x, screen.y);
        const auto there = [&] {
            POINT cursor;
            return GetCursorPos(&cursor) && cursor.x == screen.x && cursor.y == screen.y;
        };
        // Under Wine the pointer reads back at an earlier place now and then, for a moment: a
        // cursor chosen while it read elsewhere says nothing of this point.
        bool hand = false;
        PumpUntil([&] {
            if (!there())
                return false;
            SetCursor(nullptr);
            SendMessageW(dialog.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.Hwnd()),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            hand = GetCursor() == LoadCursorW(nullptr, IDC_HAND);
            return there();
        });
        return hand;
    }
    template <typename Test> int CountPixels(HWND window, const PixelRect& area, Test test) const {
        const win::WindowDc dc(window);
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += test(win::ToColorRef(GetPixel(dc.get(), x, y))) ? 1 : 0;
        return count;
    }

    win::GdiplusSession gdiplus;
    CDlgAbout dialog;
    std::vector<std::wstring> launches;
};

TEST_F(AboutDialog, TextsInBothLanguages) {
    EXPECT_EQ(ExecutableVersionText(), L"1.0");
    std::wstring credits[2];
    for (const auto& [russian, title] : {std::pair{false, L"About"}, std::pair{true, L"О программе"}}) {
        SetRussian(russian);
        CDlgAbout about;
        ASSERT_TRUE(about.CreateModeless(nullptr));
        EXPECT_EQ(win::WindowText(about.Hwnd()), title);
        EXPECT_EQ(win::WindowText(GetDlgItem(about.Hwnd(), IDOK)), L"Ok");
        EXPECT_EQ(win::WindowText(GetDlgItem(about.Hwnd(), IDC_LINK)), L"kelvo.example");
        credits[russian] = win::WindowText(GetDlgItem(about.Hwnd(), IDC_CREDIT));
        EXPECT_NE(credits[russian].find(L"Kelvo Tintra"), std::wstring::npos);
    }
    EXPECT_NE(credits[0], credits[1]);
}

TEST_F(AboutDialog, TheBannerShowsTheVersionLineOfItsLanguageInWhite) {
    const win::BitmapPtr plain = ui::LoadResourceBitmap(GetModuleHandleW(nullptr), IDB_ABOUT_BANNER);
    ASSERT_TRUE(plain);
    for (bool russian : {false, true}) {
        SetRussian(russian);
        CDlgAbout about;
        Open(about);
        // The picture with the line in white 10-pixel Arial from (80, 44), pixel for pixel.
        const win::BitmapPtr banner = ui::CopyPicture(plain.get());
        {
            Gdiplus::Graphics graphics(banner.get());
            const Gdiplus::Font font(L"Arial", 10, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
            const Gdiplus::SolidBrush white(Gdiplus::Color(0xFFFFFFFF));
            const Gdiplus::StringFormat format;
            graphics.DrawString(VersionLine(russian, ExecutableVersionText()).c_str(), -1, &font,
                                Gdiplus::RectF(80, 44, 0, 0), &format, &white);
        }
        const std::vector<Argb> expected = ui::ReadPixels(banner.get());
        ASSERT_NE(expected, ui::ReadPixels(plain.get()));
        const auto width = static_cast<int>(banner->GetWidth());
        const win::WindowDc dc(about.Hwnd());
        int differing = 0;
        for (size_t i = 0; i < expected.size(); ++i)
            differing += win::ToColorRef(GetPixel(dc.get(), static_cast<int>(i) % width,
                                                  static_cast<int>(i) / width)) != ToColorRef(expected[i]);
        EXPECT_EQ(differing, 0) << russian;
        // Below the banner the face shows the theme's colour.
        EXPECT_EQ(CountPixels(about.Hwnd(), PixelRect{2, 63, 4, 65}, [](ColorRef c) { return c == kFace; }),
                  4);
    }
}

TEST_F(AboutDialog, TheLinkIsDarkBlueOnTheFaceAndOtherLabelsKeepTheirTextColour) {
    Open(dialog);
    const PixelRect link = win::ClientRect(Item(IDC_LINK));
    EXPECT_GT(CountPixels(Item(IDC_LINK), link, LinkInk), 10);
    EXPECT_GT(CountPixels(Item(IDC_LINK), link, [](ColorRef c) { return c == kFace; }), 10);
    const PixelRect credit = win::ClientRect(Item(IDC_CREDIT));
    EXPECT_EQ(CountPixels(Item(IDC_CREDIT), credit, LinkInk), 0);

    const ControlColors credits = AskControlColors(dialog.Hwnd(), WM_CTLCOLORSTATIC, Item(IDC_CREDIT));
    EXPECT_EQ(credits.text, RGB(1, 2, 3));
    EXPECT_EQ(credits.background, win::ToCOLORREF(kFace));
    EXPECT_EQ(credits.brush, win::ToCOLORREF(kFace));
    EXPECT_EQ(AskControlColors(dialog.Hwnd(), WM_CTLCOLORSTATIC, Item(IDC_LINK)).text, kLinkColor);
}

TEST_F(AboutDialog, TheHandShowsExactlyOverTheLink) {
    Open(dialog);
    const RECT link = LinkRect();
    for (POINT inside : {POINT{link.left, link.top}, POINT{link.right - 1, link.bottom - 1}})
        EXPECT_TRUE(HandShowsAt(inside)) << inside.x << ", " << inside.y;
    for (POINT outside : {POINT{link.left - 1, link.top}, POINT{link.right, link.top},
                          POINT{link.left, link.top - 1}, POINT{link.left, link.bottom}})
        EXPECT_FALSE(HandShowsAt(outside)) << outside.x << ", " << outside.y;
}

TEST_F(AboutDialog, AClickOnTheLinkOpensTheWebSite) {
    Open(dialog);
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
    HKEY created;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &created, nullptr),
              ERROR_SUCCESS);
    const win::RegKey key(created);
    // Stored without its terminating zero.
    const wchar_t command[] = L"\"C:\\B\\b.exe\" %1";
    RegSetValueExW(key.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command),
                   static_cast<DWORD>((std::size(command) - 1) * sizeof(wchar_t)));
    EXPECT_EQ(ReadDefaultString(HKEY_CURRENT_USER, kScratchKey), command);
    const DWORD number = 0x00410041;
    RegSetValueExW(key.get(), nullptr, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
    EXPECT_EQ(ReadDefaultString(HKEY_CURRENT_USER, kScratchKey), L"");
    EXPECT_EQ(ReadDefaultString(HKEY_CURRENT_USER, L"Software\\Kelvo Tintra Test\\missing"), L"");
}

} // namespace
