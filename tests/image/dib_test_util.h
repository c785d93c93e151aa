// Helpers for the bitmap class's tests: pixels and colours read back from a CDib, file bytes.
#pragma once
#include "dib.h"

#include <cstring>
#include <vector>

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// The colour of picture pixel (x, y), y counted from the top, through the colour table where there is one.
inline Rgb PixelAt(const CDib& dib, int x, int y)
{
    const BITMAPINFOHEADER& bih = dib.m_pBMI->bmiHeader;
    const BYTE* pRow = dib.m_pBits + (size_t)(bih.biHeight - 1 - y) * dib.m_nRowBytes;
    int nIndex;
    switch (bih.biBitCount) {
    case 24:
    case 32: {
        const BYTE* p = pRow + x * (bih.biBitCount / 8);
        return Rgb{p[2], p[1], p[0]};
    }
    case 8: nIndex = pRow[x]; break;
    case 4: nIndex = (pRow[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F; break;
    default: nIndex = (pRow[x / 8] >> (7 - x % 8)) & 1; break;
    }
    const RGBQUAD& q = dib.m_pColors[nIndex];
    return Rgb{q.rgbRed, q.rgbGreen, q.rgbBlue};
}

inline DWORD GetLE32(const std::vector<BYTE>& data, size_t at)
{
    DWORD n;
    std::memcpy(&n, data.data() + at, 4);
    return n;
}
inline void PutLE32(std::vector<BYTE>& data, size_t at, DWORD n) { std::memcpy(data.data() + at, &n, 4); }
inline void PutLE16(std::vector<BYTE>& data, size_t at, WORD n) { std::memcpy(data.data() + at, &n, 2); }

// A complete image with every pixel byte set from its position.
inline void FillPattern(CDib& dib)
{
    dib.AllocBits();
    for (DWORD i = 0; i < dib.m_dwSizeImage; ++i)
        dib.m_pBits[i] = (BYTE)(i * 7 + 3);
}

inline std::vector<BYTE> WrittenFile(CDib& dib)
{
    CMemFile file;
    dib.Write(&file);
    return file.Data();
}

inline bool IsEmpty(const CDib& dib)
{
    return !dib.m_pColors && !dib.m_pBits && !dib.m_pBMI && !dib.m_dwSizeImage && !dib.m_nRowBytes &&
           !dib.m_nColors && !dib.m_hPalette;
}
