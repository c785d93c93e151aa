// Benchmark: lines per second that telmor.dll delivers, paced and unpaced, at the
// preview's and the full scan's line widths. Prints figures; asserts nothing.
#include "telmor_dll.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
double LinesPerSecond(const char* pszIni, int nDpi, int nLines)
{
    TelmorDll dll(pszIni);
    if (!dll.Loaded() || dll.Open() != 0)
        return -1;
    DrvFeatures f;
    std::memset(&f, 0, sizeof(f));
    dll.GetFeatures(&f);
    f.nXResolution = f.nYResolution = nDpi;
    f.nRight = (int32_t)(f.fBedWidth * (double)nDpi) - 1;
    f.nBottom = (int32_t)(f.fBedHeight * (double)nDpi) - 1;
    f.nBitsPerPixel = 24;
    int32_t nBytes = ((f.nRight + 1) * 3 + 3) & ~3;
    std::vector<unsigned char> line(nBytes);
    DrvImageBlock block = {line.data(), nBytes, 0, 0, f.nRight, 0};
    if (dll.SetParameter(&f) != 0 || dll.StartScan() != 0)
        return -1;
    LARGE_INTEGER t0, t1, freq;
    ::QueryPerformanceFrequency(&freq);
    ::QueryPerformanceCounter(&t0);
    for (int i = 0; i < nLines; ++i)
        if (dll.GetImage(&block) != 0)
            return -1;
    ::QueryPerformanceCounter(&t1);
    dll.StopScan();
    dll.Close();
    return nLines * (double)freq.QuadPart / (double)(t1.QuadPart - t0.QuadPart);
}
} // namespace

int main()
{
    const struct {
        const char* name;
        const char* ini;
        int nDpi, nLines;
    } kRuns[] = {
        {"paced 300/s, 300 dpi", "[Scanner]\nLinesPerSecond=300\n", 300, 600},
        {"paced 300/s, 50 dpi", "[Scanner]\nLinesPerSecond=300\n", 50, 300},
        {"unpaced, 300 dpi", "[Scanner]\nLinesPerSecond=0\n", 300, 2000},
        {"unpaced, 50 dpi", "[Scanner]\nLinesPerSecond=0\n", 50, 584},
    };
    for (const auto& r : kRuns)
        std::printf("%-24s %9.1f lines/s over %d lines\n", r.name, LinesPerSecond(r.ini, r.nDpi, r.nLines), r.nLines);
    return 0;
}
