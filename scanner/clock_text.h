// The minutes-and-seconds text of the two scan clocks.
#pragma once

// Holds every text the rule can produce, the longest being 14 characters.
const int kClockTextSize = 32;

// "mm:ss" with a leading "0" on a part of 9 or less; minutes grow without bound.
// A negative count keeps its signs inside the parts: -5 gives "00:0-5".
void FormatClockText(int nSeconds, char* pszText);

// The warm-up field's text: the driver's -1 shows as "-1", anything else as a clock.
void FormatWarmupText(int nRemain, char* pszText);
