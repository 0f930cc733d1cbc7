#pragma once
// The tool panel's button names as the user reads them in their tooltips, in button order;
// the help's tool panel page names each button by them.
#include "ToolPanelLayout.h"

struct ToolButtonTip {
    const wchar_t* english;
    const wchar_t* russian;
};

inline constexpr ToolButtonTip kToolButtonTips[kToolButtonCount] = {
    {L"Color dialog", L"Цветоподборочное окно"},
    {L"Color picker", L"Цветоопределитель"},
    {L"Zoomed color picker", L"Приближенный цветоопределитель"},
    {L"Copy result", L"Скопировать результат"},
    {L"Options", L"Опции программы"},
    {L"About", L"О программе"},
    {L"Help", L"Помощь"},
    {L"Topmost", L"Окно всегда наверху"},
};
