#include "ThemedDialog.h"

LRESULT ThemedDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const LRESULT created = DefaultProc(message, wParam, lParam);
        if (created != -1)
            backgroundBrush.reset(CreateSolidBrush(backgroundColor));
        return created;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}
