// The preview's arithmetic without a window: shrunk sizes, taken lines, sampled columns.
#include "preview_fit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
const int kWndWidth = 255, kWndHeight = 351; // what the main dialog's pane takes as its size

// The incoming lines taken, of nLines, until nRows rows are filled.
std::vector<int> TakenLines(float fScale, int nLines, int nRows)
{
    std::vector<int> taken;
    int nCountdown = 1;
    float fFraction = 0.0f;
    for (int line = 0; line < nLines && (int)taken.size() < nRows; ++line)
        if (TakeLine(fScale, &nCountdown, &fFraction))
            taken.push_back(line);
    return taken;
}

PreviewFit Fit(int nWidth, int nHeight)
{
    PreviewFit fit = {};
    EXPECT_TRUE(FitPreview(nWidth, nHeight, kWndWidth, kWndHeight, &fit));
    return fit;
}
} // namespace

TEST(PreviewFit, ShrunkSizeAndScale)
{
    struct Case {
        int nWidth, nHeight;
        int nDibWidth, nDibHeight;
        float fScale;
    };
    const Case kCases[] = {
        {2550, 3507, 255, 351, 10.0f},
        {2550, 3506, 255, 351, 10.0f},
        {425, 584, 255, 351, (float)(425.0 / 255.0)},
        {1000, 2000, 176, 351, (float)(2000.0 / 351.0)},
        {200, 100, 200, 100, 1.0f},  // fits both ways
        {255, 100, 255, 101, 1.0f},  // as wide as the window does not fit
        {510, 702, 255, 352, 2.0f},  // the window's shape: ties go to the width
        {254, 350, 254, 350, 1.0f},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.nWidth << "x" << c.nHeight);
        PreviewFit fit = Fit(c.nWidth, c.nHeight);
        EXPECT_EQ(fit.nDibWidth, c.nDibWidth);
        EXPECT_EQ(fit.nDibHeight, c.nDibHeight);
        EXPECT_EQ(fit.fScale, c.fScale); // the float rounding of the exact quotient
    }
    EXPECT_EQ(Fit(425, 584).fScale, 1.6666666f);
}

TEST(PreviewFit, SizesThatAreNotPositiveDoNotFit)
{
    PreviewFit fit;
    EXPECT_FALSE(FitPreview(0, 100, kWndWidth, kWndHeight, &fit));
    EXPECT_FALSE(FitPreview(100, -1, kWndWidth, kWndHeight, &fit));
    EXPECT_FALSE(FitPreview(100, 100, 0, 0, &fit)); // a window never created
}

TEST(PreviewFit, TakenLines)
{
    std::vector<int> full = TakenLines(10.0f, 3507, 351);
    ASSERT_EQ(full.size(), 351u);
    for (size_t k = 0; k < full.size(); ++k)
        ASSERT_EQ(full[k], 10 * (int)k);

    std::vector<int> preview = TakenLines(Fit(425, 584).fScale, 584, 351);
    EXPECT_EQ(std::vector<int>(preview.begin(), preview.begin() + 6), (std::vector<int>{0, 1, 3, 4, 6, 8}));
    std::vector<int> cut = TakenLines(Fit(425, 584).fScale, 583, 351);
    EXPECT_EQ(cut.size(), 350u);
    EXPECT_EQ(cut.back(), 581);
    ASSERT_EQ(preview.size(), 351u);
    EXPECT_EQ(preview.back(), 583);

    std::vector<int> tall = TakenLines(Fit(1000, 2000).fScale, 2000, 351);
    EXPECT_EQ(std::vector<int>(tall.begin(), tall.begin() + 6), (std::vector<int>{0, 5, 11, 17, 22, 28}));

    std::vector<int> small = TakenLines(1.0f, 100, 100); // a fitting image: every line
    ASSERT_EQ(small.size(), 100u);
    EXPECT_EQ(small.back(), 99);
}

TEST(PreviewFit, SampledColumns)
{
    // 24 bits: the three bytes of each chosen pixel, in order.
    std::vector<BYTE> line(3 * 30);
    for (size_t i = 0; i < line.size(); ++i)
        line[i] = (BYTE)i;
    std::vector<BYTE> row(12, 0xEE);
    SampleLine(line.data(), 30, row.data(), 3, 24, 10.0f); // pixels 0, 10, 20
    EXPECT_EQ(row, (std::vector<BYTE>{0, 1, 2, 30, 31, 32, 60, 61, 62, 0xEE, 0xEE, 0xEE}));

    // 8 bits at the preview scale: the same columns as the taken lines.
    std::vector<BYTE> grey(425);
    for (size_t i = 0; i < grey.size(); ++i)
        grey[i] = (BYTE)i;
    std::vector<BYTE> greyRow(256, 0xEE);
    SampleLine(grey.data(), 425, greyRow.data(), 255, 8, Fit(425, 584).fScale);
    EXPECT_EQ(std::vector<BYTE>(greyRow.begin(), greyRow.begin() + 6), (std::vector<BYTE>{0, 1, 3, 4, 6, 8}));
    EXPECT_EQ(greyRow[255], 0xEE);

    // 1 bit: 10 output pixels give one full byte and two pixels in the high bits of the next.
    const BYTE mono[2] = {0xB5, 0xC0}; // 1011 0101 11
    BYTE monoRow[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    SampleLine(mono, 10, monoRow, 10, 1, 1.0f);
    EXPECT_EQ(monoRow[0], 0xB5);
    EXPECT_EQ(monoRow[1], 0xC0);
    EXPECT_EQ(monoRow[2], 0xEE);

    // Sampling stops at the source's right edge; the rest of the row is left alone.
    std::vector<BYTE> edgeRow(6, 0xEE);
    SampleLine(line.data(), 2, edgeRow.data(), 2, 24, 2.0f);
    EXPECT_EQ(edgeRow, (std::vector<BYTE>{0, 1, 2, 0xEE, 0xEE, 0xEE}));
}
