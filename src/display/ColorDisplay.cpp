#include "ColorDisplay.h"

#include "../../res/resource.h"
#include "../logic/Language.h"
#include "../logic/color/PaneDescription.h"
#include "../ui/Pictures.h"
#include "../win/Colors.h"
#include "../win/PrivateMessages.h"
#include "../win/SystemDpi.h"
#include "../win/WindowRects.h"
#include "ScreenCopy.h"

#include <oleacc.h>
#include <windowsx.h>

#include <array>
#include <string>

namespace {

constexpr Argb kActivePaneColor{0xFFDE0000};
constexpr Argb kPaneOutlineColor{0xFF323232};
constexpr Argb kNewPaneColor{0xFFFFFFFF};
constexpr Argb kBlack{0xFF000000};
// At the base DPI.
constexpr int kActivePenWidth = 2;
constexpr int kFramePenWidth = 4;
// A pane's tip wraps its longer lines at this width: its contrast line in Russian.
constexpr int kTipWidth = 320;
// Room beyond the measured text for the ink of its last letters: glyphs may reach a pixel or two
// past their measured advance, and the tip clips its text to the measure.
constexpr int kTipOverhang = 4;

} // namespace

void CColorDisplay::SetPaneCount(int count) {
    paneCount = count;
    RebuildPanes();
    Redraw();
}

// Keeps the colours of the first panes, starts new panes white and makes pane 0 active.
void CColorDisplay::RebuildPanes() {
    std::array<Argb, kMaxPanes> kept{};
    kept.fill(kNewPaneColor);
    for (size_t i = 0; i < panes.size() && i < kept.size(); ++i)
        kept[i] = panes[i].color;
    const PixelRect client = win::ClientRect(Hwnd());
    panes.clear();
    for (const PixelRect& rect : LayoutPanes(paneCount, client.right, client.bottom, dpi))
        panes.push_back({win::ToRECT(rect), kNewPaneColor, panes.empty()});
    for (size_t i = 0; i < panes.size(); ++i)
        panes[i].color = kept[i];
    PlaceTips();
}

// A new size or DPI moves the panes; their colours and the active one stay.
void CColorDisplay::LayOutPanes() {
    const PixelRect client = win::ClientRect(Hwnd());
    const std::vector<PixelRect> rects = LayoutPanes(paneCount, client.right, client.bottom, dpi);
    for (size_t i = 0; i < panes.size() && i < rects.size(); ++i)
        panes[i].rect = win::ToRECT(rects[i]);
    PlaceTips();
}

// Tool i + 1 is pane i, as item i + 1 of the accessible list.
void CColorDisplay::PlaceTips() {
    std::vector<RECT> rects;
    for (const Pane& pane : panes)
        rects.push_back(pane.rect);
    tips.SetAreas(Hwnd(), std::move(rects));
}

void CColorDisplay::SetNotation(ColorNotation marked) {
    notation = marked;
    AnnounceChanges();
    tips.Update();
}

void CColorDisplay::SetDpi(int newDpi) {
    dpi = newDpi;
    tips.SetMaxTipWidth(ScaleToDpi(kTipWidth, dpi));
    LayOutPanes();
    if (zoomMode) {
        zoomView = ZoomViewAround(zoomCenter, dpi, zoomFactor);
        BuildZoom();
    }
    Redraw();
}

int CColorDisplay::GetActivePane() const {
    for (size_t i = 0; i < panes.size(); ++i)
        if (panes[i].active)
            return static_cast<int>(i);
    return 0;
}

void CColorDisplay::SetActivePane(int index) {
    if (!IsPane(index))
        return;
    for (size_t i = 0; i < panes.size(); ++i)
        panes[i].active = static_cast<int>(i) == index;
    Redraw();
}

Argb CColorDisplay::GetPaneColor(int index) const {
    return IsPane(index) ? panes[static_cast<size_t>(index)].color : kBlack;
}

void CColorDisplay::SetPaneColor(int index, Argb color) {
    if (!IsPane(index))
        return;
    panes[static_cast<size_t>(index)].color = color;
    Redraw();
}

void CColorDisplay::Collect(Argb color) {
    if (panes.empty())
        return;
    const int pane = GetActivePane();
    SetPaneColor(pane, color);
    SetActivePane((pane + 1) % GetPaneCount());
    PostToParent(WM_PANE_COLLECTED, static_cast<WPARAM>(pane));
}

bool CColorDisplay::CaptureScreen(POINT screenPoint) {
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    zoomBounds = ZoomCaptureArea(win::ToPixelPoint(screenPoint), dpi);
    ScreenArea copy{Intersect(zoomBounds, VirtualScreen()), {}};
    // Off the screen altogether there is nothing to read, and the view is all black.
    const bool copied = copy.area.IsEmpty() || CopyScreen(copy.area, copy);
    if (copied)
        screenCapture = std::move(copy);
    else
        screenCapture.reset();
    SetCursor(previous);
    return copied;
}

bool CColorDisplay::CopyScreen(const PixelRect& area, ScreenArea& copy) const {
    return CopyScreenArea(area, copy);
}

bool CColorDisplay::ShowZoom(POINT screenPoint) {
    if (!screenCapture)
        return false;
    zoomCenter = win::ToPixelPoint(screenPoint);
    zoomView = ZoomViewAround(zoomCenter, dpi, zoomFactor);
    zoomMode = BuildZoom();
    Redraw();
    return zoomMode;
}

win::BitmapPtr CColorDisplay::MakeViewImage(int width, int height) const {
    return ui::MakeCanvas(width, height);
}

// The images are made for the size of the view at the DPI, and made anew when it changes.
bool CColorDisplay::BuildZoom() {
    const auto fits = [this](const win::BitmapPtr& image) {
        return image && static_cast<int>(image->GetWidth()) == zoomView.width &&
               static_cast<int>(image->GetHeight()) == zoomView.height;
    };
    if (!fits(zoomImage) || !fits(griddedImage)) {
        zoomImage = MakeViewImage(zoomView.width, zoomView.height);
        griddedImage = MakeViewImage(zoomView.width, zoomView.height);
    }
    if (!zoomImage || !griddedImage || !screenCapture)
        return false;
    ui::WritePixels(zoomImage.get(), Magnify(*screenCapture, zoomView));
    DrawGrid();
    return true;
}

// The gridded image is the zoom image, with the grid over it when the flag is on and the blocks
// are large enough; its lines are as wide at every factor.
void CColorDisplay::DrawGrid() {
    const std::vector<Argb> plain = ui::ReadPixels(zoomImage.get());
    ui::WritePixels(griddedImage.get(), gridFlag && zoomFactor >= kGridMinFactor
                                            ? WithGrid(plain, zoomView.width, zoomView.height, zoomView.block,
                                                       GridLineWidth(ZoomBlockAt(dpi)))
                                            : plain);
}

void CColorDisplay::SetGrid(bool on) {
    gridFlag = on;
    if (zoomMode && zoomImage && griddedImage) {
        DrawGrid();
        Redraw();
    }
}

void CColorDisplay::SetZoomFactor(int factor) {
    zoomFactor = IsZoomFactor(factor) ? factor : kZoomFactor;
}

void CColorDisplay::StepZoom(int steps, POINT clientPoint) {
    const int factor = StepZoomFactor(zoomFactor, steps);
    if (!zoomMode || !canvas || factor == zoomFactor)
        return;
    const std::optional<PixelPoint> pointed =
        ZoomPixelAt(static_cast<int>(canvas->GetWidth()), static_cast<int>(canvas->GetHeight()),
                    win::ToPixelPoint(clientPoint), ZoomBlockAt(dpi));
    const PixelPoint anchor = pointed ? *pointed : PixelPoint{zoomView.width / 2, zoomView.height / 2};
    zoomFactor = factor;
    zoomView = RezoomedView(zoomView, dpi, factor, anchor, zoomBounds);
    zoomMode = BuildZoom();
    Redraw();
}

void CColorDisplay::CancelZoom() {
    zoomMode = false;
    Redraw();
}

void CColorDisplay::Redraw() {
    CanvasChanged();
    AnnounceChanges();
    tips.Update();
}

// Every change of state passes through Redraw or SetNotation, so this sees each one.
void CColorDisplay::AnnounceChanges() {
    const int active = GetActivePane();
    std::vector<Argb> colors;
    for (const Pane& pane : panes)
        colors.push_back(pane.color);
    Announced now{zoomMode, GetPaneCount(), active, GetPaneColor(active), notation, std::move(colors)};
    const LONG activeItem = active + 1;
    if (now.zoomMode != announced.zoomMode || now.paneCount != announced.paneCount) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Hwnd(), OBJID_CLIENT, CHILDID_SELF);
        NotifyWinEvent(EVENT_OBJECT_REORDER, Hwnd(), OBJID_CLIENT, CHILDID_SELF);
    }
    if (!zoomMode && (now.activePane != announced.activePane || now.paneCount != announced.paneCount)) {
        NotifyWinEvent(EVENT_OBJECT_SELECTION, Hwnd(), OBJID_CLIENT, activeItem);
        if (GetFocus() == Hwnd())
            NotifyWinEvent(EVENT_OBJECT_FOCUS, Hwnd(), OBJID_CLIENT, activeItem);
    } else if (!zoomMode && now.activeColor != announced.activeColor) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Hwnd(), OBJID_CLIENT, activeItem);
    }
    if (!zoomMode)
        AnnounceDescriptions(now);
    announced = std::move(now);
}

// A pane's description gives its colour in the marked notation and its contrast with the active
// pane: a new notation, active pane or active colour changes every pane's, a new colour its own.
void CColorDisplay::AnnounceDescriptions(const Announced& now) const {
    const bool all = now.notation != announced.notation || now.activePane != announced.activePane ||
                     now.activeColor != announced.activeColor || now.paneCount != announced.paneCount;
    for (size_t i = 0; i < now.colors.size(); ++i)
        if (all || i >= announced.colors.size() || now.colors[i] != announced.colors[i])
            NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, Hwnd(), OBJID_CLIENT, static_cast<LONG>(i + 1));
}

// A pane is named by its place and its colour: "Pane 2: 200, 100, 50".
win::AccessibleFacts CColorDisplay::DescribeAccessible(long item) const {
    win::AccessibleFacts facts;
    if (item == CHILDID_SELF) {
        facts.name = zoomMode ? zoomName : listName;
        facts.role = zoomMode ? ROLE_SYSTEM_GRAPHIC : ROLE_SYSTEM_LIST;
        return facts;
    }
    const int index = static_cast<int>(item) - 1;
    if (zoomMode || !IsPane(index))
        return facts;
    const Pane& pane = panes[static_cast<size_t>(index)];
    const ColorRef color = ToColorRef(pane.color);
    facts.name = paneWord + (L" " + std::to_wstring(item)) + L": " + std::to_wstring(RedOf(color)) + L", " +
                 std::to_wstring(GreenOf(color)) + L", " + std::to_wstring(BlueOf(color));
    facts.role = ROLE_SYSTEM_LISTITEM;
    facts.state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (pane.active)
        facts.state |= STATE_SYSTEM_SELECTED | (GetFocus() == Hwnd() ? STATE_SYSTEM_FOCUSED : 0);
    facts.bounds = pane.rect;
    facts.description = PaneText(index);
    return facts;
}

std::wstring CColorDisplay::PaneText(int index) const {
    std::vector<ColorRef> colors;
    for (const Pane& pane : panes)
        colors.push_back(ToColorRef(pane.color));
    return PaneDescription(colors, static_cast<size_t>(index), static_cast<size_t>(GetActivePane()),
                           notation);
}

// The magnified view shows no panes, and an empty text no tip.
LRESULT CColorDisplay::OnNotify(NMHDR* header) {
    if (header->hwndFrom != tips.Hwnd())
        return 0;
    if (header->code == TTN_SHOW) {
        tips.Widen(ScaleToDpi(kTipOverhang, dpi));
        return 0; // the tip still places itself
    }
    if (header->code != TTN_GETDISPINFOW)
        return 0;
    const int index = static_cast<int>(header->idFrom) - 1;
    tipText = zoomMode || !IsPane(index) ? std::wstring() : PaneText(index);
    reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = tipText.data();
    return 0;
}

// The fills come first, all of them: the panes lie apart, so no pane's outline reaches into
// another pane's fill, and the outlines drawn after them all cover what they would have.
void CColorDisplay::Render() {
    const auto width = static_cast<INT>(canvas->GetWidth());
    const auto height = static_cast<INT>(canvas->GetHeight());
    std::vector<ui::FilledArea> fills{{PixelRect{0, 0, width, height},
                                       zoomMode ? MakeColorRef(255, 255, 255) : ToColorRef(backgroundColor)}};
    if (!zoomMode)
        for (const Pane& pane : panes)
            fills.push_back({win::ToPixelRect(pane.rect), ToColorRef(pane.color)});
    ui::FillAreas(canvas.get(), fills);
    Gdiplus::Graphics graphics(canvas.get());
    if (zoomMode) {
        const PixelPoint offset = ZoomImageOffset(width, height, ZoomBlockAt(dpi));
        ui::DrawPicture(graphics, griddedImage.get(), offset.x, offset.y);
    } else {
        Gdiplus::Pen activePen(win::ToGdiplusColor(kActivePaneColor),
                               static_cast<float>(ScaleToDpi(kActivePenWidth, dpi)));
        Gdiplus::Pen outlinePen(win::ToGdiplusColor(kPaneOutlineColor), 1.0f);
        for (const Pane& pane : panes) {
            const Gdiplus::Rect rect(pane.rect.left, pane.rect.top, pane.rect.right - pane.rect.left,
                                     pane.rect.bottom - pane.rect.top);
            graphics.DrawRectangle(pane.active ? &activePen : &outlinePen, rect);
        }
    }
    Gdiplus::Pen framePen(win::ToGdiplusColor(frameColor),
                          static_cast<float>(ScaleToDpi(kFramePenWidth, dpi)));
    graphics.DrawRectangle(&framePen, 0, 0, width, height);
}

LRESULT CColorDisplay::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (DefaultProc(message, wParam, lParam) == -1)
            return -1;
        dpi = win::WindowDpi(Hwnd());
        listName = Localized(L"Color panes", L"Панели цветов");
        zoomName = Localized(L"Magnified view of the screen", L"Увеличенный участок экрана");
        paneWord = Localized(L"Pane", L"Панель");
        tips.Create(TTS_ALWAYSTIP | TTS_NOPREFIX);
        tips.SetMaxTipWidth(ScaleToDpi(kTipWidth, dpi));
        CreateCanvas();
        RebuildPanes();
        Redraw();
        return 0;
    case WM_SIZE:
        if (FitCanvasToClient()) {
            LayOutPanes();
            Redraw();
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        Redraw();
        return result;
    }
    case WM_LBUTTONDBLCLK:
        // Only a view kept by collecting takes a quick second click; otherwise it does nothing.
        if (!zoomMode)
            break;
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        OnLButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, (wParam & MK_SHIFT) != 0);
        break;
    case WM_SETCURSOR:
        // The eyedropper is loaded when the view first shows it: at start-up a cursor costs round
        // trips to the window system under Wine.
        if (zoomMode && !eyedropperCursor)
            eyedropperCursor = ui::LoadCursorResource(IDC_EYEDROPPER);
        SetCursor(zoomMode && eyedropperCursor ? eyedropperCursor.get() : LoadCursorW(nullptr, IDC_ARROW));
        return FALSE;
    case WM_GETOBJECT:
        return OnGetObject(wParam, lParam);
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    }
    return CanvasWindow::HandleMessage(message, wParam, lParam);
}

void CColorDisplay::OnLButtonDown(POINT point, bool shift) {
    if (zoomMode) {
        PickFromZoom(point, shift);
    } else {
        SelectPaneAt(point);
        PostToParent(WM_PANE_SELECTED, 0);
    }
    SetFocus(Hwnd());
}

int CColorDisplay::PaneAt(POINT clientPoint) const {
    for (size_t i = 0; i < panes.size(); ++i)
        if (PtInRect(&panes[i].rect, clientPoint))
            return static_cast<int>(i);
    return -1;
}

// A margin or a gap changes nothing.
void CColorDisplay::SelectPaneAt(POINT point) {
    if (const int pane = PaneAt(point); IsPane(pane))
        for (size_t i = 0; i < panes.size(); ++i)
            panes[i].active = static_cast<int>(i) == pane;
    Redraw();
}

// The plain zoom image is read, so the grid never tints the colour; the margin gives black.
void CColorDisplay::PickFromZoom(POINT point, bool collect) {
    if (!zoomMode || !canvas || !zoomImage)
        return;
    const auto zoomPixel =
        ZoomPixelAt(static_cast<int>(canvas->GetWidth()), static_cast<int>(canvas->GetHeight()),
                    win::ToPixelPoint(point), ZoomBlockAt(dpi));
    Gdiplus::Color picked = win::ToGdiplusColor(kBlack);
    if (zoomPixel)
        zoomImage->GetPixel(zoomPixel->x, zoomPixel->y, &picked);
    PostToParent(WM_COLOR_PICKED, static_cast<WPARAM>(ToColorRef(win::ToArgb(picked))));
    if (collect && GetPaneCount() > 1) {
        Collect(Opaque(win::ToArgb(picked)));
        return;
    }
    SetPaneColor(GetActivePane(), Opaque(win::ToArgb(picked)));
    zoomMode = false;
    Redraw();
    PostToParent(WM_PANE_SELECTED, 0);
}

BOOL CColorDisplay::PreTranslateMessage(MSG* msg) {
    tips.RelayEvent(msg);
    // Shift+F10 and the menu key ask for the active pane's menu, as a right click does for its pane;
    // the parent, which shows it, hears of it as of a right click the display passes on.
    const bool shiftF10 = msg->message == WM_SYSKEYDOWN && msg->wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0;
    if (shiftF10 || (msg->message == WM_KEYDOWN && msg->wParam == VK_APPS)) {
        SendMessageW(Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Hwnd()), MAKELPARAM(-1, -1));
        return TRUE;
    }
    if (msg->message != WM_KEYDOWN)
        return FALSE;
    switch (msg->wParam) {
    case VK_LEFT:
        OnArrowKey(GridMove::Left);
        break;
    case VK_UP:
        OnArrowKey(GridMove::Up);
        break;
    case VK_RIGHT:
        OnArrowKey(GridMove::Right);
        break;
    case VK_DOWN:
        OnArrowKey(GridMove::Down);
        break;
    default:
        PostToParent(WM_PANE_KEYDOWN, msg->wParam | (IsRepeatedKeyDown(msg->lParam) ? kRepeatedKey : 0));
        break;
    }
    // Neither translated nor dispatched: no WM_CHAR, and no dialog navigation.
    return TRUE;
}

void CColorDisplay::OnArrowKey(GridMove move) {
    const int target = MoveInGrid(paneCount, GetActivePane(), move);
    if (IsPane(target))
        SetActivePane(target);
    PostToParent(WM_PANE_SELECTED, 0);
}

void CColorDisplay::PostToParent(UINT message, WPARAM wParam) const {
    PostMessageW(GetParent(Hwnd()), message, wParam, 0);
}
