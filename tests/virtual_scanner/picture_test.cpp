// The BMP reader, fed good and broken files, and the resampling to a scan area.
#include "bmp_writer.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
// Red, green / blue, white.
const std::vector<unsigned char> kFour = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};

void Put(std::vector<unsigned char>& v, size_t at, int nBytes, uint32_t n)
{
    for (int i = 0; i < nBytes; ++i)
        v[at + i] = (unsigned char)(n >> (8 * i));
}
} // namespace

TEST(Bmp, BottomUpAndTopDownGiveTheSamePicture)
{
    for (bool bTopDown : {false, true}) {
        std::vector<unsigned char> file = MakeBmp24(2, 2, kFour, bTopDown);
        RgbImage image;
        std::string strError;
        ASSERT_TRUE(ParseBmp24(file.data(), file.size(), &image, &strError)) << strError;
        EXPECT_EQ(image.nWidth, 2);
        EXPECT_EQ(image.nHeight, 2);
        EXPECT_EQ(image.pixels, kFour) << "top-down " << bTopDown;
    }
}

TEST(Bmp, LastRowWithoutPaddingIsEnough)
{
    std::vector<unsigned char> file = MakeBmp24(2, 2, kFour);
    file.resize(file.size() - 2); // a 6-byte row padded to 8
    RgbImage image;
    EXPECT_TRUE(ParseBmp24(file.data(), file.size(), &image, nullptr));
}

TEST(Bmp, BrokenOrUnsupportedFilesAreRefused)
{
    const std::vector<unsigned char> good = MakeBmp24(2, 2, kFour);
    const struct {
        const char* what;
        size_t at;
        int nBytes;
        uint32_t value; // written at the offset
        size_t keep;    // bytes of the file kept
    } kCases[] = {
        {"signature", 0, 2, 0x4d41, good.size()},
        {"8 bits per pixel", 28, 2, 8, good.size()},
        {"run-length compressed", 30, 4, 1, good.size()},
        {"two planes", 26, 2, 2, good.size()},
        {"zero width", 18, 4, 0, good.size()},
        {"negative width", 18, 4, (uint32_t)-2, good.size()},
        {"zero height", 22, 4, 0, good.size()},
        {"most negative height", 22, 4, 0x80000000u, good.size()},
        {"huge", 18, 4, 30001, good.size()},
        {"pixels past the end", 10, 4, 60, good.size()},
        {"offset inside the headers", 10, 4, 20, good.size()},
        {"header size beyond the file", 14, 4, 0x7fffffff, good.size()},
        {"truncated pixels", 0, 0, 0, good.size() - 4},
        {"truncated header", 0, 0, 0, 30},
    };
    for (const auto& c : kCases) {
        std::vector<unsigned char> file = good;
        Put(file, c.at, c.nBytes, c.value);
        file.resize(c.keep);
        RgbImage image;
        std::string strError;
        EXPECT_FALSE(ParseBmp24(file.data(), file.size(), &image, &strError)) << c.what;
        EXPECT_FALSE(strError.empty()) << c.what;
        EXPECT_EQ(image.nWidth, 0) << c.what;
    }
}

TEST(Resample, ShrinkAveragesAndStretchRepeats)
{
    RgbImage image;
    image.nWidth = 2;
    image.nHeight = 2;
    image.pixels = kFour;

    unsigned char one[3];
    ResamplePictureLine(image, 1, 1, 0, one);
    EXPECT_EQ(one[0], 128); // (255 + 0 + 0 + 255) / 4, rounded
    EXPECT_EQ(one[1], 128);
    EXPECT_EQ(one[2], 128);

    unsigned char wide[4 * 3];
    for (int nLine = 0; nLine < 4; ++nLine) {
        ResamplePictureLine(image, 4, 4, nLine, wide);
        const unsigned char* left = nLine < 2 ? &kFour[0] : &kFour[6];
        const unsigned char* right = nLine < 2 ? &kFour[3] : &kFour[9];
        EXPECT_EQ(0, std::memcmp(wide, left, 3)) << nLine;
        EXPECT_EQ(0, std::memcmp(wide + 3, left, 3)) << nLine;
        EXPECT_EQ(0, std::memcmp(wide + 6, right, 3)) << nLine;
        EXPECT_EQ(0, std::memcmp(wide + 9, right, 3)) << nLine;
    }
}
