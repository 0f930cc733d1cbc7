#include "app/SystemCursors.h"
#include "win/App.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

constexpr wchar_t kCompanyKey[] = L"Software\\Kelvo Tintra Tests";

// Records what would become the system cursors instead of installing them.
class RecordingCursors : public SystemCursors {
  public:
    std::vector<std::pair<HCURSOR, DWORD>> installed;

  protected:
    bool Install(HCURSOR copy, DWORD id) override {
        installed.emplace_back(copy, id);
        kept.emplace_back(copy); // the system would own it now
        return true;
    }

  private:
    std::vector<win::CursorHandle> kept;
};

class SystemCursorsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kCompanyKey);
        app.SetRegistryKey(L"Kelvo Tintra Tests");
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kCompanyKey); }
    bool MarkerIsThere() const { return app.GetProfileInt(L"Settings", L"cursors_replaced", 0) == 1; }

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

TEST_F(SystemCursorsTest, RestoringAgainAndAgainInstallsNewCopiesNeverTheSavedOnes) {
    RecordingCursors cursors;
    cursors.Restore();
    cursors.Restore();
    ASSERT_EQ(cursors.installed.size(), 22u);
    std::set<HCURSOR> copies;
    for (size_t i = 0; i < 22; ++i) {
        EXPECT_EQ(cursors.installed[i].second, SystemCursors::kIds[i % 11]);
        copies.insert(cursors.installed[i].first);
    }
    // Were a saved cursor itself installed, both rounds would hand over the same handle.
    EXPECT_EQ(copies.size(), 22u);
}

TEST_F(SystemCursorsTest, TheMarkerIsThereExactlyWhileTheCursorsAreReplaced) {
    RecordingCursors cursors;
    EXPECT_FALSE(MarkerIsThere());
    cursors.Replace(eyedropper.get());
    EXPECT_TRUE(MarkerIsThere());
    cursors.Restore();
    EXPECT_FALSE(MarkerIsThere());
}

TEST_F(SystemCursorsTest, AMarkerLeftByAnEarlierRunIsClearedAtTheNextStart) {
    {
        RecordingCursors killedRun;
        killedRun.Replace(eyedropper.get());
    } // gone without Restore, as when the process is killed
    ASSERT_TRUE(MarkerIsThere());
    RecordingCursors nextRun;
    EXPECT_FALSE(MarkerIsThere());
    EXPECT_TRUE(nextRun.installed.empty());
}

} // namespace
