#include "logic/BrowserCommand.h"
#include "logic/OptionChoices.h"
#include "logic/VersionText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CommandRow {
    const wchar_t* command;
    const wchar_t* path;
};

TEST(BrowserCommand, KeepsTheExecutableOfTheRegisteredCommand) {
    const CommandRow rows[] = {
        // A quoted path with arguments: the bare path.
        {LR"("C:\Program Files\Browser\browser.exe" -osint -url "%1")",
         LR"(C:\Program Files\Browser\browser.exe)"},
        // An unquoted path with an argument.
        {LR"(C:\Apps\web.exe %1)", LR"(C:\Apps\web.exe)"},
        // No blank after the last backslash: unchanged, quotes included.
        {LR"("C:\Program Files\Browser\browser.exe")", LR"("C:\Program Files\Browser\browser.exe")"},
        {LR"(C:\Apps\web.exe)", LR"(C:\Apps\web.exe)"},
        // No backslash at all: unchanged, blanks and all.
        {L"browser %1", L"browser %1"},
        {L"", L""},
    };
    for (const CommandRow& row : rows)
        EXPECT_EQ(BrowserPathFromCommand(row.command), row.path) << std::wstring(row.command).size();
}

TEST(BrowserCommand, TheLinkShowsTheSiteName) {
    EXPECT_EQ(SiteName(kWebSiteAddress), L"kelvo.example");
    EXPECT_EQ(SiteName(L"http://example.org"), L"example.org");
    EXPECT_EQ(SiteName(L"www.example.org/a/b"), L"example.org");
}

struct Launch {
    std::wstring verb, file, parameters;
    bool operator==(const Launch& other) const {
        return verb == other.verb && file == other.file && parameters == other.parameters;
    }
};

std::vector<Launch> OpenWith(const std::wstring& browser, bool browserStarts) {
    std::vector<Launch> launches;
    OpenAddress(browser, L"https://site",
                [&](const wchar_t* verb, const wchar_t* file, const wchar_t* parameters) {
                    launches.push_back({verb ? verb : L"", file, parameters ? parameters : L""});
                    return verb != nullptr || browserStarts;
                });
    return launches;
}

TEST(BrowserCommand, TheAddressOpensThroughTheSystemWhenTheBrowserDoesNotStart) {
    EXPECT_EQ(OpenWith(L"C:\\b.exe", true), (std::vector<Launch>{{L"", L"C:\\b.exe", L"https://site"}}));
    EXPECT_EQ(OpenWith(L"C:\\gone.exe", false), (std::vector<Launch>{{L"", L"C:\\gone.exe", L"https://site"},
                                                                     {L"open", L"https://site", L""}}));
    EXPECT_EQ(OpenWith(L"", false), (std::vector<Launch>{{L"open", L"https://site", L""}}));
}

TEST(OptionChoices, PaneListPositionsAndCounts) {
    const int counts[] = {1, 2, 4, 6, 9};
    ASSERT_EQ(kPaneChoiceCount, 5);
    for (int position = 0; position < kPaneChoiceCount; ++position) {
        EXPECT_EQ(PaneCountAt(position), counts[position]);
        EXPECT_EQ(PanePositionOf(counts[position]), position);
        EXPECT_EQ(PaneChoiceText(position), std::to_wstring(counts[position]));
    }
    // No selection (-1) and anything past the list mean one pane; counts the list lacks show "1".
    for (int position : {-1, 5, 100})
        EXPECT_EQ(PaneCountAt(position), 1) << position;
    for (int count : {0, 3, 5, 7, 8, 10, -1})
        EXPECT_EQ(PanePositionOf(count), 0) << count;
}

TEST(VersionText, MajorAndMinorOfTheFileVersion) {
    EXPECT_EQ(VersionText(0x00010000), L"1.0");
    EXPECT_EQ(VersionText(0x00010002), L"1.2");
    EXPECT_EQ(VersionText(0xFFFF000A), L"65535.10");
    EXPECT_EQ(VersionLine(false, L"1.0"), L"Version 1.0");
    EXPECT_EQ(VersionLine(true, L"1.0"), L"Версия 1.0");
    EXPECT_EQ(VersionLine(false, L""), L"Version ");
}

} // namespace
