// Writes the headers and the padded, blue-first rows of a BMP file.
#include "bmp_writer.h"

namespace {
void Put32(std::vector<unsigned char>& v, size_t at, uint32_t n)
{
    for (int i = 0; i < 4; ++i)
        v[at + i] = (unsigned char)(n >> (8 * i));
}
} // namespace

std::vector<unsigned char> MakeBmp24(int nWidth, int nHeight, const std::vector<unsigned char>& rgb, bool bTopDown)
{
    size_t nStride = ((size_t)nWidth * 3 + 3) & ~(size_t)3;
    std::vector<unsigned char> v(54 + nStride * nHeight, 0);
    v[0] = 'B';
    v[1] = 'M';
    Put32(v, 2, (uint32_t)v.size());
    Put32(v, 10, 54);
    Put32(v, 14, 40);
    Put32(v, 18, (uint32_t)nWidth);
    Put32(v, 22, (uint32_t)(bTopDown ? -nHeight : nHeight));
    v[26] = 1;
    v[28] = 24;
    for (int y = 0; y < nHeight; ++y) {
        size_t nRow = 54 + nStride * (bTopDown ? y : nHeight - 1 - y);
        for (int x = 0; x < nWidth; ++x)
            for (int c = 0; c < 3; ++c)
                v[nRow + 3 * x + c] = rgb[3 * ((size_t)y * nWidth + x) + 2 - c];
    }
    return v;
}
