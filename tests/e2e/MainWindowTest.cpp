#include "Driver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using namespace e2e;

using MainWindow = WithTintra<>;

TEST_F(MainWindow, ShowsTheSlidersAndLabelsOfItsTemplate) {
    ASSERT_TRUE(tintra.Start());
    const HWND main = tintra.MainWindow();
    const LONG style = GetWindowLongW(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    // The three sliders, then their three labels.
    for (int id = IDC_SLIDER_RED; id <= IDC_LABEL_BLUE; ++id) {
        SCOPED_TRACE(id);
        const HWND window = tintra.Control(id);
        ASSERT_NE(window, nullptr);
        wchar_t className[64];
        GetClassNameW(window, className, 64);
        EXPECT_EQ(CompareStringOrdinal(className, -1, id < IDC_LABEL_RED ? L"msctls_trackbar32" : L"Static",
                                       -1, TRUE),
                  CSTR_EQUAL)
            << className;
        const RECT expected = RectInParent(GetDlgItem(TemplateCopy(IDD_TINTRA).Hwnd(), id));
        const RECT actual = RectInParent(window);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        EXPECT_EQ(actual.bottom, expected.bottom);
    }
    for (const Channel& channel : kChannels) {
        const HWND slider = tintra.Control(channel.sliderId);
        EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMIN, 0, 0), 0);
        EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), 255);
        EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 0);
        EXPECT_TRUE(GetWindowLongW(slider, GWL_STYLE) & TBS_VERT);
    }
    EXPECT_EQ(TextOf(tintra.Control(IDC_LABEL_RED)), L"R");
    EXPECT_EQ(TextOf(tintra.Control(IDC_LABEL_GREEN)), L"G");
    EXPECT_EQ(TextOf(tintra.Control(IDC_LABEL_BLUE)), L"B");
}

TEST_F(MainWindow, SpeaksRussianWhenTheLanguageSettingIsAnythingButZero) {
    for (DWORD language : {1, 7}) {
        SCOPED_TRACE(language);
        StoreSetting(L"language", language);
        ASSERT_TRUE(tintra.Start());
        EXPECT_EQ(TextOf(tintra.Control(IDC_LABEL_RED)), L"К");
        EXPECT_EQ(TextOf(tintra.Control(IDC_LABEL_GREEN)), L"З");
        EXPECT_EQ(TextOf(tintra.Control(IDC_LABEL_BLUE)), L"С");
        EXPECT_EQ(tintra.CloseAndWait(), 0);
    }
}

TEST_F(MainWindow, EnterAndEscapeDoNotCloseItButWmCloseEndsTheProcessCleanly) {
    ASSERT_TRUE(tintra.Start());
    SetForegroundWindow(tintra.MainWindow());
    // Enter copies the colour. Both keys go in one piece of input: once the clipboard has the
    // colour, Escape has arrived before Enter, and the program has gone on after it.
    EmptyTheClipboard();
    EXPECT_TRUE(PressKeysFor({VK_ESCAPE, VK_RETURN}, "the colour on the clipboard",
                             [] { return ClipboardText() == "0"; }));
    EXPECT_TRUE(tintra.IsRunning());
}

TEST_F(MainWindow, HelpRequestChangesNothing) {
    ASSERT_TRUE(tintra.Start());
    HELPINFO info{sizeof(info)};
    EXPECT_EQ(SendMessageW(tintra.MainWindow(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info)), FALSE);
    EXPECT_TRUE(tintra.IsRunning());
}

} // namespace
