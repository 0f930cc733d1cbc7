#include "CodeForms.h"

#include "ColorSpaces.h"
#include "CssColors.h"
#include "../Language.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace {

constexpr int kMostDecimals = 6;
constexpr double kPowersOfTen[kMostDecimals + 1] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};

// A figure as written: a whole number of units of 10^-decimals. Its value is the quotient of
// two doubles that hold them exactly, so it is the double nearest to the decimal text, which
// is what a reader of the text takes.
struct Written {
    long long units;
    int decimals;
    double Value() const { return static_cast<double>(units) / kPowersOfTen[decimals]; }
};

// A hue that rounds to a full turn is written as 0, which names the same.
Written Rounded(double exact, int decimals, bool hue) {
    Written written{std::llround(exact * kPowersOfTen[decimals]), decimals};
    if (hue && written.units == 360 * static_cast<long long>(kPowersOfTen[decimals]))
        written.units = 0;
    return written;
}

// Its text, without trailing zeros after the point.
void Append(std::string& text, Written figure) {
    while (figure.decimals > 0 && figure.units % 10 == 0) {
        figure.units /= 10;
        --figure.decimals;
    }
    if (figure.units < 0)
        text += '-';
    const unsigned long long magnitude = figure.units < 0
                                             ? 0ull - static_cast<unsigned long long>(figure.units)
                                             : static_cast<unsigned long long>(figure.units);
    char digits[24];
    const auto scale = static_cast<unsigned long long>(kPowersOfTen[figure.decimals]);
    char* end = std::to_chars(digits, digits + sizeof digits, magnitude / scale).ptr;
    if (figure.decimals > 0) {
        *end++ = '.';
        // The fraction with its leading zeros: the digits of scale + fraction without the 1.
        char fraction[24];
        char* fractionEnd =
            std::to_chars(fraction, fraction + sizeof fraction, scale + magnitude % scale).ptr;
        for (const char* digit = fraction + 1; digit < fractionEnd; ++digit)
            *end++ = *digit;
    }
    text.append(digits, end);
}

template <size_t N> using Figures = std::array<double, N>;

// The figures with the fewest decimals that still name the colour: all of them at the fewest
// that do, then each on its own with fewer while the others keep theirs.
template <size_t N, typename Names>
std::array<Written, N> Fewest(const Figures<N>& exact, int hueIndex, Names names) {
    auto rounded = [&](size_t index, int decimals) {
        return Rounded(exact[index], decimals, static_cast<int>(index) == hueIndex);
    };
    auto named = [&](const std::array<Written, N>& written) {
        Figures<N> values{};
        for (size_t i = 0; i < N; ++i)
            values[i] = written[i].Value();
        return names(values);
    };
    std::array<Written, N> best{};
    for (int decimals = 0; decimals <= kMostDecimals; ++decimals) {
        for (size_t i = 0; i < N; ++i)
            best[i] = rounded(i, decimals);
        if (named(best))
            break;
    }
    for (size_t i = 0; i < N; ++i)
        for (int decimals = 0; decimals < best[i].decimals; ++decimals) {
            std::array<Written, N> fewer = best;
            fewer[i] = rounded(i, decimals);
            if (named(fewer)) {
                best = fewer;
                break;
            }
        }
    return best;
}

// A figure that names a level must land this far inside its half-level on either side, so that
// another reader's arithmetic, which may differ in the last bit, rounds it the same way.
constexpr double kMargin = 1e-6;

bool NamesLevels(const Coordinates& srgb, ColorRef color) {
    const int levels[] = {RedOf(color), GreenOf(color), BlueOf(color)};
    for (size_t i = 0; i < srgb.size(); ++i) {
        const double scaled = srgb[i] * 255;
        if (!(scaled > levels[i] - 0.5 + kMargin && scaled < levels[i] + 0.5 - kMargin))
            return false;
    }
    return true;
}

// The same in linear light, which spares the gamma curve for most trials of lab() and oklch().
// A channel of 0 or 255 may lie outside sRGB by less than half a level: gamut mapping clips it,
// which the reader's own mapping then confirms.
struct LinearBounds {
    std::array<double, 256> low, high;
};
const LinearBounds& Bounds() {
    static const LinearBounds kBounds = [] {
        LinearBounds bounds{};
        for (int level = 0; level < 256; ++level) {
            bounds.low[level] = LinearFromSrgb({(level - 0.5 + kMargin) / 255, 0, 0})[0];
            bounds.high[level] = LinearFromSrgb({(level + 0.5 - kMargin) / 255, 0, 0})[0];
        }
        return bounds;
    }();
    return kBounds;
}

bool NamesLinear(const Coordinates& linear, ColorRef color) {
    const LinearBounds& bounds = Bounds();
    const int levels[] = {RedOf(color), GreenOf(color), BlueOf(color)};
    bool inside = true;
    for (size_t i = 0; i < linear.size(); ++i) {
        if (!(linear[i] >= bounds.low[levels[i]] && linear[i] <= bounds.high[levels[i]]))
            return false;
        inside = inside && linear[i] >= 0 && linear[i] <= 1;
    }
    return inside || GamutMappedColor(SrgbFromLinear(linear)) == color;
}

template <size_t N>
std::string FunctionText(const char* name, const std::array<Written, N>& figures,
                         const char* const (&after)[N]) {
    std::string text = name;
    text += '(';
    for (size_t i = 0; i < N; ++i) {
        Append(text, figures[i]);
        text += after[i];
    }
    return text;
}

std::string HslText(ColorRef color) {
    const Coordinates exact = HslOf(color);
    const auto figures = Fewest<3>(exact, 0, [color](const Figures<3>& hsl) {
        return NamesLevels(SrgbFromHsl(hsl[0], hsl[1], hsl[2]), color);
    });
    return FunctionText("hsl", figures, {", ", "%, ", "%)"});
}

std::string HwbText(ColorRef color) {
    const Coordinates exact = HwbOf(color);
    const auto figures = Fewest<3>(exact, 0, [color](const Figures<3>& hwb) {
        return NamesLevels(SrgbFromHwb(hwb[0], hwb[1], hwb[2]), color);
    });
    return FunctionText("hwb", figures, {" ", "% ", "%)"});
}

std::string DeviceCmykText(ColorRef color) {
    const Coordinates srgb = SrgbOf(color);
    const double max = std::max({srgb[0], srgb[1], srgb[2]});
    auto ink = [max](double channel) { return max == 0 ? 0 : (max - channel) / max * 100; };
    const Figures<4> exact = {ink(srgb[0]), ink(srgb[1]), ink(srgb[2]), (1 - max) * 100};
    // In per cent, as device-cmyk() reads them: each a hundredth of the figure.
    const auto figures = Fewest<4>(exact, -1, [color](const Figures<4>& cmyk) {
        return NamesLevels(SrgbFromCmyk(cmyk[0] / 100, cmyk[1] / 100, cmyk[2] / 100, cmyk[3] / 100), color);
    });
    return FunctionText("device-cmyk", figures, {"% ", "% ", "% ", "%)"});
}

std::string LabText(ColorRef color) {
    const Coordinates exact = LabFromLinear(LinearOf(color));
    const auto figures = Fewest<3>(
        exact, -1, [color](const Figures<3>& lab) { return NamesLinear(LinearFromLab(lab), color); });
    return FunctionText("lab", figures, {" ", " ", ")"});
}

std::string OklchText(ColorRef color) {
    const Coordinates exact = PolarFromRectangular(OklabOf(color));
    // The trials mostly share a hue: its cosine and sine once for each, as RectangularFromPolar
    // gives them.
    double hue = std::nan(""), cosine = 0, sine = 0;
    auto figures = Fewest<3>(exact, 2, [&](const Figures<3>& oklch) {
        // The lightness at 0 or 1 is black or white whatever the rest says: only they may have it.
        const bool black = color == MakeColorRef(0, 0, 0), white = color == MakeColorRef(255, 255, 255);
        if ((oklch[0] <= 0 && !black) || (oklch[0] >= 1 && !white))
            return false;
        if (oklch[2] != hue) {
            hue = oklch[2];
            const Coordinates unit = RectangularFromPolar({0, 1, hue});
            cosine = unit[1];
            sine = unit[2];
        }
        return NamesLinear(LinearFromOklab({oklch[0], oklch[1] * cosine, oklch[1] * sine}), color);
    });
    // Without chroma the hue counts for nothing: 0 says so.
    if (figures[1].units == 0)
        figures[2] = {0, 0};
    return FunctionText("oklch", figures, {" ", " ", ")"});
}

std::string ChannelList(const char* name, ColorRef color) {
    char text[32];
    std::snprintf(text, sizeof text, "%s(%d, %d, %d)", name, RedOf(color), GreenOf(color), BlueOf(color));
    return text;
}

} // namespace

std::string CodeFormText(CodeForm form, ColorRef color) {
    char text[16];
    switch (form) {
    case CodeForm::Hex:
        std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(color), GreenOf(color), BlueOf(color));
        return text;
    case CodeForm::Rgb:
        return ChannelList("rgb", color);
    case CodeForm::Hsl:
        return HslText(color);
    case CodeForm::Hwb:
        return HwbText(color);
    case CodeForm::Oklch:
        return OklchText(color);
    case CodeForm::Lab:
        return LabText(color);
    case CodeForm::DeviceCmyk:
        return DeviceCmykText(color);
    case CodeForm::Colorref:
        std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(color));
        return text;
    case CodeForm::Win32Rgb:
        return ChannelList("RGB", color);
    case CodeForm::Name:
    default:
        return std::string(CssName(color));
    }
}

std::vector<CodeForm> CopyAsForms(ColorRef color) {
    std::vector<CodeForm> forms = {CodeForm::Hex,        CodeForm::Rgb,      CodeForm::Hsl,
                                   CodeForm::Hwb,        CodeForm::Oklch,    CodeForm::Lab,
                                   CodeForm::DeviceCmyk, CodeForm::Colorref, CodeForm::Win32Rgb};
    if (!CssName(color).empty())
        forms.push_back(CodeForm::Name);
    return forms;
}

const wchar_t* CodeFormLabel(CodeForm form) {
    constexpr const wchar_t* kLabels[] = {L"HEX",       L"CSS rgb", L"CSS hsl",         L"CSS hwb",
                                          L"CSS oklch", L"CSS lab", L"CSS device-cmyk", L"COLORREF",
                                          L"Win32 RGB"};
    const auto index = static_cast<size_t>(form);
    return index < std::size(kLabels) ? kLabels[index] : Localized(L"CSS name", L"имя CSS");
}
