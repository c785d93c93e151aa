// The port-mode names and the modes that call for the EPP suggestion.
#include "port_modes.h"

#include <gtest/gtest.h>

#include <climits>

TEST(PortModes, NamesAndEppSuggestion)
{
    const struct {
        int nCode;
        const char* name;
        bool bSuggest;
    } kCases[] = {
        {0, "SPP", true},         {1, "EPP Version 1.9", false}, {2, "ECP", true},
        {3, "IEEE P1284", true},  {4, "Nibble EPP", false},      {5, "EPP Version 1.7", false},
        {6, "SPP 599", true},     {7, "SPP 599", true},          {-1, "SPP 599", true},
        {INT_MIN, "SPP 599", true},
    };
    for (const auto& c : kCases) {
        EXPECT_STREQ(PortModeName(c.nCode), c.name) << c.nCode;
        EXPECT_EQ(PortModeSuggestsEpp(c.nCode), c.bSuggest) << c.nCode;
    }
}
