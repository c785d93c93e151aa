// Copies the screen through a DIB section and writes it as a bitmap file.
#include "screen_capture.h"

#include <windows.h>

#include <cstdio>

bool SaveScreenAsBitmap(const char* pszPath)
{
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof(bih);
    bih.biWidth = cx;
    bih.biHeight = cy;
    bih.biPlanes = 1;
    bih.biBitCount = 24;
    bih.biCompression = BI_RGB;
    DWORD rowBytes = ((DWORD)cx * 3 + 3) & ~3u;
    bih.biSizeImage = rowBytes * cy;

    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    void* pBits = nullptr;
    HBITMAP hBmp = ::CreateDIBSection(hScreen, (BITMAPINFO*)&bih, DIB_RGB_COLORS, &pBits, nullptr, 0);
    bool bOk = false;
    if (hBmp) {
        HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
        ::BitBlt(hMem, 0, 0, cx, cy, hScreen, 0, 0, SRCCOPY);
        ::GdiFlush();
        BITMAPFILEHEADER bfh = {};
        bfh.bfType = 0x4D42;
        bfh.bfOffBits = sizeof(bfh) + sizeof(bih);
        bfh.bfSize = bfh.bfOffBits + bih.biSizeImage;
        if (FILE* f = std::fopen(pszPath, "wb")) {
            bOk = std::fwrite(&bfh, sizeof(bfh), 1, f) == 1 && std::fwrite(&bih, sizeof(bih), 1, f) == 1 &&
                  std::fwrite(pBits, bih.biSizeImage, 1, f) == 1;
            bOk = std::fclose(f) == 0 && bOk;
        }
        ::SelectObject(hMem, hOld);
        ::DeleteObject(hBmp);
    }
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    return bOk;
}
