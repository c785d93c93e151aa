// Fitting, line decimation and column sampling of the preview.
#include "preview_fit.h"

BOOL FitPreview(int nWidth, int nHeight, int nWndWidth, int nWndHeight, PreviewFit* pFit)
{
    if (nWidth <= 0 || nHeight <= 0 || nWndWidth <= 0 || nWndHeight <= 0)
        return FALSE;
    if (nWidth < nWndWidth && nHeight < nWndHeight) {
        *pFit = PreviewFit{nWidth, nHeight, 1.0f};
        return TRUE;
    }
    // The second side comes from the exact quotient, not from the float scale; ties go to the width.
    if ((double)nHeight / nWidth > (double)nWndHeight / nWndWidth) {
        double s = (double)nHeight / nWndHeight;
        *pFit = PreviewFit{(int)(nWidth / s) + 1, nWndHeight, (float)s};
    } else {
        double s = (double)nWidth / nWndWidth;
        *pFit = PreviewFit{nWndWidth, (int)(nHeight / s) + 1, (float)s};
    }
    return TRUE;
}

BOOL TakeLine(float fScale, int* pnCountdown, float* pfFraction)
{
    if (--*pnCountdown != 0)
        return FALSE;
    if ((int)fScale >= 1) {
        double a = (double)*pfFraction + fScale;
        *pnCountdown = (int)a;
        *pfFraction = (float)(a - *pnCountdown);
    } else {
        *pnCountdown = 1;
    }
    return TRUE;
}

void SampleLine(const BYTE* pLine, int nSrcWidth, BYTE* pRow, int nDibWidth, int nBitsPerPixel, float fScale)
{
    if (nSrcWidth <= 0)
        return;
    const bool bWholeSteps = (int)fScale < 1;
    double dAccumulator = 0.0;
    BYTE nCollector = 0;
    int nCollected = 0;
    for (int c = 0, i = 0; i < nDibWidth;) {
        if (nBitsPerPixel == 24) {
            const BYTE* pSrc = pLine + 3 * (size_t)c;
            *pRow++ = pSrc[0];
            *pRow++ = pSrc[1];
            *pRow++ = pSrc[2];
        } else if (nBitsPerPixel == 1) {
            nCollector = (BYTE)(nCollector << 1 | ((pLine[c / 8] >> (7 - c % 8)) & 1));
            if (++nCollected == 8) {
                *pRow++ = nCollector;
                nCollector = 0;
                nCollected = 0;
            }
        } else {
            pRow[i] = pLine[c];
        }
        int nStep = 1;
        if (!bWholeSteps) {
            dAccumulator += fScale;
            nStep = (int)dAccumulator;
            dAccumulator -= nStep;
        }
        c += nStep;
        ++i;
        if (c >= nSrcWidth)
            break;
    }
    // The pixels of a last, partly filled byte stand in its high bits.
    if (nBitsPerPixel == 1 && nCollected != 0)
        *pRow = (BYTE)(nCollector << (8 - nCollected));
}
