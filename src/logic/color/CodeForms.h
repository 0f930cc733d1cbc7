#pragma once
#include "../Color.h"

#include <string>
#include <vector>

// The forms a colour is copied in for code, in the order the "Copy as" menu lists them.
enum class CodeForm { Hex, Rgb, Hsl, Hwb, Oklch, Lab, DeviceCmyk, Colorref, Win32Rgb, Name };

// The colour as the form writes it, for tomato: "#FF6347", "rgb(255, 99, 71)",
// "hsl(9, 100%, 64%)", "hwb(9 28% 0%)", "oklch(0.696 0.196 32.3)", "lab(63 59.4 48)",
// "device-cmyk(0% 61% 72% 0%)", "0x004763FF", "RGB(255, 99, 71)", "tomato" (empty for a
// colour without a name). Read by the conversions of CSS, each names exactly this colour:
// hsl() and device-cmyk() have one decimal where a whole number would not, hwb(), lab() and
// oklch() the fewest decimals that do. ASCII only.
std::string CodeFormText(CodeForm form, ColorRef color);
// The menu's forms for the colour: every one, Name only when the colour has a name.
std::vector<CodeForm> CopyAsForms(ColorRef color);
// The short label of the menu's right-hand column, in the interface language: "CSS hsl".
const wchar_t* CodeFormLabel(CodeForm form);
