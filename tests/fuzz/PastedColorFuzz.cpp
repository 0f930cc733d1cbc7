// The paste reader fed whatever libFuzzer makes, as 8-bit text and as UTF-16 text (two bytes to
// a unit, as the clipboard gives it), with each notation marked. Built and run by `make fuzz`
// with AddressSanitizer and UndefinedBehaviorSanitizer: a crash, a read out of bounds, undefined
// arithmetic or an input that takes too long is a finding.
#include "logic/color/PastedColor.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view narrow(reinterpret_cast<const char*>(data), size);
    std::wstring wide(size / 2, L'\0');
    for (std::size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<wchar_t>(data[2 * i] | data[2 * i + 1] << 8);
    for (int notation = 0; notation < kNotationCount; ++notation) {
        PastedColor(narrow, static_cast<ColorNotation>(notation));
        PastedColor(wide, static_cast<ColorNotation>(notation));
    }
    return 0;
}
