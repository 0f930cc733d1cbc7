#pragma once
#include "../logic/Color.h"

#include <windows.h>

#include <optional>
#include <string>

// The "Copy as" menu: a standard popup menu of the colour's texts for code, each item the very
// text it copies with the name of its form beside it, at the screen point. The text of the item
// chosen, or nothing when the menu was dismissed.
std::optional<std::string> ChooseCopyText(HWND owner, ColorRef color, POINT screen);
