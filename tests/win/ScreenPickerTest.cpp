#include "FakeScreenDisplay.h"
#include "MagnifiedView.h"
#include "WindowTestSupport.h"
#include "app/ScreenPicker.h"
#include "resource.h"
#include "win/App.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Stands in for the main window: holds the display, the tool panel and the picker, and hands
// the picker its mouse messages.
class PickerHost : public win::Window {
  public:
    bool Create() {
        if (!Window::Create(nullptr, L"main", WS_POPUP | WS_VISIBLE, RECT{0, 0, 300, 200}, nullptr, 0))
            return false;
        return display.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{8, 10, 188, 140}, Hwnd(), 1000) &&
               panel.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 173, 300, 200}, Hwnd(), 1001);
    }

    FakeScreenDisplay display;
    PanelCtrl panel;
    std::vector<ColorRef> picked;
    ScreenPicker picker{*this, display, panel, [this](ColorRef color) { picked.push_back(color); }};

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_LBUTTONDOWN)
            picker.OnClick(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))},
                           (wParam & MK_SHIFT) != 0);
        else if (message == WM_CAPTURECHANGED)
            picker.OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        return DefaultProc(message, wParam, lParam);
    }
};

class ScreenPickerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app.SetRegistryKey(L"Kelvo Tintra Tests");
        ASSERT_TRUE(host.Create());
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kelvo Tintra Tests"); }

    // As the tool panel does it: the button flips, then the command runs.
    void Command(int buttonId, int down) {
        host.panel.Button(buttonId)->SetDown(down);
        if (buttonId == IDC_BUTTON_PICKER)
            host.picker.OnPickerCommand();
        else
            host.picker.OnZoomPickerCommand();
    }
    bool Waiting() const { return GetCapture() == host.Hwnd(); }
    bool IsDown(int buttonId) { return host.panel.Button(buttonId)->IsDown() != 0; }
    bool CursorsReplaced() const {
        return app.GetProfileInt(L"Settings", L"cursors_replaced", 0) ==
               static_cast<int>(GetCurrentProcessId());
    }
    void ClickAtScreen(POINT screen) {
        ScreenToClient(host.Hwnd(), &screen);
        SendMessageW(host.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(screen.x, screen.y));
    }

    win::GdiplusSession gdiplus;
    win::App app;
    PickerHost host;
};

TEST_F(ScreenPickerTest, SecondPressOfThePickerEndsItWithoutAColour) {
    Command(IDC_BUTTON_PICKER, 1);
    EXPECT_TRUE(Waiting());
    EXPECT_TRUE(CursorsReplaced());
    Command(IDC_BUTTON_PICKER, 0);
    EXPECT_FALSE(Waiting());
    EXPECT_FALSE(CursorsReplaced());
    EXPECT_TRUE(host.picked.empty());
}

TEST_F(ScreenPickerTest, TheModesOwnReleaseAndRetakeOfTheMouseEndsNothing) {
    Command(IDC_BUTTON_ZOOM, 1);
    Command(IDC_BUTTON_PICKER, 1); // the zoomed picker lets go, the picker takes the mouse
    EXPECT_TRUE(Waiting());
    EXPECT_FALSE(IsDown(IDC_BUTTON_ZOOM));
    EXPECT_TRUE(IsDown(IDC_BUTTON_PICKER));
    Command(IDC_BUTTON_PICKER, 1); // again, while it waits
    EXPECT_TRUE(Waiting());
    EXPECT_TRUE(IsDown(IDC_BUTTON_PICKER));
    EXPECT_TRUE(CursorsReplaced());
    Command(IDC_BUTTON_ZOOM, 1); // over the waiting picker, which ends; then taken back
    EXPECT_TRUE(Waiting());
    EXPECT_FALSE(IsDown(IDC_BUTTON_PICKER));
    EXPECT_TRUE(CursorsReplaced());
    Command(IDC_BUTTON_ZOOM, 0);
    EXPECT_FALSE(Waiting());
    EXPECT_FALSE(CursorsReplaced());
}

TEST_F(ScreenPickerTest, AnotherWindowTakingTheMouseEndsEitherModeAsEscapeDoes) {
    for (int button : {IDC_BUTTON_PICKER, IDC_BUTTON_ZOOM}) {
        SCOPED_TRACE(button);
        Command(button, 1);
        ASSERT_TRUE(Waiting());
        SetCapture(host.panel.Hwnd());
        EXPECT_FALSE(IsDown(button));
        EXPECT_FALSE(CursorsReplaced());
        EXPECT_EQ(GetCapture(), host.panel.Hwnd()); // the mode's end leaves it the mouse
        ReleaseCapture();
    }
    EXPECT_TRUE(host.picked.empty());
}

TEST_F(ScreenPickerTest, ZoomedPickerShowsTheAreaAndKeepsItsButtonDown) {
    Command(IDC_BUTTON_ZOOM, 1);
    ClickAtScreen(POINT{400, 300});
    EXPECT_TRUE(ShowsMagnifiedView(host.display.Hwnd()));
    EXPECT_TRUE(IsDown(IDC_BUTTON_ZOOM));
    EXPECT_FALSE(Waiting());
    EXPECT_FALSE(CursorsReplaced());
    EXPECT_TRUE(host.picked.empty());
    Command(IDC_BUTTON_ZOOM, 0);
    EXPECT_FALSE(ShowsMagnifiedView(host.display.Hwnd()));
}

// A view whose images cannot be made, or a screen that cannot be read after an earlier copy that
// could: either ends the zoomed picker as Escape does.
TEST_F(ScreenPickerTest, AFailedViewOrCopyEndsTheZoomedPickerAsEscapeDoes) {
    for (bool screenFails : {false, true}) {
        SCOPED_TRACE(screenFails ? "screen" : "images");
        host.display.imagesFailing = !screenFails;
        if (screenFails) {
            Command(IDC_BUTTON_ZOOM, 1);
            ClickAtScreen(POINT{400, 300});
            host.display.CancelZoom();
            host.display.failing = true;
        }
        Command(IDC_BUTTON_ZOOM, 1);
        ClickAtScreen(POINT{420, 300});
        EXPECT_FALSE(ShowsMagnifiedView(host.display.Hwnd())); // not the earlier copy
        EXPECT_FALSE(IsDown(IDC_BUTTON_ZOOM));
        EXPECT_FALSE(Waiting());
        EXPECT_FALSE(CursorsReplaced());
        EXPECT_TRUE(host.picked.empty());
    }
}

} // namespace
