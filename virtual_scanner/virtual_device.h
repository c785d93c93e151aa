// The virtual scanner's state and behaviour behind the ten driver functions.
#pragma once
#include "picture.h"
#include "settings.h"
#include "telmor.h"

#include <cstdint>
#include <functional>

class VirtualDevice {
public:
    // Where the device reports a problem with its settings or its picture.
    typedef std::function<void(const std::string&)> ProblemSink;

    explicit VirtualDevice(ProblemSink sink) : m_sink(std::move(sink)) {}

    // Opens with the settings of this moment; they hold until the next open.
    int32_t Open(const VirtualScannerSettings& settings);
    int32_t Close();
    int32_t GetInfoEx(DrvInfoEx* pInfo);
    int32_t GetFeatures(DrvFeatures* pFeatures);
    int32_t SetParameter(const DrvFeatures* pFeatures);
    int32_t StartScan();
    int32_t GetImage(const DrvImageBlock* pBlock);
    int32_t StopScan();
    int32_t HomeCarriage(int32_t nArg);
    int32_t GetWarmupRemainTime();

private:
    enum class State { Closed, Open, Set, Scanning, Stopped };
    struct Area {
        int32_t nXResolution, nYResolution, nLeft, nTop, nRight, nBottom;
    };

    void WaitForLine(int64_t nLine) const;

    ProblemSink m_sink;
    State m_state = State::Closed;
    VirtualScannerSettings m_settings;
    Area m_area = {};
    RgbImage m_picture; // empty: the test chart
    uint64_t m_nOpenedAtMs = 0;
    int m_nFeatureReads = 0;
    int64_t m_nLinesDelivered = 0;
    bool m_bLineFailed = false;
    int64_t m_nScanStartTicks = 0;
};
