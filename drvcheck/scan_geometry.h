// Image sizes as the tester computes them from the bed, the resolutions and the area.
#pragma once
#include "telmor.h"

#include <cstdint>

// Pixels of a bed measure at a resolution, truncated toward zero, never rounded.
int64_t BedPixels(float fInches, int32_t nResolution);

// One line of the area, three bytes a pixel, padded to a multiple of 4.
int64_t BytesPerLine(int32_t nLeft, int32_t nRight);

// The whole bed at 50 dpi, as the Preview command scans it.
void SetPreviewSettings(DrvFeatures* pFeatures);
// The library's own resolutions and area, as the Scan command keeps them.
void SetFullScanSettings(DrvFeatures* pFeatures);
