// Fuzz target: any bytes read as a bitmap file. A file that reads must also write and read
// back to the same image, and every image held must be as large as its header says.
#include "dib.h"
#include "msgbox.h"

#include <cstdlib>
#include <cstring>

namespace {
int Silent(const char*, UINT) { return IDOK; }

void Check(bool bOk)
{
    if (!bOk)
        std::abort();
}

void CheckConsistent(const CDib& dib)
{
    const BITMAPINFOHEADER& bih = dib.m_pBMI->bmiHeader;
    Check(bih.biSize == 40 && bih.biWidth > 0 && bih.biHeight > 0 && bih.biCompression == BI_RGB);
    Check(dib.m_nRowBytes > 0 && dib.m_nRowBytes % 4 == 0);
    Check((unsigned long long)dib.m_nRowBytes * (unsigned long long)bih.biHeight == dib.m_dwSizeImage);
    Check(dib.m_nColors >= 0 && dib.m_nColors <= 256);
    // Touch the last byte of every block so the sanitizer sees any short allocation.
    volatile BYTE sink = dib.m_pBits[dib.m_dwSizeImage - 1];
    if (dib.m_nColors)
        sink = dib.m_pColors[dib.m_nColors - 1].rgbReserved;
    (void)sink;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    AfxSetMessageBoxHook(&Silent);
    CMemFile file(data, size);
    CDib dib;
    if (!dib.Read(&file)) {
        Check(!dib.m_pBMI && !dib.m_pBits && !dib.m_hPalette);
        return 0;
    }
    CheckConsistent(dib);

    CMemFile copy;
    Check(dib.Write(&copy) == TRUE);
    copy.Seek(0, CFile::begin);
    CDib back;
    Check(back.Read(&copy) == TRUE);
    Check(std::memcmp(&back.m_pBMI->bmiHeader, &dib.m_pBMI->bmiHeader, 40) == 0);
    Check(back.m_nColors == dib.m_nColors);
    Check(std::memcmp(back.m_pColors, dib.m_pColors, 4 * (size_t)dib.m_nColors) == 0);
    Check(std::memcmp(back.m_pBits, dib.m_pBits, dib.m_dwSizeImage) == 0);
    return 0;
}
