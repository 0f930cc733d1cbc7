#include "TestResources.h"
#include "WindowTestSupport.h"
#include "ChildHost.h"
#include "win/Controls.h"
#include "win/Dialog.h"
#include "win/LateBound.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr UINT kEndTest = WM_APP + 1;
constexpr UINT kCheckOwner = WM_APP + 2;

using Log = std::vector<std::string>;

class RecordingWindow : public win::Window {
  public:
    RecordingWindow(Log& sharedLog, std::string windowName, bool handlesKeys = false)
        : log(sharedLog), name(std::move(windowName)), swallowKeys(handlesKeys) {}
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message != WM_KEYDOWN)
            return FALSE;
        log.push_back("pre:" + name);
        return swallowKeys;
    }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_KEYDOWN)
            log.push_back("dispatched:" + name);
        if (message == win::kReflectedDrawItem) {
            log.push_back("reflected:" + name);
            return TRUE;
        }
        return DefaultProc(message, wParam, lParam);
    }

  private:
    Log& log;
    std::string name;
    bool swallowKeys;
};

class RecordingDialog : public win::Dialog {
  public:
    explicit RecordingDialog(Log& sharedLog)
        : Dialog(IDD_TEST_DIALOG), log(sharedLog), edit(sharedLog, "edit"), inner(sharedLog, "inner"),
          innermost(sharedLog, "innermost") {}

    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN)
            log.push_back("pre:dialog");
        return FALSE;
    }

  private:
    Log& log;
    RecordingWindow edit;

  public:
    RecordingWindow inner;
    RecordingWindow innermost;
    HWND owner = nullptr;
    bool ownerWasDisabled = false;
    RECT rectWhileRunning{};

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_NCCREATE:
            log.push_back("WM_NCCREATE");
            break;
        case WM_CREATE:
            log.push_back("WM_CREATE");
            // Children made here exist before the template's controls are bound.
            inner.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 40, 60, 80}, Hwnd(), 100);
            innermost.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 20, 20}, inner.Hwnd(), 101);
            break;
        case WM_INITDIALOG:
            log.push_back("WM_INITDIALOG");
            break;
        case kEndTest:
            EndModal(static_cast<INT_PTR>(wParam));
            return 0;
        case kCheckOwner:
            ownerWasDisabled = !IsWindowEnabled(owner);
            GetWindowRect(Hwnd(), &rectWhileRunning);
            return 0;
        }
        return Dialog::HandleMessage(message, wParam, lParam);
    }
    void DoDataExchange() override { BindControl(edit, IDC_TEST_EDIT); }
};

size_t IndexOf(const Log& log, const std::string& entry) {
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i] == entry)
            return i;
    return log.size();
}

Log KeyEntries(const Log& log) {
    Log keys;
    for (const std::string& entry : log)
        if (entry.rfind("pre:", 0) == 0 || entry.rfind("dispatched:", 0) == 0)
            keys.push_back(entry);
    return keys;
}

// A dialog of the test template that logs what it sees.
class Dialog : public ::testing::Test {
  protected:
    Log log;
    RecordingDialog dialog{log};
};

TEST_F(Dialog, SeesCreateBeforeInitDialog) {
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    ASSERT_LT(IndexOf(log, "WM_INITDIALOG"), log.size());
    EXPECT_LT(IndexOf(log, "WM_NCCREATE"), IndexOf(log, "WM_CREATE"));
    EXPECT_LT(IndexOf(log, "WM_CREATE"), IndexOf(log, "WM_INITDIALOG"));
    EXPECT_NE(dialog.inner.Hwnd(), nullptr);
    DestroyWindow(dialog.Hwnd());
}

TEST_F(Dialog, ModalLoopOffersKeysFromTheTargetUpToTheDialogWithTheOwnerDisabled) {
    const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                       nullptr, nullptr);
    dialog.owner = owner;
    const INT_PTR result = RunModalThen(dialog, owner, [](HWND dialogWindow) {
        PostMessageW(GetDlgItem(GetDlgItem(dialogWindow, 100), 101), WM_KEYDOWN, 'A', 0);
        PostMessageW(GetDlgItem(dialogWindow, IDC_TEST_EDIT), WM_KEYDOWN, 'B', 0);
        PostMessageW(dialogWindow, kCheckOwner, 0, 0);
        PostMessageW(dialogWindow, kEndTest, 42, 0);
    });

    EXPECT_EQ(result, 42);
    EXPECT_TRUE(dialog.ownerWasDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner));
    // The edit's key-down then goes to the dialog manager, which hands it to the edit.
    const Log expected = {"pre:innermost", "pre:inner",  "pre:dialog",     "dispatched:innermost",
                          "pre:edit",      "pre:dialog", "dispatched:edit"};
    EXPECT_EQ(KeyEntries(log), expected);
    DestroyWindow(owner);
}

TEST_F(Dialog, ModalDialogOpensCentredOverItsOwner) {
    const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 100, 120, 400, 300,
                                       nullptr, nullptr, nullptr, nullptr);
    dialog.owner = owner;
    RunModalThen(dialog, owner, [](HWND dialogWindow) {
        PostMessageW(dialogWindow, kCheckOwner, 0, 0);
        PostMessageW(dialogWindow, kEndTest, 0, 0);
    });
    const RECT& rect = dialog.rectWhileRunning;
    EXPECT_LE(std::abs((rect.left + rect.right) / 2 - 300), 1);
    EXPECT_LE(std::abs((rect.top + rect.bottom) / 2 - 270), 1);
    DestroyWindow(owner);
}

TEST_F(Dialog, WindowThatTakesAKeyStopsTheChainAndTheDispatch) {
    RecordingWindow taker(log, "taker", true);
    RunModalThen(dialog, nullptr, [&taker](HWND dialogWindow) {
        taker.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{70, 0, 90, 20}, dialogWindow, 200);
        PostMessageW(taker.Hwnd(), WM_KEYDOWN, 'C', 0);
        PostMessageW(dialogWindow, kEndTest, 0, 0);
    });
    EXPECT_EQ(KeyEntries(log), Log{"pre:taker"});
}

TEST_F(Dialog, CloseEndsTheModalLoopWithCancel) {
    EXPECT_EQ(
        RunModalThen(dialog, nullptr, [](HWND dialogWindow) { PostMessageW(dialogWindow, WM_CLOSE, 0, 0); }),
        IDCANCEL);
    EXPECT_EQ(dialog.Hwnd(), nullptr);
}

// Made topmost from the start: the extended style is there before any child is made.
class TopmostDialog : public RecordingDialog {
  public:
    explicit TopmostDialog(Log& sharedLog) : RecordingDialog(sharedLog) { AddCreationExStyle(WS_EX_TOPMOST); }
    LONG exStyleAtCreate = 0;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CREATE)
            exStyleAtCreate = GetWindowLongW(Hwnd(), GWL_EXSTYLE);
        return RecordingDialog::HandleMessage(message, wParam, lParam);
    }
};

TEST_F(Dialog, ExtraExtendedStyleIsTheWindowsFromItsCreationWithTheTemplatesControls) {
    TopmostDialog topmost(log);
    ASSERT_TRUE(topmost.CreateModeless(nullptr));
    EXPECT_TRUE(topmost.exStyleAtCreate & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongW(topmost.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(GetDlgItem(topmost.Hwnd(), IDC_TEST_EDIT), nullptr);
    EXPECT_LT(IndexOf(log, "WM_INITDIALOG"), log.size());
    DestroyWindow(topmost.Hwnd());

    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    EXPECT_FALSE(GetWindowLongW(dialog.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    DestroyWindow(dialog.Hwnd());
}

TEST_F(Dialog, QuitDuringTheModalLoopIsPassedOn) {
    RunModalThen(dialog, nullptr, [](HWND) { PostQuitMessage(5); });
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
}

TEST(Window, PlainChildClassHasDoubleClicksArrowAndNoBackground) {
    Log log;
    RecordingWindow window(log, "plain");
    ASSERT_TRUE(window.Create(nullptr, nullptr, WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    EXPECT_EQ(GetClassLongPtrW(window.Hwnd(), GCL_STYLE),
              static_cast<ULONG_PTR>(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(GetClassLongPtrW(window.Hwnd(), GCLP_HBRBACKGROUND), 0u);
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(window.Hwnd(), GCLP_HCURSOR)),
              LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(win::Window::FromHandle(window.Hwnd()), &window);
}

TEST(Window, OwnerDrawRequestsAreReflectedToTheControl) {
    Log log;
    RecordingWindow parent(log, "parent");
    RecordingWindow button(log, "button");
    ASSERT_TRUE(parent.Create(nullptr, nullptr, WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100}, nullptr, 0));
    ASSERT_TRUE(button.Create(L"BUTTON", nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{0, 0, 30, 20},
                              parent.Hwnd(), 300));
    InvalidateRect(button.Hwnd(), nullptr, TRUE);
    UpdateWindow(button.Hwnd());
    EXPECT_LT(IndexOf(log, "reflected:button"), log.size());
    EXPECT_EQ(IndexOf(log, "reflected:parent"), log.size());
}

TEST(Window, DestroyedWindowIsUnbound) {
    Log log;
    RecordingWindow window(log, "gone");
    ASSERT_TRUE(window.Create(nullptr, nullptr, WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    const HWND hwnd = window.Hwnd();
    DestroyWindow(hwnd);
    EXPECT_EQ(window.Hwnd(), nullptr);
    EXPECT_EQ(win::Window::FromHandle(hwnd), nullptr);
}

TEST(Window, ACreationTheObjectIsNotBoundToFailsAndLeavesNoWindow) {
    Log log;
    RecordingWindow window(log, "first");
    ASSERT_TRUE(window.Create(nullptr, L"first", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    const HWND first = window.Hwnd();
    // The object has its window; a second one would get none of its messages.
    EXPECT_FALSE(window.Create(nullptr, L"second", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    EXPECT_EQ(FindWindowW(win::kChildWindowClass, L"second"), nullptr);
    EXPECT_EQ(window.Hwnd(), first);
    EXPECT_EQ(win::Window::FromHandle(first), &window);
}

TEST(LateBoundFunction, FindsASystemFunctionOnlyWhenItExists) {
    const auto length = win::LateBoundFunction<decltype(lstrlenW)>(L"kernel32.dll", "lstrlenW");
    ASSERT_NE(length, nullptr);
    EXPECT_EQ(length(L"Tintra"), 6);
    EXPECT_EQ(win::LateBoundFunction<decltype(lstrlenW)>(L"kernel32.dll", "NoSuchFunction"), nullptr);
    EXPECT_EQ(win::LateBoundFunction<decltype(lstrlenW)>(L"no-such-library.dll", "lstrlenW"), nullptr);
}

// Counts the tooltip controls of this thread.
int ToolTipWindows() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            *reinterpret_cast<int*>(param) += lstrcmpiW(name, TOOLTIPS_CLASSW) == 0;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(ToolTip, IsMadeWithItsToolsAtTheFirstMouseMessageAndOwnsNothing) {
    ChildHost host;
    ASSERT_TRUE(host.Create());
    win::Window first, second;
    ASSERT_TRUE(first.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 20, 20}, host.Hwnd(), 1));
    ASSERT_TRUE(second.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{30, 0, 50, 20}, host.Hwnd(), 2));
    const int before = ToolTipWindows();
    win::ToolTip tip;
    tip.Create(TTS_ALWAYSTIP);
    tip.AddTool(first.Hwnd(), L"First");
    tip.AddTool(second.Hwnd(), L"Second");
    MSG paint{first.Hwnd(), WM_PAINT};
    tip.RelayEvent(&paint);
    EXPECT_EQ(tip.Hwnd(), nullptr);
    EXPECT_EQ(ToolTipWindows(), before);

    MSG move{first.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)};
    tip.RelayEvent(&move);
    ASSERT_NE(tip.Hwnd(), nullptr);
    EXPECT_EQ(ToolTipWindows(), before + 1);
    EXPECT_EQ(GetWindow(tip.Hwnd(), GW_OWNER), nullptr);
    EXPECT_EQ(SendMessageW(tip.Hwnd(), TTM_GETTOOLCOUNT, 0, 0), 2);
    win::Window third;
    ASSERT_TRUE(third.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{60, 0, 80, 20}, host.Hwnd(), 3));
    tip.AddTool(third.Hwnd(), L"Third");
    EXPECT_EQ(SendMessageW(tip.Hwnd(), TTM_GETTOOLCOUNT, 0, 0), 3);
}

} // namespace
