// The preview's shrinking arithmetic, free of windows: the shrunk size, which incoming
// lines are taken, and which columns of a taken line are sampled.
#pragma once
#include "afx_types.h"

struct PreviewFit {
    int nDibWidth;
    int nDibHeight;
    float fScale; // incoming pixels (and lines) per preview pixel (and row)
};

// Fits an image into a window that takes nWndWidth x nWndHeight as its size. FALSE for
// sizes that are not positive.
BOOL FitPreview(int nWidth, int nHeight, int nWndWidth, int nWndHeight, PreviewFit* pFit);

// Counts one incoming line down; TRUE when it is taken, and then sets the countdown to the
// next taken line, carrying the fraction.
BOOL TakeLine(float fScale, int* pnCountdown, float* pfFraction);

// Writes one preview row from one incoming line of nSrcWidth pixels at 24, 8 or 1 bits per
// pixel: output pixel k takes the source pixel near floor(k * fScale).
void SampleLine(const BYTE* pLine, int nSrcWidth, BYTE* pRow, int nDibWidth, int nBitsPerPixel, float fScale);
