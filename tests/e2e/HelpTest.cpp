// The help button and F1 open the help file of the program's language from beside the program,
// and a program without its help files goes on working.
#include "Driver.h"

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using namespace e2e;

// Starting the viewer the first time in a prefix takes a while under Wine.
constexpr DWORD kViewerStartMs = 20000;

const std::wstring kEnglishTitle = L"Tintra Help";

// The Russian help stores its title in the Russian code page. A viewer shows it either as
// Russian text or, on a system with another code page, through that code page.
std::vector<std::wstring> RussianTitles() {
    const char stored[] = "\xD1\xEF\xF0\xE0\xE2\xEA\xE0 Tintra";
    wchar_t throughSystem[64] = {};
    MultiByteToWideChar(CP_ACP, 0, stored, -1, throughSystem, 64);
    return {L"Справка Tintra", throughSystem};
}

std::vector<HWND> WindowsTitled(const std::vector<std::wstring>& titles) {
    struct Search {
        const std::vector<std::wstring>* titles;
        std::vector<HWND> found;
    } search{&titles, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (!IsWindowVisible(window))
                return TRUE;
            wchar_t text[128] = {};
            GetWindowTextW(window, text, 128);
            for (const std::wstring& title : *s->titles)
                if (title == text)
                    s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Every running process. The help viewer's process is there as soon as the shell has started
// it, whereas its window may take seconds to appear.
std::set<DWORD> Processes() {
    std::set<DWORD> processes;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return processes;
    const win::KernelObject owned(snapshot);
    PROCESSENTRY32W entry{sizeof(entry)};
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        processes.insert(entry.th32ProcessID);
    return processes;
}

bool NewProcessSince(const std::set<DWORD>& before) {
    for (DWORD process : Processes())
        if (!before.count(process))
            return true;
    return false;
}

std::vector<std::wstring> AllHelpTitles() {
    std::vector<std::wstring> titles = RussianTitles();
    titles.push_back(kEnglishTitle);
    return titles;
}

class Help : public WithTintra<> {
  protected:
    void TearDown() override {
        CloseHelpWindows();
        WithTintra::TearDown();
    }

    static bool HelpShown(const std::vector<std::wstring>& titles) {
        return WaitFor([&] { return !WindowsTitled(titles).empty(); }, kViewerStartMs);
    }
    static void CloseHelpWindows() {
        for (HWND window : WindowsTitled(AllHelpTitles()))
            PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitFor([] { return WindowsTitled(AllHelpTitles()).empty(); }, kViewerStartMs));
    }
    // Keys reach the program in order: once the RGB mark shows, every earlier key was handled.
    void PressAndSettle(WORD key) {
        ASSERT_FALSE(tintra.MarkIsSet(IDC_CHECK_RGB));
        PressKey(key);
        ASSERT_TRUE(
            PressKeyFor('R', "the RGB notation marked", [&] { return tintra.MarkIsSet(IDC_CHECK_RGB); }));
    }
};

// Started from elsewhere, as at sign-in when it starts with Windows: the help is still found.
TEST_F(Help, F1OpensTheEnglishHelpBesideTheProgram) {
    wchar_t testFolder[MAX_PATH], temp[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, testFolder);
    GetTempPathW(MAX_PATH, temp);
    SetCurrentDirectoryW(temp);
    StartIn(false);
    SetCurrentDirectoryW(testFolder);
    const std::set<DWORD> before = Processes();
    PressKey(VK_F1);
    EXPECT_TRUE(HelpShown({kEnglishTitle}));
    EXPECT_TRUE(NewProcessSince(before)); // the viewer
    EXPECT_TRUE(WindowsTitled(RussianTitles()).empty());
    EXPECT_TRUE(tintra.IsRunning());
}

TEST_F(Help, TheHelpButtonOpensTheRussianHelpInRussian) {
    StartIn(true);
    ClickControl(tintra.PanelButton(IDC_BUTTON_HELP), 14, 10);
    EXPECT_TRUE(HelpShown(RussianTitles()));
    EXPECT_TRUE(WindowsTitled({kEnglishTitle}).empty());
}

// A copy of the program alone in a folder of its own: the help files are not there.
TEST_F(Help, WithoutTheHelpFilesNothingOpensAndTheProgramGoesOn) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tintra-without-help";
    const std::wstring copy = folder + L"\\Tintra.exe";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), copy.c_str(), FALSE));

    ASSERT_TRUE(tintra.Start(copy));
    const std::set<DWORD> before = Processes();
    ClickControl(tintra.PanelButton(IDC_BUTTON_HELP), 14, 10);
    PressAndSettle(VK_F1);
    // The program has handled the click and both keys: a viewer would have been started by now.
    EXPECT_FALSE(NewProcessSince(before));
    EXPECT_TRUE(WindowsTitled(AllHelpTitles()).empty());
    EXPECT_TRUE(tintra.IsRunning());
    EXPECT_EQ(tintra.CloseAndWait(), 0);
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(folder.c_str());
}

} // namespace
