#include "PastedColor.h"

#include "CssColors.h"
#include "NotationInverse.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <type_traits>

namespace {

constexpr int kChannelMax = 255;
constexpr int kHueMax = 359;
constexpr int kPercentMax = 100;
constexpr int kColorMax = 0xFFFFFF;
// Longer than any colour text written with generous spaces inside: "rgba(255, 255, 255, 0.75)".
constexpr size_t kLongestColorText = 64;

bool IsDigit(wchar_t unit) {
    return unit >= L'0' && unit <= L'9';
}

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
    // Upper or lower case.
    bool TakeWord(std::wstring_view word) {
        SkipSpaces();
        if (rest.size() < word.size())
            return false;
        for (size_t i = 0; i < word.size(); ++i)
            if ((rest[i] | 0x20) != word[i])
                return false;
        rest.remove_prefix(word.size());
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
    // Digits with a fraction or without, or a fraction alone; a sign only where one may stand.
    bool Decimal(bool sign, double& value) {
        SkipSpaces();
        size_t length = sign && !rest.empty() && (rest[0] == L'-' || rest[0] == L'+') ? 1 : 0;
        const bool negative = length == 1 && rest[0] == L'-';
        value = 0;
        size_t digits = 0;
        for (; length < rest.size() && IsDigit(rest[length]); ++length, ++digits)
            value = value * 10 + (rest[length] - L'0');
        if (length + 1 < rest.size() && rest[length] == L'.' && IsDigit(rest[length + 1])) {
            double place = 1;
            for (++length; length < rest.size() && IsDigit(rest[length]); ++length, ++digits)
                value += (rest[length] - L'0') * (place /= 10);
        }
        if (digits == 0)
            return false;
        value = negative ? -value : value;
        rest.remove_prefix(length);
        return true;
    }
    // An alpha value, which is not used: one number, "0.5", "1" or "50%".
    bool Alpha() {
        double value = 0;
        if (!Decimal(false, value))
            return false;
        Take(L'%');
        return true;
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

// "#RGB", "#RRGGBB" or "RRGGBB", in either case.
std::optional<ColorRef> HexColor(std::wstring_view text) {
    const bool hash = !text.empty() && text.front() == L'#';
    if (hash)
        text.remove_prefix(1);
    if (text.size() != 6 && !(hash && text.size() == 3))
        return std::nullopt;
    std::array<int, 6> digits{};
    for (size_t i = 0; i < text.size(); ++i)
        if ((digits[i] = HexDigit(text[i])) < 0)
            return std::nullopt;
    if (text.size() == 3)
        return MakeColorRef(digits[0] * 17, digits[1] * 17, digits[2] * 17);
    return MakeColorRef(digits[0] * 16 + digits[1], digits[2] * 16 + digits[3], digits[4] * 16 + digits[5]);
}

// "rgb(r, g, b)" or "rgba(r, g, b, a)".
std::optional<ColorRef> CssColor(std::wstring_view text) {
    Cursor in(text);
    const bool alpha = in.TakeWord(L"rgba");
    if (!alpha && !in.TakeWord(L"rgb"))
        return std::nullopt;
    Values values{};
    if (!in.Take(L'(') || !ReadNumbers(in, {kChannelMax, kChannelMax, kChannelMax}, values))
        return std::nullopt;
    if ((alpha && !(in.Take(L',') && in.Alpha())) || !in.Take(L')') || !in.AtEnd())
        return std::nullopt;
    return MakeColorRef(values[0], values[1], values[2]);
}

// What a figure of a stylesheet's colour function may be.
enum class Figure {
    Hue,     // degrees, "deg" or not, any number of turns
    Percent, // 0% to 100%
    Amount,  // 0% to 100%, or 0 to 1 as a fraction; read as per cent
};
constexpr double kFullPercent = 100.0;

bool ReadFigure(Cursor& in, Figure kind, double& value) {
    if (kind == Figure::Hue) {
        if (!in.Decimal(true, value))
            return false;
        in.TakeWord(L"deg");
        return true;
    }
    if (!in.Decimal(false, value))
        return false;
    if (in.Take(L'%'))
        return value <= kFullPercent;
    value *= kFullPercent;
    return kind == Figure::Amount && value <= kFullPercent;
}

using Figures = std::array<double, 4>;

// "(a, b, c)" or "(a b c)", with an alpha after a comma or a slash that is not used.
std::optional<Figures> ReadFigures(Cursor& in, std::initializer_list<Figure> kinds) {
    Figures figures{};
    if (!in.Take(L'('))
        return std::nullopt;
    bool commas = false;
    size_t count = 0;
    for (Figure kind : kinds) {
        if (count == 1)
            commas = in.Take(L',');
        else if (count > 1 && commas && !in.Take(L','))
            return std::nullopt;
        if (!ReadFigure(in, kind, figures[count++]))
            return std::nullopt;
    }
    if (in.Take(commas ? L',' : L'/') && !in.Alpha())
        return std::nullopt;
    if (!in.Take(L')') || !in.AtEnd())
        return std::nullopt;
    return figures;
}

bool AllWhole(const Figures& figures) {
    for (double figure : figures)
        if (figure != std::floor(figure))
            return false;
    return true;
}

int Whole(double figure) {
    return static_cast<int>(figure);
}

// hsl() and hsla(), hwb() and device-cmyk(). In whole numbers, hsl() and device-cmyk() give a
// colour whose own text they are, so that what the copy for code writes comes back the same.
std::optional<ColorRef> FunctionColor(std::wstring_view text) {
    Cursor in(text);
    if (in.TakeWord(L"hsla") || in.TakeWord(L"hsl")) {
        auto hsl = ReadFigures(in, {Figure::Hue, Figure::Percent, Figure::Percent});
        if (!hsl)
            return std::nullopt;
        Figures& figures = *hsl;
        double& hue = figures[0];
        hue = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0);
        return AllWhole(figures) ? ColorWithHsl({Whole(hue), Whole(figures[1]), Whole(figures[2])})
                                 : HslToColor(hue, figures[1], figures[2]);
    }
    if (in.TakeWord(L"hwb")) {
        const auto hwb = ReadFigures(in, {Figure::Hue, Figure::Percent, Figure::Percent});
        return hwb ? std::optional<ColorRef>(HwbToColor((*hwb)[0], (*hwb)[1], (*hwb)[2])) : std::nullopt;
    }
    if (in.TakeWord(L"device-cmyk")) {
        const auto cmyk = ReadFigures(in, {Figure::Amount, Figure::Amount, Figure::Amount, Figure::Amount});
        if (!cmyk)
            return std::nullopt;
        const Figures& figures = *cmyk;
        return AllWhole(figures)
                   ? ColorWithCmyk({Whole(figures[0]), Whole(figures[1]), Whole(figures[2]), Whole(figures[3])})
                   : CmykToColor(figures[0], figures[1], figures[2], figures[3]);
    }
    return std::nullopt;
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
        return HexColor(text);
    case ColorNotation::Hsb:
        if (const auto v = NumberList(text, {kHueMax, kChannelMax, kChannelMax}))
            return ColorWithHsb({(*v)[0], (*v)[1], (*v)[2]});
        return std::nullopt;
    case ColorNotation::Cmyk:
        if (const auto v = NumberList(text, {kPercentMax, kPercentMax, kPercentMax, kPercentMax}))
            return ColorWithCmyk({(*v)[0], (*v)[1], (*v)[2], (*v)[3]});
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
    if (const auto hex = HexColor(*trimmed))
        return hex;
    if (const auto css = CssColor(*trimmed))
        return css;
    if (const auto function = FunctionColor(*trimmed))
        return function;
    if (const auto literal = LiteralColor(*trimmed))
        return literal;
    if (const auto named = NamedColor(*trimmed))
        return named;
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
