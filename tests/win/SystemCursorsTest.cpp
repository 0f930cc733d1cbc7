#include "app/SystemCursors.h"
#include "win/App.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr wchar_t kCompanyKey[] = L"Software\\Kelvo Tintra Tests";

int startupSchemeLoads = 0;

void CountStartupSchemeLoad() {
    ++startupSchemeLoads;
}

// Records what would become the system cursors instead of installing them, and counts the
// loads of the user's scheme instead of loading it.
class RecordingCursors : public SystemCursors {
  public:
    RecordingCursors() : SystemCursors(CountStartupSchemeLoad) {}

    std::vector<std::pair<HCURSOR, DWORD>> installed;
    int reloads = 0;

  protected:
    bool Install(HCURSOR copy, DWORD id) override {
        installed.emplace_back(copy, id);
        kept.emplace_back(copy); // the system would own it now
        return true;
    }
    void ReloadUserScheme() override { ++reloads; }

  private:
    std::vector<win::CursorHandle> kept;
};

class SystemCursorsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kCompanyKey);
        app.SetRegistryKey(L"Kelvo Tintra Tests");
        startupSchemeLoads = 0;
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kCompanyKey); }
    int Marker() const { return app.GetProfileInt(L"Settings", L"cursors_replaced", 0); }
    bool MarkerIsThere() const { return Marker() != 0; }

    win::App app;
    win::CursorHandle eyedropper{CopyIcon(LoadCursorW(nullptr, MAKEINTRESOURCEW(32515)))};
};

TEST_F(SystemCursorsTest, ReplacingInstallsANewCopyForEachOfTheElevenIdsInOrder) {
    RecordingCursors cursors;
    cursors.Replace(eyedropper.get());
    ASSERT_EQ(cursors.installed.size(), 11u);
    std::set<HCURSOR> copies;
    for (size_t i = 0; i < 11; ++i) {
        EXPECT_EQ(cursors.installed[i].second, SystemCursors::kIds[i]);
        EXPECT_NE(cursors.installed[i].first, eyedropper.get());
        copies.insert(cursors.installed[i].first);
    }
    EXPECT_EQ(copies.size(), 11u);
    EXPECT_EQ(
        std::vector<DWORD>(std::begin(SystemCursors::kIds), std::end(SystemCursors::kIds)),
        (std::vector<DWORD>{32650, 32512, 32515, 32649, 32513, 32646, 32643, 32645, 32642, 32644, 32516}));
}

TEST_F(SystemCursorsTest, RestoringLoadsTheUsersSchemeAnewAndInstallsNoCopyOfIt) {
    RecordingCursors cursors;
    cursors.Replace(eyedropper.get());
    cursors.installed.clear();
    cursors.Restore();
    cursors.Replace(eyedropper.get());
    cursors.Restore();
    EXPECT_EQ(cursors.reloads, 2);
    // Only the eyedropper's copies: nothing of the user's cursors as they once were.
    ASSERT_EQ(cursors.installed.size(), 11u);
    for (const auto& [copy, id] : cursors.installed)
        EXPECT_NE(copy, nullptr) << id;
}

TEST_F(SystemCursorsTest, TheMarkerNamesTheProcessExactlyWhileTheCursorsAreReplaced) {
    RecordingCursors cursors;
    EXPECT_FALSE(MarkerIsThere());
    cursors.Replace(eyedropper.get());
    EXPECT_EQ(Marker(), static_cast<int>(GetCurrentProcessId()));
    cursors.Restore();
    EXPECT_FALSE(MarkerIsThere());
}

// A process of this program that has ended; its handle is kept, so its id is not used again.
PROCESS_INFORMATION EndedProcess() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(path) + L"\" --gtest_list_tests";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                       &startup, &process))
        WaitForSingleObject(process.hProcess, 10000);
    return process;
}

TEST_F(SystemCursorsTest, AMarkerLeftByARunThatHasEndedIsClearedAtTheNextStart) {
    const PROCESS_INFORMATION killedRun = EndedProcess();
    ASSERT_NE(killedRun.hProcess, nullptr);
    app.WriteProfileInt(L"Settings", L"cursors_replaced", static_cast<int>(killedRun.dwProcessId));
    RecordingCursors nextRun;
    EXPECT_FALSE(MarkerIsThere());
    EXPECT_EQ(startupSchemeLoads, 1); // the user's own cursors are back
    RecordingCursors third;
    EXPECT_EQ(startupSchemeLoads, 1);
    CloseHandle(killedRun.hProcess);
    CloseHandle(killedRun.hThread);
}

TEST_F(SystemCursorsTest, AMarkerOfACopyThatStillWaitsForItsClickIsLeftAlone) {
    RecordingCursors waiting;
    waiting.Replace(eyedropper.get());
    RecordingCursors secondCopy; // started while the first waits
    EXPECT_EQ(Marker(), static_cast<int>(GetCurrentProcessId()));
    EXPECT_EQ(startupSchemeLoads, 0);
}

} // namespace
