// The test chart: a frame, colour bars, a grey ramp and wedge, line gratings that
// blur as a real scan of them would, and a colour field with a circle.
#include "test_chart.h"

#include <algorithm>
#include <cmath>

namespace {
struct Rgb {
    double r, g, b;
};

const Rgb kPaper = {246, 244, 238};
const Rgb kInk = {24, 24, 28};
const double kMargin = 0.25; // inches from the bed's edge to the frame
const double kFrame = 0.06;  // frame thickness
const double kInset = 0.55;  // inches from the bed's edge to the contents

// Bands of the contents, as fractions of the contents' height.
const double kBarsEnd = 0.20, kRampTop = 0.23, kRampEnd = 0.30, kWedgeTop = 0.31, kWedgeEnd = 0.37;
const double kGratingTop = 0.41, kGratingEnd = 0.59, kFieldTop = 0.63;

const Rgb kBars[] = {{235, 235, 235}, {235, 235, 16}, {16, 235, 235}, {16, 235, 16},
                     {235, 16, 235},  {235, 16, 16},  {16, 16, 235},  {16, 16, 16}};
const double kGratingPeriods[] = {1.0 / 4, 1.0 / 8, 1.0 / 16, 1.0 / 32, 1.0 / 64, 1.0 / 128};

Rgb Mix(const Rgb& a, const Rgb& b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

// Share of [x0, x1] that falls on the dark half of a square wave of that period, as
// a sensor cell that wide would see it.
double GratingCoverage(double x0, double x1, double fPeriod)
{
    auto dark = [fPeriod](double x) {
        double n = std::floor(x / fPeriod);
        return n * fPeriod / 2 + std::min(x - n * fPeriod, fPeriod / 2);
    };
    return (dark(x1) - dark(x0)) / (x1 - x0);
}

Rgb Hue(double h)
{
    double r = std::fabs(h * 6 - 3) - 1, g = 2 - std::fabs(h * 6 - 2), b = 2 - std::fabs(h * 6 - 4);
    auto c = [](double v) { return std::min(1.0, std::max(0.0, v)) * 255; };
    return {c(r), c(g), c(b)};
}

struct Layout {
    double fLeft, fTop, fWidth, fHeight; // the contents, inches
};

Rgb ContentPixel(const Layout& lay, double x, double y, double fCellW, double fCellH)
{
    double u = (x - lay.fLeft) / lay.fWidth; // 0..1 across the contents
    double v = (y - lay.fTop) / lay.fHeight;
    if (v < kBarsEnd) {
        int n = std::min(7, (int)(u * 8));
        return kBars[n];
    }
    if (v >= kRampTop && v < kRampEnd)
        return Mix(Rgb{0, 0, 0}, Rgb{255, 255, 255}, u);
    if (v >= kWedgeTop && v < kWedgeEnd) {
        double t = std::min(10, (int)(u * 11)) / 10.0;
        return Mix(Rgb{0, 0, 0}, Rgb{255, 255, 255}, t);
    }
    if (v >= kGratingTop && v < kGratingEnd) {
        int nColumn = std::min(5, (int)(u * 6));
        double fPeriod = kGratingPeriods[nColumn];
        bool bVertical = v < (kGratingTop + kGratingEnd) / 2; // upper half: columns, lower half: rows
        double fDark = bVertical ? GratingCoverage(x - fCellW / 2, x + fCellW / 2, fPeriod)
                                 : GratingCoverage(y - fCellH / 2, y + fCellH / 2, fPeriod);
        return Mix(kPaper, kInk, fDark);
    }
    if (v >= kFieldTop) {
        double w = (v - kFieldTop) / (1 - kFieldTop); // light at the top, dark at the bottom
        Rgb c = Hue(u);
        c = w < 0.5 ? Mix(Rgb{255, 255, 255}, c, w * 2) : Mix(c, Rgb{0, 0, 0}, (w - 0.5) * 2 * 0.8);
        // A circle shows whether the two resolutions agree.
        double cx = lay.fLeft + lay.fWidth / 2, cy = lay.fTop + lay.fHeight * (kFieldTop + 1) / 2;
        double fRadius = std::min(lay.fWidth, lay.fHeight * (1 - kFieldTop)) * 0.4;
        double fHalfLine = std::max(0.03, std::max(fCellW, fCellH) * 0.75);
        if (std::fabs(std::hypot(x - cx, y - cy) - fRadius) < fHalfLine)
            return kInk;
        return c;
    }
    return kPaper;
}
} // namespace

void RenderChartLine(const ChartScan& scan, int nLine, unsigned char* pRgb)
{
    const double fCellW = 1.0 / scan.nXResolution, fCellH = 1.0 / scan.nYResolution;
    const double W = scan.fBedWidth, H = scan.fBedHeight;
    const Layout lay = {kInset, kInset, std::max(0.01, W - 2 * kInset), std::max(0.01, H - 2 * kInset)};
    const double y = (scan.nTop + nLine + 0.5) * fCellH;
    const double fFrame = std::max(kFrame, 1.5 * std::max(fCellW, fCellH)); // never lost between two cells
    const bool bInFrameRows = y >= kMargin && y < H - kMargin;
    const bool bOnFrameRow = bInFrameRows && (y < kMargin + fFrame || y >= H - kMargin - fFrame);
    const bool bInContentRows = y >= lay.fTop && y < lay.fTop + lay.fHeight;

    for (int i = 0; i < scan.nPixels; ++i) {
        const double x = (scan.nLeft + i + 0.5) * fCellW;
        Rgb c = kPaper;
        bool bInFrameCols = x >= kMargin && x < W - kMargin;
        bool bOnFrameCol = bInFrameCols && (x < kMargin + fFrame || x >= W - kMargin - fFrame);
        if ((bOnFrameRow && bInFrameCols) || (bOnFrameCol && bInFrameRows))
            c = kInk;
        else if (bInContentRows && x >= lay.fLeft && x < lay.fLeft + lay.fWidth)
            c = ContentPixel(lay, x, y, fCellW, fCellH);
        pRgb[3 * i] = (unsigned char)std::lround(c.r);
        pRgb[3 * i + 1] = (unsigned char)std::lround(c.g);
        pRgb[3 * i + 2] = (unsigned char)std::lround(c.b);
    }
}
