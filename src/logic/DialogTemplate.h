#pragma once
// The controls of an extended dialog template (DLGTEMPLATEEX) as the resource holds them, read
// without windows: where each control sits in dialog units and what it is.
#include <cstddef>
#include <cstdint>
#include <vector>

struct TemplateItem {
    std::uint32_t style;
    // Dialog units: x, y, width, height.
    int x;
    int y;
    int width;
    int height;
    // The predefined class (0x0080 button, 0x0082 static, ...), or 0 for a class named by text.
    int classAtom;
};

struct DialogTemplateLayout {
    int width; // of the client area, in dialog units
    int height;
    std::vector<TemplateItem> items; // in creation order
};

// Empty (no items, no size) for anything but a whole extended template.
DialogTemplateLayout ReadDialogTemplate(const std::uint8_t* data, std::size_t size);
