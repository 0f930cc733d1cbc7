#include "win/RegistryProfile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr wchar_t kCompany[] = L"Kelvo Tintra Tests";
constexpr wchar_t kSection[] = L"Settings";

class RegistryProfileTest : public ::testing::Test {
  protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kelvo Tintra Tests"); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kelvo Tintra Tests"); }

    void Store(LPCWSTR name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(
            RegSetKeyValueW(HKEY_CURRENT_USER, profile.SectionPath(kSection).c_str(), name, type, data, size),
            ERROR_SUCCESS);
    }

    win::RegistryProfile profile{kCompany, L"Profile"};
};

TEST_F(RegistryProfileTest, MissingValueGivesTheDefaultAndCreatesTheKey) {
    EXPECT_EQ(profile.GetInt(kSection, L"theme", 4), 4);
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Kelvo Tintra Tests\\Profile\\Settings", 0,
                            KEY_READ, &key),
              ERROR_SUCCESS);
    const win::RegKey opened(key);
}

TEST_F(RegistryProfileTest, WritesDwordsAndReadsThemBackSigned) {
    ASSERT_TRUE(profile.WriteInt(kSection, L"x", -1200));
    EXPECT_EQ(profile.GetInt(kSection, L"x", 1000000), -1200);
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, profile.SectionPath(kSection).c_str(), L"x", RRF_RT_ANY, &type,
                           nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, 4u);
}

// A number is four bytes stored as a DWORD or as binary; anything else gives the default.
TEST_F(RegistryProfileTest, ValuesOfTheWrongTypeOrSizeGiveTheDefault) {
    const struct {
        const wchar_t* name;
        DWORD type;
        std::vector<BYTE> data;
        int read;
    } rows[] = {
        {L"text", REG_SZ, {'1', 0, 0, 0}, 9}, // four bytes with its terminator, but text
        {L"binary", REG_BINARY, {3, 0, 0, 0}, 3}, {L"qword", REG_QWORD, {2, 0, 0, 0, 0, 0, 0, 0}, 9},
        {L"short", REG_BINARY, {2, 0}, 9},        {L"empty", REG_DWORD, {}, 9},
    };
    for (const auto& row : rows) {
        Store(row.name, row.type, row.data.data(), static_cast<DWORD>(row.data.size()));
        EXPECT_EQ(profile.GetInt(kSection, row.name, 9), row.read) << std::wstring(row.name);
    }
}

TEST_F(RegistryProfileTest, AnOpenSectionReadsAndWritesAsTheSingleValueCallsDo) {
    const std::uint16_t narrow = 2;
    Store(L"short", REG_BINARY, &narrow, sizeof(narrow));
    {
        const win::ProfileSection section = profile.OpenSection(kSection);
        ASSERT_TRUE(section.WriteInt(L"x", -5));
        ASSERT_TRUE(section.WriteInt(L"y", 7));
        EXPECT_EQ(section.GetInt(L"y", 0), 7);
        EXPECT_EQ(section.GetInt(L"short", 9), 9);
        EXPECT_EQ(section.GetInt(L"missing", 9), 9);
    }
    EXPECT_EQ(profile.GetInt(kSection, L"x", 0), -5);
    EXPECT_EQ(profile.GetInt(kSection, L"y", 0), 7);
}

TEST_F(RegistryProfileTest, ASectionThatCouldNotBeOpenedReadsDefaultsAndWritesNothing) {
    const win::ProfileSection closed{win::RegKey()};
    EXPECT_EQ(closed.GetInt(L"x", 9), 9);
    EXPECT_FALSE(closed.WriteInt(L"x", 1));
}

} // namespace
