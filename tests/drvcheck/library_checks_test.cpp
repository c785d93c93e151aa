// The checks run in-process against our virtual scanner with each of its failure
// switches, and against the faulty library with each of its faults: every switch and
// fault must show as a FAIL of exactly the checks that concern it.
#include "driver_library.h"
#include "run_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
typedef std::vector<std::string> Names;

const Names kScans = {"preview scan", "full scan", "early stop"};

struct LibraryCase {
    const char* pszLabel;
    const char* pszSetting; // INI lines for the virtual scanner (after its [Scanner] line), or the fault
    Names failed;
    const char* pszSeen; // in the detail of the first failed check
};

void PrintTo(const LibraryCase& c, std::ostream* os) { *os << c.pszLabel; }

void ExpectFailures(const std::vector<CheckResult>& results, const LibraryCase& c)
{
    EXPECT_EQ(NamesWith(results, CheckStatus::Fail), c.failed);
    for (const CheckResult& r : results) {
        if (r.status == CheckStatus::Fail && !c.failed.empty() && r.strName == c.failed.front())
            EXPECT_NE(r.strDetail.find(c.pszSeen), std::string::npos) << FormatResult(r);
    }
}

Names Plus(Names names, const Names& more)
{
    names.insert(names.end(), more.begin(), more.end());
    return names;
}

class VirtualScannerChecks : public testing::TestWithParam<LibraryCase> {};

// Every case scans without pacing; all but the defaults at a lower resolution,
// which keeps the full scans short.
const char kUnpaced[] = "[Scanner]\nLinesPerSecond=0\n";

const LibraryCase kVirtualCases[] = {
    {"Defaults", "", {}, ""},
    {"Usb", "Resolution=100\nUsb=1\nPortMode=9\n", {}, ""},
    {"WarmupUnknown", "Resolution=100\nWarmupSeconds=-1\n", {}, ""},
    {"UnknownPortMode", "Resolution=100\nPortMode=7\n", {"connection"}, "the tester shows it as \"SPP 599\""},
    {"NoSuchPort", "Resolution=100\nLptPort=0\n", {"connection"}, "nLptPort 0"},
    {"FailOpen", "[Failures]\nFailOpen=1\n", {"open"}, "DrvOpen returned"},
    {"FailFirstFeatures", "Resolution=100\n[Failures]\nFailGetFeatures=1\n", {"features read twice"},
     "the first DrvGetFeatures"},
    {"FailSecondFeatures", "Resolution=100\n[Failures]\nFailGetFeatures=2\n", Plus({"features read twice"}, kScans),
     "the second DrvGetFeatures"},
    {"FailSetParameter", "Resolution=100\n[Failures]\nFailSetParameter=1\n", kScans, "DrvSetParameter returned"},
    {"FailStartScan", "Resolution=100\n[Failures]\nFailStartScan=1\n", kScans, "DrvStartScan returned"},
    {"FailGetImageAtLine", "Resolution=100\n[Failures]\nFailGetImageAtLine=5\n", kScans,
     "DrvGetImage returned 2 at line 5"},
    {"FailStopScan", "Resolution=100\n[Failures]\nFailStopScan=1\n", kScans, "DrvStopScan returned"},
    {"FailHomeCarriage", "Resolution=100\n[Failures]\nFailHomeCarriage=1\n", kScans, "DrvHomeCarriage returned"},
};
} // namespace

TEST_P(VirtualScannerChecks, FailsExactlyWhereTheSwitchSays)
{
    const LibraryCase& c = GetParam();
    auto pLibrary = DriverLibrary::VirtualScanner(kUnpaced + std::string(c.pszSetting));
    ASSERT_TRUE(pLibrary->Loaded());
    std::vector<CheckResult> results = RunAllChecks(pLibrary->Api());
    ExpectFailures(results, c);
    Names skipped = NamesWith(results, CheckStatus::Skip);
    if (c.failed == Names{"open"})
        EXPECT_EQ(skipped.size(), 12u) << "every check that needs a scanner";
    else
        EXPECT_EQ(std::count(skipped.begin(), skipped.end(), "close after failed open"), 1);
}

INSTANTIATE_TEST_SUITE_P(Switches, VirtualScannerChecks, testing::ValuesIn(kVirtualCases),
                         [](const testing::TestParamInfo<LibraryCase>& info) { return info.param.pszLabel; });

namespace {
class FaultyLibraryChecks : public testing::TestWithParam<LibraryCase> {};

const LibraryCase kFaults[] = {
    {"None", "none", {}, ""},
    {"FeaturesOverrun", "features-overrun", {"guard bytes"},
     "during DrvGetFeatures: 4 guard bytes past DrvFeatures changed, first at offset 104 of 104"},
    {"InfoOverrun", "info-overrun", {"guard bytes"}, "past DrvInfoEx changed, first at offset 56 of 56"},
    {"LineOverrun", "line-overrun", Plus(kScans, {"guard bytes"}),
     "line 1: during DrvGetImage: 4 guard bytes past the line buffer changed, first at offset 600 of 600"},
    {"LateWrite", "late-write", {"guard bytes"}, "during DrvStartScan: 4 guard bytes past DrvFeatures"},
    {"AnswersAfterClose", "answers-after-close", {"after close"}, "DrvGetImage returned 0 after DrvClose"},
};
} // namespace

TEST_P(FaultyLibraryChecks, CatchesTheFault)
{
    const LibraryCase& c = GetParam();
    ::SetEnvironmentVariableA("FAULTY_TELMOR_FAULT", c.pszSetting);
    auto pLibrary = DriverLibrary::Faulty();
    ASSERT_TRUE(pLibrary->Loaded());
    ExpectFailures(RunAllChecks(pLibrary->Api()), c);
    ::SetEnvironmentVariableA("FAULTY_TELMOR_FAULT", nullptr);
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultyLibraryChecks, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<LibraryCase>& info) { return info.param.pszLabel; });

TEST(MissingExports, AreNamedAndLeaveNothingElseToCheck)
{
    DriverApi api = BindDriverApi(::GetModuleHandleA("kernel32.dll"));
    std::vector<CheckResult> results = RunAllChecks(api);
    ASSERT_FALSE(results.empty());
    EXPECT_EQ(FormatResult(results.front()),
              "FAIL exports: not exported: DrvOpen, DrvClose, DrvGetInfoEx, DrvGetFeatures, DrvSetParameter, "
              "DrvStartScan, DrvGetImage, DrvStopScan, DrvHomeCarriage, DrvGetWarmupRemainTime");
    EXPECT_EQ(FormatSummary(results), "0 passed, 1 failed, 16 skipped");
    EXPECT_EQ(ExitCodeFor(results), 1);
}
