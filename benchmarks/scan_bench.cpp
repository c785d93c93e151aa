// Benchmark: a full 300-dpi test scan of the virtual scanner's default page on the
// real main dialog, with the time per line split into the driver's part, the
// tester's own work and the platform calls it must make, plus memory figures.
// Run it from a folder whose telmor.ini makes the scanner unpaced (scripts/bench.sh does).
#include "keystate.h"
#include "scan_setup.h"
#include "tester_dlg.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace {

long g_nNews = 0; // operator new calls in this program
bool g_bInLoop = false;
long g_nLoopLines = 0;
long g_nNewsAtFirstLine = 0, g_nNewsAtLastLine = 0;
long g_nHeapBlocksAtFirstLine = 0, g_nHeapBlocksAtLastLine = 0;

double Now()
{
    static LARGE_INTEGER s_freq = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)s_freq.QuadPart;
}

// Busy blocks in every heap of the process.
long CountHeapBlocks()
{
    HANDLE heaps[64];
    DWORD n = ::GetProcessHeaps(64, heaps);
    long nBlocks = 0;
    for (DWORD i = 0; i < n && i < 64; ++i) {
        PROCESS_HEAP_ENTRY e = {};
        if (!::HeapLock(heaps[i]))
            continue;
        while (::HeapWalk(heaps[i], &e))
            nBlocks += (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0;
        ::HeapUnlock(heaps[i]);
    }
    return nBlocks;
}

// Read once per scanned line: the place to look at the allocation counters from inside the loop.
SHORT WINAPI CountingKeyState(int vk)
{
    if (g_bInLoop && vk == VK_ESCAPE) {
        ++g_nLoopLines;
        if (g_nLoopLines == 1) {
            g_nNewsAtFirstLine = g_nNews;
            g_nHeapBlocksAtFirstLine = CountHeapBlocks();
        }
        g_nNewsAtLastLine = g_nNews;
        if (g_nLoopLines == 3505)
            g_nHeapBlocksAtLastLine = CountHeapBlocks();
    }
    return 0;
}

const int kLines = 3505; // a 3506-line page: the run fetches one fewer

} // namespace

void* operator new(size_t n)
{
    ++g_nNews;
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

int main()
{
    CTesterDlg dlg;
    if (!dlg.Create(IDD_TESTER_DIALOG)) {
        std::printf("the dialog could not be created\n");
        return 1;
    }
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);

    // 1. The whole run, as the Scan button runs it (without the wait box).
    double t0 = Now();
    dlg.RunScan(SCAN_KIND_TEST);
    double tRun = Now() - t0;
    char szResult[64];
    ::GetDlgItemTextA(dlg.m_hWnd, IDC_SCAN_TEST, szResult, sizeof(szResult));

    // 2. The same lines straight from the driver: its share of the time.
    DrvFeatures f;
    std::memset(&f, 0, sizeof(f));
    DrvOpen();
    DrvGetFeatures(&f);
    DrvGetFeatures(&f);
    ScanSetup setup = SetUpScan(SCAN_KIND_TEST, 0, f);
    std::vector<unsigned char> line((size_t)setup.nBytesPerLine);
    DrvImageBlock block = {};
    block.pLineBuffer = line.data();
    block.nBytesPerLine = setup.nBytesPerLine;
    block.nRight = f.nRight;
    DrvSetParameter(&f);
    DrvStartScan();
    t0 = Now();
    for (int i = 0; i < kLines; ++i)
        DrvGetImage(&block);
    double tDriver = Now() - t0;
    DrvStopScan();
    DrvHomeCarriage(1);
    DrvClose();

    // 3. The tester's own work per line: swap, decimation and sampling, no window.
    CPreviewWnd offscreen;
    offscreen.m_nWndWidth = 255;
    offscreen.m_nWndHeight = 351;
    offscreen.BeginImage(setup.nWidth, setup.nHeight, 24, 300, 0, 0);
    t0 = Now();
    for (int i = 0; i < kLines; ++i) {
        unsigned char* p = line.data();
        for (int px = 0; px < setup.nWidth; ++px, p += 3) {
            unsigned char c = p[0];
            p[0] = p[2];
            p[2] = c;
        }
        offscreen.AddLine(line.data());
    }
    double tOwn = Now() - t0;
    int nTaken = offscreen.m_nRowsDrawn;

    // 4. The platform calls the loop must make: one peek and one key read per line,
    // a device context and one drawn row per taken line.
    CDib* pDib = dlg.m_wndPreview.m_pDib;
    t0 = Now();
    for (int i = 0; i < kLines; ++i) {
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_NOYIELD);
        ::GetAsyncKeyState(VK_ESCAPE);
    }
    for (int r = 0; r < nTaken && pDib; ++r) {
        HDC hdc = ::GetDC(dlg.m_wndPreview.m_hWnd);
        ::SetDIBitsToDevice(hdc, 0, r, pDib->m_pBMI->bmiHeader.biWidth, 1, 0, pDib->m_pBMI->bmiHeader.biHeight - r - 1,
                            0, pDib->m_pBMI->bmiHeader.biHeight, pDib->m_pBits, pDib->m_pBMI, DIB_RGB_COLORS);
        ::ReleaseDC(dlg.m_wndPreview.m_hWnd, hdc);
    }
    double tPlatform = Now() - t0;

    // 5. Allocations in the line loop: a second run, counted from inside it.
    AfxSetAsyncKeyStateFn(CountingKeyState);
    g_bInLoop = true;
    dlg.RunScan(SCAN_KIND_TEST);
    g_bInLoop = false;
    AfxSetAsyncKeyStateFn(nullptr);

    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof(pmc);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &pmc, sizeof(pmc));

    auto us = [](double t) { return t * 1e6 / kLines; };
    std::printf("full 300-dpi test scan, %d x %d pixels, unpaced virtual scanner: %s\n", setup.nWidth,
                setup.nHeight, szResult);
    std::printf("  whole run              %8.3f s   %8.0f lines/s   %7.2f us/line\n", tRun, kLines / tRun, us(tRun));
    std::printf("  driver (GetImage)      %8.3f s                     %7.2f us/line\n", tDriver, us(tDriver));
    std::printf("  tester's own work      %8.3f s                     %7.2f us/line  (swap, decimation, sampling;"
                " %d of %d lines taken)\n", tOwn, us(tOwn), nTaken, kLines);
    std::printf("  platform floor         %8.3f s                     %7.2f us/line  (peek + key state per line;"
                " DC + one row per taken line)\n", tPlatform, us(tPlatform));
    std::printf("  rest (dispatch, timers, calls) %0.3f s             %7.2f us/line\n",
                tRun - tDriver - tOwn - tPlatform, us(tRun - tDriver - tOwn - tPlatform));
    std::printf("  peak working set       %8.1f MB\n", pmc.PeakWorkingSetSize / 1048576.0);
    std::printf("  allocations in the line loop: %ld operator new calls, %+ld heap blocks over %ld lines\n",
                g_nNewsAtLastLine - g_nNewsAtFirstLine, g_nHeapBlocksAtLastLine - g_nHeapBlocksAtFirstLine,
                g_nLoopLines);
    std::printf("RESULT lines_per_second=%.0f bytes_per_second=%.0f\n", kLines / tRun, kLines * setup.nWidth * 3.0 / tRun);
    dlg.DestroyWindow();
    return 0;
}
