#include "ColorNotation.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// A quotient rounded down, as a multiplication by the divisor's reciprocal: the conversions
// divide by a channel or a difference of channels for every colour, and a divide instruction
// costs several multiplications. Exact for every divisor up to kLargestDivisor and every
// numerator below 2^32 / kLargestDivisor, over 8 million: the conversions' stay below 200,000.
constexpr std::uint32_t kLargestDivisor = 2 * 255;
constexpr auto kReciprocals = [] {
    std::array<std::uint64_t, kLargestDivisor + 1> reciprocals{};
    for (std::uint64_t divisor = 1; divisor <= kLargestDivisor; ++divisor)
        reciprocals[divisor] = ((std::uint64_t{1} << 32) + divisor - 1) / divisor; // rounded up
    return reciprocals;
}();
int Quotient(int numerator, int divisor) {
    return static_cast<int>(static_cast<std::uint64_t>(numerator) * kReciprocals[divisor] >> 32);
}

// The hue is sector + 60 × difference / diff degrees, from the largest channel's sector of the
// wheel. Worked in whole numbers: a fraction in floating point can land a hair below a whole
// hue and lose a degree. Ties for the largest channel go to red before green, green before blue.
struct HueParts {
    int sector;
    int difference;
};
HueParts HuePartsOf(const RgbColor& rgb, int max) {
    if (rgb.red == max)
        return {0, rgb.green - rgb.blue};
    if (rgb.green == max)
        return {120, rgb.blue - rgb.red};
    return {240, rgb.red - rgb.green};
}

// The whole degrees at or below a hue given as scaledHue / scale degrees; one that comes out
// negative is taken round by 360 degrees first, so that the quotient is of whole numbers.
int DegreesOnTheWheel(int scaledHue, int scale) {
    return Quotient(scaledHue < 0 ? scaledHue + 360 * scale : scaledHue, scale);
}

// Inline, as CmykOf below: the panel's writers then keep the figures in registers.
inline HsbColor HsbOf(int red, int green, int blue) {
    const int max = std::max({red, green, blue});
    const int diff = max - std::min({red, green, blue});
    if (diff == 0)
        return {0, 0, max};
    // Whole numbers: 255 diff / max rounded down is what the floating-point quotient gave for
    // every pair, in a fraction of the time.
    const int saturation = Quotient(255 * diff, max);
    // Truncated: rounded down, so a negative hue's is the whole degree below.
    const HueParts parts = HuePartsOf({red, green, blue}, max);
    return {DegreesOnTheWheel(parts.sector * diff + 60 * parts.difference, diff), saturation, max};
}

} // namespace

HsbColor RgbToHsb(const RgbColor& rgb) {
    return HsbOf(rgb.red, rgb.green, rgb.blue);
}

namespace {

// The share of one ink at an exact half, where the floating-point quotient the texts have always
// shown lands a hair to either side, a third of the time below.
// Out of line: it is rare, and inlined it would keep the common case from being inlined.
[[gnu::noinline]] int HalfwayInkPercent(int channel, int max) {
    const double black = 1.0 - max / 255.0;
    return static_cast<int>((1.0 - channel / 255.0 - black) / (1.0 - black) * 100.0 + 0.5);
}

// The share of one ink, 100 (max - channel) / max to the nearest whole, in whole numbers.
int InkPercent(int channel, int max) {
    const int twiceAbove = 200 * (max - channel) + max; // (2 x the share + 1) x max
    const int twiceMax = 2 * max;
    const int share = Quotient(twiceAbove, twiceMax);
    return share * twiceMax != twiceAbove ? share : HalfwayInkPercent(channel, max);
}

inline CmykColor CmykOf(int red, int green, int blue) {
    const int max = std::max({red, green, blue});
    if (max == 0)
        return {0, 0, 0, 100};
    // Black, 100 (255 - max) / 255 rounded half up, never falls on a half.
    return {InkPercent(red, max), InkPercent(green, max), InkPercent(blue, max),
            (200 * (255 - max) + 255) / 510};
}

} // namespace

CmykColor RgbToCmyk(int red, int green, int blue) {
    return CmykOf(red, green, blue);
}

namespace {

// The digits of 0 to 999, most of all the numbers written: every channel, hue and percentage;
// with leading zeros too, for the groups of three after the first in a longer number. Four
// characters each, so that one move writes a number.
struct SmallNumber {
    wchar_t digits[4];
    wchar_t padded[4];
    std::uint32_t length;
};
constexpr std::uint32_t kSmallNumbers = 1000;
constexpr auto kSmallNumberTexts = [] {
    std::array<SmallNumber, kSmallNumbers> texts{};
    for (std::uint32_t value = 0; value < kSmallNumbers; ++value) {
        SmallNumber& text = texts[value];
        text.length = value >= 100 ? 3 : value >= 10 ? 2 : 1;
        for (int i = 2, rest = static_cast<int>(value); i >= 0; --i, rest /= 10)
            text.padded[i] = static_cast<wchar_t>('0' + rest % 10);
        for (std::uint32_t i = 0; i < text.length; ++i)
            text.digits[i] = text.padded[3 - text.length + i];
    }
    return texts;
}();

// The two hexadecimal digits of each byte.
using HexDigits = wchar_t[2];
constexpr auto kHexBytes = [] {
    constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::array<HexDigits, 256> texts{};
    for (int value = 0; value < 256; ++value) {
        texts[value][0] = kDigits[value >> 4];
        texts[value][1] = kDigits[value & 0xF];
    }
    return texts;
}();

// Writes numbers and separators one after the other; no formatting library, no allocation,
// since the panel makes five texts for every step of a slider.
class TextWriter {
  public:
    explicit TextWriter(wchar_t* out) : start(out), end(out) {}

    TextWriter& Number(std::int32_t value) {
        auto magnitude = static_cast<std::uint32_t>(value);
        if (value < 0) {
            *end++ = L'-';
            magnitude = 0u - magnitude;
        }
        return Magnitude(magnitude);
    }
    // "a, b, c" and so on, of figures from 0 to 999: channels, degrees and shares.
    template <typename... More> TextWriter& List(int first, More... more) {
        Leading(static_cast<std::uint32_t>(first));
        ((Separator(), Leading(static_cast<std::uint32_t>(more))), ...);
        return *this;
    }
    TextWriter& HexByte(int value) {
        std::memcpy(end, kHexBytes[value], sizeof kHexBytes[value]);
        end += 2;
        return *this;
    }
    size_t Finish() {
        *end = L'\0';
        return static_cast<size_t>(end - start);
    }

  private:
    TextWriter& Leading(std::uint32_t value) {
        const SmallNumber& text = kSmallNumberTexts[value];
        Four(text.digits);
        end += text.length;
        return *this;
    }
    // In groups of three digits: the first as it is, the others with their leading zeros.
    TextWriter& Magnitude(std::uint32_t magnitude) {
        if (magnitude < kSmallNumbers)
            return Leading(magnitude);
        Magnitude(magnitude / kSmallNumbers);
        Four(kSmallNumberTexts[magnitude % kSmallNumbers].padded);
        end += 3;
        return *this;
    }
    // All four, also past a number's digits, without a branch on its length: the next
    // character or the final zero writes over the rest, and no text comes within four of the
    // buffer's end.
    void Four(const wchar_t (&characters)[4]) { std::memcpy(end, characters, sizeof characters); }
    void Separator() {
        *end++ = L',';
        *end++ = L' ';
    }

    wchar_t* start;
    wchar_t* end;
};

// One writer per notation, each with only the work its text needs.
size_t ColrefText(ColorRef color, wchar_t* text) {
    return TextWriter(text).Number(static_cast<std::int32_t>(color)).Finish();
}
size_t RgbText(ColorRef color, wchar_t* text) {
    return TextWriter(text).List(RedOf(color), GreenOf(color), BlueOf(color)).Finish();
}
size_t HexText(ColorRef color, wchar_t* text) {
    return TextWriter(text).HexByte(RedOf(color)).HexByte(GreenOf(color)).HexByte(BlueOf(color)).Finish();
}
size_t HsbText(ColorRef color, wchar_t* text) {
    const HsbColor hsb = HsbOf(RedOf(color), GreenOf(color), BlueOf(color));
    return TextWriter(text).List(hsb.hue, hsb.saturation, hsb.brightness).Finish();
}
size_t CmykText(ColorRef color, wchar_t* text) {
    const CmykColor cmyk = CmykOf(RedOf(color), GreenOf(color), BlueOf(color));
    return TextWriter(text).List(cmyk.cyan, cmyk.magenta, cmyk.yellow, cmyk.black).Finish();
}

} // namespace

size_t WriteNotationText(ColorNotation notation, ColorRef color, wchar_t (&text)[kNotationTextCapacity]) {
    // Through a table rather than a switch: the call is then a jump straight to the writer,
    // which saves and restores only what it uses.
    using TextOf = size_t (*)(ColorRef, wchar_t*);
    static constexpr TextOf kWriters[kNotationCount] = {ColrefText, RgbText, HexText, HsbText, CmykText};
    const int index = static_cast<int>(notation);
    return kWriters[IsNotation(index) ? index : 0](color, text);
}

std::wstring NotationText(ColorNotation notation, ColorRef color) {
    wchar_t text[kNotationTextCapacity];
    return std::wstring(text, WriteNotationText(notation, color, text));
}

const wchar_t* NotationName(ColorNotation notation) {
    constexpr const wchar_t* kNames[kNotationCount] = {L"COLREF", L"RGB", L"HEX", L"HSB", L"CMYK"};
    return IsNotation(static_cast<int>(notation)) ? kNames[static_cast<int>(notation)] : kNames[0];
}
