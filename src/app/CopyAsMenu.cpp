#include "CopyAsMenu.h"

#include "../logic/color/CodeForms.h"
#include "../win/Handles.h"

#include <vector>

std::optional<std::string> ChooseCopyText(HWND owner, ColorRef color, POINT screen) {
    win::MenuHandle menu(CreatePopupMenu());
    if (!menu)
        return std::nullopt;
    std::vector<std::string> texts;
    for (const CodeForm form : CopyAsForms(color)) {
        texts.push_back(CodeFormText(form, color));
        // The texts are ASCII; the label beside each stands in the menu's column of shortcuts.
        const std::wstring item =
            std::wstring(texts.back().begin(), texts.back().end()) + L"\t" + CodeFormLabel(form);
        AppendMenuW(menu.get(), MF_STRING, texts.size(), item.c_str());
    }
    const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    const auto chosen =
        static_cast<size_t>(TrackPopupMenu(menu.get(), align | TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                           screen.x, screen.y, 0, owner, nullptr));
    if (chosen == 0 || chosen > texts.size())
        return std::nullopt;
    return texts[chosen - 1];
}
