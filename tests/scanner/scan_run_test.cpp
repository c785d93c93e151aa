// The scan run on the real dialog, driven through the fake driver: the order of
// driver calls on every path, the records handed over, and what the dialog shows.
#include "call_sequence.h"
#include "keystate.h"
#include "line_buffer.h"
#include "scan_setup.h"
#include "tester_dlg.h"

#include <gtest/gtest.h>

#include <string>

using namespace fake_driver;

namespace {

class ScanRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeDriver::Get().Reset();
        ASSERT_TRUE(m_dlg.Create(IDD_TESTER_DIALOG));
        s_nEscAfterLines = -1;
        AfxSetAsyncKeyStateFn(EscState);
    }
    void TearDown() override
    {
        AfxSetAsyncKeyStateFn(nullptr);
        AfxSetAllocLimit(0);
        FakeDriver::Get().SetHook(nullptr);
        m_dlg.DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) // nothing left over for the next test
            ;
    }

    std::string Field(int nId)
    {
        char sz[512] = "";
        ::GetDlgItemTextA(m_dlg.m_hWnd, nId, sz, sizeof(sz));
        return sz;
    }
    void SetField(int nId, const char* text) { ::SetDlgItemTextA(m_dlg.m_hWnd, nId, text); }
    void Command(int nId) { ::SendMessageA(m_dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), 0); }
    void PostCommand(int nId) { ::PostMessageA(m_dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), 0); }
    // The fetched lines, the warm-up ticks left out: they come whenever a timer fires.
    std::string Compare(const std::vector<ExpectedCall>& expected)
    {
        return CompareCalls(expected, {Call::GetWarmupRemainTime});
    }
    const CallRecord* Find(Call call, int nInvocation = 1)
    {
        for (const CallRecord& r : FakeDriver::Get().Calls())
            if (r.call == call && r.nInvocation == nInvocation)
                return &r;
        return nullptr;
    }

    // Esc goes down once the fake driver has delivered this many lines.
    static int s_nEscAfterLines;
    static SHORT WINAPI EscState(int vk)
    {
        bool bDown = vk == VK_ESCAPE && s_nEscAfterLines >= 0 &&
                     FakeDriver::Get().Count(Call::GetImage) >= s_nEscAfterLines;
        return bDown ? (SHORT)0x8000 : 0;
    }

    CTesterDlg m_dlg;
};
int ScanRun::s_nEscAfterLines = -1;

const std::vector<ExpectedCall> kOpened = {{Call::Open}, {Call::GetInfoEx}, Times(Call::GetFeatures, 2)};

std::vector<ExpectedCall> Then(std::vector<ExpectedCall> calls, const std::vector<ExpectedCall>& more)
{
    calls.insert(calls.end(), more.begin(), more.end());
    return calls;
}

struct PathCase {
    const char* name;
    ScanKind kind;
    Call failing; // Call::Open with nAt 0: nothing fails
    int nAt;      // 0: always
    std::vector<ExpectedCall> expected;
    const char* scanTest;
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << c.name; }

class ScanRunPaths : public ScanRun, public ::testing::WithParamInterface<PathCase> {};

TEST_P(ScanRunPaths, CallsTheDriverInOrderAndReportsTheOutcome)
{
    const PathCase& c = GetParam();
    if (c.nAt >= 0)
        c.nAt ? FakeDriver::Get().FailAt(c.failing, c.nAt) : FakeDriver::Get().FailAlways(c.failing);
    SetField(IDC_SCAN_TEST, "Scan Test:earlier");
    m_dlg.RunScan(c.kind);
    EXPECT_EQ(Compare(c.expected), "");
    EXPECT_EQ(Field(IDC_SCAN_TEST), c.scanTest);
    // Every path ends idle: buttons usable again, library closed, clocks stopped.
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(m_dlg.m_hWnd, IDC_SCAN)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(m_dlg.m_hWnd, IDC_PREVIEW)));
    EXPECT_FALSE(FakeDriver::Get().IsOpen());
    EXPECT_FALSE(m_dlg.m_bScanning);
    EXPECT_FALSE(::KillTimer(m_dlg.m_hWnd, IDC_WARMUP_TIME));
    EXPECT_FALSE(::KillTimer(m_dlg.m_hWnd, IDC_ELAPSED_TIME));
}

const Call kNone = Call::Open;

INSTANTIATE_TEST_SUITE_P(
    FailureTable, ScanRunPaths,
    ::testing::Values(
        PathCase{"OpenFails", SCAN_KIND_TEST, Call::Open, 0, {{Call::Open}, {Call::Close}},
                 "Scan Test:Scanner Not Found"},
        PathCase{"SecondFeaturesReadFailsInAScan", SCAN_KIND_TEST, Call::GetFeatures, 2,
                 Then(kOpened, {{Call::Close}}), "Scan Test:GetFeatures Error"},
        PathCase{"SecondFeaturesReadFailsInAPreview", SCAN_KIND_PREVIEW, Call::GetFeatures, 2,
                 Then(kOpened, {{Call::Close}}), "Scan Test:GetFeatures Error"},
        PathCase{"FirstFeaturesReadFailsUnnoticed", SCAN_KIND_PREVIEW, Call::GetFeatures, 1,
                 Then(kOpened, {{Call::SetParameter}, {Call::StartScan}, Times(Call::GetImage, 583), {Call::StopScan},
                                {Call::HomeCarriage, 0, 1}, {Call::Close}}),
                 "Scan Test:OK!"},
        PathCase{"SetParameterFails", SCAN_KIND_TEST, Call::SetParameter, 0,
                 Then(kOpened, {{Call::SetParameter}, {Call::Close}}), "Scan Test:Setting Error"},
        PathCase{"StartScanFails", SCAN_KIND_TEST, Call::StartScan, 0,
                 Then(kOpened, {{Call::SetParameter}, {Call::StartScan}, {Call::StopScan}, {Call::Close}}),
                 "Scan Test:StartScan Error"},
        PathCase{"GetImageFails", SCAN_KIND_PREVIEW, Call::GetImage, 3,
                 Then(kOpened, {{Call::SetParameter}, {Call::StartScan}, Times(Call::GetImage, 3), {Call::StopScan},
                                {Call::HomeCarriage, kAny, 1}, {Call::Close}}),
                 "Scan Test:GetImage Error"},
        PathCase{"StopScanFails", SCAN_KIND_PREVIEW, Call::StopScan, 0,
                 Then(kOpened, {{Call::SetParameter}, {Call::StartScan}, Times(Call::GetImage, 583), {Call::StopScan},
                                {Call::Close}}),
                 "Scan Test:StopScan Error"},
        PathCase{"HomeCarriageFails", SCAN_KIND_PREVIEW, Call::HomeCarriage, 0,
                 Then(kOpened, {{Call::SetParameter}, {Call::StartScan}, Times(Call::GetImage, 583), {Call::StopScan},
                                {Call::HomeCarriage, 1, 1}, {Call::Close}}),
                 "Scan Test:HomeCarriage Error"},
        PathCase{"FullScan", SCAN_KIND_TEST, kNone, -1,
                 Then(kOpened, {{Call::SetParameter}, {Call::StartScan}, Times(Call::GetImage, 3505), {Call::StopScan},
                                {Call::HomeCarriage, 0, 1}, {Call::Close}}),
                 "Scan Test:OK!"}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

TEST_F(ScanRun, WarmupIsAskedOnceRightAfterOpening)
{
    FakeDriver::Get().SetWarmupAnswers({75});
    m_dlg.RunScan(SCAN_KIND_PREVIEW);
    const auto& calls = FakeDriver::Get().Calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[1].call, Call::GetWarmupRemainTime);
    EXPECT_EQ(Field(IDC_WARMUP_TIME), "01:15");
}

TEST_F(ScanRun, PreviewOfTheWholeBedAt50Dpi)
{
    m_dlg.RunScan(SCAN_KIND_PREVIEW);
    const CallRecord* pSet = Find(Call::SetParameter);
    ASSERT_TRUE(pSet);
    const DrvFeatures& f = pSet->features;
    EXPECT_EQ(f.nXResolution, 50);
    EXPECT_EQ(f.nYResolution, 50);
    EXPECT_EQ(std::vector<int>({f.nLeft, f.nTop, f.nRight, f.nBottom}), std::vector<int>({0, 0, 424, 583}));
    EXPECT_EQ(f.nBitsPerPixel, 24);
    EXPECT_EQ(f.nScanKind, SCAN_KIND_PREVIEW);
    EXPECT_EQ(f.dwReserved, 0);
    const CallRecord* pGet = Find(Call::GetImage);
    ASSERT_TRUE(pGet);
    EXPECT_EQ(pGet->block.nBytesPerLine, 1276);
    EXPECT_EQ(pGet->block.nRight, 424);
    EXPECT_EQ(pGet->block.nReserved1 | pGet->block.nReserved2 | pGet->block.nReserved3, 0);
    EXPECT_EQ(FakeDriver::Get().Count(Call::GetImage), 583);
}

TEST_F(ScanRun, FullScanKeepsTheLibrarysSettings)
{
    m_dlg.RunScan(SCAN_KIND_TEST);
    const CallRecord* pSet = Find(Call::SetParameter);
    ASSERT_TRUE(pSet);
    const DrvFeatures& f = pSet->features;
    EXPECT_EQ(f.nXResolution, 300);
    EXPECT_EQ(std::vector<int>({f.nLeft, f.nTop, f.nRight, f.nBottom}), std::vector<int>({0, 0, 2549, 3505}));
    EXPECT_EQ(f.nScanKind, SCAN_KIND_TEST);
    EXPECT_EQ(Find(Call::GetImage)->block.nBytesPerLine, 7652);
    // 11.69 in single precision lies below 11.69: 3506 lines high, 3505 fetched.
    EXPECT_EQ(FakeDriver::Get().Count(Call::GetImage), 3505);
}

TEST_F(ScanRun, ImageOfOneLineOrLessFetchesNothing)
{
    FakeDriver::Get().m_features.fBedHeight = 0.02f; // 1 line at 50 dpi
    m_dlg.RunScan(SCAN_KIND_PREVIEW);
    EXPECT_EQ(Compare(Then(kOpened, {{Call::SetParameter}, {Call::StartScan}, {Call::StopScan}, {Call::HomeCarriage},
                                     {Call::Close}})),
              "");
    EXPECT_EQ(Field(IDC_SCAN_TEST), "Scan Test:OK!");
}

TEST_F(ScanRun, LinesReachThePreviewInBlueGreenRedOrder)
{
    m_dlg.RunScan(SCAN_KIND_PREVIEW);
    // The last line delivered is still in the buffer, swapped in place.
    const CallRecord* pLast = Find(Call::GetImage, 583);
    ASSERT_TRUE(pLast);
    const unsigned char* p = pLast->block.pLineBuffer;
    for (int px = 0; px < 425; px += 53) {
        EXPECT_EQ(p[3 * px], PatternByte(582, 3 * px + 2));
        EXPECT_EQ(p[3 * px + 1], PatternByte(582, 3 * px + 1));
        EXPECT_EQ(p[3 * px + 2], PatternByte(582, 3 * px));
    }
}

TEST_F(ScanRun, EscEndsTheScanAfterTheCurrentLine)
{
    s_nEscAfterLines = 10;
    m_dlg.RunScan(SCAN_KIND_TEST);
    EXPECT_EQ(Compare(Then(kOpened, {{Call::SetParameter}, {Call::StartScan}, Times(Call::GetImage, 10),
                                     {Call::StopScan}, {Call::HomeCarriage}, {Call::Close}})),
              "");
    EXPECT_EQ(Field(IDC_SCAN_TEST), "Scan Test:OK!");
}

// A WM_QUIT or WM_CLOSE taken by the scan loop closes the library at once; the next
// fetch then fails on the closed library and the run ends as on a failed fetch.
TEST_F(ScanRun, QuitOrCloseTakenInTheLoopClosesTheLibrary)
{
    for (UINT message : {WM_QUIT, WM_CLOSE}) {
        SCOPED_TRACE(message);
        FakeDriver::Get().Reset();
        FakeDriver::Get().SetHook([&, message](const CallRecord& r) {
            if (r.call != Call::GetImage || r.nInvocation != 5)
                return;
            if (message == WM_QUIT)
                ::PostQuitMessage(0);
            else
                ::PostMessageA(m_dlg.m_hWnd, WM_CLOSE, 0, 0);
        });
        m_dlg.RunScan(SCAN_KIND_PREVIEW);
        EXPECT_EQ(Compare(Then(kOpened, {{Call::SetParameter}, {Call::StartScan}, {Call::GetImage, kAny, kAny, 5, 50},
                                         {Call::StopScan}, {Call::HomeCarriage}, {Call::Close}, {Call::GetImage},
                                         {Call::StopScan}, {Call::HomeCarriage}, {Call::Close}})),
                  "");
        EXPECT_EQ(Field(IDC_SCAN_TEST), "Scan Test:GetImage Error");
        EXPECT_TRUE(::IsWindow(m_dlg.m_hWnd));
    }
}

TEST_F(ScanRun, ExitDuringTheLoopStopsHomesClosesAndDestroysTheDialog)
{
    FakeDriver::Get().SetHook([&](const CallRecord& r) {
        if (r.call == Call::GetImage && r.nInvocation == 5)
            Command(IDC_EXIT);
    });
    HWND hDlg = m_dlg.m_hWnd;
    SetField(IDC_SCAN_TEST, "Scan Test:earlier");
    m_dlg.RunScan(SCAN_KIND_TEST);
    EXPECT_EQ(Compare(Then(kOpened, {{Call::SetParameter}, {Call::StartScan}, {Call::GetImage, kAny, kAny, 5, 50},
                                     {Call::StopScan}, {Call::HomeCarriage}, {Call::Close}})),
              "");
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_EQ(m_dlg.m_hWnd, nullptr);
}

// Exit clicked as the last line arrives: the loop ends by its count before it takes
// the request, so the command closes the tester once the run is over.
TEST_F(ScanRun, ExitAtTheLastLineStillClosesTheTester)
{
    FakeDriver::Get().SetHook([&](const CallRecord& r) {
        if (r.call == Call::GetImage && r.nInvocation == 583)
            Command(IDC_EXIT);
    });
    HWND hDlg = m_dlg.m_hWnd;
    Command(IDC_PREVIEW);
    EXPECT_EQ(FakeDriver::Get().Count(Call::GetImage), 583);
    EXPECT_FALSE(::IsWindow(hDlg));
}

TEST_F(ScanRun, ClicksQueuedDuringTheWaitBoxDoNotStartASecondCommand)
{
    PostCommand(IDC_SCAN);
    PostCommand(IDC_PREVIEW);
    Command(IDC_SCAN);
    EXPECT_EQ(FakeDriver::Get().Count(Call::Open), 1);
    EXPECT_EQ(Field(IDC_SCAN_TEST), "Scan Test:OK!");
    EXPECT_TRUE(::IsWindow(m_dlg.m_hWnd));
}

TEST_F(ScanRun, ExitQueuedDuringTheWaitBoxClosesWithoutScanning)
{
    HWND hDlg = m_dlg.m_hWnd;
    PostCommand(IDC_EXIT);
    Command(IDC_SCAN);
    EXPECT_EQ(FakeDriver::Get().Count(Call::Open), 0);
    EXPECT_FALSE(::IsWindow(hDlg));
}

TEST_F(ScanRun, NoMemoryForTheLineStillEndsTheRun)
{
    // 20 inches at 300 dpi need a line buffer of 18000 bytes, the preview about 270 KB.
    FakeDriver::Get().m_features.fBedWidth = 20.0f;
    FakeDriver::Get().m_features.nRight = 5999;
    AfxSetAllocLimit(16 * 1024);
    m_dlg.RunScan(SCAN_KIND_TEST);
    AfxSetAllocLimit(0);
    EXPECT_EQ(Compare(Then(kOpened, {{Call::Close}})), "");
    EXPECT_EQ(Field(IDC_SCAN_TEST), "Scan Test:Memory Error");
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(m_dlg.m_hWnd, IDC_SCAN)));
    EXPECT_FALSE(::KillTimer(m_dlg.m_hWnd, IDC_WARMUP_TIME));
    EXPECT_FALSE(FakeDriver::Get().IsOpen());
}

TEST_F(ScanRun, NoMemoryForThePreviewScansWithoutOne)
{
    AfxSetAllocLimit(64 * 1024);
    m_dlg.RunScan(SCAN_KIND_PREVIEW);
    AfxSetAllocLimit(0);
    EXPECT_EQ(FakeDriver::Get().Count(Call::GetImage), 583);
    EXPECT_EQ(Field(IDC_SCAN_TEST), "Scan Test:OK!");
}

TEST_F(ScanRun, WideLinesGetABufferOfTheirOwn)
{
    // 20 inches at 300 dpi: 6000 pixels, 18000 bytes, more than the static buffer holds.
    FakeDriver::Get().m_features.fBedWidth = 20.0f;
    FakeDriver::Get().m_features.nRight = 5999;
    s_nEscAfterLines = 20;
    m_dlg.RunScan(SCAN_KIND_TEST);
    EXPECT_EQ(Field(IDC_SCAN_TEST), "Scan Test:OK!");
    const CallRecord* pGet = Find(Call::GetImage);
    ASSERT_TRUE(pGet);
    EXPECT_EQ(pGet->block.nBytesPerLine, 18000);
    EXPECT_EQ(pGet->block.pLineBuffer, LineBufferFor(18000));
    EXPECT_NE(pGet->block.pLineBuffer, LineBufferFor(kLineBufferSize));
}

TEST(LineBuffer, HoldsTheWiderOfTheDeliveredAndTheShownLine)
{
    const struct {
        int nWidth;
        int32_t nBytesPerLine;
        size_t nNeeded;
    } kCases[] = {
        {2550, 7652, 7652}, {425, 1276, 1276}, {6000, 1276, 18000}, {100, 18000, 18000}, {-5, -12, 0}, {0, 0, 0},
    };
    for (const auto& c : kCases) {
        ScanSetup s = {c.nWidth, 10, 300, c.nBytesPerLine};
        EXPECT_EQ(LineBufferBytesNeeded(s), c.nNeeded) << c.nWidth << " " << c.nBytesPerLine;
    }
    EXPECT_EQ(LineBufferFor(15304), LineBufferFor(1));
}

TEST(ScanSetup, SizesVersionsAndPortDevices)
{
    EXPECT_EQ(BedPixels(300, 11.69f), 3506);
    EXPECT_EQ(BedPixels(300, 8.5f), 2550);
    EXPECT_EQ(BedPixels(50, 11.69f), 584);
    EXPECT_EQ(BedPixels(300, -1.0f), -300);
    EXPECT_EQ(BedPixels(300, std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(BedPixels(1 << 30, 1e30f), 1 << 26);
    EXPECT_EQ(BytesPerLine(0, 2549), 7652);
    EXPECT_EQ(BytesPerLine(0, 424), 1276);
    EXPECT_EQ(BytesPerLine(10, 10), 4);
    const struct {
        int32_t major, minor, build;
        const char* text;
    } kVersions[] = {{2, 9, 30, "2.09.30"}, {2, 10, 30, "2.10.30"}, {1, 0, 0, "1.00.0"}, {3, -2, 1, "3.0-2.1"}};
    for (const auto& v : kVersions) {
        char sz[256];
        FormatVersion(v.major, v.minor, v.build, sz);
        EXPECT_STREQ(sz, v.text);
    }
    const char* const kDevices[] = {"LPT1", "LPT1", "LPT2", "LPT3", "LPT4", "LPT1"};
    for (int port = 0; port <= 5; ++port)
        EXPECT_STREQ(LptDeviceName(port), kDevices[port]) << port;
}

struct FieldCase {
    const char* name;
    int32_t bUsb, nLptPort, nPortMode, nProductId;
    const char *port, *mode, *suggest;
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class ScanRunFields : public ScanRun, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(ScanRunFields, ReportTheConnection)
{
    const FieldCase& c = GetParam();
    DrvFeatures& f = FakeDriver::Get().m_features;
    f.bUsb = c.bUsb;
    f.nLptPort = c.nLptPort;
    f.nPortMode = c.nPortMode;
    f.nProductId = c.nProductId;
    SetField(IDC_CONNECT_MODE, "mode before");
    SetField(IDC_SUGGEST_TEXT, "suggest before");
    FakeDriver::Get().FailAlways(Call::SetParameter); // the report is all this needs
    m_dlg.RunScan(SCAN_KIND_PREVIEW);
    EXPECT_EQ(Field(IDC_PRODUCT_ID), "Product ID:" + std::to_string(c.nProductId));
    EXPECT_EQ(Field(IDC_CONNECT_PORT), c.port);
    EXPECT_EQ(Field(IDC_CONNECT_MODE), c.mode);
    EXPECT_EQ(Field(IDC_SUGGEST_TEXT), c.suggest);
    EXPECT_EQ(m_dlg.m_bSuggestEpp, c.nPortMode < 0 || c.nPortMode > 5 || c.nPortMode == 0 || c.nPortMode == 2 ||
                                       c.nPortMode == 3);
}

const char kEpp[] = "If your computer can support EPP,set BIOS to EPP mode.";

INSTANTIATE_TEST_SUITE_P(
    Connections, ScanRunFields,
    ::testing::Values(FieldCase{"Spp", 0, 1, 0, 4830, "Connect Port:LPT1", "Connect Mode:SPP", kEpp},
                      FieldCase{"Epp19", 0, 2, 1, 7, "Connect Port:LPT2", "Connect Mode:EPP Version 1.9", "suggest before"},
                      FieldCase{"Ecp", 0, 3, 2, 7, "Connect Port:LPT3", "Connect Mode:ECP", kEpp},
                      FieldCase{"Ieee", 0, 4, 3, 7, "Connect Port:LPT4", "Connect Mode:IEEE P1284", kEpp},
                      FieldCase{"NibbleEpp", 0, 1, 4, 7, "Connect Port:LPT1", "Connect Mode:Nibble EPP", "suggest before"},
                      FieldCase{"Epp17", 0, 1, 5, 7, "Connect Port:LPT1", "Connect Mode:EPP Version 1.7", "suggest before"},
                      FieldCase{"Undefined", 0, 1, 7, 7, "Connect Port:LPT1", "Connect Mode:SPP 599", kEpp},
                      FieldCase{"Lpt0", 0, 0, 1, -3, "Connect Port:LPT0", "Connect Mode:EPP Version 1.9", "suggest before"},
                      FieldCase{"UsbLeavesModeAndSuggestion", 1, 1, 0, 12, "Connect Port:USB", "mode before",
                                "suggest before"}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

TEST_F(ScanRun, VersionsOfTesterLibraryAndDriver)
{
    FakeDriver::Get().m_info = {2, 9, 30, 1, 10, 7, {}};
    m_dlg.RunScan(SCAN_KIND_PREVIEW);
    EXPECT_EQ(Field(IDC_EXE_VERSION), "1.10.133");
    EXPECT_EQ(Field(IDC_DLL_VERSION), "2.09.30");
    EXPECT_EQ(Field(IDC_VXD_VERSION), "1.10.7");
}

TEST_F(ScanRun, NotFoundCheckListFollowsWhatTheLastRunLearned)
{
    const std::string kUsbList = "Scanner is not found! Please check the following: \n(1) Power adaptor";
    const std::string kLptList = "Scanner is not found! Please check the following: \n(1) LPT port";
    FakeDriver::Get().FailAlways(Call::Open);
    m_dlg.RunScan(SCAN_KIND_PREVIEW);
    EXPECT_EQ(Field(IDC_SUGGEST_TEXT).substr(0, kLptList.size()), kLptList) << "nothing known: parallel port";
    EXPECT_EQ(Field(IDC_DLL_VERSION), "");
    EXPECT_EQ(Field(IDC_WARMUP_TIME), "00:00");

    FakeDriver::Get().Reset();
    FakeDriver::Get().m_features.bUsb = 1;
    m_dlg.RunScan(SCAN_KIND_PREVIEW);
    FakeDriver::Get().FailAlways(Call::Open);
    m_dlg.RunScan(SCAN_KIND_PREVIEW);
    EXPECT_EQ(Field(IDC_SUGGEST_TEXT).substr(0, kUsbList.size()), kUsbList);
    EXPECT_EQ(Field(IDC_SCAN_TEST), "Scan Test:Scanner Not Found");
}

} // namespace
