#pragma once
// Room for pictures sized in pixels in a dialog whose template gives every control its place
// in dialog units: with a font smaller than the designer's, a picture is larger than the place
// its template keeps for it. The dialog then grows, and the controls below or beside the
// picture move with it, so that nothing covers anything and no picture is cut by the edge.
#include "PixelRect.h"

#include <vector>

struct DialogPart {
    // Where the template puts it, in pixels of the dialog's client area.
    PixelRect rect;
    bool isPicture;
    // A picture's own size in pixels; it shows from the top left of its place.
    int pictureWidth;
    int pictureHeight;
};

struct DialogRoom {
    // The parts' places, in the order given.
    std::vector<PixelRect> rects;
    int clientWidth;
    int clientHeight;
};

// A part below a picture moves down as far as the picture outgrows its place, one beside it
// to its right moves right; a part that holds a picture (a group box) grows with it. The
// client area grows to hold every part with the margins its template left at the right and
// bottom. A picture painted by the dialog itself is a picture whose place is its own size.
DialogRoom RoomForPictures(const std::vector<DialogPart>& parts, int clientWidth, int clientHeight);
