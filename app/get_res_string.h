// The shared load-string function.
#pragma once
#include <windows.h>

// The string-table text with that identifier ("" when the table lacks it). The
// text lives in one static buffer that the next call overwrites: use or copy it first.
LPCSTR GetResString(UINT nID);
