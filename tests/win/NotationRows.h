#pragma once
// The information panel's rows: the notation, its label, its text and its mark, indexed by
// ColorNotation.
#include "logic/color/ColorNotation.h"
#include "resource.h"

struct NotationRow {
    ColorNotation notation;
    int labelId;
    int valueId;
    int markId;
};
constexpr NotationRow kNotationRows[] = {
    {ColorNotation::Colref, IDC_NAME_COLREF, IDC_VALUE_COLREF, IDC_CHECK_COLREF},
    {ColorNotation::Rgb, IDC_NAME_RGB, IDC_VALUE_RGB, IDC_CHECK_RGB},
    {ColorNotation::Hex, IDC_NAME_HEX, IDC_VALUE_HEX, IDC_CHECK_HEX},
    {ColorNotation::Hsb, IDC_NAME_HSB, IDC_VALUE_HSB, IDC_CHECK_HSB},
    {ColorNotation::Cmyk, IDC_NAME_CMYK, IDC_VALUE_CMYK, IDC_CHECK_CMYK}};
