// The clock text rule.
#include "clock_text.h"

#include <cstdio>
#include <cstring>

void FormatClockText(int nSeconds, char* pszText)
{
    // Division truncates toward zero, so the seconds take the count's sign.
    int nMinutes = nSeconds / 60;
    int nRest = nSeconds - nMinutes * 60;
    const char* pszFormat;
    if (nMinutes > 9)
        pszFormat = nRest > 9 ? "%d:%d" : "%d:0%d";
    else
        pszFormat = nRest > 9 ? "0%d:%d" : "0%d:0%d";
    std::snprintf(pszText, kClockTextSize, pszFormat, nMinutes, nRest);
}

void FormatWarmupText(int nRemain, char* pszText)
{
    if (nRemain == -1)
        std::strcpy(pszText, "-1");
    else
        FormatClockText(nRemain, pszText);
}
