// Names of the parallel-port transfer modes and which of them call for the EPP suggestion.
#pragma once

// The name the tester shows for a mode code; "SPP 599" for a code it does not know.
const char* PortModeName(int nPortMode);

// Whether the mode is slow enough that the user should set the BIOS to EPP.
bool PortModeSuggestsEpp(int nPortMode);
