#include "CssColorReader.h"

#include "ColorSpaces.h"
#include "CssColors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// The tokens of CSS Syntax that a colour is written with; whitespace and comments only keep
// tokens apart, and anything else, an escape among them, is Other and names no colour.
enum class TokenKind { Number, Percentage, Dimension, Ident, Function, Hash, Comma, Slash, Close, Other };

struct Token {
    TokenKind kind;
    double value = 0;       // Number, Percentage, Dimension
    std::wstring_view name; // Ident, Function, Hash: its name; Dimension: its unit
};

bool IsDigit(wchar_t unit) {
    return unit >= L'0' && unit <= L'9';
}

bool IsLetter(wchar_t unit) {
    return (unit >= L'a' && unit <= L'z') || (unit >= L'A' && unit <= L'Z');
}

bool IsWhitespace(wchar_t unit) {
    return unit == L' ' || unit == L'\t' || unit == L'\n' || unit == L'\r' || unit == L'\f';
}

bool IsNameStart(wchar_t unit) {
    return IsLetter(unit) || unit == L'_' || unit >= 0x80;
}

bool IsNameUnit(wchar_t unit) {
    return IsNameStart(unit) || IsDigit(unit) || unit == L'-';
}

bool SameWord(std::wstring_view text, std::wstring_view lowerWord) {
    return text.size() == lowerWord.size() &&
           std::equal(text.begin(), text.end(), lowerWord.begin(), [](wchar_t unit, wchar_t lower) {
               return (IsLetter(unit) ? (unit | 0x20) : unit) == lower;
           });
}

class Tokenizer {
  public:
    explicit Tokenizer(std::wstring_view source) : text(source) {}

    // The tokens of the whole text, or nothing when one of them is not a colour's.
    std::optional<std::vector<Token>> All() {
        std::vector<Token> tokens;
        while (SkipSpacesAndComments()) {
            tokens.push_back(Next());
            if (tokens.back().kind == TokenKind::Other)
                return std::nullopt;
        }
        return tokens;
    }

  private:
    wchar_t At(size_t offset) const {
        return position + offset < text.size() ? text[position + offset] : L'\0';
    }
    // Whether the units from the offset on start an identifier.
    bool StartsName(size_t offset) const {
        return IsNameStart(At(offset)) ||
               (At(offset) == L'-' && (IsNameStart(At(offset + 1)) || At(offset + 1) == L'-'));
    }
    bool StartsNumber() const {
        const size_t sign = At(0) == L'+' || At(0) == L'-' ? 1 : 0;
        return IsDigit(At(sign)) || (At(sign) == L'.' && IsDigit(At(sign + 1)));
    }
    std::wstring_view TakeName() {
        const size_t start = position;
        while (position < text.size() && IsNameUnit(text[position]))
            ++position;
        return text.substr(start, position - start);
    }
    // False at the end of the text. An unclosed comment runs to the end, as CSS reads it.
    bool SkipSpacesAndComments() {
        for (;;) {
            if (position < text.size() && IsWhitespace(text[position])) {
                ++position;
            } else if (At(0) == L'/' && At(1) == L'*') {
                const size_t end = text.find(L"*/", position + 2);
                position = end == std::wstring_view::npos ? text.size() : end + 2;
            } else {
                return position < text.size();
            }
        }
    }
    void SkipDigits() {
        while (IsDigit(At(0)))
            ++position;
    }
    Token Numeric() {
        const size_t start = position;
        if (At(0) == L'+' || At(0) == L'-')
            ++position;
        SkipDigits();
        if (At(0) == L'.' && IsDigit(At(1))) {
            ++position;
            SkipDigits();
        }
        const wchar_t exponent = At(0);
        if ((exponent == L'e' || exponent == L'E') &&
            (IsDigit(At(1)) || ((At(1) == L'+' || At(1) == L'-') && IsDigit(At(2))))) {
            position += 2;
            SkipDigits();
        }
        Token token{TokenKind::Number, 0, {}};
        if (!Value(text.substr(start, position - start), token.value))
            return {TokenKind::Other, 0, {}};
        if (StartsName(0)) {
            token.kind = TokenKind::Dimension;
            token.name = TakeName();
        } else if (At(0) == L'%') {
            token.kind = TokenKind::Percentage;
            ++position;
        }
        return token;
    }
    // The nearest double, as every text Tintra writes must read back exactly. A number beyond
    // what a double holds names nothing; one too small for it is 0.
    static bool Value(std::wstring_view digits, double& value) {
        if (digits.front() == L'+')
            digits.remove_prefix(1);
        std::string narrow(digits.begin(), digits.end()); // only ASCII units make up a number
        const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
        if (error == std::errc::result_out_of_range) {
            const size_t exponent = narrow.find_first_of("eE");
            value = 0;
            return exponent != std::string::npos && narrow[exponent + 1] == '-';
        }
        return error == std::errc() && end == narrow.data() + narrow.size();
    }
    Token Next() {
        if (StartsNumber())
            return Numeric();
        if (StartsName(0)) {
            const std::wstring_view name = TakeName();
            if (At(0) != L'(')
                return {TokenKind::Ident, 0, name};
            ++position;
            return {TokenKind::Function, 0, name};
        }
        const wchar_t unit = text[position++];
        switch (unit) {
        case L'#':
            return {TokenKind::Hash, 0, TakeName()};
        case L',':
            return {TokenKind::Comma, 0, {}};
        case L'/':
            return {TokenKind::Slash, 0, {}};
        case L')':
            return {TokenKind::Close, 0, {}};
        default:
            return {TokenKind::Other, 0, {}};
        }
    }

    std::wstring_view text;
    size_t position = 0;
};

std::optional<ColorRef> HashColor(std::wstring_view digits) {
    if (digits.size() != 3 && digits.size() != 4 && digits.size() != 6 && digits.size() != 8)
        return std::nullopt;
    std::array<int, 8> values{};
    for (size_t i = 0; i < digits.size(); ++i) {
        const wchar_t unit = digits[i];
        if (IsDigit(unit))
            values[i] = unit - L'0';
        else if ((unit | 0x20) >= L'a' && (unit | 0x20) <= L'f')
            values[i] = (unit | 0x20) - L'a' + 10;
        else
            return std::nullopt;
    }
    // Alpha, in the fourth or the last two digits, is not used.
    if (digits.size() <= 4)
        return MakeColorRef(values[0] * 17, values[1] * 17, values[2] * 17);
    return MakeColorRef(values[0] * 16 + values[1], values[2] * 16 + values[3], values[4] * 16 + values[5]);
}

// A function's arguments: its figures, and whether they were written in the legacy form with
// commas, where an alpha is the fourth figure; in the modern form it follows a slash.
struct Arguments {
    std::vector<Token> figures;
    bool legacy = false;
    bool alpha = false;
};

bool IsNone(const Token& token) {
    return token.kind == TokenKind::Ident && SameWord(token.name, L"none");
}

bool IsFigure(const Token& token) {
    return token.kind == TokenKind::Number || token.kind == TokenKind::Percentage ||
           token.kind == TokenKind::Dimension || token.kind == TokenKind::Ident;
}

std::optional<Arguments> SplitArguments(const std::vector<Token>& tokens) {
    Arguments arguments;
    arguments.legacy = std::any_of(tokens.begin(), tokens.end(),
                                   [](const Token& token) { return token.kind == TokenKind::Comma; });
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (arguments.legacy) {
            // a, b, c: a comma between each two figures and nowhere else
            if ((i % 2 == 0) != IsFigure(token) || (i % 2 == 1 && token.kind != TokenKind::Comma))
                return std::nullopt;
        } else if (token.kind == TokenKind::Slash) {
            // One slash, and one figure after it.
            if (arguments.alpha || arguments.figures.empty() || i + 2 != tokens.size())
                return std::nullopt;
            arguments.alpha = true;
            continue;
        } else if (!IsFigure(token)) {
            return std::nullopt;
        }
        if (IsFigure(token))
            arguments.figures.push_back(token);
    }
    if (tokens.empty() || !IsFigure(tokens.back()))
        return std::nullopt;
    return arguments;
}

// What a figure may be, and what 100% of it is worth.
struct FigureRule {
    bool numbers;
    bool percentages;
    double fullPercent;
};

// Nothing where the token is not what the rule lets it be; none, where the modern form lets
// it stand, is 0, as a missing figure is for the conversion.
std::optional<double> Figure(const Token& token, const FigureRule& rule, bool legacy) {
    if (IsNone(token) && !legacy)
        return 0.0;
    if (token.kind == TokenKind::Number && rule.numbers)
        return token.value;
    // A per cent of what is itself counted in per cents is taken as it is, with no arithmetic
    // that could move it by a hair from the number a writer meant.
    if (token.kind == TokenKind::Percentage && rule.percentages)
        return rule.fullPercent == 100 ? token.value : token.value * rule.fullPercent / 100;
    return std::nullopt;
}

// Degrees, from a number or any unit of angle.
std::optional<double> Hue(const Token& token, bool legacy) {
    if (IsNone(token) && !legacy)
        return 0.0;
    if (token.kind == TokenKind::Number)
        return token.value;
    if (token.kind != TokenKind::Dimension)
        return std::nullopt;
    constexpr struct {
        std::wstring_view unit;
        double degrees;
    } kAngles[] = {{L"deg", 1}, {L"grad", 0.9}, {L"rad", 180 / kPi}, {L"turn", 360}};
    for (const auto& angle : kAngles)
        if (SameWord(token.name, angle.unit))
            return token.value * angle.degrees;
    return std::nullopt;
}

bool AlphaFits(const Arguments& arguments, size_t figureCount) {
    const bool hasAlpha = arguments.figures.size() == figureCount + 1;
    if (arguments.figures.size() != figureCount && !hasAlpha)
        return false;
    if (!arguments.legacy && hasAlpha != arguments.alpha)
        return false;
    return !hasAlpha || Figure(arguments.figures.back(), {true, true, 1}, arguments.legacy).has_value();
}

using Figures = std::array<double, 4>;

// The figures by the rules, the first three or all four; hue figures as degrees.
template <size_t Count>
std::optional<Figures> ReadFigures(const Arguments& arguments,
                                   const std::array<std::optional<FigureRule>, Count>& rules) {
    if (!AlphaFits(arguments, Count))
        return std::nullopt;
    Figures figures{};
    for (size_t i = 0; i < Count; ++i) {
        const Token& token = arguments.figures[i];
        const std::optional<double> figure =
            rules[i] ? Figure(token, *rules[i], arguments.legacy) : Hue(token, arguments.legacy);
        if (!figure)
            return std::nullopt;
        figures[i] = *figure;
    }
    return figures;
}

constexpr std::optional<FigureRule> kHue{};
constexpr FigureRule kPercentOrNumber{true, true, 100};
constexpr FigureRule kPercentOnly{false, true, 100};

std::optional<ColorRef> Finite(const Coordinates& srgb) {
    if (!std::all_of(srgb.begin(), srgb.end(), [](double figure) { return std::isfinite(figure); }))
        return std::nullopt;
    return ClippedColor(srgb);
}

// Channels 0..255 or 0%..100%, clamped; rounded on the scale of the levels, so that a half
// of one, as rgb(127.5 0 0) or 50% is, goes up.
std::optional<ColorRef> RgbFunction(const Arguments& arguments) {
    const auto figures = ReadFigures<3>(
        arguments, {FigureRule{true, true, 255}, FigureRule{true, true, 255}, FigureRule{true, true, 255}});
    if (!figures)
        return std::nullopt;
    // Legacy channels are all numbers or all per cents.
    if (arguments.legacy &&
        !std::all_of(arguments.figures.begin(), arguments.figures.begin() + 3,
                     [&](const Token& token) { return token.kind == arguments.figures[0].kind; }))
        return std::nullopt;
    auto level = [](double channel) {
        return static_cast<int>(std::floor(std::clamp(channel, 0.0, 255.0) + 0.5));
    };
    return MakeColorRef(level((*figures)[0]), level((*figures)[1]), level((*figures)[2]));
}

std::optional<ColorRef> HslFunction(const Arguments& arguments) {
    const FigureRule amount = arguments.legacy ? kPercentOnly : kPercentOrNumber;
    const auto figures = ReadFigures<3>(arguments, {kHue, amount, amount});
    if (!figures)
        return std::nullopt;
    // CSS clamps only a negative saturation; what else falls outside sRGB is clipped.
    return Finite(SrgbFromHsl((*figures)[0], std::max(0.0, (*figures)[1]), (*figures)[2]));
}

std::optional<ColorRef> HwbFunction(const Arguments& arguments) {
    const auto figures = ReadFigures<3>(arguments, {kHue, kPercentOrNumber, kPercentOrNumber});
    return figures ? Finite(SrgbFromHwb((*figures)[0], (*figures)[1], (*figures)[2])) : std::nullopt;
}

std::optional<ColorRef> MappedLinear(const Coordinates& linear) {
    return GamutMappedColor(SrgbFromLinear(linear));
}

// lab() and oklab(), lch() and oklch(): the lightness clamped to its range and the chroma to
// 0 and up; 100% of L is its top, of a and b and the chroma what CSS makes it.
std::optional<ColorRef> LabFunction(const Arguments& arguments, bool ok, bool polar) {
    const double top = ok ? 1 : 100;
    const FigureRule lightness{true, true, top};
    const FigureRule axis{true, true, ok ? 0.4 : 125};
    const FigureRule chroma{true, true, ok ? 0.4 : 150};
    const auto figures = polar ? ReadFigures<3>(arguments, {lightness, chroma, kHue})
                               : ReadFigures<3>(arguments, {lightness, axis, axis});
    if (!figures)
        return std::nullopt;
    Coordinates lab = {std::clamp((*figures)[0], 0.0, top), (*figures)[1], (*figures)[2]};
    if (polar)
        lab = RectangularFromPolar({lab[0], std::max(0.0, lab[1]), lab[2]});
    return MappedLinear(ok ? LinearFromOklab(lab) : LinearFromLab(lab));
}

std::optional<ColorRef> ColorFunction(Arguments arguments) {
    if (arguments.figures.empty() || arguments.figures.front().kind != TokenKind::Ident)
        return std::nullopt;
    const std::wstring_view name = arguments.figures.front().name;
    arguments.figures.erase(arguments.figures.begin());
    const FigureRule figure{true, true, 1};
    const auto figures = ReadFigures<3>(arguments, {figure, figure, figure});
    if (!figures)
        return std::nullopt;
    const Coordinates given = {(*figures)[0], (*figures)[1], (*figures)[2]};
    if (SameWord(name, L"srgb"))
        return GamutMappedColor(given);
    constexpr struct {
        std::wstring_view name;
        PredefinedSpace space;
    } kSpaces[] = {
        {L"srgb-linear", PredefinedSpace::SrgbLinear}, {L"display-p3", PredefinedSpace::DisplayP3},
        {L"a98-rgb", PredefinedSpace::A98Rgb},         {L"prophoto-rgb", PredefinedSpace::ProphotoRgb},
        {L"rec2020", PredefinedSpace::Rec2020},        {L"xyz", PredefinedSpace::XyzD65},
        {L"xyz-d50", PredefinedSpace::XyzD50},         {L"xyz-d65", PredefinedSpace::XyzD65}};
    for (const auto& space : kSpaces)
        if (SameWord(name, space.name))
            return MappedLinear(LinearFromPredefined(space.space, given));
    return std::nullopt;
}

// The legacy form is four bare numbers without an alpha; inks are clamped to 0..1.
std::optional<ColorRef> DeviceCmykFunction(const Arguments& arguments) {
    const FigureRule ink = arguments.legacy ? FigureRule{true, false, 1} : FigureRule{true, true, 1};
    const auto figures = ReadFigures<4>(arguments, {ink, ink, ink, ink});
    if (!figures || (arguments.legacy && arguments.figures.size() != 4))
        return std::nullopt;
    auto clamped = [&](size_t index) { return std::clamp((*figures)[index], 0.0, 1.0); };
    return ClippedColor(SrgbFromCmyk(clamped(0), clamped(1), clamped(2), clamped(3)));
}

// Only rgb(), rgba(), hsl(), hsla() and device-cmyk() have a legacy form.
std::optional<ColorRef> FunctionColor(std::wstring_view name, const Arguments& arguments) {
    if (SameWord(name, L"rgb") || SameWord(name, L"rgba"))
        return RgbFunction(arguments);
    if (SameWord(name, L"hsl") || SameWord(name, L"hsla"))
        return HslFunction(arguments);
    if (SameWord(name, L"device-cmyk"))
        return DeviceCmykFunction(arguments);
    if (arguments.legacy)
        return std::nullopt;
    if (SameWord(name, L"hwb"))
        return HwbFunction(arguments);
    if (SameWord(name, L"color"))
        return ColorFunction(arguments);
    constexpr struct {
        std::wstring_view name;
        bool ok, polar;
    } kLabFunctions[] = {
        {L"lab", false, false}, {L"lch", false, true}, {L"oklab", true, false}, {L"oklch", true, true}};
    for (const auto& function : kLabFunctions)
        if (SameWord(name, function.name))
            return LabFunction(arguments, function.ok, function.polar);
    return std::nullopt;
}

} // namespace

std::optional<ColorRef> ReadCssColor(std::wstring_view text) {
    const std::optional<std::vector<Token>> tokens = Tokenizer(text).All();
    if (!tokens || tokens->empty())
        return std::nullopt;
    const Token& first = tokens->front();
    if (tokens->size() == 1 && first.kind == TokenKind::Ident)
        return NamedColor(first.name);
    if (tokens->size() == 1 && first.kind == TokenKind::Hash)
        return HashColor(first.name);
    if (first.kind != TokenKind::Function || tokens->back().kind != TokenKind::Close)
        return std::nullopt;
    const std::vector<Token> inside(tokens->begin() + 1, tokens->end() - 1);
    const std::optional<Arguments> arguments = SplitArguments(inside);
    return arguments ? FunctionColor(first.name, *arguments) : std::nullopt;
}
