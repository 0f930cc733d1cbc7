#include "ClipboardText.h"

#include "CodeForms.h"

#include <algorithm>

std::string ClipboardText(ColorNotation notation, ColorRef color) {
    const std::wstring text = NotationText(notation, color);
    const bool inParentheses =
        notation == ColorNotation::Rgb || notation == ColorNotation::Hsb || notation == ColorNotation::Cmyk;
    // Each UTF-16 unit keeps its low byte; the texts are ASCII.
    std::string narrow(text.size() + (inParentheses ? 2 : 0), '(');
    std::transform(text.begin(), text.end(), narrow.begin() + (inParentheses ? 1 : 0),
                   [](wchar_t unit) { return static_cast<char>(unit & 0xFF); });
    if (inParentheses)
        narrow.back() = ')';
    return narrow;
}

std::string CodeText(ColorNotation notation, ColorRef color) {
    constexpr CodeForm kForms[kNotationCount] = {CodeForm::Colorref, CodeForm::Rgb, CodeForm::Hex,
                                                 CodeForm::Hsl, CodeForm::DeviceCmyk};
    const int index = static_cast<int>(notation);
    return CodeFormText(kForms[IsNotation(index) ? index : 0], color);
}
