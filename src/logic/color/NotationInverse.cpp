#include "NotationInverse.h"

#include "CssColors.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr int kChannelMax = 255;
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

HsbColor HsbOf(ColorRef color) {
    return RgbToHsb({RedOf(color), GreenOf(color), BlueOf(color)});
}
CmykColor CmykOf(ColorRef color) {
    return RgbToCmyk(RedOf(color), GreenOf(color), BlueOf(color));
}
bool Same(const HsbColor& a, const HsbColor& b) {
    return a.hue == b.hue && a.saturation == b.saturation && a.brightness == b.brightness;
}
bool Same(const CmykColor& a, const CmykColor& b) {
    return a.cyan == b.cyan && a.magenta == b.magenta && a.yellow == b.yellow && a.black == b.black;
}
bool Same(const HslColor& a, const HslColor& b) {
    return a.hue == b.hue && a.saturation == b.saturation && a.lightness == b.lightness;
}
HslColor HslOf(ColorRef color) {
    return RgbToHsl({RedOf(color), GreenOf(color), BlueOf(color)});
}

// The first whole number at or above numerator / denominator; the denominator positive.
int CeilingOf(int numerator, int denominator) {
    return numerator >= 0 ? (numerator + denominator - 1) / denominator : -(-numerator / denominator);
}

int SquaredDistance(ColorRef a, ColorRef b) {
    const int red = RedOf(a) - RedOf(b), green = GreenOf(a) - GreenOf(b), blue = BlueOf(a) - BlueOf(b);
    return red * red + green * green + blue * blue;
}

// The first of first..last (inclusive) at which the rising key reaches the target, or last + 1.
template <typename Key> int FirstReaching(int first, int last, int target, Key key) {
    int end = last + 1;
    while (first < end) {
        const int middle = first + (end - first) / 2;
        if (key(middle) >= target)
            end = middle;
        else
            first = middle + 1;
    }
    return first;
}

// The 6 × spread colours whose largest channel is top and smallest top − spread, in rising
// hue: red, yellow, green, cyan, blue, magenta and back towards red.
ColorRef AroundTheWheel(int top, int spread, int position) {
    const int low = top - spread;
    const int step = position % spread;
    switch (position / spread) {
    case 0:
        return MakeColorRef(top, low + step, low);
    case 1:
        return MakeColorRef(top - step, top, low);
    case 2:
        return MakeColorRef(low, top, low + step);
    case 3:
        return MakeColorRef(low, top - step, top);
    case 4:
        return MakeColorRef(low + step, low, top);
    default:
        return MakeColorRef(top, low, top - step);
    }
}

// Every colour whose largest channel is top: the grey, then each wheel of a wider spread.
template <typename Visit> void ForEachColorWithTop(int top, Visit visit) {
    visit(MakeColorRef(top, top, top));
    for (int spread = 1; spread <= top; ++spread)
        for (int position = 0; position < 6 * spread; ++position)
            visit(AroundTheWheel(top, spread, position));
}

// The colour the distance puts nearest, among those whose largest channel is one of the tops.
template <typename Distance> ColorRef Nearest(int firstTop, int lastTop, Distance distance) {
    ColorRef best{};
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int top = firstTop; top <= lastTop; ++top)
        ForEachColorWithTop(top, [&](ColorRef color) {
            const double away = distance(color);
            if (away < bestDistance) {
                bestDistance = away;
                best = color;
            }
        });
    return best;
}

std::optional<ColorRef> ExactHsb(const HsbColor& hsb) {
    const int top = hsb.brightness;
    const ColorRef grey = MakeColorRef(top, top, top);
    if (Same(HsbOf(grey), hsb))
        return grey;
    // Saturation rises with the spread at a fixed largest channel.
    auto saturation = [top](int spread) {
        return HsbOf(MakeColorRef(top, top - spread, top - spread)).saturation;
    };
    for (int spread = FirstReaching(1, top, hsb.saturation, saturation);
         spread <= top && saturation(spread) == hsb.saturation; ++spread) {
        auto hue = [top, spread](int position) { return HsbOf(AroundTheWheel(top, spread, position)).hue; };
        const int position = FirstReaching(0, 6 * spread - 1, hsb.hue, hue);
        if (position < 6 * spread) {
            const ColorRef color = AroundTheWheel(top, spread, position);
            if (Same(HsbOf(color), hsb))
                return color;
        }
    }
    return std::nullopt;
}

std::optional<ColorRef> ExactCmyk(const CmykColor& cmyk, int firstTop, int lastTop) {
    for (int top = firstTop; top <= lastTop; ++top) {
        // With the largest channel fixed, each channel's percentage depends on that channel
        // alone and falls as it grows; the largest that gives the wanted one keeps a 0 at top.
        auto channel = [top](int percentage) {
            auto negated = [top](int value) { return -CmykOf(MakeColorRef(value, top, top)).cyan; };
            return FirstReaching(0, top, -percentage + 1, negated) - 1;
        };
        const ColorRef color = MakeColorRef(channel(cmyk.cyan), channel(cmyk.magenta), channel(cmyk.yellow));
        if (Same(CmykOf(color), cmyk))
            return color;
    }
    return std::nullopt;
}

} // namespace

ColorRef ColorWithHsb(const HsbColor& hsb) {
    if (const std::optional<ColorRef> exact = ExactHsb(hsb))
        return *exact;
    // Nearest on the colour wheel of that brightness, saturation as the radius and hue as the
    // angle: the hue counts less the greyer the colour, and not at all for a grey.
    return Nearest(hsb.brightness, hsb.brightness, [&hsb](ColorRef color) {
        const HsbColor other = HsbOf(color);
        const double wanted = hsb.saturation, found = other.saturation;
        return wanted * wanted + found * found -
               2.0 * wanted * found * std::cos((hsb.hue - other.hue) * kRadiansPerDegree);
    });
}

// Lightness rounds (largest + smallest channel) / 510, saturation the spread over what the
// lightness leaves, and around a wheel of a fixed spread d the hue is 60 × position / d exactly:
// each figure admits only the few values that round to it.
ColorRef ColorWithHsl(const HslColor& hsl) {
    const ColorRef named = HslToColor(hsl.hue, hsl.saturation, hsl.lightness);
    if (Same(HslOf(named), hsl))
        return named;
    std::optional<ColorRef> best;
    auto consider = [&](ColorRef color) {
        if (Same(HslOf(color), hsl) && (!best || SquaredDistance(color, named) < SquaredDistance(*best, named)))
            best = color;
    };
    for (int sum = std::max(0, CeilingOf(51 * (2 * hsl.lightness - 1), 20));
         sum <= std::min(2 * kChannelMax, CeilingOf(51 * (2 * hsl.lightness + 1), 20) - 1); ++sum) {
        const int room = kChannelMax - std::abs(sum - kChannelMax);
        const int lastSpread = std::min(room, CeilingOf(room * (2 * hsl.saturation + 1), 200) - 1);
        for (int spread = std::max(0, CeilingOf(room * (2 * hsl.saturation - 1), 200)); spread <= lastSpread;
             ++spread) {
            if ((sum + spread) % 2 != 0)
                continue;
            const int top = (sum + spread) / 2;
            if (spread == 0) {
                consider(MakeColorRef(top, top, top));
                continue;
            }
            // Hue 0 also takes the positions just short of a full turn.
            for (int turn = 0; turn <= (hsl.hue == 0 ? 1 : 0); ++turn) {
                const int hue = hsl.hue + 360 * turn;
                const int last = std::min(6 * spread, CeilingOf(spread * (2 * hue + 1), 120)) - 1;
                for (int position = std::max(0, CeilingOf(spread * (2 * hue - 1), 120)); position <= last;
                     ++position)
                    consider(AroundTheWheel(top, spread, position));
            }
        }
    }
    return best.value_or(named);
}

ColorRef ColorWithCmyk(const CmykColor& cmyk) {
    // Black falls as the largest channel grows: the tops that give the wanted black, else the
    // nearest black there is.
    auto negatedBlack = [](int top) { return -CmykOf(MakeColorRef(top, top, top)).black; };
    int firstTop = FirstReaching(0, kChannelMax, -cmyk.black, negatedBlack);
    int lastTop = FirstReaching(0, kChannelMax, -cmyk.black + 1, negatedBlack) - 1;
    if (firstTop > lastTop) {
        firstTop = lastTop = std::clamp(firstTop, 0, kChannelMax);
    } else if (const std::optional<ColorRef> exact = ExactCmyk(cmyk, firstTop, lastTop)) {
        return *exact;
    }
    return Nearest(firstTop, lastTop, [&cmyk](ColorRef color) {
        const CmykColor other = CmykOf(color);
        const double cyan = cmyk.cyan - other.cyan, magenta = cmyk.magenta - other.magenta,
                     yellow = cmyk.yellow - other.yellow, black = cmyk.black - other.black;
        return cyan * cyan + magenta * magenta + yellow * yellow + black * black;
    });
}
