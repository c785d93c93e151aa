// The page the virtual scanner "scans" when it has no picture: a test chart drawn in
// inches, so it looks the same at every resolution and over every area.
#pragma once

struct ChartScan {
    float fBedWidth; // inches
    float fBedHeight;
    int nXResolution; // dpi
    int nYResolution;
    int nLeft; // first pixel column of the area
    int nTop; // first line of the area
    int nPixels; // pixels per line
};

// One line of the area, nLine counted from its top, as nPixels RGB triples.
void RenderChartLine(const ChartScan& scan, int nLine, unsigned char* pRgb);
