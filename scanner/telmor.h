// The scanner driver library's interface: ten plain C functions and the three
// records passed to them, laid out byte for byte as the library expects.
#pragma once
#include <cstddef>
#include <cstdint>

enum ScanKind { SCAN_KIND_TEST = 4, SCAN_KIND_PREVIEW = 5 };

struct DrvFeatures {
    int32_t nReserved0;
    int32_t bUsb;
    int32_t nPortMode;
    int32_t nLptPort;
    int32_t nProductId;
    float fBedWidth; // inches
    float fBedHeight;
    int32_t nReserved28;
    int32_t nXResolution;
    int32_t nYResolution;
    // Pixel positions at the record's resolutions, both ends included.
    int32_t nLeft;
    int32_t nTop;
    int32_t nRight;
    int32_t nBottom;
    int32_t nScanKind;
    int32_t nBitsPerPixel;
    int32_t nReserved64[6];
    int32_t dwReserved;
    int32_t nReserved92[3];
};

struct DrvInfoEx {
    int32_t lDllMajor;
    int32_t lDllMinor;
    int32_t lDllBuild;
    int32_t lVxdMajor;
    int32_t lVxdMinor;
    int32_t lVxdBuild;
    int32_t nReserved24[8];
};

struct DrvImageBlock {
    unsigned char* pLineBuffer;
    int32_t nBytesPerLine;
    int32_t nReserved1;
    int32_t nReserved2;
    int32_t nRight;
    int32_t nReserved3;
};

static_assert(sizeof(DrvFeatures) == 104, "DrvFeatures is 104 bytes on every platform");
static_assert(offsetof(DrvFeatures, bUsb) == 4 && offsetof(DrvFeatures, nPortMode) == 8 &&
                  offsetof(DrvFeatures, nLptPort) == 12 && offsetof(DrvFeatures, nProductId) == 16 &&
                  offsetof(DrvFeatures, fBedWidth) == 20 && offsetof(DrvFeatures, fBedHeight) == 24 &&
                  offsetof(DrvFeatures, nXResolution) == 32 && offsetof(DrvFeatures, nYResolution) == 36 &&
                  offsetof(DrvFeatures, nLeft) == 40 && offsetof(DrvFeatures, nTop) == 44 &&
                  offsetof(DrvFeatures, nRight) == 48 && offsetof(DrvFeatures, nBottom) == 52 &&
                  offsetof(DrvFeatures, nScanKind) == 56 && offsetof(DrvFeatures, nBitsPerPixel) == 60 &&
                  offsetof(DrvFeatures, nReserved64) == 64 && offsetof(DrvFeatures, dwReserved) == 88 &&
                  offsetof(DrvFeatures, nReserved92) == 92,
              "DrvFeatures field offsets");
static_assert(sizeof(float) == 4, "bed measures are single precision");

static_assert(sizeof(DrvInfoEx) == 56, "DrvInfoEx is 56 bytes on every platform");
static_assert(offsetof(DrvInfoEx, lDllMinor) == 4 && offsetof(DrvInfoEx, lDllBuild) == 8 &&
                  offsetof(DrvInfoEx, lVxdMajor) == 12 && offsetof(DrvInfoEx, lVxdMinor) == 16 &&
                  offsetof(DrvInfoEx, lVxdBuild) == 20 && offsetof(DrvInfoEx, nReserved24) == 24,
              "DrvInfoEx field offsets");

// The one pointer moves the later fields on 64-bit builds; the order stays.
#if defined(_WIN64) || UINTPTR_MAX > 0xFFFFFFFFu
static_assert(sizeof(void*) == 8, "64-bit layout");
static_assert(sizeof(DrvImageBlock) == 32, "DrvImageBlock on 64-bit builds");
static_assert(offsetof(DrvImageBlock, nBytesPerLine) == 8 && offsetof(DrvImageBlock, nReserved1) == 12 &&
                  offsetof(DrvImageBlock, nReserved2) == 16 && offsetof(DrvImageBlock, nRight) == 20 &&
                  offsetof(DrvImageBlock, nReserved3) == 24,
              "DrvImageBlock field offsets, 64-bit");
#else
static_assert(sizeof(void*) == 4, "32-bit layout");
static_assert(sizeof(DrvImageBlock) == 24, "DrvImageBlock on 32-bit builds");
static_assert(offsetof(DrvImageBlock, nBytesPerLine) == 4 && offsetof(DrvImageBlock, nReserved1) == 8 &&
                  offsetof(DrvImageBlock, nReserved2) == 12 && offsetof(DrvImageBlock, nRight) == 16 &&
                  offsetof(DrvImageBlock, nReserved3) == 20,
              "DrvImageBlock field offsets, 32-bit");
#endif
static_assert(offsetof(DrvImageBlock, pLineBuffer) == 0, "the line buffer's address comes first");

// No dllimport: the same declarations link against the library's import library
// or against a test double that defines the functions itself.
extern "C" {
int32_t DrvOpen();
int32_t DrvClose();
int32_t DrvGetInfoEx(DrvInfoEx* pInfo);
int32_t DrvGetFeatures(DrvFeatures* pFeatures);
int32_t DrvSetParameter(DrvFeatures* pFeatures);
int32_t DrvStartScan();
int32_t DrvGetImage(DrvImageBlock* pBlock);
int32_t DrvStopScan();
int32_t DrvHomeCarriage(int32_t nArg);
int32_t DrvGetWarmupRemainTime();
}
