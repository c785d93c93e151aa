// The port-mode table.
#include "port_modes.h"

namespace {
struct PortMode {
    int nCode;
    const char* pszName;
    bool bSuggestEpp;
};

const PortMode kPortModes[] = {
    {0, "SPP", true},
    {1, "EPP Version 1.9", false},
    {2, "ECP", true},
    {3, "IEEE P1284", true},
    {4, "Nibble EPP", false},
    {5, "EPP Version 1.7", false},
};
const PortMode kUnknownMode = {-1, "SPP 599", true};

const PortMode& FindPortMode(int nPortMode)
{
    for (const PortMode& m : kPortModes)
        if (m.nCode == nPortMode)
            return m;
    return kUnknownMode;
}
} // namespace

const char* PortModeName(int nPortMode) { return FindPortMode(nPortMode).pszName; }

bool PortModeSuggestsEpp(int nPortMode) { return FindPortMode(nPortMode).bSuggestEpp; }
