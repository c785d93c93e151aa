// The main dialog's timer ticks, on the real dialog built from the tester's
// resources, with the fake driver answering the warm-up query.
#include "call_sequence.h"
#include "clocks.h"
#include "tester_dlg.h"

#include <gtest/gtest.h>

#include <string>

using namespace fake_driver;

namespace {
class ClockTicks : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeDriver::Get().Reset();
        ASSERT_TRUE(m_dlg.Create(IDD_TESTER_DIALOG));
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    void Tick(UINT_PTR nId) { ::SendMessageA(m_dlg.GetSafeHwnd(), WM_TIMER, nId, 0); }
    std::string Field(int nId)
    {
        char sz[64] = "";
        ::GetDlgItemTextA(m_dlg.GetSafeHwnd(), nId, sz, sizeof(sz));
        return sz;
    }

    CTesterDlg m_dlg;
};
} // namespace

TEST_F(ClockTicks, WarmupTickAsksTheDriverAfresh)
{
    FakeDriver::Get().SetWarmupAnswers({605, 0, -1, -5});
    for (const char* text : {"10:05", "00:00", "-1", "00:0-5"}) {
        Tick(kWarmupTimerId);
        EXPECT_EQ(Field(IDC_WARMUP_TIME), text);
    }
    EXPECT_EQ(Field(IDC_ELAPSED_TIME), "00:00");
    EXPECT_EQ(CompareCalls({Times(Call::GetWarmupRemainTime, 4)}), "");
}

TEST_F(ClockTicks, ElapsedTickAddsOneSecond)
{
    const struct {
        int nBefore;
        const char* text;
    } kCases[] = {{0, "00:01"}, {1, "00:02"}, {59, "01:00"}, {599, "10:00"}};
    for (const auto& c : kCases) {
        m_dlg.m_nElapsedSeconds = c.nBefore;
        Tick(kElapsedTimerId);
        EXPECT_EQ(m_dlg.m_nElapsedSeconds, c.nBefore + 1);
        EXPECT_EQ(Field(IDC_ELAPSED_TIME), c.text) << c.nBefore;
    }
    EXPECT_EQ(Field(IDC_WARMUP_TIME), "00:00");
    EXPECT_EQ(CompareCalls({}), "") << "the elapsed clock reads no driver";
}

TEST_F(ClockTicks, ForeignTimerChangesNeitherField)
{
    ::SetDlgItemTextA(m_dlg.GetSafeHwnd(), IDC_WARMUP_TIME, "00:07");
    ::SetDlgItemTextA(m_dlg.GetSafeHwnd(), IDC_ELAPSED_TIME, "01:02");
    m_dlg.m_nElapsedSeconds = 62;
    for (UINT_PTR nId : {(UINT_PTR)0, (UINT_PTR)1, (UINT_PTR)IDC_SCAN, (UINT_PTR)1012, (UINT_PTR)1014,
                         (UINT_PTR)IDC_PREVIEW, (UINT_PTR)1019, (UINT_PTR)0xFFFFFFFFu})
        Tick(nId);
    EXPECT_EQ(Field(IDC_WARMUP_TIME), "00:07");
    EXPECT_EQ(Field(IDC_ELAPSED_TIME), "01:02");
    EXPECT_EQ(m_dlg.m_nElapsedSeconds, 62);
    EXPECT_EQ(CompareCalls({}), "");
}
