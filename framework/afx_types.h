// Platform types for the window-free parts of the framework (objects, exceptions,
// files, archives). On Windows they come from <windows.h>; a native build (the
// bitmap fuzzer) gets the few types and calls those parts and the bitmap class use.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <cstddef>
#include <cstdint>

typedef int BOOL;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t UINT;
typedef int64_t LONGLONG;
typedef uint64_t ULONGLONG;
typedef char CHAR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef void* HGDIOBJ;
typedef void* HPALETTE;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define MB_OK 0x00000000L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONINFORMATION 0x00000040L
#define IDOK 1
#define BI_RGB 0L
#define BI_BITFIELDS 3L

#pragma pack(push, 1)
struct RGBQUAD {
    BYTE rgbBlue, rgbGreen, rgbRed, rgbReserved;
};
struct BITMAPFILEHEADER {
    WORD bfType;
    DWORD bfSize;
    WORD bfReserved1;
    WORD bfReserved2;
    DWORD bfOffBits;
};
#pragma pack(pop)

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};
struct PALETTEENTRY {
    BYTE peRed, peGreen, peBlue, peFlags;
};
struct LOGPALETTE {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[1];
};

// No GDI natively: a palette is only a token that must be freed again.
HPALETTE CreatePalette(const LOGPALETTE* plpal);
BOOL DeleteObject(HGDIOBJ ho);
#endif
