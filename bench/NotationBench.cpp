// How fast the information panel makes its five texts, as it does for every step of a
// slider: every colour there is, in all five notations, as colours per second of processor
// time, which other work on a shared machine does not stretch as it stretches the clock's.
// Then the texts for code: every form of every colour written and read back as a paste.
#include "logic/color/CodeForms.h"
#include "logic/color/ColorNotation.h"
#include "logic/color/PastedColor.h"

#include <cstdio>
#include <ctime>

int main() {
    constexpr std::uint32_t kColorCount = 1u << 24;
    const std::clock_t start = std::clock();
    // Summing the lengths keeps the compiler from dropping the work.
    unsigned long long characters = 0;
    wchar_t text[kNotationTextCapacity];
    for (std::uint32_t color = 0; color < kColorCount; ++color)
        for (int notation = 0; notation < kNotationCount; ++notation)
            characters += WriteNotationText(static_cast<ColorNotation>(notation), ColorRef{color}, text);
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    std::printf("notation texts: %.1f million colours/s of processor time, all 16,777,216 in %.2f s "
                "(target >= 20; %llu characters)\n",
                kColorCount / seconds / 1e6, seconds, characters);

    const std::clock_t codeStart = std::clock();
    unsigned long long wrong = 0;
    for (std::uint32_t value = 0; value < kColorCount; ++value) {
        const ColorRef color{value};
        for (CodeForm form : CopyAsForms(color))
            wrong += PastedColor(CodeFormText(form, color), ColorNotation::Rgb) != color;
    }
    const double codeSeconds = static_cast<double>(std::clock() - codeStart) / CLOCKS_PER_SEC;
    std::printf("code forms written and pasted back: %.2f million colours/s of processor time, all "
                "16,777,216 in %.1f s (%llu named another colour)\n",
                kColorCount / codeSeconds / 1e6, codeSeconds, wrong);
    return 0;
}
