// Rules of the main dialog and the system check that need no window.
#include "dialog_texts.h"
#include "system_check.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

TEST(Labels, CutAtTheFirstPercent)
{
    const struct {
        const char* in;
        const char* out;
    } kCases[] = {
        {"Product ID:%d", "Product ID:"},
        {"Connect Mode:%s", "Connect Mode:"},
        {"Scan Test:%s%s", "Scan Test:"},
        {"%d", ""},
        {"No placeholder", "No placeholder"},
    };
    for (const auto& c : kCases) {
        char sz[256];
        std::strcpy(sz, c.in);
        CutAtPercent(sz);
        EXPECT_STREQ(sz, c.out) << c.in;
    }
}

TEST(Caption, ProductNameCutSoTheSuffixFits)
{
    char sz[kTextBufferSize + 16];
    std::memset(sz, 'X', sizeof(sz));
    ComposeCaption("Flatbed 4800", sz);
    EXPECT_STREQ(sz, "Flatbed 4800 Tester Program");
    ComposeCaption("", sz);
    EXPECT_STREQ(sz, " Tester Program");

    std::string name255(255, 'N');
    std::memset(sz, 'X', sizeof(sz));
    ComposeCaption(name255.c_str(), sz);
    EXPECT_EQ(std::string(sz), std::string(240, 'N') + " Tester Program");
    EXPECT_EQ(sz[kTextBufferSize], 'X'); // nothing written past the 256 bytes
}

TEST(IdentityFile, SitsBesideTheExecutable)
{
    char sz[kTextBufferSize];
    ASSERT_TRUE(IdentityFilePath("C:\\SCANTEST\\TESTER.EXE", sz));
    EXPECT_STREQ(sz, "C:\\SCANTEST\\Norvast.ini");
    ASSERT_TRUE(IdentityFilePath("\\\\server\\share\\tester.exe", sz));
    EXPECT_STREQ(sz, "\\\\server\\share\\Norvast.ini");

    // A folder path that leaves no room for the file name: no path, rather than a wrong one.
    std::string deep = "C:\\" + std::string(241, 'd') + "\\tester.exe";
    EXPECT_FALSE(IdentityFilePath(deep.c_str(), sz));
    EXPECT_STREQ(sz, "");
    std::string fits = "C:\\" + std::string(240, 'd') + "\\t.exe";
    EXPECT_TRUE(IdentityFilePath(fits.c_str(), sz));
    EXPECT_EQ(std::strlen(sz), 255u);
}

TEST(MinimizedIcon, CentredWithTruncatingDivision)
{
    const struct {
        int w, h, icon, x, y;
    } kCases[] = {
        {36, 36, 32, 2, 2},
        {0, 0, 32, -15, -15},
        {32, 100, 32, 0, 34},
        {37, 1, 32, 3, -15},
    };
    for (const auto& c : kCases) {
        POINT pt = MinimizedIconPosition(c.w, c.h, c.icon, c.icon);
        EXPECT_EQ(pt.x, c.x) << c.w;
        EXPECT_EQ(pt.y, c.y) << c.h;
    }
}

TEST(SystemCheck, KilobyteFigures)
{
    const struct {
        ULONGLONG bytes;
        int kilobytes;
    } kCases[] = {
        {0, 0},
        {1023, 0},
        {1049599, 1024},                  // rounded down
        {67108864, 65536},
        {1500000000, 1464843},
        {2147483136ULL, 2097151},
        {2147483648ULL, 2097152},         // 2 GB: no longer negative
        {5ULL << 30, 5242880},            // 5 GB: no longer wrapped to 1 GB
        {0xFFFFFFFFULL, 4194303},
        {1ULL << 50, INT_MAX},            // larger than the line can show: capped
    };
    for (const auto& c : kCases)
        EXPECT_EQ(KilobytesForDisplay(c.bytes), c.kilobytes) << c.bytes;
}

TEST(SystemCheck, RootPathOfTheTemporaryFilesDrive)
{
    const struct {
        const char* temp;
        const char* root;
    } kCases[] = {
        {"C:\\WINDOWS\\TEMP\\", "C:\\"},
        {"D:\\TMP\\", "D:\\"},
        {"\\\\server\\share\\tmp\\", "\\"},
        {"", "\\"},
        {"C", "\\"},
    };
    for (const auto& c : kCases) {
        char sz[4];
        TempDriveRootPath(c.temp, sz);
        EXPECT_STREQ(sz, c.root) << c.temp;
    }
}

TEST(SystemCheck, TheTemporaryDriveReportsFreeSpace)
{
    EXPECT_GT(GetTempDriveFreeSpace(), 0u);
}
