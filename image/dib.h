// A device-independent bitmap held in the layout SetDIBitsToDevice takes, with bitmap file reading and writing.
#pragma once
#include "file.h"

class CDib : public CObject {
    DECLARE_SERIAL(CDib)

public:
    CDib();
    // A new image with its header and colour table; AllocBits gives it pixels.
    CDib(int nWidth, int nHeight, int nBitsPerPixel, int nDpi, BOOL bGrey);
    ~CDib() override;
    CDib(const CDib&) = delete;
    CDib& operator=(const CDib&) = delete;

    // Allocates the pixel buffer, cleared, unless there is one already.
    BOOL AllocBits();
    void Free();
    void SetColorCount(int nBitsPerPixel);
    void ComputeSizes();
    BOOL MakeColorTable(BOOL bGrey);
    BOOL MakePalette();
    // A bitmap file from or to the file's current position; failures are shown in a message box.
    BOOL Read(CFile* pFile);
    BOOL Write(CFile* pFile);
    void Serialize(CArchive& ar) override;

    RGBQUAD* m_pColors;
    BYTE* m_pBits;
    BITMAPINFO* m_pBMI;
    DWORD m_dwSizeImage;
    int m_nRowBytes;
    int m_nColors;
    HPALETTE m_hPalette;

private:
    // After the file header: the message to show, "" for none, null on success.
    const char* ReadBody(CFile* pFile, DWORD dwOffBits);
    // Takes a validated header and colour table from the file's information block.
    BOOL AdoptInfoBlock(const BYTE* pBlock, DWORD nBlock, BOOL* pbTopDown);
    void FlipRows();
};
