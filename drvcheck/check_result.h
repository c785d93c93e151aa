// The outcome of one check, and the report lines made of a list of them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum class CheckStatus { Pass, Fail, Skip };

struct CheckResult {
    std::string strName;
    CheckStatus status;
    std::string strDetail; // what was seen (FAIL), why (SKIP), figures (PASS, may be empty)
};

inline CheckResult Passed(const char* pszName, std::string strDetail = std::string())
{
    return {pszName, CheckStatus::Pass, std::move(strDetail)};
}
inline CheckResult Failed(const char* pszName, std::string strDetail)
{
    return {pszName, CheckStatus::Fail, std::move(strDetail)};
}
inline CheckResult Skipped(const char* pszName, std::string strWhy) { return {pszName, CheckStatus::Skip, std::move(strWhy)}; }

// "DrvOpen returned 1": how the checks tell a result they did not expect.
inline std::string Returned(const char* pszCall, int32_t nResult)
{
    return std::string(pszCall) + " returned " + std::to_string(nResult);
}

// "PASS name", "PASS name: figures", "FAIL name: what was seen", "SKIP name: why".
std::string FormatResult(const CheckResult& result);
// "N passed, M failed", with ", K skipped" when any were skipped.
std::string FormatSummary(const std::vector<CheckResult>& results);
// 0 only when no check failed.
int ExitCodeFor(const std::vector<CheckResult>& results);
