#include "PanelCtrl.h"

#include "../../res/resource.h"
#include "../logic/KeyColor.h"
#include "../logic/KeyCommands.h"
#include "../logic/Language.h"
#include "../logic/ToolButtonTips.h"
#include "../logic/ToolPanelLayout.h"
#include "../win/Colors.h"
#include "../win/PrivateMessages.h"
#include "../win/SystemDpi.h"
#include "../win/WindowRects.h"
#include "Pictures.h"

#include <utility>

namespace {

struct ButtonRow {
    int id;
    int command;
    bool latching;
    int picture;
    int pressedPicture;
};

// In the order of kToolButtonTips. The last two commands are 8 for help and 7 for topmost,
// out of button order.
constexpr ButtonRow kButtons[PanelCtrl::kButtonCount] = {
    {IDC_BUTTON_COLOR_DIALOG, kCommandColorDialog, false, IDB_COLOR_DIALOG, IDB_COLOR_DIALOG_DOWN},
    {IDC_BUTTON_PICKER, kCommandPicker, true, IDB_PICKER, IDB_PICKER_DOWN},
    {IDC_BUTTON_ZOOM, kCommandZoomPicker, true, IDB_ZOOM, IDB_ZOOM_DOWN},
    {IDC_BUTTON_COPY, kCommandCopy, false, IDB_COPY, IDB_COPY_DOWN},
    {IDC_BUTTON_OPTIONS, kCommandOptions, false, IDB_OPTIONS, IDB_OPTIONS_DOWN},
    {IDC_BUTTON_ABOUT, kCommandAbout, false, IDB_ABOUT, IDB_ABOUT_DOWN},
    {IDC_BUTTON_HELP, kCommandHelp, false, IDB_HELP, IDB_HELP_DOWN},
    {IDC_BUTTON_TOPMOST, kCommandTopmost, true, IDB_TOPMOST, IDB_TOPMOST_DOWN},
};

static_assert(PanelCtrl::kButtonCount == kToolButtonCount);

} // namespace

UButton* PanelCtrl::Button(int id) {
    for (size_t i = 0; i < buttons.size(); ++i)
        if (kButtons[i].id == id)
            return &buttons[i];
    return nullptr;
}

void PanelCtrl::Press(int command) {
    for (size_t i = 0; i < buttons.size(); ++i)
        if (kButtons[i].command == command) {
            if (kButtons[i].latching)
                buttons[i].SetDown(buttons[i].IsDown() ? 0 : 1);
            PostCommand(command);
        }
}

void PanelCtrl::PostCommand(int command) {
    PostMessageW(GetParent(Hwnd()), WM_PANEL_COMMAND, static_cast<WPARAM>(command), 0);
}

LRESULT PanelCtrl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (DefaultProc(message, wParam, lParam) == -1)
            return -1;
        GetClientRect(Hwnd(), &clientRect);
        dpi = win::WindowDpi(Hwnd());
        CreateCanvas();
        BuildButtons();
        return 0;
    case WM_SIZE:
        GetClientRect(Hwnd(), &clientRect);
        FitCanvasToClient();
        LayOutButtons();
        break;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            for (const ButtonRow& row : kButtons)
                if (row.id == LOWORD(wParam))
                    PostCommand(row.command);
        }
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        Invalidate();
        return result;
    }
    }
    return CanvasWindow::HandleMessage(message, wParam, lParam);
}

// Idle buttons are grey; under the pointer and pressed they show their colours. The red key
// takes the panel's colour of this moment, and keeps it through later theme changes.
void PanelCtrl::BuildButtons() {
    toolTip.Create(TTS_ALWAYSTIP);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const ColorRef keyFill = ToColorRef(backgroundColor);
    auto coloured = [instance, keyFill](int picture) {
        return [instance, keyFill, picture] {
            win::BitmapPtr keyed = ui::LoadResourceBitmap(instance, picture);
            ui::ReplaceColor(keyed.get(), kPanelKeyColor, keyFill);
            return keyed;
        };
    };
    for (size_t i = 0; i < buttons.size(); ++i) {
        const ButtonRow& row = kButtons[i];
        win::BitmapPtr grey = ui::LoadResourceBitmap(instance, row.picture);
        ui::MakeGreyWithKey(grey.get(), backgroundColor);

        // The caption is not drawn: it names the button for assistive technology.
        const wchar_t* tip = Localized(kToolButtonTips[i].english, kToolButtonTips[i].russian);
        UButton& button = buttons[i];
        button.Create(tip, WS_CHILD | WS_VISIBLE, win::ToRECT(ButtonRect(i)), Hwnd(),
                      static_cast<UINT>(row.id), row.latching);
        button.SetPictures(std::move(grey), coloured(row.picture), coloured(row.pressedPicture));
        toolTip.AddTool(button.Hwnd(), tip);
    }
}

PixelRect PanelCtrl::ButtonRect(size_t index) const {
    return ToolButtonRect(static_cast<int>(index), clientRect.bottom, dpi);
}

void PanelCtrl::SetDpi(int newDpi) {
    dpi = newDpi;
    LayOutButtons();
}

void PanelCtrl::LayOutButtons() {
    for (size_t i = 0; i < buttons.size(); ++i)
        win::MoveWindowTo(buttons[i].Hwnd(), ButtonRect(i));
}

void PanelCtrl::SetBackgroundColor(Argb color) {
    backgroundColor = color;
    CanvasChanged();
}

void PanelCtrl::DrawCanvas() {
    FillBackground();
    DrawLine();
}

void PanelCtrl::FillBackground() {
    if (canvas)
        ui::FillAreas(canvas.get(), {{PixelRect{0, 0, static_cast<int>(canvas->GetWidth()),
                                                static_cast<int>(canvas->GetHeight())},
                                      ToColorRef(backgroundColor)}});
}

void PanelCtrl::DrawLine() {
    if (!canvas)
        return;
    Gdiplus::Graphics graphics(canvas.get());
    Gdiplus::Pen pen(win::ToGdiplusColor(lineColor), 1.0f);
    graphics.DrawLine(&pen, 0, 0, static_cast<INT>(canvas->GetWidth()), 0);
}

BOOL PanelCtrl::PreTranslateMessage(MSG* msg) {
    toolTip.RelayEvent(msg);
    return FALSE;
}
