#pragma once
#include "PixelRect.h"

#include <vector>

// Where the picking keys have put the pointer, for as long as the mouse itself has not moved it.
// The window system may report a place the keys left a moment ago for a while after each move,
// so every key of a quick run steps from the last place a key gave, not from the report.
class PointerTrail {
  public:
    // The place to act at, given the place the system reports now.
    PixelPoint Current(PixelPoint reported);
    // A key has put the pointer there.
    void MovedTo(PixelPoint placed);
    // The keys' run is over: the next report is taken as it is.
    void Forget() { places.clear(); }

  private:
    // The place the run started from, then each place a key left the pointer at.
    std::vector<PixelPoint> places;
};
