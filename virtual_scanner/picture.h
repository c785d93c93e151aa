// A real picture for the virtual scanner: a small, careful reader of 24-bit
// uncompressed BMP files and the resampling of the picture to a scan area.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

struct RgbImage {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<unsigned char> pixels; // RGB, top line first, no padding
};

// Limits that keep a hostile or broken file from asking for gigabytes.
const int kMaxPictureSide = 30000;
const long long kMaxPicturePixels = 40000000;

// Decodes a whole BMP file held in memory. False, with the reason in *pError, for
// anything but a 24-bit uncompressed bitmap whose pixels the data really holds.
bool ParseBmp24(const unsigned char* pData, size_t nSize, RgbImage* pImage, std::string* pError);

// Reads and decodes a BMP file.
bool LoadBmp24(const std::string& strPath, RgbImage* pImage, std::string* pError);

// Line nLine of the picture stretched to nWidth x nHeight pixels, as RGB triples:
// each output pixel averages the source pixels it covers.
void ResamplePictureLine(const RgbImage& image, int nWidth, int nHeight, int nLine, unsigned char* pRgb);
