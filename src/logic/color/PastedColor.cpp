#include "PastedColor.h"

#include "ColorSpaces.h"
#include "CssColorReader.h"
#include "NotationInverse.h"

#include <array>
#include <initializer_list>
#include <string>
#include <type_traits>

namespace {

constexpr int kChannelMax = 255;
constexpr int kHueMax = 359;
constexpr int kPercentMax = 100;
constexpr int kColorMax = 0xFFFFFF;
// Longer than any colour text written with generous spaces inside, such as
// "color(display-p3 0.91234567 0.12345678 0.12345678 / 0.75)", and short enough to be read at once.
constexpr size_t kLongestColorText = 256;

bool IsSpace(wchar_t unit) {
    return unit == L' ' || unit == L'\t' || unit == L'\r' || unit == L'\n';
}

int HexDigit(wchar_t unit) {
    if (unit >= L'0' && unit <= L'9')
        return unit - L'0';
    if (unit >= L'A' && unit <= L'F')
        return unit - L'A' + 10;
    if (unit >= L'a' && unit <= L'f')
        return unit - L'a' + 10;
    return -1;
}

// Reads a text from the left; every step skips the spaces before what it takes.
class Cursor {
  public:
    explicit Cursor(std::wstring_view text) : rest(text) {}

    bool AtEnd() {
        SkipSpaces();
        return rest.empty();
    }
    bool Take(wchar_t unit) {
        SkipSpaces();
        if (rest.empty() || rest.front() != unit)
            return false;
        rest.remove_prefix(1);
        return true;
    }
    // Decimal digits, no sign, worth at most the limit.
    bool Number(int limit, int& value) {
        SkipSpaces();
        value = 0;
        size_t digits = 0;
        for (; digits < rest.size() && rest[digits] >= L'0' && rest[digits] <= L'9'; ++digits) {
            value = value * 10 + (rest[digits] - L'0');
            if (value > limit)
                return false;
        }
        rest.remove_prefix(digits);
        return digits > 0;
    }

  private:
    void SkipSpaces() {
        while (!rest.empty() && IsSpace(rest.front()))
            rest.remove_prefix(1);
    }

    std::wstring_view rest;
};

using Values = std::array<int, 4>;

// "a, b, c": as many numbers as limits, each at most its limit.
bool ReadNumbers(Cursor& in, std::initializer_list<int> limits, Values& values) {
    size_t count = 0;
    for (int limit : limits) {
        if (count > 0 && !in.Take(L','))
            return false;
        if (!in.Number(limit, values[count++]))
            return false;
    }
    return true;
}

// The numbers alone or in parentheses, and nothing else.
std::optional<Values> NumberList(std::wstring_view text, std::initializer_list<int> limits) {
    Cursor in(text);
    const bool open = in.Take(L'(');
    Values values{};
    if (!ReadNumbers(in, limits, values) || (open && !in.Take(L')')) || !in.AtEnd())
        return std::nullopt;
    return values;
}

std::optional<ColorRef> RgbList(std::wstring_view text) {
    const auto values = NumberList(text, {kChannelMax, kChannelMax, kChannelMax});
    if (!values)
        return std::nullopt;
    return MakeColorRef((*values)[0], (*values)[1], (*values)[2]);
}

// "RRGGBB", as the HEX row shows it, in either case; with a "#" it is a stylesheet's.
std::optional<ColorRef> BareHex(std::wstring_view text) {
    if (text.size() != 6)
        return std::nullopt;
    std::array<int, 6> digits{};
    for (size_t i = 0; i < text.size(); ++i)
        if ((digits[i] = HexDigit(text[i])) < 0)
            return std::nullopt;
    return MakeColorRef(digits[0] * 16 + digits[1], digits[2] * 16 + digits[3], digits[4] * 16 + digits[5]);
}

// A C literal of a COLORREF value, as the copy for code writes it: "0x003264C8".
std::optional<ColorRef> LiteralColor(std::wstring_view text) {
    if (text.size() < 3 || text[0] != L'0' || (text[1] | 0x20) != L'x' || text.size() > 10)
        return std::nullopt;
    std::uint32_t value = 0;
    for (wchar_t unit : text.substr(2)) {
        const int digit = HexDigit(unit);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    if (value > static_cast<std::uint32_t>(kColorMax))
        return std::nullopt;
    return ColorRef{value};
}

std::optional<ColorRef> OwnText(std::wstring_view text, ColorNotation marked) {
    switch (marked) {
    case ColorNotation::Rgb:
        return RgbList(text);
    case ColorNotation::Hex:
        return BareHex(text);
    case ColorNotation::Hsb:
        if (const auto v = NumberList(text, {kHueMax, kChannelMax, kChannelMax}))
            return ColorWithHsb({(*v)[0], (*v)[1], (*v)[2]});
        return std::nullopt;
    case ColorNotation::Cmyk:
        // The figures mean what device-cmyk() gives for them, as print tools write them; where
        // that colour shows other figures and some colour shows these, that one, so that every
        // text the panel shows comes back as itself.
        if (const auto v = NumberList(text, {kPercentMax, kPercentMax, kPercentMax, kPercentMax})) {
            const Values& inks = *v;
            auto fraction = [](int percent) { return percent / 100.0; };
            const ColorRef meant = ClippedColor(
                SrgbFromCmyk(fraction(inks[0]), fraction(inks[1]), fraction(inks[2]), fraction(inks[3])));
            return ColorWithCmyk({inks[0], inks[1], inks[2], inks[3]}, meant);
        }
        return std::nullopt;
    case ColorNotation::Colref:
    default:
        if (const auto v = NumberList(text, {kColorMax}))
            return static_cast<ColorRef>((*v)[0]);
        return std::nullopt;
    }
}

// The text without the spaces around it, as a short wide string; nothing when it is too long
// to be a colour.
template <typename Char> std::optional<std::wstring> ShortTrimmed(std::basic_string_view<Char> text) {
    auto unit = [](Char code) { return static_cast<wchar_t>(static_cast<std::make_unsigned_t<Char>>(code)); };
    size_t first = 0, last = text.size();
    while (first < last && IsSpace(unit(text[first])))
        ++first;
    while (last > first && IsSpace(unit(text[last - 1])))
        --last;
    if (last - first > kLongestColorText)
        return std::nullopt;
    std::wstring trimmed(last - first, L'\0');
    for (size_t i = first; i < last; ++i)
        trimmed[i - first] = unit(text[i]);
    return trimmed;
}

template <typename Char>
std::optional<ColorRef> ColorFromText(std::basic_string_view<Char> text, ColorNotation marked) {
    const std::optional<std::wstring> trimmed = ShortTrimmed(text);
    if (!trimmed)
        return std::nullopt;
    if (const auto own = OwnText(*trimmed, marked))
        return own;
    if (const auto hex = BareHex(*trimmed))
        return hex;
    if (const auto literal = LiteralColor(*trimmed))
        return literal;
    if (const auto css = ReadCssColor(*trimmed))
        return css;
    // HSB and CMYK have three or four numbers of their own.
    if (marked != ColorNotation::Hsb && marked != ColorNotation::Cmyk)
        return RgbList(*trimmed);
    return std::nullopt;
}

} // namespace

std::optional<ColorRef> PastedColor(std::wstring_view text, ColorNotation marked) {
    return ColorFromText(text, marked);
}

std::optional<ColorRef> PastedColor(std::string_view text, ColorNotation marked) {
    return ColorFromText(text, marked);
}
