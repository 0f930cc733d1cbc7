#pragma once
#include "../Color.h"

#include <array>
#include <optional>

// The colour spaces of CSS Color 4 and 5 and the conversions between them, as those
// specifications give them. Figures in the units of their conversions: RGB spaces 0..1 (beyond
// for a colour outside them), CIE Lab L 0..100, OKLab L 0..1, hues in degrees, HSL and HWB in
// per cent.
using Coordinates = std::array<double, 3>;

// Gamma-encoded sRGB and linear light, extended beyond 0..1 by reflection as CSS extends them.
Coordinates LinearFromSrgb(const Coordinates& srgb);
Coordinates SrgbFromLinear(const Coordinates& linear);

Coordinates SrgbFromHsl(double hue, double saturation, double lightness);
// Whiteness and blackness that add up to 100 or more give a grey.
Coordinates SrgbFromHwb(double hue, double whiteness, double blackness);
// device-cmyk() without a colour profile, inks 0..1.
Coordinates SrgbFromCmyk(double cyan, double magenta, double yellow, double black);

Coordinates LinearFromOklab(const Coordinates& oklab);
Coordinates OklabFromLinear(const Coordinates& linear);
// CIE Lab is relative to D50, adapted to and from sRGB's D65 by the Bradford transform.
Coordinates LinearFromLab(const Coordinates& lab);
Coordinates LabFromLinear(const Coordinates& linear);
// L, chroma and hue in degrees to L, a and b; and back, the hue 0..360.
Coordinates RectangularFromPolar(const Coordinates& polar);
Coordinates PolarFromRectangular(const Coordinates& rectangular);

// The spaces color() names besides sRGB: each to linear-light sRGB.
enum class PredefinedSpace { SrgbLinear, DisplayP3, A98Rgb, ProphotoRgb, Rec2020, XyzD50, XyzD65 };
Coordinates LinearFromPredefined(PredefinedSpace space, const Coordinates& figures);

// The nearest channel levels, halves up, each figure first clipped to 0..1.
ColorRef ClippedColor(const Coordinates& srgb);
// What CSS shows for sRGB figures that may lie outside sRGB: brought inside by the CSS gamut
// mapping (chroma reduced in OKLCH until clipping moves the colour less than a just noticeable
// difference), then rounded. Nothing for figures that are not finite.
std::optional<ColorRef> GamutMappedColor(const Coordinates& srgb);

// A colour's own figures, exact: sRGB 0..1, hue 0..360 (0 for a grey).
Coordinates SrgbOf(ColorRef color);
Coordinates HslOf(ColorRef color);
Coordinates HwbOf(ColorRef color);
Coordinates LinearOf(ColorRef color);
Coordinates OklabOf(ColorRef color);
// Euclidean distance in OKLab, as CSS measures deltaEOK.
double DeltaEok(const Coordinates& oklab, const Coordinates& otherOklab);
