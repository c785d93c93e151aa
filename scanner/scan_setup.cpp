// Versions, image size, line size and port device of a scan run.
#include "scan_setup.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
// Far beyond any scanner (a 100-inch bed at 4800 dpi is 480,000), small enough that
// 3 x W and the line size stay well inside 32 bits.
const int kMaxPixels = 1 << 26;
} // namespace

void FormatVersion(int32_t nMajor, int32_t nMinor, int32_t nBuild, char* pszText)
{
    std::snprintf(pszText, 256, nMinor >= 10 ? "%ld.%ld.%ld" : "%ld.0%ld.%ld", (long)nMajor, (long)nMinor,
                  (long)nBuild);
}

int BedPixels(int32_t nResolution, float fInches)
{
    double dPixels = std::trunc((double)nResolution * (double)fInches);
    if (!(dPixels > 0)) // also NaN
        return dPixels < 0 ? (int)std::max(dPixels, -(double)kMaxPixels) : 0;
    return (int)std::min(dPixels, (double)kMaxPixels);
}

int32_t BytesPerLine(int32_t nLeft, int32_t nRight)
{
    int64_t nBytes = ((int64_t)nRight - nLeft + 1) * 3;
    nBytes = std::max<int64_t>(std::min<int64_t>(nBytes, 3LL * kMaxPixels), -3LL * kMaxPixels);
    return (int32_t)((nBytes + 3) & ~(int64_t)3);
}

const char* LptDeviceName(int32_t nLptPort)
{
    switch (nLptPort) {
    case 2:
        return "LPT2";
    case 3:
        return "LPT3";
    case 4:
        return "LPT4";
    default:
        return "LPT1";
    }
}

ScanSetup SetUpScan(ScanKind kind, int32_t nStatus, DrvFeatures& f)
{
    ScanSetup s;
    if (kind == SCAN_KIND_PREVIEW) {
        f.nXResolution = f.nYResolution = 50;
        s.nWidth = BedPixels(50, f.fBedWidth);
        s.nHeight = BedPixels(50, f.fBedHeight);
        s.nDpi = 50;
        f.nLeft = f.nTop = 0;
        f.nRight = s.nWidth - 1;
        f.nBottom = s.nHeight - 1;
    } else if (nStatus == 0) {
        s.nWidth = BedPixels(f.nXResolution, f.fBedWidth);
        s.nHeight = BedPixels(f.nYResolution, f.fBedHeight);
        s.nDpi = f.nYResolution;
    } else {
        // The default page of the wait box's settings line: 300 dpi, 8.5 x 11.69 inches.
        s.nWidth = 2550;
        s.nHeight = 3507;
        s.nDpi = 300;
        f.nXResolution = f.nYResolution = 300;
        f.nLeft = f.nTop = 0;
        f.nRight = 2549;
        f.nBottom = 3506;
    }
    f.nBitsPerPixel = 24;
    f.nScanKind = kind;
    f.dwReserved = 0;
    s.nBytesPerLine = BytesPerLine(f.nLeft, f.nRight);
    return s;
}

size_t LineBufferBytesNeeded(const ScanSetup& setup)
{
    size_t nShown = setup.nWidth > 0 ? (size_t)setup.nWidth * 3 : 0;
    size_t nDelivered = setup.nBytesPerLine > 0 ? (size_t)setup.nBytesPerLine : 0;
    return std::max(nShown, nDelivered);
}
