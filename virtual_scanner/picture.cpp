// BMP decoding with every size checked against the data, and box resampling.
#include "picture.h"

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <memory>

namespace {
uint32_t U32(const unsigned char* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | ((uint32_t)p[3] << 24); }
uint16_t U16(const unsigned char* p) { return (uint16_t)(p[0] | (p[1] << 8)); }

const size_t kFileHeaderSize = 14;
const size_t kInfoHeaderSize = 40;
const long kMaxFileSize = 512L * 1024 * 1024;

bool Fail(std::string* pError, const std::string& strReason)
{
    if (pError)
        *pError = strReason;
    return false;
}
} // namespace

bool ParseBmp24(const unsigned char* pData, size_t nSize, RgbImage* pImage, std::string* pError)
{
    if (nSize < kFileHeaderSize + kInfoHeaderSize || pData[0] != 'B' || pData[1] != 'M')
        return Fail(pError, "not a BMP file");
    uint64_t nOffBits = U32(pData + 10);
    uint32_t nInfoSize = U32(pData + 14);
    if (nInfoSize < kInfoHeaderSize || kFileHeaderSize + nInfoSize > nSize)
        return Fail(pError, "unsupported BMP header");
    int32_t nWidth = (int32_t)U32(pData + 18);
    int32_t nHeightField = (int32_t)U32(pData + 22);
    uint16_t nBitCount = U16(pData + 28);
    uint32_t nCompression = U32(pData + 30);
    if (U16(pData + 26) != 1 || nBitCount != 24 || nCompression != 0)
        return Fail(pError, "only 24-bit uncompressed BMP files are supported");
    bool bTopDown = nHeightField < 0;
    int64_t nHeight = bTopDown ? -(int64_t)nHeightField : nHeightField;
    if (nWidth <= 0 || nHeight <= 0 || nWidth > kMaxPictureSide || nHeight > kMaxPictureSide ||
        (long long)nWidth * nHeight > kMaxPicturePixels)
        return Fail(pError, "BMP size out of range");
    uint64_t nRowBytes = (uint64_t)nWidth * 3;
    uint64_t nStride = (nRowBytes + 3) & ~(uint64_t)3;
    // Some writers leave the last row's padding out; the pixels must all be there.
    uint64_t nNeeded = nOffBits + nStride * (uint64_t)(nHeight - 1) + nRowBytes;
    if (nOffBits < kFileHeaderSize + nInfoSize || nNeeded > nSize)
        return Fail(pError, "BMP file is shorter than its pixels");

    RgbImage image;
    image.nWidth = nWidth;
    image.nHeight = (int)nHeight;
    image.pixels.resize((size_t)nRowBytes * (size_t)nHeight);
    for (int64_t y = 0; y < nHeight; ++y) {
        int64_t nSourceRow = bTopDown ? y : nHeight - 1 - y;
        const unsigned char* pSrc = pData + nOffBits + nStride * nSourceRow;
        unsigned char* pDst = &image.pixels[(size_t)(nRowBytes * y)];
        for (int32_t x = 0; x < nWidth; ++x) { // stored blue, green, red
            pDst[3 * x] = pSrc[3 * x + 2];
            pDst[3 * x + 1] = pSrc[3 * x + 1];
            pDst[3 * x + 2] = pSrc[3 * x];
        }
    }
    *pImage = std::move(image);
    return true;
}

bool LoadBmp24(const std::string& strPath, RgbImage* pImage, std::string* pError)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(strPath.c_str(), "rb"), &std::fclose);
    if (!file)
        return Fail(pError, "cannot open " + strPath);
    if (std::fseek(file.get(), 0, SEEK_END) != 0)
        return Fail(pError, "cannot read " + strPath);
    long nSize = std::ftell(file.get());
    if (nSize < 0 || nSize > kMaxFileSize)
        return Fail(pError, "file size out of range: " + strPath);
    std::vector<unsigned char> data((size_t)nSize);
    std::rewind(file.get());
    if (nSize > 0 && std::fread(data.data(), 1, data.size(), file.get()) != data.size())
        return Fail(pError, "cannot read " + strPath);
    if (!ParseBmp24(data.data(), data.size(), pImage, pError))
        return Fail(pError, strPath + ": " + *pError);
    return true;
}

void ResamplePictureLine(const RgbImage& image, int nWidth, int nHeight, int nLine, unsigned char* pRgb)
{
    auto span = [](int64_t i, int64_t nSource, int64_t nTarget, int64_t* pBegin, int64_t* pEnd) {
        *pBegin = i * nSource / nTarget;
        *pEnd = std::max(*pBegin + 1, (i + 1) * nSource / nTarget); // at least one source pixel
    };
    int64_t y0, y1;
    span(nLine, image.nHeight, nHeight, &y0, &y1);
    const size_t nRowBytes = (size_t)image.nWidth * 3;
    for (int i = 0; i < nWidth; ++i) {
        int64_t x0, x1;
        span(i, image.nWidth, nWidth, &x0, &x1);
        uint64_t sum[3] = {0, 0, 0};
        for (int64_t y = y0; y < y1; ++y) {
            const unsigned char* p = &image.pixels[(size_t)y * nRowBytes + (size_t)x0 * 3];
            for (int64_t x = x0; x < x1; ++x, p += 3) {
                sum[0] += p[0];
                sum[1] += p[1];
                sum[2] += p[2];
            }
        }
        uint64_t nCount = (uint64_t)((y1 - y0) * (x1 - x0));
        for (int c = 0; c < 3; ++c)
            pRgb[3 * i + c] = (unsigned char)((sum[c] + nCount / 2) / nCount);
    }
}
