#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace {

// Linear light of one channel, with the sRGB threshold WCAG gives (0.04045).
double Linear(int channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

// A ratio that is a whole number of hundredths may land a hair below it in binary fractions
// (21 comes out as 20.999...); this is far below any step that the channels can make.
constexpr double kHairBelow = 1e-9;

} // namespace

double RelativeLuminance(ColorRef color) {
    return 0.2126 * Linear(RedOf(color)) + 0.7152 * Linear(GreenOf(color)) + 0.0722 * Linear(BlueOf(color));
}

int ContrastHundredths(ColorRef first, ColorRef second) {
    const double one = RelativeLuminance(first), other = RelativeLuminance(second);
    const double ratio = (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
    return static_cast<int>(std::floor(ratio * 100.0 + kHairBelow));
}
