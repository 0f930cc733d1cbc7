#include "InfoCtrl.h"

#include "../../res/resource.h"
#include "../logic/Alignment.h"
#include "../logic/DpiScaling.h"
#include "../ui/Pictures.h"
#include "../win/Colors.h"
#include "../win/PrivateMessages.h"

namespace {

constexpr int kCheckSize = 10;
constexpr int kCheckLeft = 10;

struct NotationRow {
    int checkId;
    int labelId;
    int valueId;
};

// Indexed by ColorNotation; the rows on the panel run RGB, HEX, HSB, CMYK, COLREF.
constexpr NotationRow kRows[kNotationCount] = {
    {IDC_CHECK_COLREF, IDC_NAME_COLREF, IDC_VALUE_COLREF},
    {IDC_CHECK_RGB, IDC_NAME_RGB, IDC_VALUE_RGB},
    {IDC_CHECK_HEX, IDC_NAME_HEX, IDC_VALUE_HEX},
    {IDC_CHECK_HSB, IDC_NAME_HSB, IDC_VALUE_HSB},
    {IDC_CHECK_CMYK, IDC_NAME_CMYK, IDC_VALUE_CMYK},
};

constexpr ColorNotation kPanelOrder[] = {ColorNotation::Rgb, ColorNotation::Hex, ColorNotation::Hsb,
                                         ColorNotation::Cmyk, ColorNotation::Colref};

} // namespace

InfoCtrl::InfoCtrl()
    : Dialog(IDD_INFO), backgroundBrush(CreateSolidBrush(win::ToCOLORREF(backgroundColor))) {}

LRESULT InfoCtrl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (win::IsCtlColorMessage(message))
        return OnCtlColor(message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        return OnCreate(message, wParam, lParam);
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_CHECK_CLICKED:
        OnCheckClicked(static_cast<int>(wParam));
        return 0;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

LRESULT InfoCtrl::OnCreate(UINT message, WPARAM wParam, LPARAM lParam) {
    if (DefaultProc(message, wParam, lParam) == -1)
        return -1;
    for (int i = 0; i < kNotationCount; ++i) {
        CheckCtrl& check = checks[static_cast<size_t>(i)];
        check.Create(NotationName(static_cast<ColorNotation>(i)), WS_CHILD | WS_VISIBLE,
                     RECT{0, 0, kCheckSize, kCheckSize}, Hwnd(), static_cast<UINT>(kRows[i].checkId), 0);
    }
    CheckOf(ColorNotation::Colref).SetCheck(true);
    return 0;
}

// The marks are placed in pixels, their rows in dialog units, which follow the font: each mark
// is centred on its row's label. With the rows 1.5 pixels a unit high this puts them at
// 7, 28, 49, 70 and 90.
void InfoCtrl::LayOutMarks(int markDpi) {
    const int size = ScaleToDpi(kCheckSize, markDpi);
    const int left = ScaleToDpi(kCheckLeft, markDpi);
    for (ColorNotation notation : kPanelOrder) {
        const RECT label = win::RectInParent(labels[static_cast<size_t>(notation)].Hwnd());
        MoveWindow(CheckOf(notation).Hwnd(), left, CentredStart(label.top, label.bottom - label.top, size),
                   size, size, TRUE);
    }
}

void InfoCtrl::DoDataExchange() {
    for (size_t i = 0; i < kNotationCount; ++i) {
        BindControl(labels[i], kRows[i].labelId);
        BindControl(values[i], kRows[i].valueId);
    }
}

BOOL InfoCtrl::OnInitDialog() {
    GetClientRect(Hwnd(), &templateClient);
    templateDpi = Dpi();
    LayOutMarks(templateDpi);
    FitToRows();
    return TRUE;
}

// The panel grows until its frame holds the last row and its mark, with as much room below the
// last row as above the first mark.
void InfoCtrl::FitToRows() {
    const int margin = win::RectInParent(CheckOf(ColorNotation::Rgb).Hwnd()).top;
    win::GrowClient(Hwnd(), 0, LowestChildBottom() + margin);
}

// The panel has no border, so its window is its client area.
void InfoCtrl::OnDpiChanged(int newDpi) {
    Dialog::OnDpiChanged(newDpi);
    LayOutMarks(newDpi);
    SetWindowPos(Hwnd(), nullptr, 0, 0, RescaleDpi(templateClient.right, templateDpi, newDpi),
                 RescaleDpi(templateClient.bottom, templateDpi, newDpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    FitToRows();
    Invalidate();
}

void InfoCtrl::SetColor(ColorRef color) {
    currentColor = color;
    wchar_t text[kNotationTextCapacity];
    for (ColorNotation notation : {ColorNotation::Colref, ColorNotation::Rgb, ColorNotation::Hex,
                                   ColorNotation::Cmyk, ColorNotation::Hsb}) {
        WriteNotationText(notation, color, text);
        values[static_cast<size_t>(notation)].SetText(text);
    }
}

ColorNotation InfoCtrl::GetNotation() const {
    for (int i = 0; i < kNotationCount; ++i)
        if (checks[static_cast<size_t>(i)].IsChecked())
            return static_cast<ColorNotation>(i);
    return ColorNotation::Colref;
}

void InfoCtrl::SetNotation(int notation) {
    if (!IsNotation(notation))
        return;
    for (int i = 0; i < kNotationCount; ++i)
        checks[static_cast<size_t>(i)].SetCheck(i == notation);
}

void InfoCtrl::SetBackgroundColor(ColorRef color) {
    backgroundColor = color;
    backgroundBrush.reset(CreateSolidBrush(win::ToCOLORREF(backgroundColor)));
    // The panel clips its children, so the labels paint their own background: they repaint too.
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void InfoCtrl::OnCheckClicked(int checkId) {
    bool known = false;
    for (const NotationRow& row : kRows)
        known = known || row.checkId == checkId;
    if (!known)
        return;
    for (CheckCtrl& check : checks)
        if (check.ControlId() != checkId)
            check.SetCheck(false);
    PostMessageW(GetParent(Hwnd()), WM_NOTATION_MARKED, 0, 0);
}

// Straight onto the window rather than from a canvas: the dialog manager erases the panel with
// its brush and every text is a child that draws itself, so a canvas of the panel's size would
// hold nothing but these four lines.
void InfoCtrl::OnPaint() {
    win::PaintScope paint(Hwnd());
    RECT client;
    GetClientRect(Hwnd(), &client);
    Gdiplus::Graphics graphics(paint.get());
    ui::DrawFrame(graphics, frameColor, client.right, client.bottom);
}

LRESULT InfoCtrl::OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam) {
    DefaultProc(message, wParam, lParam);
    const auto control = reinterpret_cast<HWND>(lParam);
    for (size_t i = 0; i < kNotationCount; ++i)
        if (control == labels[i].Hwnd() || control == values[i].Hwnd())
            SetBkColor(reinterpret_cast<HDC>(wParam), win::ToCOLORREF(backgroundColor));
    return reinterpret_cast<LRESULT>(backgroundBrush.get());
}
