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

// A process of this program, suspended or ended; its handle is kept, so its id is not used again.
PROCESS_INFORMATION StartCopy(bool ended) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(path) + L"\" --gtest_list_tests";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW | CREATE_SUSPENDED,
                       nullptr, nullptr, &startup, &process) &&
        ended) {
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 10000);
    }
    return process;
}

// A marker is cleared at the next start, with the user's cursors loaded again, unless it names
// another copy that still waits: one of a run that has ended, or one that names the starting
// process itself (its id was the crashed run's), is stale.
TEST_F(SystemCursorsTest, AMarkerIsClearedAtTheNextStartUnlessAnotherCopyStillWaits) {
    enum class Owner { EndedRun, ThisProcess, WaitingCopy };
    for (const Owner owner : {Owner::EndedRun, Owner::ThisProcess, Owner::WaitingCopy}) {
        SCOPED_TRACE(static_cast<int>(owner));
        startupSchemeLoads = 0;
        PROCESS_INFORMATION copy{};
        if (owner != Owner::ThisProcess) {
            copy = StartCopy(owner == Owner::EndedRun);
            ASSERT_NE(copy.hProcess, nullptr);
        }
        const DWORD marked = owner == Owner::ThisProcess ? GetCurrentProcessId() : copy.dwProcessId;
        app.WriteProfileInt(L"Settings", L"cursors_replaced", static_cast<int>(marked));
        RecordingCursors nextRun;
        const bool stale = owner != Owner::WaitingCopy;
        EXPECT_EQ(Marker(), stale ? 0 : static_cast<int>(marked));
        EXPECT_EQ(startupSchemeLoads, stale ? 1 : 0); // the user's own cursors are back
        RecordingCursors third;
        EXPECT_EQ(startupSchemeLoads, stale ? 1 : 0);
        if (copy.hProcess) {
            TerminateProcess(copy.hProcess, 0);
            CloseHandle(copy.hProcess);
            CloseHandle(copy.hThread);
        }
    }
}

} // namespace
