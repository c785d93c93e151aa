// Image sizes: double precision holds the product of a float and an int exactly.
#include "scan_geometry.h"

int64_t BedPixels(float fInches, int32_t nResolution) { return (int64_t)((double)fInches * nResolution); }

int64_t BytesPerLine(int32_t nLeft, int32_t nRight) { return (((int64_t)nRight - nLeft + 1) * 3 + 3) & ~(int64_t)3; }

void SetPreviewSettings(DrvFeatures* pFeatures)
{
    const int32_t nPreviewDpi = 50;
    pFeatures->nXResolution = nPreviewDpi;
    pFeatures->nYResolution = nPreviewDpi;
    pFeatures->nLeft = 0;
    pFeatures->nTop = 0;
    pFeatures->nRight = (int32_t)(BedPixels(pFeatures->fBedWidth, nPreviewDpi) - 1);
    pFeatures->nBottom = (int32_t)(BedPixels(pFeatures->fBedHeight, nPreviewDpi) - 1);
    pFeatures->nBitsPerPixel = 24;
    pFeatures->nScanKind = SCAN_KIND_PREVIEW;
    pFeatures->dwReserved = 0;
}

void SetFullScanSettings(DrvFeatures* pFeatures)
{
    pFeatures->nBitsPerPixel = 24;
    pFeatures->nScanKind = SCAN_KIND_TEST;
    pFeatures->dwReserved = 0;
}
