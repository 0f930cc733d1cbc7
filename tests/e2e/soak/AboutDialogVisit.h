#pragma once
// The about dialog: clicks on its face and its link, which must start the browser, then Ok,
// Escape or Enter.
#include "DialogVisit.h"

namespace soak {

constexpr wchar_t kBrowserCommandKey[] = L"http\\shell\\open\\command";
constexpr wchar_t kBrowserStartedEvent[] = L"Local\\TintraSoakStandInBrowser";

// The about dialog's link starts the browser the registry names; for the run it names a
// stand-in beside this program, and the user's command is put back at the end.
class StandInBrowser {
  public:
    StandInBrowser() : started(CreateEventW(nullptr, FALSE, FALSE, kBrowserStartedEvent)) {
        DWORD bytes = sizeof(previous);
        hadPrevious = RegGetValueW(HKEY_CLASSES_ROOT, kBrowserCommandKey, nullptr, RRF_RT_REG_SZ, nullptr,
                                   previous, &bytes) == ERROR_SUCCESS;
        std::wstring path = ProgramPath();
        path.erase(path.find_last_of(L"\\/") + 1);
        Store(L"\"" + path + L"stand_in_browser.exe\" \"%1\"");
    }
    ~StandInBrowser() {
        if (hadPrevious)
            Store(previous);
        else
            RegDeleteKeyValueW(HKEY_CLASSES_ROOT, kBrowserCommandKey, nullptr);
    }
    // Whether the stand-in says, within the time, that it has started.
    bool Started(DWORD timeoutMs) const {
        return WaitForSingleObject(started.get(), timeoutMs) == WAIT_OBJECT_0;
    }

  private:
    static void Store(const std::wstring& command) {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, kBrowserCommandKey, nullptr, REG_SZ, command.c_str(),
                        static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }

    win::KernelObject started;
    wchar_t previous[1024] = {};
    bool hadPrevious = false;
};

class AboutDialogVisit : DialogVisit {
  public:
    using DialogVisit::DialogVisit;

    std::string Run() {
        std::string problem =
            Open("about: open", IDC_BUTTON_ABOUT, tintra.choices.russian ? L"О программе" : L"About");
        if (!problem.empty())
            return problem;
        const ColorRef color = tintra.SliderColor();
        // The link is clicked once at most: a second click so soon after would be a double click.
        bool linkClicked = false;
        for (int left = input.Pick(0, 2); left > 0; --left) {
            if (linkClicked || input.Pick(0, 1)) {
                const int x = ScaleToDpi(input.Pick(2, 60), tintra.dpi);
                input.CountedClick("about: click on the face",
                                   OnScreen(dialog, x, ScaleToDpi(input.Pick(2, 40), tintra.dpi)));
                continue;
            }
            input.CountedClick("about: click on the link", MiddleOf(GetDlgItem(dialog, IDC_LINK)));
            linkClicked = true;
            if (!browser.Started(kEffectTimeoutMs))
                return "one click on the link did not start the browser";
        }
        const int closing = input.Pick(0, 2);
        problem = closing == 0   ? CloseByClick(dialog, "about: Ok", IDOK, "Ok")
                  : closing == 1 ? CloseByKey(dialog, "about: Escape", VK_ESCAPE, "Escape")
                                 : CloseByKey(dialog, "about: Enter", VK_RETURN, "Enter");
        if (!problem.empty())
            return problem;
        if (browser.Started(0))
            return "the browser started without a click on the link";
        return tintra.Agrees(color);
    }

  private:
    StandInBrowser browser;
};

} // namespace soak
