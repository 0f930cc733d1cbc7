#include "logic/Language.h"
#include "logic/color/ClipboardText.h"
#include "logic/color/CodeForms.h"

#include "EveryColor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <optional>
#include <string_view>

namespace {

constexpr ColorRef kTomato = MakeColorRef(255, 99, 71);
constexpr double kPi = 3.14159265358979323846;

TEST(CodeForms, TomatoInEveryFormWithItsLabel) {
    const struct {
        CodeForm form;
        const char* text;
        const wchar_t* label;
    } rows[] = {
        {CodeForm::Hex, "#FF6347", L"HEX"},
        {CodeForm::Rgb, "rgb(255, 99, 71)", L"CSS rgb"},
        {CodeForm::Hsl, "hsl(9, 100%, 64%)", L"CSS hsl"},
        {CodeForm::Hwb, "hwb(9 28% 0%)", L"CSS hwb"},
        {CodeForm::Oklch, "oklch(0.696 0.196 32.3)", L"CSS oklch"},
        {CodeForm::Lab, "lab(63 59.4 48)", L"CSS lab"},
        {CodeForm::DeviceCmyk, "device-cmyk(0% 61% 72% 0%)", L"CSS device-cmyk"},
        {CodeForm::Colorref, "0x004763FF", L"COLORREF"},
        {CodeForm::Win32Rgb, "RGB(255, 99, 71)", L"Win32 RGB"},
        {CodeForm::Name, "tomato", L"CSS name"},
    };
    std::vector<CodeForm> forms;
    for (const auto& row : rows) {
        EXPECT_EQ(CodeFormText(row.form, kTomato), row.text);
        EXPECT_STREQ(CodeFormLabel(row.form), row.label);
        forms.push_back(row.form);
    }
    EXPECT_EQ(CopyAsForms(kTomato), forms);
    SetRussian(true);
    EXPECT_STREQ(CodeFormLabel(CodeForm::Name), L"имя CSS");
    EXPECT_STREQ(CodeFormLabel(CodeForm::Hsl), L"CSS hsl");
    SetRussian(false);
    // A colour without a name has no Name item; of two names for one colour, the first.
    forms.pop_back();
    EXPECT_EQ(CopyAsForms(MakeColorRef(255, 99, 72)), forms);
    EXPECT_EQ(CodeFormText(CodeForm::Name, MakeColorRef(255, 99, 72)), "");
    EXPECT_EQ(CodeFormText(CodeForm::Name, MakeColorRef(0, 255, 255)), "aqua");
    EXPECT_EQ(CodeFormText(CodeForm::Name, MakeColorRef(128, 128, 128)), "gray");
}

// The proof reads the texts back with the conversions of CSS Color 4 and 5 as those
// specifications write them out, here again, never with the program's own.
using Triple = std::array<double, 3>;

Triple Times(const double (&m)[3][3], const Triple& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

constexpr double kXyzToLinSrgb[3][3] = {{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                                        {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                                        {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}};
constexpr double kLinSrgbToXyz[3][3] = {{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                                        {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                                        {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}};
constexpr double kD50ToD65[3][3] = {{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                                    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                                    {0.012314014864481998, -0.020507649298898964, 1.330365926242124}};
constexpr double kLmsToXyz[3][3] = {{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                                    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                                    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}};
constexpr double kOklabToLms[3][3] = {{1.0, 0.3963377773761749, 0.2158037573099136},
                                      {1.0, -0.1055613458156586, -0.0638541728258133},
                                      {1.0, -0.0894841775298119, -1.2914855480194092}};
constexpr double kXyzToLms[3][3] = {{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                                    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                                    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}};
constexpr double kLmsToOklab[3][3] = {{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                                      {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                                      {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}};

Triple HslToRgb(double hue, double sat, double light) {
    hue = std::fmod(hue, 360);
    if (hue < 0)
        hue += 360;
    sat /= 100;
    light /= 100;
    auto f = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12);
        const double a = sat * std::min(light, 1 - light);
        return light - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {f(0), f(8), f(4)};
}

Triple HwbToRgb(double hue, double white, double black) {
    white /= 100;
    black /= 100;
    if (white + black >= 1)
        return {white / (white + black), white / (white + black), white / (white + black)};
    Triple rgb = HslToRgb(hue, 100, 50);
    for (double& channel : rgb)
        channel = channel * (1 - white - black) + white;
    return rgb;
}

Triple SrgbToLin(Triple rgb) {
    for (double& v : rgb)
        v = std::fabs(v) <= 0.04045 ? v / 12.92 : std::copysign(std::pow((std::fabs(v) + 0.055) / 1.055, 2.4), v);
    return rgb;
}

Triple LinToSrgb(Triple rgb) {
    for (double& v : rgb)
        v = std::fabs(v) > 0.0031308 ? std::copysign(1.055 * std::pow(std::fabs(v), 1 / 2.4) - 0.055, v) : 12.92 * v;
    return rgb;
}

Triple LinSrgbToOklab(const Triple& rgb) {
    Triple lms = Times(kXyzToLms, Times(kLinSrgbToXyz, rgb));
    for (double& c : lms)
        c = std::cbrt(c);
    return Times(kLmsToOklab, lms);
}

Triple OklabToLinSrgb(const Triple& oklab) {
    Triple lms = Times(kOklabToLms, oklab);
    for (double& c : lms)
        c = c * c * c;
    return Times(kXyzToLinSrgb, Times(kLmsToXyz, lms));
}

Triple LabToLinSrgb(const Triple& lab) {
    constexpr double kappa = 24389.0 / 27, epsilon = 216.0 / 24389;
    constexpr Triple d50 = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
    const double f1 = (lab[0] + 16) / 116, f0 = lab[1] / 500 + f1, f2 = f1 - lab[2] / 200;
    const Triple xyz = {std::pow(f0, 3) > epsilon ? std::pow(f0, 3) : (116 * f0 - 16) / kappa,
                        lab[0] > kappa * epsilon ? std::pow((lab[0] + 16) / 116, 3) : lab[0] / kappa,
                        std::pow(f2, 3) > epsilon ? std::pow(f2, 3) : (116 * f2 - 16) / kappa};
    return Times(kXyzToLinSrgb, Times(kD50ToD65, {xyz[0] * d50[0], xyz[1] * d50[1], xyz[2] * d50[2]}));
}

ColorRef Rounded(const Triple& srgb) {
    auto level = [](double v) { return static_cast<int>(std::floor(std::clamp(v, 0.0, 1.0) * 255 + 0.5)); };
    return MakeColorRef(level(srgb[0]), level(srgb[1]), level(srgb[2]));
}

// Gamut mapping as far as a text for code may need it: lightness 1 or more is white, 0 or less
// black, and a colour outside sRGB is clipped when clipping moves it less than the just
// noticeable difference. One that would need its chroma reduced names nothing here.
std::optional<ColorRef> Shown(const Triple& linear, double oklabLightness) {
    if (oklabLightness >= 1)
        return MakeColorRef(255, 255, 255);
    if (oklabLightness <= 0)
        return MakeColorRef(0, 0, 0);
    const Triple srgb = LinToSrgb(linear);
    Triple clipped = srgb;
    for (double& v : clipped)
        v = std::clamp(v, 0.0, 1.0);
    if (clipped == srgb)
        return Rounded(srgb);
    const Triple a = LinSrgbToOklab(linear), b = LinSrgbToOklab(SrgbToLin(clipped));
    if (std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]) >= 0.02)
        return std::nullopt;
    return Rounded(clipped);
}

// The figures of a text of the given shape, where each '#' stands for a number: digits, a point
// and more digits, no trailing zero after it; the most decimals any figure has.
struct Parsed {
    std::array<double, 4> figures{};
    int decimals = 0;
};

std::optional<Parsed> Parse(std::string_view text, std::string_view shape) {
    Parsed parsed;
    size_t at = 0, figure = 0;
    for (char expected : shape) {
        if (expected != '#') {
            if (at >= text.size() || text[at++] != expected)
                return std::nullopt;
            continue;
        }
        const bool negative = at < text.size() && text[at] == '-';
        at += negative ? 1 : 0;
        double whole = 0, scale = 1;
        int decimals = -1;
        const size_t start = at;
        for (; at < text.size() && (std::isdigit(static_cast<unsigned char>(text[at])) || text[at] == '.'); ++at) {
            if (text[at] == '.') {
                if (decimals >= 0)
                    return std::nullopt;
                decimals = 0;
                continue;
            }
            whole = whole * 10 + (text[at] - '0');
            if (decimals >= 0) {
                ++decimals;
                scale *= 10;
            }
        }
        if (at == start || decimals == 0 || (decimals > 0 && text[at - 1] == '0'))
            return std::nullopt;
        parsed.figures[figure++] = (negative ? -whole : whole) / scale;
        parsed.decimals = std::max(parsed.decimals, decimals);
    }
    return at == text.size() ? std::optional<Parsed>(parsed) : std::nullopt;
}

// The colour each text names, read by the specifications' conversions.
std::optional<ColorRef> Read(CodeForm form, std::string_view text) {
    auto read = [text](std::string_view shape) { return Parse(text, shape); };
    std::optional<Parsed> p;
    switch (form) {
    case CodeForm::Hex:
        if (text.size() != 7 || text[0] != '#' || text.find_first_not_of("0123456789ABCDEF", 1) != text.npos)
            return std::nullopt;
        return ToColorRef(Argb{static_cast<std::uint32_t>(std::stoul(std::string(text.substr(1)), nullptr, 16))});
    case CodeForm::Colorref:
        if (text.size() != 10 || text.substr(0, 4) != "0x00")
            return std::nullopt;
        return ColorRef{static_cast<std::uint32_t>(std::stoul(std::string(text.substr(2)), nullptr, 16))};
    case CodeForm::Rgb:
    case CodeForm::Win32Rgb:
        if (!(p = read(form == CodeForm::Rgb ? "rgb(#, #, #)" : "RGB(#, #, #)")) || p->decimals > 0)
            return std::nullopt;
        return MakeColorRef(static_cast<int>(p->figures[0]), static_cast<int>(p->figures[1]),
                            static_cast<int>(p->figures[2]));
    case CodeForm::Hsl:
        if (!(p = read("hsl(#, #%, #%)")) || p->decimals > 1)
            return std::nullopt;
        return Rounded(HslToRgb(p->figures[0], p->figures[1], p->figures[2]));
    case CodeForm::Hwb:
        if (!(p = read("hwb(# #% #%)")))
            return std::nullopt;
        return Rounded(HwbToRgb(p->figures[0], p->figures[1], p->figures[2]));
    case CodeForm::DeviceCmyk: {
        if (!(p = read("device-cmyk(#% #% #% #%)")) || p->decimals > 1)
            return std::nullopt;
        const double k = p->figures[3] / 100;
        auto channel = [k](double ink) { return 1 - std::min(1.0, ink / 100 * (1 - k) + k); };
        return Rounded({channel(p->figures[0]), channel(p->figures[1]), channel(p->figures[2])});
    }
    case CodeForm::Oklch: {
        if (!(p = read("oklch(# # #)")))
            return std::nullopt;
        const double l = p->figures[0], c = p->figures[1], h = p->figures[2] * kPi / 180;
        return Shown(OklabToLinSrgb({l, c * std::cos(h), c * std::sin(h)}), l);
    }
    case CodeForm::Lab: {
        if (!(p = read("lab(# # #)")))
            return std::nullopt;
        const Triple linear = LabToLinSrgb({p->figures[0], p->figures[1], p->figures[2]});
        return Shown(linear, LinSrgbToOklab(linear)[0]);
    }
    default:
        return std::nullopt;
    }
}

// Every form of every colour names that colour exactly, hsl() and device-cmyk() with one decimal
// at most; the copy with Shift writes them. About half a minute of processor time.
TEST(CodeForms, EveryTextOfEveryColourNamesItByTheConversionsOfCss) {
    constexpr CodeForm kForms[] = {CodeForm::Hex,        CodeForm::Rgb,      CodeForm::Hsl,
                                   CodeForm::Hwb,        CodeForm::Oklch,    CodeForm::Lab,
                                   CodeForm::DeviceCmyk, CodeForm::Colorref, CodeForm::Win32Rgb};
    for (CodeForm form : kForms) {
        const EveryColorMisses misses = ForEveryColor([form](ColorRef color) {
            std::string text = CodeFormText(form, color);
            return Read(form, text) == color ? std::string() : text;
        });
        EXPECT_EQ(misses.count, 0u) << "form " << static_cast<int>(form) << ", first: " << misses.first;
    }
    EXPECT_EQ(CodeText(ColorNotation::Hsb, kTomato), CodeFormText(CodeForm::Hsl, kTomato));
    EXPECT_EQ(CodeText(ColorNotation::Cmyk, kTomato), CodeFormText(CodeForm::DeviceCmyk, kTomato));
}

} // namespace
