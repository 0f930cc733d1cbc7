// What a screen reader learns of the program's own controls, asked as one asks.
#include "AccessibleReader.h"
#include "ChildHost.h"
#include "FakeScreenDisplay.h"
#include "WindowTestSupport.h"
#include "app/Slider.h"
#include "color/InfoCtrl.h"
#include "display/LoupeWindow.h"
#include "logic/ToolButtonTips.h"
#include "ui/PanelCtrl.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Records the events a screen reader hears of, from the client areas.
class Accessibility : public ::testing::Test {
  protected:
    struct Event {
        DWORD event;
        HWND window;
        LONG child;
        bool operator==(const Event& other) const {
            return event == other.event && window == other.window && child == other.child;
        }
    };

    void SetUp() override {
        ASSERT_TRUE(host.Create());
        events.clear();
        hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr, Record, 0, 0,
                               WINEVENT_OUTOFCONTEXT);
        ASSERT_TRUE(hook);
    }
    void TearDown() override { UnhookWinEvent(hook); }
    static void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                                DWORD) {
        if (object == OBJID_CLIENT)
            events.push_back({event, window, child});
    }
    static bool Heard(DWORD event, HWND window, LONG child = CHILDID_SELF) {
        const Event wanted{event, window, child};
        return PumpUntil([&] { return std::find(events.begin(), events.end(), wanted) != events.end(); });
    }

    static std::vector<Event> events;
    HWINEVENTHOOK hook = nullptr;
    win::GdiplusSession gdiplus;
    ChildHost host;
};

std::vector<Accessibility::Event> Accessibility::events;

// Named by the text it shows; a move is announced once the pointer has come to rest there.
TEST_F(Accessibility, TheLoupeIsNamedByItsTextAndAnnouncesAPixelComeToRest) {
    LoupeWindow loupe;
    loupe.SetOwner(host.Hwnd());
    const LoupeWindow::Look look{kZoomFactor, 1, ColorNotation::Rgb, {}};
    loupe.Follow({10, 10}, look);
    loupe.Follow({11, 10}, look);
    EXPECT_TRUE(Heard(EVENT_OBJECT_NAMECHANGE, loupe.Hwnd()));
    EXPECT_TRUE(AccessibleReader(loupe.Hwnd()).Name().find(L", 11, 10") != std::wstring::npos);
}

TEST_F(Accessibility, ToolButtonsArePushButtonsNamedByTheirTipsPressedWhileLatchedDown) {
    PanelCtrl panel;
    ASSERT_TRUE(
        panel.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 213, 280, 240}, host.Hwnd(), 1001));
    for (int i = 0; i < PanelCtrl::kButtonCount; ++i) {
        const AccessibleReader button(panel.Button(5000 + i)->Hwnd());
        ASSERT_TRUE(button.Found()) << i;
        EXPECT_EQ(button.Name(), kToolButtonTips[i].english);
        EXPECT_EQ(button.Role(), ROLE_SYSTEM_PUSHBUTTON) << i;
        EXPECT_FALSE(button.State() & STATE_SYSTEM_PRESSED) << i;
    }
    // The object follows the button: asked once, it tells each later state.
    const AccessibleReader picker(panel.Button(5001)->Hwnd());
    const AccessibleReader dialog(panel.Button(5000)->Hwnd());
    for (int id : {5001, 5000}) {
        const HWND button = panel.Button(id)->Hwnd();
        SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    }
    EXPECT_TRUE(picker.State() & STATE_SYSTEM_PRESSED);
    EXPECT_TRUE(Heard(EVENT_OBJECT_STATECHANGE, panel.Button(5001)->Hwnd()));
    EXPECT_FALSE(dialog.State() & STATE_SYSTEM_PRESSED);
    events.clear();
    panel.Button(5001)->SetDown(0);
    EXPECT_FALSE(picker.State() & STATE_SYSTEM_PRESSED);
    EXPECT_TRUE(Heard(EVENT_OBJECT_STATECHANGE, panel.Button(5001)->Hwnd()));
}

TEST_F(Accessibility, MarksAreRadioButtonsNamedByTheNotationAndRowsReadAsLabelAndValue) {
    InfoCtrl info;
    ASSERT_TRUE(info.CreateModeless(host.Hwnd()));
    const std::pair<int, const wchar_t*> marks[] = {
        {3000, L"COLREF"}, {3001, L"RGB"}, {3002, L"HEX"}, {3003, L"HSB"}, {3004, L"CMYK"}};
    for (const auto& [id, name] : marks) {
        const AccessibleReader mark(GetDlgItem(info.Hwnd(), id));
        EXPECT_EQ(mark.Name(), name);
        EXPECT_EQ(mark.Role(), ROLE_SYSTEM_RADIOBUTTON) << id;
        EXPECT_EQ((mark.State() & STATE_SYSTEM_CHECKED) != 0, id == 3000) << id;
    }
    info.SetNotation(2); // HEX
    EXPECT_TRUE(AccessibleReader(GetDlgItem(info.Hwnd(), 3002)).State() & STATE_SYSTEM_CHECKED);
    EXPECT_TRUE(Heard(EVENT_OBJECT_STATECHANGE, GetDlgItem(info.Hwnd(), 3002)));
    EXPECT_FALSE(AccessibleReader(GetDlgItem(info.Hwnd(), 3000)).State() & STATE_SYSTEM_CHECKED);

    info.SetColor(MakeColorRef(200, 100, 50));
    EXPECT_EQ(AccessibleReader(GetDlgItem(info.Hwnd(), 1006)).Name(), L"RGB");
    EXPECT_EQ(AccessibleReader(GetDlgItem(info.Hwnd(), 1003)).Name(), L"200, 100, 50");
}

TEST_F(Accessibility, SlidersAreNamedByTheirTextAndTellTheirPosition) {
    const HWND trackbar =
        CreateWindowExW(0, TRACKBAR_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | TBS_VERT, 10, 10, 20, 200,
                        host.Hwnd(), reinterpret_cast<HMENU>(1018), nullptr, nullptr);
    CSlider slider;
    ASSERT_TRUE(slider.Attach(trackbar));
    slider.SetRange(0, 255, false);
    slider.SetText(L"Red value");
    slider.SetPos(77);
    const AccessibleReader reader(trackbar);
    EXPECT_EQ(reader.Name(), L"Red value");
    EXPECT_EQ(reader.Role(), ROLE_SYSTEM_SLIDER);
    EXPECT_EQ(reader.Value(), L"77");
    slider.SetPos(300);
    EXPECT_EQ(reader.Value(), L"255");
}

class DisplayAccessibility : public Accessibility {
  protected:
    void SetUp() override {
        Accessibility::SetUp();
        ASSERT_TRUE(display.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                   RECT{8, 10, 188, 140}, host.Hwnd(), 1000));
        display.SetPaneCount(4);
        display.SetPaneColor(1, Argb{0xFFC86432}); // 200, 100, 50
    }

    FakeScreenDisplay display;
};

TEST_F(DisplayAccessibility, PanesAreSelectableItemsNamedByPlaceAndColourTheActiveOneSelected) {
    display.SetActivePane(1);
    const AccessibleReader reader(display.Hwnd());
    EXPECT_EQ(reader.Name(), L"Color panes");
    EXPECT_EQ(reader.Role(), ROLE_SYSTEM_LIST);
    ASSERT_EQ(reader.ChildCount(), 4);
    EXPECT_EQ(reader.Name(1), L"Pane 1: 255, 255, 255");
    EXPECT_EQ(reader.Name(2), L"Pane 2: 200, 100, 50");
    EXPECT_EQ(reader.Role(2), ROLE_SYSTEM_LISTITEM);
    EXPECT_EQ(reader.State(2) & (STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED),
              STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED);
    EXPECT_FALSE(reader.State(1) & STATE_SYSTEM_SELECTED);
    EXPECT_EQ(reader.Selection(), 2);
    display.SetActivePane(3);
    EXPECT_EQ(reader.Selection(), 4);
    display.SetPaneCount(9);
    EXPECT_EQ(reader.ChildCount(), 9);
    EXPECT_EQ(reader.Selection(), 1);
}

TEST_F(DisplayAccessibility, TheMagnifiedViewIsAPictureThatSaysWhatItIs) {
    const AccessibleReader reader(display.Hwnd());
    ASSERT_TRUE(display.CaptureScreen(POINT{100, 100}));
    display.ShowZoom(POINT{100, 100});
    ASSERT_EQ(reader.Role(), ROLE_SYSTEM_GRAPHIC);
    EXPECT_EQ(reader.Name(), L"Magnified view of the screen");
    EXPECT_EQ(reader.ChildCount(), 0);
    display.CancelZoom();
    EXPECT_EQ(reader.ChildCount(), 4);
}

TEST_F(DisplayAccessibility, ANewActivePaneOrColourIsAnnounced) {
    display.SetActivePane(2);
    EXPECT_TRUE(Heard(EVENT_OBJECT_SELECTION, display.Hwnd(), 3));
    display.SetPaneColor(2, Argb{0xFF102030});
    EXPECT_TRUE(Heard(EVENT_OBJECT_NAMECHANGE, display.Hwnd(), 3));
    // The other panes' contrast with the active one, and every pane's notation, are described.
    EXPECT_TRUE(Heard(EVENT_OBJECT_DESCRIPTIONCHANGE, display.Hwnd(), 1));
    events.clear();
    display.SetNotation(ColorNotation::Hex);
    EXPECT_TRUE(Heard(EVENT_OBJECT_DESCRIPTIONCHANGE, display.Hwnd(), 4));
}

} // namespace
