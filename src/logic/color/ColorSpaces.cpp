#include "ColorSpaces.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kChannelMax = 255.0;
constexpr double kPi = 3.14159265358979323846;

using Matrix = std::array<Coordinates, 3>;

// Inlined: the texts for code multiply matrices many times for every colour.
[[gnu::always_inline]] inline Coordinates Times(const Matrix& matrix, const Coordinates& vector) {
    const auto row = [&](size_t index) {
        return matrix[index][0] * vector[0] + matrix[index][1] * vector[1] + matrix[index][2] * vector[2];
    };
    return {row(0), row(1), row(2)};
}

template <typename Curve> Coordinates EachFigure(const Coordinates& figures, Curve curve) {
    return {curve(figures[0]), curve(figures[1]), curve(figures[2])};
}

// Most matrices as the exact fractions CSS gives, so that they agree with every implementation
// that takes them from there.
constexpr Matrix kLinearSrgbToXyz = {{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                                      {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                                      {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
constexpr Matrix kXyzToLinearSrgb = {{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                                      {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                                      {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};
constexpr Matrix kD65ToD50 = {{{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
                               {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
                               {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}}};
constexpr Matrix kD50ToD65 = {{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                               {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                               {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
constexpr Matrix kXyzToLms = {{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                               {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                               {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
constexpr Matrix kLmsToOklab = {{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                                 {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                                 {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
constexpr Matrix kLmsToXyz = {{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                               {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                               {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}};
constexpr Matrix kOklabToLms = {{{1.0, 0.3963377773761749, 0.2158037573099136},
                                 {1.0, -0.1055613458156586, -0.0638541728258133},
                                 {1.0, -0.0894841775298119, -1.2914855480194092}}};
constexpr Matrix kLinearP3ToXyz = {{{608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
                                    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
                                    {0.0, 32229.0 / 714400, 5220557.0 / 5000800}}};
constexpr Matrix kLinearA98ToXyz = {{{573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
                                     {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
                                     {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835}}};
// ProPhoto's matrix has no exact fraction; these are its 64-bit values. Its white is D50.
constexpr Matrix kLinearProphotoToXyzD50 = {{{0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
                                             {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
                                             {0.0, 0.0, 0.82510460251046020}}};
constexpr Matrix kLinearRec2020ToXyz = {
    {{63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
     {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
     {0.0, 19567812.0 / 697040785, 295819943.0 / 278816314}}};

// D50 from its four-figure chromaticity, as CSS defines it.
constexpr Coordinates kD50White = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
constexpr double kLabEpsilon = 216.0 / 24389; // 6^3 / 29^3
constexpr double kLabKappa = 24389.0 / 27;    // 29^3 / 3^3

// A curve for magnitudes, mirrored for negative figures.
template <typename Curve> double Mirrored(double value, Curve curve) {
    return value < 0 ? -curve(-value) : curve(value);
}

double LinearChannel(double value) {
    return Mirrored(value, [](double magnitude) {
        return magnitude <= 0.04045 ? magnitude / 12.92 : std::pow((magnitude + 0.055) / 1.055, 2.4);
    });
}

double EncodedChannel(double value) {
    return Mirrored(value, [](double magnitude) {
        return magnitude > 0.0031308 ? 1.055 * std::pow(magnitude, 1 / 2.4) - 0.055 : 12.92 * magnitude;
    });
}

Coordinates LinearFromXyzD65(const Coordinates& xyz) {
    return Times(kXyzToLinearSrgb, xyz);
}

int Level(double figure) {
    // Also for NaN, which no comparison holds for.
    if (!(figure > 0))
        return 0;
    if (figure >= 1)
        return static_cast<int>(kChannelMax);
    return static_cast<int>(std::floor(figure * kChannelMax + 0.5));
}

bool InGamut(const Coordinates& srgb) {
    return std::all_of(srgb.begin(), srgb.end(), [](double figure) { return figure >= 0 && figure <= 1; });
}

Coordinates Clipped(const Coordinates& srgb) {
    return EachFigure(srgb, [](double figure) { return std::clamp(figure, 0.0, 1.0); });
}

} // namespace

Coordinates LinearFromSrgb(const Coordinates& srgb) {
    return EachFigure(srgb, LinearChannel);
}

Coordinates SrgbFromLinear(const Coordinates& linear) {
    return EachFigure(linear, EncodedChannel);
}

Coordinates SrgbFromHsl(double hue, double saturation, double lightness) {
    // The remainders as CSS takes them; those of figures already in range are the figures
    // themselves, spared the division, since every text for code is tried through here.
    if (hue < 0 || hue >= 360) {
        hue = std::fmod(hue, 360.0);
        if (hue < 0)
            hue += 360;
    }
    const double sat = saturation / 100, light = lightness / 100;
    const double amount = sat * std::min(light, 1 - light);
    auto figure = [&](double offset) {
        const double sum = offset + hue / 30;
        const double twelfths = sum < 12 ? sum : sum < 24 ? sum - 12 : std::fmod(sum, 12.0);
        return light - amount * std::max(-1.0, std::min({twelfths - 3, 9 - twelfths, 1.0}));
    };
    return {figure(0), figure(8), figure(4)};
}

Coordinates SrgbFromHwb(double hue, double whiteness, double blackness) {
    const double white = whiteness / 100, black = blackness / 100;
    if (white + black >= 1) {
        const double grey = white / (white + black);
        return {grey, grey, grey};
    }
    return EachFigure(SrgbFromHsl(hue, 100, 50),
                      [&](double pure) { return pure * (1 - white - black) + white; });
}

Coordinates SrgbFromCmyk(double cyan, double magenta, double yellow, double black) {
    auto figure = [black](double ink) { return 1 - std::min(1.0, ink * (1 - black) + black); };
    return {figure(cyan), figure(magenta), figure(yellow)};
}

Coordinates LinearFromOklab(const Coordinates& oklab) {
    const Coordinates lms = Times(kOklabToLms, oklab);
    return LinearFromXyzD65(
        Times(kLmsToXyz, EachFigure(lms, [](double cone) { return cone * cone * cone; })));
}

Coordinates OklabFromLinear(const Coordinates& linear) {
    const Coordinates lms = Times(kXyzToLms, Times(kLinearSrgbToXyz, linear));
    return Times(kLmsToOklab, EachFigure(lms, [](double cone) { return std::cbrt(cone); }));
}

Coordinates LinearFromLab(const Coordinates& lab) {
    const double fy = (lab[0] + 16) / 116, fx = lab[1] / 500 + fy, fz = fy - lab[2] / 200;
    auto relative = [](double root) {
        return root * root * root > kLabEpsilon ? root * root * root : (116 * root - 16) / kLabKappa;
    };
    const double y = lab[0] > kLabKappa * kLabEpsilon ? fy * fy * fy : lab[0] / kLabKappa;
    const Coordinates xyzD50 = {relative(fx) * kD50White[0], y * kD50White[1], relative(fz) * kD50White[2]};
    return LinearFromXyzD65(Times(kD50ToD65, xyzD50));
}

Coordinates LabFromLinear(const Coordinates& linear) {
    const Coordinates xyzD50 = Times(kD65ToD50, Times(kLinearSrgbToXyz, linear));
    Coordinates roots{};
    for (size_t i = 0; i < roots.size(); ++i) {
        const double relative = xyzD50[i] / kD50White[i];
        roots[i] = relative > kLabEpsilon ? std::cbrt(relative) : (kLabKappa * relative + 16) / 116;
    }
    return {116 * roots[1] - 16, 500 * (roots[0] - roots[1]), 200 * (roots[1] - roots[2])};
}

Coordinates RectangularFromPolar(const Coordinates& polar) {
    const double radians = polar[2] * kPi / 180;
    return {polar[0], polar[1] * std::cos(radians), polar[1] * std::sin(radians)};
}

Coordinates PolarFromRectangular(const Coordinates& rectangular) {
    double hue = std::atan2(rectangular[2], rectangular[1]) * 180 / kPi;
    if (hue < 0)
        hue += 360;
    return {rectangular[0], std::hypot(rectangular[1], rectangular[2]), hue};
}

Coordinates LinearFromPredefined(PredefinedSpace space, const Coordinates& figures) {
    switch (space) {
    case PredefinedSpace::SrgbLinear:
        return figures;
    case PredefinedSpace::DisplayP3:
        return LinearFromXyzD65(Times(kLinearP3ToXyz, LinearFromSrgb(figures)));
    case PredefinedSpace::A98Rgb:
        return LinearFromXyzD65(Times(kLinearA98ToXyz, EachFigure(figures, [](double figure) {
                                          return Mirrored(figure, [](double magnitude) {
                                              return std::pow(magnitude, 563.0 / 256);
                                          });
                                      })));
    case PredefinedSpace::ProphotoRgb: {
        const Coordinates linear = EachFigure(figures, [](double figure) {
            return Mirrored(figure, [](double magnitude) {
                return magnitude <= 16.0 / 512 ? magnitude / 16 : std::pow(magnitude, 1.8);
            });
        });
        return LinearFromXyzD65(Times(kD50ToD65, Times(kLinearProphotoToXyzD50, linear)));
    }
    case PredefinedSpace::Rec2020: {
        constexpr double alpha = 1.09929682680944, beta = 0.018053968510807;
        const Coordinates linear = EachFigure(figures, [](double figure) {
            return Mirrored(figure, [](double magnitude) {
                return magnitude < beta * 4.5 ? magnitude / 4.5
                                              : std::pow((magnitude + alpha - 1) / alpha, 1 / 0.45);
            });
        });
        return LinearFromXyzD65(Times(kLinearRec2020ToXyz, linear));
    }
    case PredefinedSpace::XyzD50:
        return LinearFromXyzD65(Times(kD50ToD65, figures));
    case PredefinedSpace::XyzD65:
    default:
        return LinearFromXyzD65(figures);
    }
}

ColorRef ClippedColor(const Coordinates& srgb) {
    return MakeColorRef(Level(srgb[0]), Level(srgb[1]), Level(srgb[2]));
}

std::optional<ColorRef> GamutMappedColor(const Coordinates& srgb) {
    if (!std::all_of(srgb.begin(), srgb.end(), [](double figure) { return std::isfinite(figure); }))
        return std::nullopt;
    const Coordinates origin = OklabFromLinear(LinearFromSrgb(srgb));
    if (origin[0] >= 1)
        return MakeColorRef(255, 255, 255);
    if (origin[0] <= 0)
        return MakeColorRef(0, 0, 0);
    if (InGamut(srgb))
        return ClippedColor(srgb);
    constexpr double kJustNoticeable = 0.02, kEpsilon = 0.0001;
    auto distance = [](const Coordinates& clippedSrgb, const Coordinates& oklab) {
        return DeltaEok(OklabFromLinear(LinearFromSrgb(clippedSrgb)), oklab);
    };
    Coordinates clipped = Clipped(srgb);
    if (distance(clipped, origin) < kJustNoticeable)
        return ClippedColor(clipped);
    Coordinates current = PolarFromRectangular(origin);
    double min = 0, max = current[1];
    bool minInGamut = true;
    while (max - min > kEpsilon) {
        current[1] = (min + max) / 2;
        const Coordinates oklab = RectangularFromPolar(current);
        const Coordinates candidate = SrgbFromLinear(LinearFromOklab(oklab));
        if (minInGamut && InGamut(candidate)) {
            min = current[1];
            continue;
        }
        clipped = Clipped(candidate);
        const double away = distance(clipped, oklab);
        if (away < kJustNoticeable) {
            if (kJustNoticeable - away < kEpsilon)
                return ClippedColor(clipped);
            minInGamut = false;
            min = current[1];
        } else {
            max = current[1];
        }
    }
    return ClippedColor(clipped);
}

Coordinates SrgbOf(ColorRef color) {
    return {RedOf(color) / kChannelMax, GreenOf(color) / kChannelMax, BlueOf(color) / kChannelMax};
}

namespace {

// The hue of HSL and HWB, 0 for a grey; max and the spread of the channels given.
double HueOf(const Coordinates& srgb, double max, double spread) {
    if (spread == 0)
        return 0;
    const auto [red, green, blue] = srgb;
    double sector;
    if (max == red)
        sector = (green - blue) / spread + (green < blue ? 6 : 0);
    else if (max == green)
        sector = (blue - red) / spread + 2;
    else
        sector = (red - green) / spread + 4;
    return sector * 60;
}

} // namespace

Coordinates HslOf(ColorRef color) {
    const Coordinates srgb = SrgbOf(color);
    const double max = *std::max_element(srgb.begin(), srgb.end());
    const double min = *std::min_element(srgb.begin(), srgb.end());
    const double light = (max + min) / 2, spread = max - min;
    const double sat = spread == 0 ? 0 : (max - light) / std::min(light, 1 - light);
    return {HueOf(srgb, max, spread), sat * 100, light * 100};
}

Coordinates HwbOf(ColorRef color) {
    const Coordinates srgb = SrgbOf(color);
    const double max = *std::max_element(srgb.begin(), srgb.end());
    const double min = *std::min_element(srgb.begin(), srgb.end());
    return {HueOf(srgb, max, max - min), min * 100, (1 - max) * 100};
}

Coordinates LinearOf(ColorRef color) {
    // Every colour's channels pass through here when texts are written for all of them.
    static const auto kLinear = [] {
        std::array<double, 256> linear{};
        for (size_t level = 0; level < linear.size(); ++level)
            linear[level] = LinearChannel(static_cast<double>(level) / kChannelMax);
        return linear;
    }();
    return {kLinear[RedOf(color)], kLinear[GreenOf(color)], kLinear[BlueOf(color)]};
}

Coordinates OklabOf(ColorRef color) {
    return OklabFromLinear(LinearOf(color));
}

double DeltaEok(const Coordinates& oklab, const Coordinates& otherOklab) {
    return std::hypot(oklab[0] - otherOklab[0], oklab[1] - otherOklab[1], oklab[2] - otherOklab[2]);
}
