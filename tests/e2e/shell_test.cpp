// The tester's shell seen from outside: caption, labels, closing rules, one instance.
#include "resource.h"
#include "tester_run.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

struct CaptionCase {
    const char* name;
    const char* iniContents; // null: no identity file
    std::string expected;
};

void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }

class Caption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(Caption, ComesFromTheIdentityFile)
{
    const CaptionCase& c = GetParam();
    std::vector<std::pair<std::string, std::string>> files;
    if (c.iniContents)
        files.push_back({"Norvast.ini", c.iniContents});
    TesterRun run(files);
    ASSERT_TRUE(run.WaitForDialog());
    EXPECT_EQ(ui::WindowText(run.Dialog()), c.expected);
    EXPECT_EQ(run.Exit(), 1u);
}

const std::string kLongName(300, 'N');

INSTANTIATE_TEST_SUITE_P(
    IdentityFiles, Caption,
    ::testing::Values(
        CaptionCase{"NoFile", nullptr, "Scanner Tester Program"},
        CaptionCase{"Plain", "[Identity]\r\nProductName=Flatbed 4800\r\n", "Flatbed 4800 Tester Program"},
        CaptionCase{"EmptyValue", "[Identity]\r\nProductName=\r\n", " Tester Program"},
        CaptionCase{"Quoted", "[Identity]\r\nProductName=\"Flatbed 4800\"\r\n", "Flatbed 4800 Tester Program"},
        CaptionCase{"OtherLetterCase", "[IDENTITY]\r\nproductname = Flatbed 4800 \r\n", "Flatbed 4800 Tester Program"},
        CaptionCase{"KeyMissing", "[Identity]\r\nVendor=Acme\r\n", "Scanner Tester Program"}),
    [](const ::testing::TestParamInfo<CaptionCase>& info) { return std::string(info.param.name); });

} // namespace

// Too long for the 256-byte caption: the name is cut, the words after it stay.
TEST(CaptionOverLong, NameIsCutToFitTheBuffer)
{
    TesterRun run({{"Norvast.ini", "[Identity]\r\nProductName=" + kLongName + "\r\n"}});
    ASSERT_TRUE(run.WaitForDialog());
    EXPECT_EQ(ui::WindowText(run.Dialog()), std::string(240, 'N') + " Tester Program");
    EXPECT_EQ(run.Exit(), 1u);
}

TEST(MainDialog, ShowsLabelsVersionsClocksAndSystemCheck)
{
    TesterRun run;
    HWND hDlg = run.WaitForDialog();
    ASSERT_TRUE(hDlg);
    const struct {
        int id;
        const char* text;
    } kFields[] = {
        {IDC_SCAN, "Scanner Check"},       {IDC_SCAN_GROUP, "Scanner Check"},
        {IDC_EXIT, "Exit"},                {IDC_PREVIEW, "Preview"},
        {IDC_SYSTEM_CHECK_GROUP, "System Check"}, {IDC_SUGGEST_GROUP, "Performance Suggest"},
        {IDC_PRODUCT_ID, "Product ID:"},   {IDC_CONNECT_MODE, "Connect Mode:"},
        {IDC_CONNECT_PORT, "Connect Port:"}, {IDC_SCAN_TEST, "Scan Test:"},
        {IDC_SUGGEST_TEXT, ""},            {IDC_EXE_VERSION, "1.10.133"},
        {IDC_DLL_VERSION, ""},             {IDC_VXD_VERSION, ""},
        {IDC_WARMUP_TIME, "00:00"},        {IDC_ELAPSED_TIME, "00:00"},
    };
    for (const auto& f : kFields)
        EXPECT_EQ(run.Field(f.id), f.text) << "control " << f.id;
    EXPECT_TRUE(std::regex_match(run.Field(IDC_RAM), std::regex("Free memory:[0-9]+K Byte"))) << run.Field(IDC_RAM);
    EXPECT_TRUE(std::regex_match(run.Field(IDC_FREE_HD), std::regex("Free HD space:[0-9]+K Byte")))
        << run.Field(IDC_FREE_HD);
    for (int id : {IDC_SCAN, IDC_EXIT, IDC_PREVIEW})
        EXPECT_TRUE(ui::IsControlEnabled(hDlg, id));
    EXPECT_EQ(run.Exit(), 1u);
}

TEST(MainDialog, IsPaintedGrey)
{
    TesterRun run;
    HWND hDlg = run.WaitForDialog();
    ASSERT_TRUE(hDlg);
    // Inside the Performance Suggest group, where nothing is written yet.
    RECT rc;
    ::GetWindowRect(::GetDlgItem(hDlg, IDC_SUGGEST_TEXT), &rc);
    COLORREF c = CLR_INVALID;
    ui::WaitUntil([&] { return (c = ui::ScreenPixel(rc.left + 10, rc.top + 10)) == RGB(192, 192, 192); }, 5000);
    EXPECT_EQ(c, RGB(192, 192, 192));
    EXPECT_EQ(run.Exit(), 1u);
}

TEST(Closing, EscCloseBoxAndAltF4LeaveTheDialogOpen)
{
    TesterRun run;
    HWND hDlg = run.WaitForDialog();
    ASSERT_TRUE(hDlg);
    ui::PressKey(::GetDlgItem(hDlg, IDC_SCAN), VK_ESCAPE);
    ::PostMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0);
    ::PostMessageA(hDlg, WM_CLOSE, 0, 0);
    ui::PressKey(hDlg, VK_F4, true);
    // Let the tester take all four, then see that it still stands.
    ::Sleep(500);
    EXPECT_EQ(run.Process().WaitForExit(0), (DWORD)STILL_ACTIVE);
    EXPECT_TRUE(::IsWindowVisible(hDlg));
    EXPECT_EQ(run.Exit(), 1u);
}

TEST(Closing, F1ShowsHelpAndKeepsTheDialog)
{
    TesterRun run;
    HWND hDlg = run.WaitForDialog();
    ASSERT_TRUE(hDlg);
    ui::PressKey(::GetDlgItem(hDlg, IDC_SCAN), VK_F1);
    HWND hHelp = run.Process().WaitForWindow("#32770", 5000, hDlg);
    ASSERT_TRUE(hHelp);
    EXPECT_EQ(ui::WindowText(hHelp), "tester"); // titled with the program's name
    ::PostMessageA(hHelp, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(ui::WaitUntil([&] { return !::IsWindow(hHelp); }, 5000));
    EXPECT_EQ(run.Exit(), 1u);
}

TEST(SingleInstance, SecondTesterEndsAtOnceAndAThirdRunsAfterTheFirst)
{
    TesterRun first;
    ASSERT_TRUE(first.WaitForDialog());

    TesterRun second;
    EXPECT_EQ(second.Process().WaitForExit(15000), 1u);
    EXPECT_EQ(second.Process().FindWindow("#32770"), nullptr);
    EXPECT_TRUE(::IsWindowVisible(first.Dialog()));

    EXPECT_EQ(first.Exit(), 1u);
    TesterRun third;
    EXPECT_TRUE(third.WaitForDialog());
    EXPECT_EQ(third.Exit(), 1u);
}
