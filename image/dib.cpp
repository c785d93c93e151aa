// CDib: new images, colour tables, palettes, and bitmap files, which are untrusted input.
#include "dib.h"

#include "msgbox.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

IMPLEMENT_SERIAL(CDib, CObject, 0)

namespace {
const WORD kBitmapMark = 0x4D42; // "BM"
const DWORD kFileHeaderSize = 14;
const DWORD kInfoHeaderSize = 40;
const DWORD kMaxColors = 256;
// Bounds that keep every size within 32 bits; the file's length bounds what is allocated.
const LONG kMaxSide = 0xFFFF;
const ULONGLONG kMaxImageBytes = 0x7FFFFFFF;

const char kReadShort[] = "read error 1";
const char kInvalid[] = "Invalid bitmap file";
const char kReadFailed[] = "Read error 1";
const char kWriteFailed[] = "write error";
const char kNoMessage[] = "";

WORD GetLE16(const BYTE* p) { return (WORD)(p[0] | p[1] << 8); }
DWORD GetLE32(const BYTE* p)
{
    return (DWORD)p[0] | (DWORD)p[1] << 8 | (DWORD)p[2] << 16 | (DWORD)p[3] << 24;
}
void PutLE16(BYTE* p, WORD n)
{
    p[0] = (BYTE)n;
    p[1] = (BYTE)(n >> 8);
}
void PutLE32(BYTE* p, DWORD n)
{
    PutLE16(p, (WORD)n);
    PutLE16(p + 2, (WORD)(n >> 16));
}

DWORD RowBytes(LONG nWidth, WORD nBitCount)
{
    DWORD nBits = (DWORD)nWidth * nBitCount;
    return ((nBits >> 5) + ((nBits & 31) ? 1 : 0)) * 4;
}

// The information header versions image tools write; all begin with the 40-byte one.
bool IsKnownHeaderSize(DWORD nSize)
{
    return nSize == 40 || nSize == 52 || nSize == 56 || nSize == 108 || nSize == 124;
}

bool IsSupportedDepth(WORD nBitCount)
{
    return nBitCount == 1 || nBitCount == 4 || nBitCount == 8 || nBitCount == 16 || nBitCount == 24 ||
           nBitCount == 32;
}

// Bit fields that say no more than BI_RGB, so the image can be kept as BI_RGB.
bool HasDefaultMasks(const BYTE* pMasks, WORD nBitCount)
{
    DWORD r = GetLE32(pMasks), g = GetLE32(pMasks + 4), b = GetLE32(pMasks + 8);
    if (nBitCount == 16)
        return r == 0x7C00 && g == 0x03E0 && b == 0x001F;
    if (nBitCount == 32)
        return r == 0x00FF0000 && g == 0x0000FF00 && b == 0x000000FF;
    return false;
}

ULONGLONG BytesLeft(CFile* pFile)
{
    ULONGLONG nPos = pFile->GetPosition();
    ULONGLONG nEnd = pFile->Seek(0, CFile::end);
    pFile->Seek((LONGLONG)nPos, CFile::begin);
    return nEnd > nPos ? nEnd - nPos : 0;
}
} // namespace

CDib::CDib()
    : m_pColors(nullptr), m_pBits(nullptr), m_pBMI(nullptr), m_dwSizeImage(0), m_nRowBytes(0),
      m_nColors(0), m_hPalette(nullptr)
{
}

CDib::CDib(int nWidth, int nHeight, int nBitsPerPixel, int nDpi, BOOL bGrey) : CDib()
{
    Free();
    SetColorCount(nBitsPerPixel);
    m_pBMI = static_cast<BITMAPINFO*>(AfxAllocMemory(kInfoHeaderSize + 4 * (size_t)m_nColors));
    BITMAPINFOHEADER& bih = m_pBMI->bmiHeader;
    LONG nPelsPerMeter = (LONG)(((DWORD)nDpi * 3937u / 100u) & 0xFFFF);
    bih.biSize = kInfoHeaderSize;
    bih.biWidth = nWidth;
    bih.biHeight = nHeight;
    bih.biPlanes = 1;
    bih.biBitCount = (WORD)nBitsPerPixel;
    bih.biCompression = BI_RGB;
    bih.biSizeImage = 0;
    bih.biXPelsPerMeter = nPelsPerMeter;
    bih.biYPelsPerMeter = nPelsPerMeter;
    bih.biClrUsed = (DWORD)m_nColors;
    bih.biClrImportant = (DWORD)m_nColors;
    ComputeSizes();
    MakeColorTable(bGrey);
}

CDib::~CDib() { Free(); }

BOOL CDib::AllocBits()
{
    if (m_pBits)
        return TRUE;
    m_pBits = static_cast<BYTE*>(AfxAllocMemory(m_dwSizeImage));
    if (!m_pBits)
        return FALSE;
    // Cleared: a row that sampling fills only in part is still drawn across its whole width.
    std::memset(m_pBits, 0, m_dwSizeImage);
    return TRUE;
}

void CDib::Free()
{
    AfxFreeMemory(m_pBMI);
    AfxFreeMemory(m_pBits);
    if (m_hPalette)
        DeleteObject(m_hPalette);
    m_pColors = nullptr;
    m_pBits = nullptr;
    m_pBMI = nullptr;
    m_dwSizeImage = 0;
    m_nRowBytes = 0;
    m_nColors = 0;
    m_hPalette = nullptr;
}

void CDib::SetColorCount(int nBitsPerPixel)
{
    if (m_pBMI && m_pBMI->bmiHeader.biClrUsed) {
        m_nColors = (int)m_pBMI->bmiHeader.biClrUsed;
        return;
    }
    switch (nBitsPerPixel) {
    case 1: m_nColors = 2; break;
    case 4: m_nColors = 16; break;
    case 8: m_nColors = 256; break;
    case 16:
    case 24:
    case 32: m_nColors = 0; break;
    default: break;
    }
}

void CDib::ComputeSizes()
{
    BITMAPINFOHEADER& bih = m_pBMI->bmiHeader;
    m_nRowBytes = (int)RowBytes(bih.biWidth, bih.biBitCount);
    if (bih.biSizeImage) {
        m_dwSizeImage = bih.biSizeImage;
    } else {
        m_dwSizeImage = (DWORD)bih.biHeight * (DWORD)m_nRowBytes;
        bih.biSizeImage = m_dwSizeImage;
    }
    m_pColors = reinterpret_cast<RGBQUAD*>(reinterpret_cast<BYTE*>(m_pBMI) + kInfoHeaderSize);
}

BOOL CDib::MakeColorTable(BOOL bGrey)
{
    for (int i = 0; i < m_nColors; ++i) {
        RGBQUAD& entry = m_pColors[i];
        if (bGrey) {
            entry.rgbRed = entry.rgbGreen = entry.rgbBlue = (BYTE)i;
        } else {
            // 3-3-2 cube: each level scaled to 0..255, rounded.
            entry.rgbRed = (BYTE)(((i & 0xE0) * 255 + 112) / 224);
            entry.rgbGreen = (BYTE)(((i & 0x1C) * 2040 + 112) / 224);
            entry.rgbBlue = (BYTE)((i & 3) * 85);
        }
        entry.rgbReserved = 0;
    }
    if (m_nColors == 2)
        m_pColors[1] = RGBQUAD{255, 255, 255, 0};
    return TRUE;
}

BOOL CDib::MakePalette()
{
    if (m_nColors == 0)
        return FALSE;
    if (m_hPalette) {
        DeleteObject(m_hPalette);
        m_hPalette = nullptr;
    }
    std::unique_ptr<void, void (*)(void*)> pBlock(
        AfxAllocMemory(sizeof(LOGPALETTE) + (size_t)m_nColors * sizeof(PALETTEENTRY)), AfxFreeMemory);
    LOGPALETTE* pPal = static_cast<LOGPALETTE*>(pBlock.get());
    pPal->palVersion = 0x300;
    pPal->palNumEntries = (WORD)m_nColors;
    PALETTEENTRY* pEntries = pPal->palPalEntry;
    for (int i = 0; i < m_nColors; ++i)
        pEntries[i] = PALETTEENTRY{m_pColors[i].rgbRed, m_pColors[i].rgbGreen, m_pColors[i].rgbBlue, 0};
    m_hPalette = CreatePalette(pPal);
    return TRUE;
}

BOOL CDib::Read(CFile* pFile)
{
    Free();
    const char* pszError = nullptr;
    try {
        BYTE fileHeader[kFileHeaderSize];
        if (pFile->Read(fileHeader, kFileHeaderSize) < kFileHeaderSize)
            pszError = kReadShort;
        else if (GetLE16(fileHeader) != kBitmapMark)
            pszError = kInvalid;
        else
            pszError = ReadBody(pFile, GetLE32(fileHeader + 10));
    } catch (CException* e) {
        e->Delete();
        pszError = kReadFailed;
    }
    if (!pszError)
        return TRUE;
    // Whatever was read of a bad file goes: nothing half-made is ever drawn.
    Free();
    if (*pszError)
        AfxMessageBox(pszError);
    return FALSE;
}

const char* CDib::ReadBody(CFile* pFile, DWORD dwOffBits)
{
    // The stretch up to the pixels holds the header and colour table; it must lie inside the file.
    ULONGLONG nLeft = BytesLeft(pFile);
    if (dwOffBits < kFileHeaderSize + kInfoHeaderSize || dwOffBits - kFileHeaderSize > nLeft)
        return kInvalid;
    DWORD nBlock = dwOffBits - kFileHeaderSize;
    std::unique_ptr<void, void (*)(void*)> pBlock(AfxAllocMemory(nBlock), AfxFreeMemory);
    BYTE* pBlockBytes = static_cast<BYTE*>(pBlock.get());
    BOOL bTopDown = FALSE;
    if (pFile->Read(pBlockBytes, nBlock) < nBlock || !AdoptInfoBlock(pBlockBytes, nBlock, &bTopDown))
        return kInvalid;
    // Pixels cut short are refused, not zero-filled: a damaged file must not pass for a whole picture.
    if (m_dwSizeImage > nLeft - nBlock)
        return kInvalid;
    if (!AllocBits())
        return kNoMessage;
    if (pFile->Read(m_pBits, m_dwSizeImage) < m_dwSizeImage)
        return kInvalid;
    if (bTopDown)
        FlipRows();
    SetColorCount(m_pBMI->bmiHeader.biBitCount);
    MakePalette();
    return nullptr;
}

BOOL CDib::AdoptInfoBlock(const BYTE* pBlock, DWORD nBlock, BOOL* pbTopDown)
{
    BITMAPINFOHEADER bih;
    std::memcpy(&bih, pBlock, kInfoHeaderSize);
    if (!IsKnownHeaderSize(bih.biSize) || bih.biSize > nBlock)
        return FALSE;
    if (bih.biWidth < 1 || bih.biWidth > kMaxSide || bih.biHeight == 0 || bih.biHeight < -kMaxSide ||
        bih.biHeight > kMaxSide || !IsSupportedDepth(bih.biBitCount))
        return FALSE;

    DWORD nTableAt = bih.biSize;
    if (bih.biCompression == BI_BITFIELDS) {
        // The masks follow a 40-byte header and are part of the larger ones.
        if (bih.biSize == kInfoHeaderSize)
            nTableAt += 12;
        if (nTableAt > nBlock || !HasDefaultMasks(pBlock + kInfoHeaderSize, bih.biBitCount))
            return FALSE;
        bih.biCompression = BI_RGB;
    } else if (bih.biCompression != BI_RGB) {
        return FALSE; // compressed rows cannot be addressed or drawn row by row
    }

    DWORD nDepthColors = bih.biBitCount <= 8 ? 1u << bih.biBitCount : 0;
    DWORD nColors = bih.biClrUsed ? bih.biClrUsed : nDepthColors;
    if (nColors > kMaxColors || (nDepthColors && nColors > nDepthColors) || nColors * 4 > nBlock - nTableAt)
        return FALSE;

    LONG nRows = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
    if ((ULONGLONG)RowBytes(bih.biWidth, bih.biBitCount) * (ULONGLONG)nRows > kMaxImageBytes)
        return FALSE;

    // Held as a plain 40-byte header, bottom-up, sized from its dimensions alone.
    *pbTopDown = bih.biHeight < 0;
    bih.biSize = kInfoHeaderSize;
    bih.biHeight = nRows;
    bih.biSizeImage = 0;
    m_pBMI = static_cast<BITMAPINFO*>(AfxAllocMemory(kInfoHeaderSize + 4 * nColors));
    std::memcpy(m_pBMI, &bih, kInfoHeaderSize);
    std::memcpy(reinterpret_cast<BYTE*>(m_pBMI) + kInfoHeaderSize, pBlock + nTableAt, 4 * nColors);
    ComputeSizes();
    return TRUE;
}

void CDib::FlipRows()
{
    size_t nRowBytes = (size_t)m_nRowBytes;
    for (LONG top = 0, bottom = m_pBMI->bmiHeader.biHeight - 1; top < bottom; ++top, --bottom) {
        BYTE* pTop = m_pBits + (size_t)top * nRowBytes;
        std::swap_ranges(pTop, pTop + nRowBytes, m_pBits + (size_t)bottom * nRowBytes);
    }
}

BOOL CDib::Write(CFile* pFile)
{
    // An image without pixels has nothing to write from.
    if (!m_pBMI || !m_pBits) {
        AfxMessageBox(kWriteFailed);
        return FALSE;
    }
    DWORD nInfo = kInfoHeaderSize + 4 * (DWORD)m_nColors;
    BYTE fileHeader[kFileHeaderSize] = {};
    PutLE16(fileHeader, kBitmapMark);
    PutLE32(fileHeader + 2, kFileHeaderSize + nInfo + m_dwSizeImage);
    PutLE32(fileHeader + 10, kFileHeaderSize + nInfo);
    try {
        pFile->Write(fileHeader, kFileHeaderSize);
        pFile->Write(m_pBMI, nInfo);
        pFile->Write(m_pBits, m_dwSizeImage);
    } catch (CException* e) {
        e->Delete();
        AfxMessageBox(kWriteFailed);
        return FALSE;
    }
    return TRUE;
}

void CDib::Serialize(CArchive& ar)
{
    ar.Flush();
    if (ar.IsStoring())
        Write(ar.GetFile());
    else
        Read(ar.GetFile());
}
