#include "Alignment.h"

#include <cstdlib>

int CentredStart(int spanStart, int spanLength, int size) {
    return spanStart + (spanLength - size) / 2;
}

int KeptOrCentredStart(int layoutStart, int size, int spanStart, int spanLength, int tolerance) {
    // Twice the centres, so that half pixels count.
    const long long offset = (2LL * layoutStart + size) - (2LL * spanStart + spanLength);
    return std::llabs(offset) <= 2LL * tolerance ? layoutStart : CentredStart(spanStart, spanLength, size);
}
