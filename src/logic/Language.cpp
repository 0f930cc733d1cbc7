#include "Language.h"

namespace {
bool russianLanguage = false;
}

bool IsRussian() {
    return russianLanguage;
}

void SetRussian(bool russian) {
    russianLanguage = russian;
}
