// How fast the information panel makes its five texts, as it does for every step of a
// slider: every colour there is, in all five notations, as colours per second.
#include "logic/ColorNotation.h"

#include <chrono>
#include <cstdio>

int main() {
    constexpr ColorRef kColorCount = 1u << 24;
    const auto start = std::chrono::steady_clock::now();
    // Summing the lengths keeps the compiler from dropping the work.
    unsigned long long characters = 0;
    wchar_t text[kNotationTextCapacity];
    for (ColorRef color = 0; color < kColorCount; ++color)
        for (int notation = 0; notation < kNotationCount; ++notation)
            characters += WriteNotationText(static_cast<ColorNotation>(notation), color, text);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "notation texts: %.1f million colours/s, all 16,777,216 in %.2f s (target >= 20; %llu characters)\n",
        kColorCount / seconds / 1e6, seconds, characters);
    return 0;
}
