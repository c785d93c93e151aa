// What a scan run computes from the driver's records, without a window.
#pragma once
#include "telmor.h"

#include <cstddef>

// "2.10.30"; a second number under 10 gets a leading "0" ("2.09.30"). buf holds 256 bytes.
void FormatVersion(int32_t nMajor, int32_t nMinor, int32_t nBuild, char* pszText);

// Pixels across a bed measure: resolution times inches, formed exactly and truncated
// toward zero (11.69 in single precision lies just below 11.69). Absurd or
// non-finite products give 0 or are capped, so sizes made from them cannot overflow.
int BedPixels(int32_t nResolution, float fInches);

// Bytes of one line of the area: (nRight - nLeft + 1) x 3, rounded up to 4.
int32_t BytesPerLine(int32_t nLeft, int32_t nRight);

// "LPT2" to "LPT4" for ports 2 to 4, "LPT1" for any other number.
const char* LptDeviceName(int32_t nLptPort);

// The image a run announces to the preview and the lines it fetches.
struct ScanSetup {
    int nWidth;  // W
    int nHeight; // H
    int nDpi;
    int32_t nBytesPerLine;
};

// Rewrites the record's fields that belong to the kind of scan and says what the
// image is. A preview scans the whole bed at 50 dpi; a full scan keeps the
// library's own settings, or, when the second features read failed, a default page.
ScanSetup SetUpScan(ScanKind kind, int32_t nStatus, DrvFeatures& features);

// Bytes the line buffer must hold for a run: the driver writes nBytesPerLine, the
// tester reorders and shrinks 3 x W.
size_t LineBufferBytesNeeded(const ScanSetup& setup);
