#include "PaneDescription.h"

#include "CodeForms.h"
#include "Contrast.h"
#include "CssColors.h"
#include "../Language.h"

#include <cmath>

namespace {

struct Level {
    int least; // the lowest ratio that reaches it, in hundredths
    const wchar_t* english;
    const wchar_t* russian;
};

// For each kind of content its levels, the higher first; the highest reached is named.
constexpr Level kText[] = {{700, L"AAA text", L"текст AAA"}, {450, L"AA text", L"текст AA"}};
constexpr Level kLargeText[] = {{450, L"AAA large text", L"крупный текст AAA"},
                                {300, L"AA large text", L"крупный текст AA"}};
constexpr Level kNonText[] = {{300, L"non-text", L"нетекстовые элементы"}};

constexpr ColorRef kWhite = MakeColorRef(255, 255, 255);
constexpr ColorRef kBlack = MakeColorRef(0, 0, 0);

template <size_t Count>
void NameHighestReached(const Level (&levels)[Count], int hundredths, std::wstring& out) {
    for (const Level& level : levels)
        if (hundredths >= level.least) {
            out += out.empty() ? L"" : L", ";
            out += Localized(level.english, level.russian);
            return;
        }
}

// "4.52:1 — AA text, AAA large text, non-text", "21:1 — ...": two decimals at most, as WCAG
// writes its ratios; Russian writes a decimal comma.
std::wstring Contrast(ColorRef first, ColorRef second) {
    const int hundredths = ContrastHundredths(first, second);
    std::wstring ratio = std::to_wstring(hundredths / 100);
    if (const int fraction = hundredths % 100; fraction != 0) {
        ratio += Localized(L".", L",") + std::to_wstring(fraction / 10);
        if (fraction % 10 != 0)
            ratio += std::to_wstring(fraction % 10);
    }
    std::wstring levels;
    NameHighestReached(kText, hundredths, levels);
    NameHighestReached(kLargeText, hundredths, levels);
    NameHighestReached(kNonText, hundredths, levels);
    if (levels.empty())
        levels = Localized(L"below every level", L"ниже всех уровней");
    return ratio + L":1 \u2014 " + levels;
}

std::wstring Widened(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

// "oklch(0.696 0.196 32.3) · tomato", or "· near tomato (ΔE 1.2)" for a colour without a name.
std::wstring NameLine(ColorRef color) {
    std::wstring line = Widened(CodeFormText(CodeForm::Oklch, color)) + L" \u00B7 ";
    if (const std::string_view name = CssName(color); !name.empty())
        return line + Widened(std::string(name));
    const NearestName nearest = NearestCssName(color);
    const long tenths = std::lround(nearest.distance * 10);
    return line + Localized(L"near ", L"близко к ") + Widened(std::string(nearest.name)) + L" (\u0394E " +
           std::to_wstring(tenths / 10) + Localized(L".", L",") + std::to_wstring(tenths % 10) + L")";
}

} // namespace

std::wstring PaneDescription(const std::vector<ColorRef>& colors, size_t pane, size_t active,
                             ColorNotation marked) {
    if (pane >= colors.size() || active >= colors.size())
        return {};
    const ColorRef color = colors[pane];
    std::wstring text =
        NotationName(marked) + (L": " + NotationText(marked, color)) + L"\n" + NameLine(color);
    if (pane == active)
        return text + Localized(L"\nOn white: ", L"\nНа белом: ") + Contrast(color, kWhite) +
               Localized(L"\nOn black: ", L"\nНа черном: ") + Contrast(color, kBlack);
    return text + Localized(L"\nContrast with pane ", L"\nКонтраст с панелью ") +
           std::to_wstring(active + 1) + L": " + Contrast(color, colors[active]);
}
