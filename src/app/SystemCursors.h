#pragma once
#include <windows.h>

// The eleven standard system cursors that a picking mode replaces, so that the user sees the
// mode over every application, and their restoration. While they are replaced a marker is
// kept in the registry beside the settings, naming the process that replaced them: a run that
// ends without restoring them (killed, crashed) leaves it, and the next start puts the user's
// own cursor scheme back, unless it names another copy that still runs and waits for its click.
class SystemCursors {
  public:
    static constexpr int kCount = 11;
    // In the order they are replaced.
    static constexpr DWORD kIds[kCount] = {32650, 32512, 32515, 32649, 32513, 32646,
                                           32643, 32645, 32642, 32644, 32516};

    // Has the system load the user's cursor scheme again (SPI_SETCURSORS).
    static void LoadUserScheme();
    using SchemeLoad = void (*)();
    // Undoes a replacement an earlier run left behind, by the scheme load given.
    explicit SystemCursors(SchemeLoad loadScheme = LoadUserScheme);
    SystemCursors(const SystemCursors&) = delete;
    SystemCursors& operator=(const SystemCursors&) = delete;
    virtual ~SystemCursors() = default;

    // A new copy of the cursor for every id; the marker is written first.
    void Replace(HCURSOR cursor);
    // The user's own scheme, as it stands now, is loaded anew; then the marker goes.
    void Restore();
    // Between a Replace and the Restore that follows it.
    bool AreReplaced() const { return replaced; }

  protected:
    // Makes the copy the system cursor of that id; the system then owns it (SetSystemCursor).
    virtual bool Install(HCURSOR copy, DWORD id);
    // Has the system load the user's cursor scheme again (SPI_SETCURSORS).
    virtual void ReloadUserScheme();

  private:
    bool replaced = false;
};
