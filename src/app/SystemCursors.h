#pragma once
#include "../win/Handles.h"

#include <array>

// The eleven standard system cursors that a picking mode replaces, so that the user sees the
// mode over every application, and their restoration. While they are replaced a marker is
// kept in the registry beside the settings: a run that ends without restoring them (killed,
// crashed) leaves it, and the next start puts the user's own cursor scheme back.
class SystemCursors {
  public:
    static constexpr int kCount = 11;
    // In the order they are saved, replaced and restored.
    static constexpr DWORD kIds[kCount] = {32650, 32512, 32515, 32649, 32513, 32646,
                                           32643, 32645, 32642, 32644, 32516};

    // Undoes a replacement an earlier run left behind, then saves a copy of each cursor.
    SystemCursors();
    SystemCursors(const SystemCursors&) = delete;
    SystemCursors& operator=(const SystemCursors&) = delete;
    virtual ~SystemCursors() = default;

    // A new copy of the cursor for every id; the marker is written first.
    void Replace(HCURSOR cursor);
    // A new copy of each saved cursor, so that the saved ones serve any number of times; then
    // the marker goes.
    void Restore();

  protected:
    // Makes the copy the system cursor of that id; the system then owns it (SetSystemCursor).
    virtual bool Install(HCURSOR copy, DWORD id);

  private:
    void InstallCopies(HCURSOR replacement);

    std::array<win::CursorHandle, kCount> saved;
};
