// The fake driver and its call-sequence tables, which the scan-run tests rely on.
#include "call_sequence.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace fake_driver;

namespace {
class FakeDriverTest : public ::testing::Test {
protected:
    void SetUp() override { FakeDriver::Get().Reset(); }
};
} // namespace

TEST_F(FakeDriverTest, TableWithRepeatsMatchesAndAMismatchDumpsBothSides)
{
    DrvFeatures f = {};
    DrvImageBlock b = {};
    ASSERT_EQ(DrvOpen(), 0);
    DrvGetFeatures(&f);
    DrvStartScan();
    for (int i = 0; i < 3; ++i)
        DrvGetImage(&b);
    DrvGetWarmupRemainTime();
    DrvGetImage(&b);
    DrvHomeCarriage(1);
    DrvClose();

    const std::vector<ExpectedCall> expected = {
        {Call::Open, 0}, {Call::GetFeatures}, Optional(Call::SetParameter), {Call::StartScan},
        Times(Call::GetImage, 4), {Call::HomeCarriage, 0, 1}, {Call::Close},
    };
    EXPECT_EQ(CompareCalls(expected, {Call::GetWarmupRemainTime}), "");

    std::string strDump = CompareCalls(expected); // the warm-up call now splits the lines
    EXPECT_NE(strDump.find("row 4 (DrvGetImage x4) matched 3"), std::string::npos) << strDump;
    EXPECT_NE(strDump.find("DrvGetImage -> 0 x3"), std::string::npos) << strDump;
    EXPECT_NE(strDump.find("DrvGetWarmupRemainTime -> 0"), std::string::npos) << strDump;

    EXPECT_NE(CompareCalls({{Call::Open, 0}}, {Call::GetWarmupRemainTime}).find("unexpected call 1"),
              std::string::npos);
}

TEST_F(FakeDriverTest, FailuresArgumentsAndLines)
{
    FakeDriver& d = FakeDriver::Get();
    d.FailAt(Call::GetImage, 2, 7);
    std::vector<Call> seen;
    d.SetHook([&seen](const CallRecord& r) { seen.push_back(r.call); });

    DrvFeatures f;
    std::memset(&f, 0, sizeof(f));
    f.nLeft = 0;
    f.nRight = 2; // three pixels: nine bytes
    unsigned char line[16];
    std::memset(line, 0xEE, sizeof(line));
    DrvImageBlock b = {line, 12, 0, 0, 2, 0};

    ASSERT_EQ(DrvOpen(), 0);
    ASSERT_EQ(DrvSetParameter(&f), 0);
    ASSERT_EQ(DrvStartScan(), 0);
    EXPECT_EQ(DrvGetImage(&b), 0);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(line[i], PatternByte(0, i));
    EXPECT_EQ(line[9], 0xEE) << "padding is left alone";
    EXPECT_EQ(DrvGetImage(&b), 7);
    EXPECT_EQ(DrvGetImage(&b), 0);
    EXPECT_EQ(line[0], PatternByte(1, 0)) << "a failed fetch delivers no line";
    DrvClose();
    EXPECT_NE(DrvGetImage(&b), 0) << "a closed library has no lines";
    EXPECT_EQ(DrvHomeCarriage(1), 0);

    EXPECT_EQ(seen.size(), d.Calls().size());
    EXPECT_EQ(d.Calls()[1].features.nRight, 2);
    EXPECT_EQ(d.Calls()[3].block.pLineBuffer, line);
    EXPECT_EQ(d.Calls().back().nArg, 1);
    EXPECT_EQ(d.Count(Call::GetImage), 4);
}
