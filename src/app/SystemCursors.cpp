#include "SystemCursors.h"

namespace {

// The system cursors a picking mode replaces, in the order they are saved and restored.
constexpr int kSystemCursorIds[] = {32650, 32512, 32515, 32649, 32513, 32646,
                                    32643, 32645, 32642, 32644, 32516};

} // namespace

void SystemCursors::Replace(HCURSOR replacement) {
    if (!replacement)
        return;
    if (!savedOnce) {
        for (size_t i = 0; i < kCount; ++i)
            saved[i].reset(CopyIcon(LoadCursorW(nullptr, MAKEINTRESOURCEW(kSystemCursorIds[i]))));
        savedOnce = true;
    }
    InstallCopies(replacement);
    replaced = true;
}

void SystemCursors::Restore() {
    if (!replaced)
        return;
    InstallCopies(nullptr);
    replaced = false;
}

// SetSystemCursor takes over the copy it is given; the saved ones are never handed out.
void SystemCursors::InstallCopies(HCURSOR replacement) {
    for (size_t i = 0; i < kCount; ++i) {
        const HCURSOR source = replacement ? replacement : saved[i].get();
        if (!source)
            continue;
        const HCURSOR copy = CopyIcon(source);
        if (copy && !SetSystemCursor(copy, static_cast<DWORD>(kSystemCursorIds[i])))
            DestroyCursor(copy);
    }
}
