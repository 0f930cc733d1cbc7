#include "NotationInverse.h"

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

// With the largest channel fixed, each channel's ink depends on that channel alone and falls as
// it grows: each gives a range of channel values, and the colour nearest the given one takes
// from each range the value nearest its own channel, one of them the top itself.
ColorRef ColorWithCmyk(const CmykColor& cmyk, ColorRef near) {
    if (Same(CmykOf(near), cmyk))
        return near;
    // Black falls as the largest channel grows.
    auto negatedBlack = [](int top) { return -CmykOf(MakeColorRef(top, top, top)).black; };
    const int firstTop = FirstReaching(0, kChannelMax, -cmyk.black, negatedBlack);
    const int lastTop = FirstReaching(0, kChannelMax, -cmyk.black + 1, negatedBlack) - 1;
    const int inks[] = {cmyk.cyan, cmyk.magenta, cmyk.yellow};
    const int wanted[] = {RedOf(near), GreenOf(near), BlueOf(near)};
    std::optional<ColorRef> best;
    for (int top = firstTop; top <= lastTop; ++top) {
        auto negatedInk = [top](int value) { return -CmykOf(MakeColorRef(value, top, top)).cyan; };
        int channels[3];
        int lowest[3], highest[3];
        bool possible = true;
        for (int i = 0; i < 3; ++i) {
            lowest[i] = FirstReaching(0, top, -inks[i], negatedInk);
            highest[i] = FirstReaching(0, top, -inks[i] + 1, negatedInk) - 1;
            possible = possible && lowest[i] <= highest[i];
            channels[i] = std::clamp(wanted[i], lowest[i], std::max(lowest[i], highest[i]));
        }
        if (!possible)
            continue;
        // The largest channel must be the top, or the black is another: raise the one that
        // can reach it at the least cost.
        int raised = -1, leastCost = std::numeric_limits<int>::max();
        for (int i = 0; i < 3; ++i) {
            const int cost =
                (top - wanted[i]) * (top - wanted[i]) - (channels[i] - wanted[i]) * (channels[i] - wanted[i]);
            if (highest[i] == top && cost < leastCost) {
                raised = i;
                leastCost = cost;
            }
        }
        if (raised < 0)
            continue;
        channels[raised] = top;
        const ColorRef color = MakeColorRef(channels[0], channels[1], channels[2]);
        if (Same(CmykOf(color), cmyk) &&
            (!best || SquaredDistance(color, near) < SquaredDistance(*best, near)))
            best = color;
    }
    return best.value_or(near);
}
