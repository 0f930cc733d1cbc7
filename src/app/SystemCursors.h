#pragma once
#include "../win/Handles.h"

#include <array>

// The eleven standard system cursors, which a picking mode replaces while it waits. The
// originals are copied the first time they are replaced, not at start-up, and put back only
// while they are replaced: a session without picking never touches them.
class SystemCursors {
  public:
    // A fresh copy of the cursor as every standard system cursor.
    void Replace(HCURSOR replacement);
    // The copies saved before the first replacement, back in place.
    void Restore();

  private:
    static constexpr size_t kCount = 11;
    void InstallCopies(HCURSOR replacement);

    std::array<win::CursorHandle, kCount> saved;
    bool savedOnce = false;
    bool replaced = false;
};
