// Every call is bracketed by guard looks: damage found before a call was done after
// the previous one returned (a late write), damage found after it was done during it.
#include "watched_driver.h"

#include <cstring>

WatchedDriver::WatchedDriver(const DriverApi& api)
    : m_api(api), m_features("DrvFeatures", sizeof(DrvFeatures)), m_info("DrvInfoEx", sizeof(DrvInfoEx)),
      m_block("DrvImageBlock", sizeof(DrvImageBlock)), m_line("the line buffer", 0)
{
}

template <typename Call> int32_t WatchedDriver::Watch(const char* pszName, Call call)
{
    if (m_pszLastCall)
        TakeDamage(std::string("between ") + m_pszLastCall + " and " + pszName);
    m_pszCurrentCall = pszName;
    int32_t nResult = call();
    m_pszCurrentCall = nullptr;
    ++m_nCalls;
    TakeDamage(std::string("during ") + pszName);
    m_pszLastCall = pszName;
    return nResult;
}

void WatchedDriver::TakeDamage(const std::string& strWhen)
{
    for (GuardedBytes* pBytes : {&m_features, &m_info, &m_block, &m_line}) {
        for (const GuardDamage& d : pBytes->TakeDamage()) {
            std::string strWhere = d.nOffset < 0 ? "before " : "past ";
            std::string strText = strWhen + ": " + std::to_string(d.nBytes) + " guard byte" +
                                  (d.nBytes == 1 ? "" : "s") + " " + strWhere + d.strBlock + " changed, first at offset " +
                                  std::to_string(d.nOffset) + " of " + std::to_string(pBytes->Size());
            m_findings.push_back({d.strBlock, strText});
        }
    }
}

void WatchedDriver::CheckNow()
{
    if (m_pszLastCall)
        TakeDamage(std::string("after ") + m_pszLastCall);
}

void WatchedDriver::PrepareLines(int32_t nBytesPerLine, int32_t nRight)
{
    m_line.Resize(nBytesPerLine > 0 ? (size_t)nBytesPerLine : 0);
    DrvImageBlock block = {m_line.Data(), nBytesPerLine, 0, 0, nRight, 0};
    std::memcpy(m_block.Data(), &block, sizeof(block));
}

int32_t WatchedDriver::Open()
{
    return Watch("DrvOpen", [&] { return m_api.pOpen(); });
}

int32_t WatchedDriver::Close()
{
    return Watch("DrvClose", [&] { return m_api.pClose(); });
}

int32_t WatchedDriver::GetInfoEx(DrvInfoEx* pInfo)
{
    std::memcpy(m_info.Data(), pInfo, sizeof(*pInfo));
    int32_t nResult = Watch("DrvGetInfoEx", [&] { return m_api.pGetInfoEx((DrvInfoEx*)m_info.Data()); });
    std::memcpy(pInfo, m_info.Data(), sizeof(*pInfo));
    return nResult;
}

int32_t WatchedDriver::GetFeatures(DrvFeatures* pFeatures)
{
    std::memcpy(m_features.Data(), pFeatures, sizeof(*pFeatures));
    int32_t nResult = Watch("DrvGetFeatures", [&] { return m_api.pGetFeatures((DrvFeatures*)m_features.Data()); });
    std::memcpy(pFeatures, m_features.Data(), sizeof(*pFeatures));
    return nResult;
}

int32_t WatchedDriver::SetParameter(DrvFeatures* pFeatures)
{
    std::memcpy(m_features.Data(), pFeatures, sizeof(*pFeatures));
    return Watch("DrvSetParameter", [&] { return m_api.pSetParameter((DrvFeatures*)m_features.Data()); });
}

int32_t WatchedDriver::StartScan()
{
    return Watch("DrvStartScan", [&] { return m_api.pStartScan(); });
}

int32_t WatchedDriver::GetImage()
{
    return Watch("DrvGetImage", [&] { return m_api.pGetImage((DrvImageBlock*)m_block.Data()); });
}

int32_t WatchedDriver::StopScan()
{
    return Watch("DrvStopScan", [&] { return m_api.pStopScan(); });
}

int32_t WatchedDriver::HomeCarriage(int32_t nArg)
{
    return Watch("DrvHomeCarriage", [&] { return m_api.pHomeCarriage(nArg); });
}

int32_t WatchedDriver::GetWarmupRemainTime()
{
    return Watch("DrvGetWarmupRemainTime", [&] { return m_api.pGetWarmupRemainTime(); });
}
