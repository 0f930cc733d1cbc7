#pragma once

// The process-wide interface language: false English, true Russian. Windows choose their
// texts from it when they are created.
bool IsRussian();
void SetRussian(bool russian);

// The text of the current language.
inline const wchar_t* Localized(const wchar_t* english, const wchar_t* russian) {
    return IsRussian() ? russian : english;
}
