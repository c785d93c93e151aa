// Report lines.
#include "check_result.h"

std::string FormatResult(const CheckResult& result)
{
    static const char* const kWords[] = {"PASS", "FAIL", "SKIP"};
    std::string strLine = std::string(kWords[(int)result.status]) + " " + result.strName;
    if (!result.strDetail.empty())
        strLine += ": " + result.strDetail;
    return strLine;
}

std::string FormatSummary(const std::vector<CheckResult>& results)
{
    int nCount[3] = {0, 0, 0};
    for (const CheckResult& r : results)
        ++nCount[(int)r.status];
    std::string strLine = std::to_string(nCount[0]) + " passed, " + std::to_string(nCount[1]) + " failed";
    if (nCount[2] > 0)
        strLine += ", " + std::to_string(nCount[2]) + " skipped";
    return strLine;
}

int ExitCodeFor(const std::vector<CheckResult>& results)
{
    for (const CheckResult& r : results)
        if (r.status == CheckStatus::Fail)
            return 1;
    return 0;
}
