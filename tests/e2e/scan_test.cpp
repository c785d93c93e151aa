// Scan and Preview on the real tester with the virtual scanner, seen from outside.
#include "resource.h"
#include "tester_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// The virtual scanner's settings for a run: a short warm-up and the given pace.
std::pair<std::string, std::string> ScannerSettings(int nLinesPerSecond, const std::string& more = "")
{
    return {"telmor.ini", "[Scanner]\r\nWarmupSeconds=3\r\nLinesPerSecond=" + std::to_string(nLinesPerSecond) +
                              "\r\n" + more};
}

const COLORREF kGrey = RGB(192, 192, 192);

bool IsIdle(TesterRun& run) { return ui::IsControlEnabled(run.Dialog(), IDC_SCAN); }

// Clicks the button and waits until the run it starts has ended.
void RunCommand(TesterRun& run, int nButton, DWORD timeoutMs = 120000)
{
    ui::Click(run.Dialog(), nButton);
    ui::WaitUntil([&] { return !IsIdle(run); }, 3000);
    ASSERT_TRUE(ui::WaitUntil([&] { return IsIdle(run); }, timeoutMs));
}

int NonGreyPreviewPixels(HWND hDlg)
{
    int nCount = 0;
    for (int y = 20; y < 340; y += 40)
        for (int x = 20; x < 240; x += 40) {
            POINT pt = ui::ClientToScreenPoint(hDlg, x, y);
            nCount += ui::ScreenPixel(pt.x, pt.y) != kGrey;
        }
    return nCount;
}

} // namespace

TEST(Scan, ShowsTheCentredWaitBoxAndEndsWithOkAndAPicture)
{
    TesterRun run({ScannerSettings(1000)});
    HWND hDlg = run.WaitForDialog();
    ASSERT_TRUE(hDlg);
    EXPECT_EQ(NonGreyPreviewPixels(hDlg), 0);
    ui::Click(hDlg, IDC_SCAN);
    HWND hBox = run.Process().WaitForWindow("#32770", 10000, hDlg);
    ASSERT_TRUE(hBox);
    EXPECT_EQ(ui::ControlText(hBox, IDC_WAIT_TEXT), "Waitting Scaning...");
    EXPECT_EQ(ui::ControlText(hBox, IDC_WAIT_SPEC), "300 DPI,True Color,8.5\"*11.69\"");
    RECT rcBox, rcDlg;
    ::GetWindowRect(hBox, &rcBox);
    ::GetWindowRect(hDlg, &rcDlg);
    EXPECT_NEAR((rcBox.left + rcBox.right) / 2, (rcDlg.left + rcDlg.right) / 2, 1);
    EXPECT_NEAR((rcBox.top + rcBox.bottom) / 2, (rcDlg.top + rcDlg.bottom) / 2, 1);
    EXPECT_EQ(::GetWindowLongA(hBox, GWL_STYLE) & WS_CAPTION, 0);

    ASSERT_TRUE(ui::WaitUntil([&] { return run.Field(IDC_SCAN_TEST) == "Scan Test:OK!"; }, 120000));
    EXPECT_TRUE(ui::WaitUntil([&] { return !::IsWindow(hBox); }, 5000));
    EXPECT_EQ(run.Field(IDC_PRODUCT_ID), "Product ID:4830");
    EXPECT_EQ(run.Field(IDC_CONNECT_PORT), "Connect Port:LPT1");
    EXPECT_EQ(run.Field(IDC_CONNECT_MODE), "Connect Mode:EPP Version 1.9");
    EXPECT_EQ(run.Field(IDC_DLL_VERSION), "2.10.30");
    EXPECT_TRUE(ui::WaitUntil([&] { return NonGreyPreviewPixels(hDlg) > 20; }, 5000));
    EXPECT_EQ(run.Exit(), 1u);
}

TEST(Preview, ShowsNoWaitBox)
{
    TesterRun run({ScannerSettings(200)}); // about three seconds for 583 lines
    HWND hDlg = run.WaitForDialog();
    ASSERT_TRUE(hDlg);
    ui::Click(hDlg, IDC_PREVIEW);
    bool bBoxSeen = false;
    bool bEnded = ui::WaitUntil(
        [&] {
            bBoxSeen = bBoxSeen || run.Process().FindWindow("#32770", hDlg) != nullptr;
            return run.Field(IDC_SCAN_TEST) == "Scan Test:OK!";
        },
        60000);
    EXPECT_TRUE(bEnded);
    EXPECT_FALSE(bBoxSeen);
    EXPECT_GT(NonGreyPreviewPixels(hDlg), 20);
    EXPECT_EQ(run.Exit(), 1u);
}

TEST(Scan, ClocksRunDuringAPacedScanAndKeepTheirLastFigures)
{
    TesterRun run({ScannerSettings(500)}); // about seven seconds for the page
    HWND hDlg = run.WaitForDialog();
    ASSERT_TRUE(hDlg);
    ui::Click(hDlg, IDC_SCAN);
    EXPECT_TRUE(ui::WaitUntil([&] { return run.Field(IDC_ELAPSED_TIME) == "00:02"; }, 20000));
    EXPECT_TRUE(ui::WaitUntil([&] { return run.Field(IDC_WARMUP_TIME) == "00:00"; }, 20000));
    ASSERT_TRUE(ui::WaitUntil([&] { return IsIdle(run); }, 60000));
    std::string elapsed = run.Field(IDC_ELAPSED_TIME);
    EXPECT_GE(elapsed, "00:05");
    ::Sleep(1500);
    EXPECT_EQ(run.Field(IDC_ELAPSED_TIME), elapsed) << "the clocks stop with the run";
    EXPECT_EQ(run.Exit(), 1u);
}

TEST(Scan, EscHeldEndsItEarly)
{
    TesterRun run({ScannerSettings(100)}); // the page would take 35 seconds
    HWND hDlg = run.WaitForDialog();
    ASSERT_TRUE(hDlg);
    ui::Click(hDlg, IDC_SCAN);
    ASSERT_TRUE(ui::WaitUntil([&] { return run.Field(IDC_ELAPSED_TIME) == "00:01"; }, 20000));
    {
        ui::HeldKey esc(VK_ESCAPE);
        EXPECT_TRUE(ui::WaitUntil([&] { return IsIdle(run); }, 10000));
    }
    EXPECT_EQ(run.Field(IDC_SCAN_TEST), "Scan Test:OK!");
    EXPECT_LT(run.Field(IDC_ELAPSED_TIME), "00:10");
    EXPECT_TRUE(::IsWindowVisible(hDlg)) << "Esc ends the scan, not the tester";
    EXPECT_EQ(run.Exit(), 1u);
}

TEST(Scan, ExitDuringTheScanClosesTheTester)
{
    TesterRun run({ScannerSettings(100)});
    HWND hDlg = run.WaitForDialog();
    ASSERT_TRUE(hDlg);
    ui::Click(hDlg, IDC_SCAN);
    ASSERT_TRUE(ui::WaitUntil([&] { return run.Field(IDC_ELAPSED_TIME) == "00:01"; }, 20000));
    EXPECT_EQ(run.Exit(), 1u);
}

TEST(Scan, ScannerNotFoundShowsTheParallelPortCheckList)
{
    TesterRun run({ScannerSettings(0, "Present=0\r\n")});
    HWND hDlg = run.WaitForDialog();
    ASSERT_TRUE(hDlg);
    RunCommand(run, IDC_SCAN);
    EXPECT_EQ(run.Field(IDC_SCAN_TEST), "Scan Test:Scanner Not Found");
    EXPECT_EQ(run.Field(IDC_SUGGEST_TEXT).rfind("Scanner is not found! Please check the following: \n(1) LPT", 0), 0u);
    EXPECT_EQ(run.Field(IDC_DLL_VERSION), "");
    EXPECT_EQ(run.Exit(), 1u);
}

TEST(Detector, HearsBeginBeforeTheScannerOpensAndEndAfterTheRun)
{
    TesterRun run({ScannerSettings(0)});
    std::string logPath = run.Folder().Path() + "detector.log";
    ui::Process detector(ui::OwnFolder() + "detector.exe", "\"" + logPath + "\"");
    ASSERT_TRUE(ui::WaitUntil([] { return ::FindWindowA("DetectorApp", nullptr) != nullptr; }, 10000));
    HWND hDlg = run.WaitForDialog();
    ASSERT_TRUE(hDlg);
    RunCommand(run, IDC_PREVIEW);
    RunCommand(run, IDC_SCAN);
    auto ReadLog = [&] {
        std::ifstream f(logPath);
        std::stringstream ss;
        ss << f.rdbuf();
        return ss.str();
    };
    EXPECT_TRUE(ui::WaitUntil(
        [&] {
            std::string log = ReadLog();
            return std::count(log.begin(), log.end(), '\n') == 4;
        },
        10000));
    // The first BEGIN comes before any version is shown: the library was not open yet.
    EXPECT_EQ(ReadLog(), "BEGIN 1124 dll=|scan_test=Scan Test:\n"
                         "END 1224 dll=2.10.30|scan_test=Scan Test:OK!\n"
                         "BEGIN 1124 dll=2.10.30|scan_test=Scan Test:OK!\n"
                         "END 1224 dll=2.10.30|scan_test=Scan Test:OK!\n");
    EXPECT_EQ(run.Exit(), 1u);
}
