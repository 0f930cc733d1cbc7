// The settings on a real main window, in a private registry: this process's
// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE point into a scratch key while a test runs, so
// the tests neither see nor change the real settings or start-up list.
#include "WindowTestSupport.h"
#include "logic/SettingsTable.h"
#include "app/StartWithWindows.h"
#include "app/TintraDlg.h"
#include "logic/Language.h"
#include "win/PrivateMessages.h"
#include "logic/Theme.h"
#include "win/App.h"
#include "win/Colors.h"
#include "win/WindowRects.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kScratch[] = L"Software\\Kelvo Tintra Tests\\Private registry";
constexpr wchar_t kSettingsPath[] = L"Software\\Kelvo Tintra\\windows_tests\\Settings";
constexpr ColorRef kWhite{0x00FFFFFF};

class PrivateRegistry {
  public:
    PrivateRegistry() {
        RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
        user = CreateKey(HKEY_CURRENT_USER, std::wstring(kScratch) + L"\\User");
        machine = CreateKey(HKEY_CURRENT_USER, std::wstring(kScratch) + L"\\Machine");
        RegOverridePredefKey(HKEY_CURRENT_USER, user.get());
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine.get());
    }
    PrivateRegistry(const PrivateRegistry&) = delete;
    PrivateRegistry& operator=(const PrivateRegistry&) = delete;
    ~PrivateRegistry() {
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        user.reset();
        machine.reset();
        RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    }
    // Whether what this process reads under both roots is the scratch key's.
    bool IsPrivate() const {
        return Redirects(HKEY_CURRENT_USER, user) && Redirects(HKEY_LOCAL_MACHINE, machine);
    }
    void Clear() {
        RegDeleteTreeW(user.get(), nullptr);
        RegDeleteTreeW(machine.get(), nullptr);
    }

  private:
    static bool Redirects(HKEY root, const win::RegKey& scratch) {
        const DWORD marker = 1;
        if (RegSetValueExW(scratch.get(), L"probe", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&marker),
                           sizeof(marker)) != ERROR_SUCCESS)
            return false;
        const bool seen = RegGetValueW(root, nullptr, L"probe", RRF_RT_REG_DWORD, nullptr, nullptr,
                                       nullptr) == ERROR_SUCCESS;
        RegDeleteValueW(scratch.get(), L"probe");
        return seen;
    }
    static win::RegKey CreateKey(HKEY root, const std::wstring& path) {
        HKEY key = nullptr;
        RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        return win::RegKey(key);
    }

    win::RegKey user;
    win::RegKey machine;
};

void Store(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsPath, name, type, data, size);
}

void StoreDword(const wchar_t* name, int value) {
    const DWORD data = static_cast<DWORD>(value);
    Store(name, REG_DWORD, &data, sizeof(data));
}

std::vector<BYTE> BytesOf(int value) {
    const auto raw = static_cast<DWORD>(value);
    return {static_cast<BYTE>(raw), static_cast<BYTE>(raw >> 8), static_cast<BYTE>(raw >> 16),
            static_cast<BYTE>(raw >> 24)};
}

struct StoredValue {
    DWORD type;
    std::vector<BYTE> data;
};

std::map<std::wstring, StoredValue> ValuesUnder(HKEY root, const wchar_t* path) {
    std::map<std::wstring, StoredValue> values;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return values;
    const win::RegKey key(opened);
    for (DWORD i = 0;; ++i) {
        wchar_t name[64];
        DWORD nameLength = 64, type = 0, size = 512;
        std::vector<BYTE> data(size);
        if (RegEnumValueW(key.get(), i, name, &nameLength, nullptr, &type, data.data(), &size) !=
            ERROR_SUCCESS)
            break;
        data.resize(size);
        values[name] = {type, data};
    }
    return values;
}

// The start-up entry as stored: text with its terminating zero counted in the size.
std::wstring RunValue(HKEY root) {
    const auto values = ValuesUnder(root, kRunKeyPath);
    const auto found = values.find(kRunValueName);
    if (found == values.end())
        return L"<none>";
    const std::vector<BYTE>& data = found->second.data;
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
    if (found->second.type != REG_SZ || text.empty() || text.back() != L'\0')
        return L"<not a terminated text>";
    text.pop_back();
    return text;
}

// What the main window would show for these stored values: the default for every other one.
Settings Expected(const std::map<std::wstring, int>& stored) {
    return Interpret(ReadStoredSettings([&](const wchar_t* name, int defaultValue) {
        const auto found = stored.find(name);
        return found == stored.end() ? defaultValue : found->second;
    }));
}

// The colour a pane shows after a start: its stored colour when one was read; pane 0 keeps
// the current colour it was given before the panes were rebuilt; new panes are white.
ColorRef ExpectedPaneColor(const Settings& shown, int pane) {
    if (pane < shown.paneColorCount)
        return shown.PaneColor(pane);
    return pane == 0 ? static_cast<ColorRef>(shown.Get(Setting::Color)) : kWhite;
}

class MainWindowSettings : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
    }
    void SetUp() override {
        ASSERT_TRUE(registry.IsPrivate());
        app.SetRegistryKey(L"Kelvo Tintra");
    }
    void TearDown() override {
        window.reset();
        SetRussian(false);
    }

    // Starts the main window on what is stored now.
    void Open() {
        window = std::make_unique<CTintraDlg>();
        ASSERT_TRUE(window->CreateModeless(nullptr));
        PumpPending();
    }
    // As the user closes it: WM_CLOSE, after which the window goes.
    void Close() {
        SendMessageW(Main(), WM_CLOSE, 0, 0);
        window.reset();
        PumpPending();
    }
    HWND Main() const { return window->Hwnd(); }
    CColorDisplay& Display() const { return *ObjectOf<CColorDisplay>(GetDlgItem(Main(), 1000)); }
    InfoCtrl& Info() const { return *ObjectOf<InfoCtrl>(FindWindowExW(Main(), nullptr, L"#32770", nullptr)); }
    UButton& PanelButton(int id) const { return *ObjectOf<PanelCtrl>(GetDlgItem(Main(), 1001))->Button(id); }
    UButton& Lock(int channel) const { return *ObjectOf<UButton>(GetDlgItem(Main(), 1002 + channel)); }
    PixelRect WindowRect() const { return win::ScreenRect(Main()); }
    ColorRef FaceColor() const {
        return win::ToColorRef(AskControlColors(Main(), WM_CTLCOLORDLG, Main()).background);
    }
    // Where the platform puts a window when nothing is stored.
    POINT DefaultPlacement() {
        static POINT placement = [this] {
            registry.Clear();
            Open();
            const PixelRect rect = WindowRect();
            Close();
            registry.Clear();
            return POINT{rect.left, rect.top};
        }();
        return placement;
    }

    // Everything the window shows of the settings, but the position.
    void ExpectShows(const Settings& shown) const {
        const auto color = static_cast<ColorRef>(shown.Get(Setting::Color));
        EXPECT_EQ(Info().GetColor(), color);
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_EQ(SendMessageW(GetDlgItem(Main(), 1018 + channel), TBM_GETPOS, 0, 0),
                      (static_cast<int>(color) >> (8 * channel)) & 0xFF);
        const bool topmost = shown.Get(Setting::Topmost) == 1;
        EXPECT_EQ(PanelButton(5007).IsDown(), topmost ? 1 : 0);
        EXPECT_EQ((GetWindowLongW(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, topmost);
        EXPECT_EQ(FaceColor(), LookupTheme(shown.Get(Setting::Theme)).backgroundColor);
        ASSERT_EQ(Display().GetPaneCount(), HeldPaneCount(shown.Get(Setting::Panes)));
        for (int pane = 0; pane < Display().GetPaneCount(); ++pane)
            EXPECT_EQ(Display().GetPaneColor(pane), ToArgb(ExpectedPaneColor(shown, pane)))
                << "pane " << pane;
        EXPECT_EQ(Display().GetActivePane(), shown.Get(Setting::ActivePane));
        EXPECT_EQ(static_cast<int>(Info().GetNotation()), shown.Get(Setting::Format));
        const Setting locks[] = {Setting::LockRed, Setting::LockGreen, Setting::LockBlue};
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_EQ(Lock(channel).IsDown(), shown.Get(locks[channel])) << "lock " << channel;
        EXPECT_EQ(IsRussian(), shown.Get(Setting::Language) == 1);
    }

    // What closing wrote: every value of the table as a DWORD, each one the program accepts,
    // equal to what the window showed; the position where the window was.
    void ExpectSavedAsShown(const Settings& shown, POINT position) const {
        Settings expected = shown;
        expected.paneColorCount = HeldPaneCount(shown.Get(Setting::Panes));
        for (int pane = 0; pane < expected.paneColorCount; ++pane)
            expected.SetPaneColor(pane, ExpectedPaneColor(shown, pane));
        expected.Set(Setting::X, position.x);
        expected.Set(Setting::Y, position.y);

        const auto values = ValuesUnder(HKEY_CURRENT_USER, kSettingsPath);
        WriteSettings(expected, [&](const wchar_t* name, int value) {
            const auto found = values.find(name);
            ASSERT_NE(found, values.end()) << "not written: " << std::wstring(name);
            EXPECT_EQ(found->second.type, static_cast<DWORD>(REG_DWORD));
            EXPECT_EQ(found->second.data, BytesOf(value)) << std::wstring(name);
        });
        for (int i = 0; i < kSettingCount; ++i)
            EXPECT_TRUE(IsAccepted(static_cast<Setting>(i), expected)) << RowOf(static_cast<Setting>(i)).name;
    }

    // Opens on these stored values, checks the window and what closing saves.
    void OpenCheckAndClose(const Settings& shown, POINT position) {
        Open();
        ExpectShows(shown);
        EXPECT_EQ(WindowRect().left, position.x);
        EXPECT_EQ(WindowRect().top, position.y);
        Close();
        ExpectSavedAsShown(shown, position);
    }

    PrivateRegistry registry;
    win::App app;
    win::GdiplusSession gdiplus;
    std::unique_ptr<CTintraDlg> window;
};

// The defaults themselves are pinned by the table's own tests.
TEST_F(MainWindowSettings, FirstStartShowsEveryDefaultAndClosingWritesTheWholeTable) {
    const Settings firstStart = Expected({});
    OpenCheckAndClose(firstStart, DefaultPlacement());
    EXPECT_EQ(firstStart.Get(Setting::Grid), 1);
    EXPECT_EQ(firstStart.Get(Setting::Autostart), 0);
    EXPECT_EQ(RunValue(HKEY_CURRENT_USER), L"<none>");
}

struct ValueRow {
    const wchar_t* name;
    int stored;
    Setting setting;
    int shown;
};

// Each accepted and each refused value of the table, with what the window must show.
const ValueRow kValueRows[] = {
    {L"color", 0x00563412, Setting::Color, 0x00563412},
    {L"topmost", 0, Setting::Topmost, 0},
    {L"topmost", 1, Setting::Topmost, 1},
    {L"topmost", 2, Setting::Topmost, 0}, // the button stays up and the window is not made topmost
    {L"theme", 2, Setting::Theme, 2},
    {L"theme", 6, Setting::Theme, 6},
    {L"theme", 0, Setting::Theme, 0}, // theme 1 shown, 0 kept
    {L"theme", -1, Setting::Theme, -1},
    {L"panes", 1, Setting::Panes, 1},
    {L"panes", 2, Setting::Panes, 2},
    {L"panes", 6, Setting::Panes, 6},
    {L"panes", 9, Setting::Panes, 9},
    {L"panes", 3, Setting::Panes, 3}, // one pane
    {L"active_pane", 3, Setting::ActivePane, 3},
    {L"active_pane", 5, Setting::ActivePane, 0}, // with 4 panes
    {L"active_pane", -1, Setting::ActivePane, 0},
    {L"color3", 0x00ABCDEF, Settings::PaneColorSetting(2), 0x00ABCDEF},
    {L"color3", -1, Settings::PaneColorSetting(2), 0x00FFFFFF}, // no top byte in a colour
    {L"format", 3, Setting::Format, 3},
    {L"format", 4, Setting::Format, 4},
    {L"format", 7, Setting::Format, 0}, // COLREF stays marked
    {L"lock_red", 1, Setting::LockRed, 1},
    {L"lock_green", 1, Setting::LockGreen, 1},
    {L"lock_blue", 1, Setting::LockBlue, 1},
    {L"lock_blue", 2, Setting::LockBlue, 0},
    {L"grid", 0, Setting::Grid, 0},
    {L"grid", 5, Setting::Grid, 1},
    {L"autostart", 3, Setting::Autostart, 1},
    {L"language", 1, Setting::Language, 1},
    {L"language", 7, Setting::Language, 1},
};

TEST_F(MainWindowSettings, ShowsEachAcceptedValueAndTheDefaultForEachRefusedOne) {
    const POINT placement = DefaultPlacement();
    for (const ValueRow& row : kValueRows) {
        SCOPED_TRACE(std::wstring(row.name) + L" = " + std::to_wstring(row.stored));
        registry.Clear();
        StoreDword(row.name, row.stored);
        const Settings shown = Expected({{row.name, row.stored}});
        ASSERT_EQ(shown.Get(row.setting), row.shown);
        OpenCheckAndClose(shown, placement);
    }
}

TEST_F(MainWindowSettings, ThreePanesReadAndWriteColor1Only) {
    StoreDword(L"panes", 3);
    StoreDword(L"color1", 0x00112233);
    StoreDword(L"color2", 0x00445566);
    StoreDword(L"kept_by_someone_else", 7);
    Open();
    ASSERT_EQ(Display().GetPaneCount(), 1);
    EXPECT_EQ(Display().GetPaneColor(0), ToArgb(ColorRef{0x00112233}));
    Close();
    const auto values = ValuesUnder(HKEY_CURRENT_USER, kSettingsPath);
    EXPECT_EQ(values.count(L"color1"), 1u);
    EXPECT_EQ(values.at(L"color2").data, (std::vector<BYTE>{0x66, 0x55, 0x44, 0})); // left as it was
    EXPECT_EQ(values.count(L"color3"), 0u);
    EXPECT_EQ(values.count(L"kept_by_someone_else"), 1u); // values outside the table stay
    EXPECT_EQ(values.at(L"panes").data, (std::vector<BYTE>{3, 0, 0, 0}));
}

struct PositionRow {
    const char* what;
    std::map<std::wstring, int> stored;
    bool restored;
};

TEST_F(MainWindowSettings, RestoresAPositionOnlyWhereTheCaptionCanBeReached) {
    const POINT placement = DefaultPlacement();
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const PositionRow rows[] = {
        {"both on screen", {{L"x", 100}, {L"y", 50}}, true},
        {"a hand's width of the caption at the right edge", {{L"x", work.right - 100}, {L"y", 50}}, true},
        {"ten pixels of the caption at the right edge", {{L"x", work.right - 10}, {L"y", 50}}, false},
        {"x without y", {{L"x", 100}}, false},
        {"y at the limit", {{L"x", 100}, {L"y", 1000000}}, false},
        {"a monitor to the left that is not there", {{L"x", -1200}, {L"y", 40}}, false},
        {"far off every screen", {{L"x", 500000}, {L"y", 500000}}, false},
        {"the far negative end", {{L"x", INT_MIN}, {L"y", INT_MIN}}, false},
    };
    for (const PositionRow& row : rows) {
        SCOPED_TRACE(row.what);
        registry.Clear();
        for (const auto& [name, value] : row.stored)
            StoreDword(name.c_str(), value);
        const POINT expected = row.restored ? POINT{row.stored.at(L"x"), row.stored.at(L"y")} : placement;
        OpenCheckAndClose(Expected({}), expected);
    }
}

// The trackbar moves its thumb by itself for keys and the wheel, without a press or drag step
// of the slider: the move is still the colour, locks included.
TEST_F(MainWindowSettings, ASliderMoveThatComesWithoutAPressIsAppliedWithTheLocks) {
    Open();
    Lock(0).SetDown(1);
    Lock(1).SetDown(1);
    const HWND red = GetDlgItem(Main(), 1018);
    SendMessageW(red, WM_KEYDOWN, VK_NEXT, 0);
    const int moved = static_cast<int>(SendMessageW(red, TBM_GETPOS, 0, 0));
    ASSERT_GT(moved, 0);
    EXPECT_EQ(SendMessageW(GetDlgItem(Main(), 1019), TBM_GETPOS, 0, 0), moved);
    EXPECT_EQ(Info().GetColor(), MakeColorRef(moved, moved, 0));
    EXPECT_EQ(Display().GetPaneColor(0), ToArgb(MakeColorRef(moved, moved, 0)));
    Close();
}

TEST_F(MainWindowSettings, EndingTheSessionEndsPickingAndSaves) {
    Open();
    PanelButton(5007).SetDown(0);
    PanelButton(5001).SetDown(1); // the picker waits for a click, with the mouse captured
    SendMessageW(Main(), WM_PANEL_COMMAND, 2, 0);
    ASSERT_EQ(GetCapture(), Main());
    SendMessageW(Main(), WM_ENDSESSION, FALSE, 0); // the session goes on: nothing happens
    EXPECT_EQ(GetCapture(), Main());
    EXPECT_EQ(ValuesUnder(HKEY_CURRENT_USER, kSettingsPath).count(L"topmost"), 0u);
    SendMessageW(Main(), WM_ENDSESSION, TRUE, 0);
    EXPECT_NE(GetCapture(), Main());
    const auto values = ValuesUnder(HKEY_CURRENT_USER, kSettingsPath);
    EXPECT_EQ(values.count(L"cursors_replaced"), 0u); // the system cursors are back
    EXPECT_EQ(values.size(), 23u);                    // the table with four pane colours
    ASSERT_EQ(values.count(L"topmost"), 1u);
    EXPECT_EQ(values.at(L"topmost").data, (std::vector<BYTE>{0, 0, 0, 0}));
}

TEST_F(MainWindowSettings, AutostartWritesTheQuotedPathForTheUserAndRemovesTheMachineEntry) {
    const std::wstring quoted = L"\"" + win::ExecutablePath() + L"\"";
    const wchar_t old[] = L"C:\\old\\Tintra.exe";
    const wchar_t other[] = L"other.exe";
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kRunKeyPath, kRunValueName, REG_SZ, old, sizeof(old));
    RegSetKeyValueW(HKEY_CURRENT_USER, kRunKeyPath, L"Other", REG_SZ, other, sizeof(other));
    StoreDword(L"autostart", 1);
    Open();
    Close();
    EXPECT_EQ(RunValue(HKEY_CURRENT_USER), quoted);
    EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), L"<none>");
    EXPECT_EQ(ValuesUnder(HKEY_CURRENT_USER, kRunKeyPath).count(L"Other"), 1u);

    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kRunKeyPath, kRunValueName, REG_SZ, old, sizeof(old));
    StoreDword(L"autostart", 0);
    Open();
    Close();
    EXPECT_EQ(RunValue(HKEY_CURRENT_USER), L"<none>");
    EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), L"<none>");
    EXPECT_EQ(ValuesUnder(HKEY_CURRENT_USER, kRunKeyPath).count(L"Other"), 1u);
}

struct StoredKind {
    const char* what;
    DWORD type;
    std::vector<BYTE> data;
    bool readAsNumber;
    int number;
};

std::vector<StoredKind> StoredKinds() {
    std::vector<StoredKind> kinds = {
        {"REG_SZ", REG_SZ, {'1', 0, 0, 0}, false, 0},
        {"REG_QWORD", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, false, 0},
        {"REG_BINARY of 0 bytes", REG_BINARY, {}, false, 0},
        {"REG_BINARY of 1 byte", REG_BINARY, {1}, false, 0},
        {"REG_BINARY of 3 bytes", REG_BINARY, {1, 2, 3}, false, 0},
        {"REG_BINARY of 8 bytes", REG_BINARY, {1, 0, 0, 0, 2, 0, 0, 0}, false, 0},
    };
    for (int number : {0, 1, -1, INT_MIN, INT_MAX, 1000000})
        kinds.push_back({"REG_DWORD", REG_DWORD, BytesOf(number), true, number});
    return kinds;
}

// Every value as each kind: the window opens, shows the accepted value or the default, and
// saves only values the program accepts. A start costs a tenth of a second or more under Wine
// (a window of forty children), so every value takes the kind at once; the position's two
// values only count as a pair, so each of them goes alone.
TEST_F(MainWindowSettings, EachSettingStoredAsEveryTypeSizeAndExtremeNumberShowsItsValueOrTheDefault) {
    const POINT placement = DefaultPlacement();
    std::vector<const wchar_t*> groups[3];
    for (int i = 0; i < kSettingCount; ++i) {
        const auto setting = static_cast<Setting>(i);
        groups[setting == Setting::X ? 1 : setting == Setting::Y ? 2 : 0].push_back(RowOf(setting).name);
    }
    for (const StoredKind& kind : StoredKinds()) {
        for (const auto& names : groups) {
            SCOPED_TRACE(std::wstring(names.size() == 1 ? names[0] : L"all but x and y") + L" as " +
                         std::wstring(kind.what, kind.what + strlen(kind.what)) + L" " +
                         std::to_wstring(kind.number));
            registry.Clear();
            std::map<std::wstring, int> read;
            for (const wchar_t* name : names) {
                Store(name, kind.type, kind.data.data(), static_cast<DWORD>(kind.data.size()));
                if (kind.readAsNumber)
                    read[name] = kind.number;
            }
            OpenCheckAndClose(Expected(read), placement);
            if (HasFatalFailure())
                return;
        }
    }
}

} // namespace
