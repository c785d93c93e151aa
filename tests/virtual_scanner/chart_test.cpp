// The test chart is drawn in inches: the same spot of the page has the same colour
// at any resolution and in any area that covers it.
#include "test_chart.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// The colour the chart gives the pixel that covers (x, y) inches, scanning at dpi
// an area whose top left corner is at (left, top) pixels.
std::vector<int> ColourAt(double x, double y, int nDpi, int nLeft = 0, int nTop = 0)
{
    int nColumn = (int)(x * nDpi) - nLeft, nLine = (int)(y * nDpi) - nTop;
    ChartScan scan = {8.5f, 11.69f, nDpi, nDpi, nLeft, nTop, nColumn + 1};
    std::vector<unsigned char> line(3 * (size_t)scan.nPixels);
    RenderChartLine(scan, nLine, line.data());
    return {line[3 * nColumn], line[3 * nColumn + 1], line[3 * nColumn + 2]};
}
} // namespace

TEST(Chart, SameSpotSameColourAtEveryResolutionAndArea)
{
    // Colour bars, grey wedge, paper, and the frame's left edge: the parts of one colour.
    const double kSpots[][2] = {{1.0, 1.0}, {4.2, 1.5}, {7.5, 2.0}, {1.0, 4.0}, {4.25, 4.1}, {4.25, 0.4}, {0.28, 6.0}};
    for (const auto& spot : kSpots) {
        std::vector<int> at50 = ColourAt(spot[0], spot[1], 50);
        EXPECT_EQ(ColourAt(spot[0], spot[1], 300), at50) << spot[0] << "," << spot[1];
        int nLeft = (int)(spot[0] * 300) - 5, nTop = (int)(spot[1] * 300) - 3; // an area just around it
        EXPECT_EQ(ColourAt(spot[0], spot[1], 300, nLeft, nTop), at50) << spot[0] << "," << spot[1];
    }
}

TEST(Chart, FrameBarsAndRampAreWhereTheyShouldBe)
{
    std::vector<int> frame = ColourAt(0.28, 6.0, 100), paper = ColourAt(0.1, 6.0, 100);
    EXPECT_LT(frame[0], 64);
    EXPECT_GT(paper[0], 200);
    EXPECT_EQ(ColourAt(0.7, 1.0, 100), (std::vector<int>{235, 235, 235})); // first bar white
    EXPECT_EQ(ColourAt(7.8, 1.0, 100), (std::vector<int>{16, 16, 16}));    // last bar black
    std::vector<int> dark = ColourAt(0.7, 3.0, 100), light = ColourAt(7.8, 3.0, 100);
    EXPECT_LT(dark[1], 20);
    EXPECT_GT(light[1], 235);
}
