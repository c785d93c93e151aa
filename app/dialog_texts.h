// Text and layout rules of the main dialog, computed without a window.
#pragma once
#include <windows.h>

const int kTextBufferSize = 256;

// Cuts a label at its first '%' (a text without one stays whole).
void CutAtPercent(char* pszText);

// "<product> Tester Program" into a 256-byte buffer; an over-long product name
// is cut so the words " Tester Program" always fit.
void ComposeCaption(const char* pszProductName, char* pszCaption);

// The identity file beside the executable: drive and directory of pszExePath plus
// "Norvast.ini". FALSE when that path does not fit the 256-byte buffer.
BOOL IdentityFilePath(const char* pszExePath, char* pszIniPath);

// Where the minimised dialog draws its icon: centred, with the +1 rounding and
// truncation toward zero.
POINT MinimizedIconPosition(int nClientWidth, int nClientHeight, int cxIcon, int cyIcon);
