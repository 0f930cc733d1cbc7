#pragma once
#include "../logic/BrowserCommand.h"
#include "../win/Controls.h"
#include "../win/Gdiplus.h"
#include "ThemedDialog.h"

#include <string>
#include <vector>

// The about dialog: the banner with the version line, the credit, and the link to the
// maker's web site, which opens in the browser.
class CDlgAbout : public ThemedDialog {
  public:
    CDlgAbout();

    // How the link starts the browser; the shell's, unless replaced.
    void SetLauncher(LaunchFunction launcher) { launch = std::move(launcher); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    void OnDpiChanged(int newDpi) override;
    std::vector<PixelRect> PaintedPictures() const override;

  private:
    void OnPaint();
    LRESULT OnCtlColor(HDC dc, HWND control) const;
    bool IsOverLink(POINT clientPoint) const;
    void DrawVersionLine(const std::wstring& line) const;
    void ScaleBanner();

    // At the base DPI, with the version line; WM_PAINT copies the one at the dialog's DPI.
    win::BitmapPtr banner;
    win::BitmapPtr scaledBanner;
    win::StaticText link;
    win::StaticText credit;
    LaunchFunction launch;
};

// The program's version as "major.minor" from its own version resource; empty without one.
std::wstring ExecutableVersionText();
// The browser's executable from the command registered for web addresses; empty without one.
std::wstring DefaultBrowserPath();
// A key's default value, when it is a string; empty otherwise. Bounded and terminated however
// the value was stored.
std::wstring ReadDefaultString(HKEY root, const wchar_t* subKey);
