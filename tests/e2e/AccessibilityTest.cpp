// What a screen reader learns of a running Tintra, asked from another process as it asks.
#include "../win/AccessibleReader.h"
#include "Driver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace e2e;

class Accessibility : public WithTintra<> {
  protected:
    // The name of the active pane: its place and the colour the RGB row shows.
    std::wstring ActivePaneName(const AccessibleReader& display, const wchar_t* word) const {
        return word + (L" " + std::to_wstring(display.Selection())) + L": " + tintra.InfoText(IDC_VALUE_RGB);
    }
};

TEST_F(Accessibility, EveryControlTellsItsNameRoleStateAndValue) {
    StartIn(false);
    const AccessibleReader picker(tintra.PanelButton(IDC_BUTTON_PICKER));
    ASSERT_TRUE(picker.Found());
    EXPECT_EQ(picker.Name(), L"Color picker");
    EXPECT_EQ(picker.Role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_FALSE(picker.State() & STATE_SYSTEM_PRESSED);

    const AccessibleReader lock(tintra.Control(IDC_LOCK_RED));
    EXPECT_EQ(lock.Name(), L"Lock red");
    EXPECT_EQ(lock.Role(), ROLE_SYSTEM_PUSHBUTTON);

    const AccessibleReader slider(tintra.Control(IDC_SLIDER_RED));
    EXPECT_EQ(slider.Name(), L"Red value");
    EXPECT_EQ(slider.Role(), ROLE_SYSTEM_SLIDER);
    EXPECT_EQ(slider.Value(), std::to_wstring(TrackbarPos(tintra.Control(IDC_SLIDER_RED))));

    EXPECT_EQ(AccessibleReader(GetDlgItem(tintra.InfoPanel(), IDC_NAME_RGB)).Name(), L"RGB");
    EXPECT_EQ(AccessibleReader(GetDlgItem(tintra.InfoPanel(), IDC_VALUE_RGB)).Name(),
              tintra.InfoText(IDC_VALUE_RGB));

    const AccessibleReader display(tintra.Control(IDC_COLOR_DISPLAY));
    EXPECT_EQ(display.Name(), L"Color panes");
    EXPECT_EQ(display.Role(), ROLE_SYSTEM_LIST);
    ASSERT_GE(display.Selection(), 1);
    EXPECT_EQ(display.Name(display.Selection()), ActivePaneName(display, L"Pane"));
    EXPECT_TRUE(display.State(display.Selection()) & STATE_SYSTEM_SELECTED);

    // H marks HEX, with the focus in the display as a keyboard user has it.
    const AccessibleReader hex(GetDlgItem(tintra.InfoPanel(), IDC_CHECK_HEX));
    EXPECT_EQ(hex.Name(), L"HEX");
    EXPECT_EQ(hex.Role(), ROLE_SYSTEM_RADIOBUTTON);
    EXPECT_FALSE(hex.State() & STATE_SYSTEM_CHECKED);
    ClickControl(tintra.Control(IDC_COLOR_DISPLAY), 40, 30);
    ASSERT_TRUE(WaitFor([&] { return FocusOf(tintra.UiThread()) == tintra.Control(IDC_COLOR_DISPLAY); }));
    PressKey('H');
    EXPECT_TRUE(WaitFor([&] { return (hex.State() & STATE_SYSTEM_CHECKED) != 0; }));

    // Last: the picker then waits for a pick, which closing the program ends.
    ClickControl(tintra.PanelButton(IDC_BUTTON_PICKER), 14, 10);
    EXPECT_TRUE(WaitFor([&] { return (picker.State() & STATE_SYSTEM_PRESSED) != 0; }));
}

// A pane tells its contrast with the active pane, in its description and its tip, and follows
// the colours: black and white, then grey 119 and 118 against white, either side of AA text.
TEST_F(Accessibility, APaneDescriptionGivesItsContrastWithTheActivePane) {
    StartIn(false);
    const HWND displayWindow = tintra.Control(IDC_COLOR_DISPLAY);
    const AccessibleReader display(displayWindow);
    const auto describes = [&](long pane, const wchar_t* ratio, bool aaText) {
        return WaitFor([&] {
            const std::wstring text = display.Description(pane);
            return text.find(ratio) != std::wstring::npos &&
                   (text.find(L"AA text") != std::wstring::npos) == aaText;
        });
    };
    ASSERT_TRUE(ClickFor(displayWindow, 40, 30, "pane 1 active", [&] { return display.Selection() == 1; }));
    PutOnClipboard(std::string("white"));
    PressCtrlKey('V');
    EXPECT_TRUE(describes(2, L"Contrast with pane 1: 21:1 \u2014 AAA text", true)) << display.Description(2);
    ASSERT_TRUE(ClickFor(displayWindow, 130, 30, "pane 2 active", [&] { return display.Selection() == 2; }));
    PutOnClipboard(std::string("#777777"));
    PressCtrlKey('V');
    EXPECT_TRUE(describes(1, L"Contrast with pane 2: 4.47:1", false)) << display.Description(1);
    PutOnClipboard(std::string("#767676"));
    PressCtrlKey('V');
    EXPECT_TRUE(describes(1, L"Contrast with pane 2: 4.54:1", true)) << display.Description(1);
    EXPECT_TRUE(PressKeyFor('H', "pane 1 told in HEX", [&] {
        return display.Description(1).rfind(L"HEX: FFFFFF\n", 0) == 0;
    })) << display.Description(1);
    // Resting on pane 1, the pointer brings up the same text as its tip.
    ASSERT_TRUE(RestPointerAt(OnScreen(displayWindow, 40, 30)));
    EXPECT_TRUE(WaitFor([&] { return ShownTooltip() == display.Description(1); }, 8000)) << ShownTooltip();
}

TEST_F(Accessibility, RussianNamesWithTheRussianSetting) {
    StartIn(true);
    EXPECT_EQ(AccessibleReader(tintra.PanelButton(IDC_BUTTON_PICKER)).Name(), L"Цветоопределитель");
    EXPECT_EQ(AccessibleReader(tintra.Control(IDC_LOCK_RED)).Name(), L"Закрепить красный");
    EXPECT_EQ(AccessibleReader(tintra.Control(IDC_SLIDER_RED)).Name(), L"Насыщенность красного");
    const AccessibleReader display(tintra.Control(IDC_COLOR_DISPLAY));
    EXPECT_EQ(display.Name(), L"Панели цветов");
    EXPECT_EQ(display.Name(display.Selection()), ActivePaneName(display, L"Панель"));
}

} // namespace
