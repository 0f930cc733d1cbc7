#include "win/RegistryProfile.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr wchar_t kCompany[] = L"Kelvo Tintra Tests";
constexpr wchar_t kSection[] = L"Settings";

class RegistryProfileTest : public ::testing::Test {
  protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kelvo Tintra Tests"); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kelvo Tintra Tests"); }

    void Store(LPCWSTR name, DWORD type, const void* data, DWORD size) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, profile.SectionPath(kSection).c_str(), 0, nullptr, 0,
                                  KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    win::RegistryProfile profile{kCompany, L"Profile"};
};

TEST_F(RegistryProfileTest, MissingValueGivesTheDefaultAndCreatesTheKey) {
    EXPECT_EQ(profile.GetInt(kSection, L"theme", 4), 4);
    HKEY key;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Kelvo Tintra Tests\\Profile\\Settings", 0,
                            KEY_READ, &key),
              ERROR_SUCCESS);
    RegCloseKey(key);
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

TEST_F(RegistryProfileTest, ValuesOfTheWrongTypeGiveTheDefault) {
    const wchar_t one[] = L"1"; // four bytes with its terminator, but text
    Store(L"text", REG_SZ, one, sizeof(one));
    EXPECT_EQ(profile.GetInt(kSection, L"text", 9), 9);
    const std::uint32_t raw = 3;
    Store(L"binary", REG_BINARY, &raw, sizeof(raw));
    EXPECT_EQ(profile.GetInt(kSection, L"binary", 9), 3);
}

TEST_F(RegistryProfileTest, ValuesOfTheWrongSizeGiveTheDefault) {
    const std::uint64_t wide = 2;
    Store(L"qword", REG_QWORD, &wide, sizeof(wide));
    EXPECT_EQ(profile.GetInt(kSection, L"qword", 9), 9);
    const std::uint16_t narrow = 2;
    Store(L"short", REG_BINARY, &narrow, sizeof(narrow));
    EXPECT_EQ(profile.GetInt(kSection, L"short", 9), 9);
    Store(L"empty", REG_DWORD, nullptr, 0);
    EXPECT_EQ(profile.GetInt(kSection, L"empty", 9), 9);
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
