#include "PointerTrail.h"

#include <algorithm>

namespace {

// Far more moves than the system can report late; an older place is forgotten.
constexpr size_t kRememberedPlaces = 64;

} // namespace

PixelPoint PointerTrail::Current(PixelPoint reported) {
    if (std::find(places.begin(), places.end(), reported) != places.end())
        return places.back();
    // The mouse has moved it: a new run starts from there.
    places.assign(1, reported);
    return reported;
}

void PointerTrail::MovedTo(PixelPoint placed) {
    if (places.size() >= kRememberedPlaces)
        places.erase(places.begin());
    places.push_back(placed);
}
