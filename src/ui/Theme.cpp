#include "Theme.h"

namespace {

struct ThemeRow {
    ThemeColors colors;
    ColorRef previewPanel;
};

constexpr ThemeRow kThemes[kThemeCount] = {
    {{MakeColorRef(121, 171, 146), MakeColorRef(191, 217, 197)}, MakeColorRef(192, 217, 197)},
    {{MakeColorRef(156, 186, 183), MakeColorRef(180, 210, 207)}, MakeColorRef(180, 210, 207)},
    {{MakeColorRef(121, 191, 191), MakeColorRef(191, 217, 217)}, MakeColorRef(191, 217, 217)},
    {{MakeColorRef(125, 167, 216), MakeColorRef(163, 194, 230)}, MakeColorRef(163, 194, 230)},
    {{MakeColorRef(251, 246, 180), MakeColorRef(255, 254, 212)}, MakeColorRef(255, 254, 212)},
    {{MakeColorRef(251, 199, 202), MakeColorRef(253, 225, 227)}, MakeColorRef(253, 225, 227)},
};

const ThemeRow& RowOf(int theme) { return kThemes[(theme >= 2 && theme <= kThemeCount) ? theme - 1 : 0]; }

} // namespace

ThemeColors LookupTheme(int theme) { return RowOf(theme).colors; }

ColorRef ThemePreviewPanelColor(int theme) { return RowOf(theme).previewPanel; }
