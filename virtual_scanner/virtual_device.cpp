// The virtual scanner: a small state machine that keeps every promise of the
// driver interface, fails where its settings say so and paces its lines.
#include "virtual_device.h"

#include "test_chart.h"

#include <windows.h>

#include <cstring>

namespace {
const int32_t kOk = 0;
const int32_t kNotOpen = 1;
const int32_t kSwitchedFailure = 2;
const int32_t kBadRequest = 3;
const int32_t kEndOfArea = 4;

int64_t Ticks()
{
    LARGE_INTEGER n;
    ::QueryPerformanceCounter(&n);
    return n.QuadPart;
}

int64_t TicksPerSecond()
{
    LARGE_INTEGER n;
    ::QueryPerformanceFrequency(&n);
    return n.QuadPart;
}
} // namespace

int32_t VirtualDevice::Open(const VirtualScannerSettings& settings)
{
    m_state = State::Closed;
    m_settings = settings;
    if (!m_settings.bPresent || m_settings.bFailOpen)
        return kNotOpen;
    m_picture = RgbImage();
    if (!m_settings.strPicture.empty()) {
        std::string strError;
        if (!LoadBmp24(m_settings.strPicture, &m_picture, &strError))
            m_sink(strError + "; scanning the test chart instead");
    }
    int nRes = m_settings.nResolution;
    m_area = {nRes, nRes, 0, 0, BedPixels(m_settings.fBedWidth, nRes) - 1, BedPixels(m_settings.fBedHeight, nRes) - 1};
    m_nOpenedAtMs = ::GetTickCount64();
    m_nFeatureReads = 0;
    m_state = State::Open;
    return kOk;
}

int32_t VirtualDevice::Close()
{
    m_state = State::Closed;
    m_picture = RgbImage();
    return kOk;
}

int32_t VirtualDevice::GetInfoEx(DrvInfoEx* pInfo)
{
    if (m_state == State::Closed)
        return kNotOpen;
    if (!pInfo)
        return kBadRequest;
    pInfo->lDllMajor = m_settings.nDllVersion[0];
    pInfo->lDllMinor = m_settings.nDllVersion[1];
    pInfo->lDllBuild = m_settings.nDllVersion[2];
    pInfo->lVxdMajor = m_settings.nVxdVersion[0];
    pInfo->lVxdMinor = m_settings.nVxdVersion[1];
    pInfo->lVxdBuild = m_settings.nVxdVersion[2];
    return kOk;
}

int32_t VirtualDevice::GetFeatures(DrvFeatures* pFeatures)
{
    if (m_state == State::Closed)
        return kNotOpen;
    if (!pFeatures)
        return kBadRequest;
    if (++m_nFeatureReads == m_settings.nFailGetFeatures)
        return kSwitchedFailure;
    pFeatures->bUsb = m_settings.bUsb ? 1 : 0;
    pFeatures->nPortMode = m_settings.nPortMode;
    pFeatures->nLptPort = m_settings.nLptPort;
    pFeatures->nProductId = m_settings.nProductId;
    pFeatures->fBedWidth = m_settings.fBedWidth;
    pFeatures->fBedHeight = m_settings.fBedHeight;
    pFeatures->nXResolution = m_area.nXResolution;
    pFeatures->nYResolution = m_area.nYResolution;
    pFeatures->nLeft = m_area.nLeft;
    pFeatures->nTop = m_area.nTop;
    pFeatures->nRight = m_area.nRight;
    pFeatures->nBottom = m_area.nBottom;
    return kOk;
}

int32_t VirtualDevice::SetParameter(const DrvFeatures* pFeatures)
{
    if (m_state == State::Closed)
        return kNotOpen;
    if (m_settings.bFailSetParameter)
        return kSwitchedFailure;
    if (!pFeatures || m_state == State::Scanning)
        return kBadRequest;
    const DrvFeatures& f = *pFeatures;
    const int nMaxResolution = 4800;
    if (f.nBitsPerPixel != 24 || f.nXResolution < 1 || f.nXResolution > nMaxResolution || f.nYResolution < 1 ||
        f.nYResolution > nMaxResolution)
        return kBadRequest;
    int nBedW = BedPixels(m_settings.fBedWidth, f.nXResolution);
    int nBedH = BedPixels(m_settings.fBedHeight, f.nYResolution);
    if (f.nLeft < 0 || f.nTop < 0 || f.nLeft > f.nRight || f.nTop > f.nBottom || f.nRight >= nBedW ||
        f.nBottom >= nBedH)
        return kBadRequest;
    m_area = {f.nXResolution, f.nYResolution, f.nLeft, f.nTop, f.nRight, f.nBottom};
    m_state = State::Set;
    return kOk;
}

int32_t VirtualDevice::StartScan()
{
    if (m_state == State::Closed)
        return kNotOpen;
    if (m_settings.bFailStartScan)
        return kSwitchedFailure;
    if (m_state != State::Set && m_state != State::Stopped)
        return kBadRequest; // nothing set yet, or already scanning
    m_nLinesDelivered = 0;
    m_bLineFailed = false;
    m_nScanStartTicks = Ticks();
    m_state = State::Scanning;
    return kOk;
}

int32_t VirtualDevice::GetImage(const DrvImageBlock* pBlock)
{
    if (m_state != State::Scanning)
        return m_state == State::Closed ? kNotOpen : kBadRequest;
    if (m_bLineFailed)
        return kSwitchedFailure;
    if (m_settings.nFailGetImageAtLine > 0 && m_nLinesDelivered + 1 == m_settings.nFailGetImageAtLine) {
        m_bLineFailed = true; // a jammed carriage: no more lines until the scan is stopped
        return kSwitchedFailure;
    }
    if (m_nLinesDelivered > (int64_t)m_area.nBottom - m_area.nTop)
        return kEndOfArea;
    const int64_t nPixels = (int64_t)m_area.nRight - m_area.nLeft + 1;
    if (!pBlock || !pBlock->pLineBuffer || pBlock->nRight != m_area.nRight || pBlock->nBytesPerLine < 3 * nPixels)
        return kBadRequest;

    WaitForLine(m_nLinesDelivered + 1);
    int nLine = (int)m_nLinesDelivered;
    if (m_picture.nWidth > 0) {
        ResamplePictureLine(m_picture, (int)nPixels, m_area.nBottom - m_area.nTop + 1, nLine, pBlock->pLineBuffer);
    } else {
        ChartScan scan = {m_settings.fBedWidth, m_settings.fBedHeight, m_area.nXResolution, m_area.nYResolution,
                          m_area.nLeft,        m_area.nTop,          (int)nPixels};
        RenderChartLine(scan, nLine, pBlock->pLineBuffer);
    }
    ++m_nLinesDelivered;
    return kOk;
}

// Lines leave at a steady rate counted from the scan's start, so a slow line is made
// up by the next ones rather than lost.
void VirtualDevice::WaitForLine(int64_t nLine) const
{
    if (m_settings.nLinesPerSecond <= 0)
        return;
    const int64_t nFrequency = TicksPerSecond();
    const int64_t nDue = m_nScanStartTicks + nLine * nFrequency / m_settings.nLinesPerSecond;
    for (;;) {
        int64_t nLeft = nDue - Ticks();
        if (nLeft <= 0)
            return;
        ::Sleep((DWORD)(nLeft * 1000 / nFrequency)); // 0 only yields: the last millisecond is spun
    }
}

int32_t VirtualDevice::StopScan()
{
    if (m_state == State::Closed)
        return kOk; // nothing to stop
    if (m_settings.bFailStopScan)
        return kSwitchedFailure;
    if (m_state == State::Scanning)
        m_state = State::Stopped;
    return kOk;
}

int32_t VirtualDevice::HomeCarriage(int32_t /*nArg*/)
{
    if (m_state == State::Closed)
        return kOk; // the carriage parks itself when the scanner is released
    if (m_settings.bFailHomeCarriage)
        return kSwitchedFailure;
    return kOk;
}

int32_t VirtualDevice::GetWarmupRemainTime()
{
    if (m_state == State::Closed || m_settings.nWarmupSeconds < 0)
        return -1;
    uint64_t nElapsedMs = ::GetTickCount64() - m_nOpenedAtMs;
    uint64_t nWarmupMs = (uint64_t)m_settings.nWarmupSeconds * 1000;
    if (nElapsedMs >= nWarmupMs)
        return 0;
    return (int32_t)((nWarmupMs - nElapsedMs + 999) / 1000);
}
