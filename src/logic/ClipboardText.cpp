#include "ClipboardText.h"

std::string ClipboardText(ColorNotation notation, ColorRef color) {
    std::wstring text = NotationText(notation, color);
    if (notation == ColorNotation::Rgb || notation == ColorNotation::Hsb || notation == ColorNotation::Cmyk)
        text = L"(" + text + L")";
    // Each UTF-16 unit keeps its low byte; the texts are ASCII.
    std::string narrow;
    for (wchar_t unit : text)
        narrow.push_back(static_cast<char>(unit & 0xFF));
    return narrow;
}
