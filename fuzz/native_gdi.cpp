// The two GDI calls the bitmap class makes, for a build without Windows: a palette is a
// token from the heap, so a palette that is never deleted shows up as a leak.
#include "afx_types.h"

#include <cstdlib>

HPALETTE CreatePalette(const LOGPALETTE* plpal)
{
    return plpal && plpal->palNumEntries ? std::malloc(1) : nullptr;
}

BOOL DeleteObject(HGDIOBJ ho)
{
    std::free(ho);
    return ho != nullptr;
}
