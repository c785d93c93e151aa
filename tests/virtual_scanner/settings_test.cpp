// Reading the virtual scanner's settings: values taken, bad values reported and replaced by defaults.
#include "settings.h"

#include <gtest/gtest.h>

#include <map>

namespace {
IniLookup FileWith(std::map<std::string, std::string> keys)
{
    return [keys](const char* pszSection, const char* pszKey, std::string* pValue) {
        auto it = keys.find(std::string(pszSection) + "." + pszKey);
        if (it == keys.end())
            return false;
        *pValue = it->second;
        return true;
    };
}
} // namespace

TEST(Settings, ValuesAreTaken)
{
    VirtualScannerSettings s;
    auto problems = ReadSettings(FileWith({{"Scanner.Usb", "1"},
                                           {"Scanner.PortMode", "7"},
                                           {"Scanner.BedWidth", " 8.27 "},
                                           {"Scanner.WarmupSeconds", "-1"},
                                           {"Scanner.DllVersion", "3.5.101"},
                                           {"Scanner.Picture", "page.bmp"},
                                           {"Failures.FailGetImageAtLine", "120"}}),
                                 &s);
    EXPECT_TRUE(problems.empty());
    EXPECT_TRUE(s.bUsb);
    EXPECT_EQ(s.nPortMode, 7);
    EXPECT_FLOAT_EQ(s.fBedWidth, 8.27f);
    EXPECT_EQ(s.nWarmupSeconds, -1);
    EXPECT_EQ(s.nDllVersion[0], 3);
    EXPECT_EQ(s.nDllVersion[1], 5);
    EXPECT_EQ(s.nDllVersion[2], 101);
    EXPECT_EQ(s.strPicture, "page.bmp");
    EXPECT_EQ(s.nFailGetImageAtLine, 120);
    EXPECT_EQ(s.nResolution, 300) << "keys the file lacks keep their defaults";
}

TEST(Settings, BadValueIsReportedAndTheDefaultKept)
{
    const struct {
        const char* key;
        const char* value;
        const char* message;
    } kCases[] = {
        {"Scanner.Resolution", "abc", "[Scanner] Resolution=abc: expected a whole number from 10 to 4800; using 300"},
        {"Scanner.Resolution", "300dpi", "using 300"},
        {"Scanner.Resolution", "0", "using 300"},
        {"Scanner.Resolution", "99999999999999999999", "using 300"},
        {"Scanner.Usb", "2", "[Scanner] Usb=2: expected 0 or 1; using 0"},
        {"Scanner.Present", "", "using 1"},
        {"Scanner.BedHeight", "-11", "expected a number from 0.5 to 100; using 11.69"},
        {"Scanner.BedWidth", "nan", "using 8.5"},
        {"Scanner.WarmupSeconds", "-2", "using 3"},
        {"Scanner.DllVersion", "1.2", "using 2.10.30"},
        {"Scanner.VxdVersion", "1..2", "using 1.5.12"},
        {"Failures.FailGetFeatures", "-1", "using 0"},
    };
    for (const auto& c : kCases) {
        VirtualScannerSettings s;
        auto problems = ReadSettings(FileWith({{c.key, c.value}}), &s);
        ASSERT_EQ(problems.size(), 1u) << c.key << "=" << c.value;
        EXPECT_NE(problems[0].find(c.message), std::string::npos) << problems[0];
        VirtualScannerSettings defaults;
        EXPECT_EQ(s.nResolution, defaults.nResolution);
        EXPECT_EQ(s.bUsb, defaults.bUsb);
        EXPECT_EQ(s.bPresent, defaults.bPresent);
        EXPECT_EQ(s.fBedWidth, defaults.fBedWidth);
        EXPECT_EQ(s.fBedHeight, defaults.fBedHeight);
        EXPECT_EQ(s.nWarmupSeconds, defaults.nWarmupSeconds);
        EXPECT_EQ(s.nDllVersion[1], defaults.nDllVersion[1]);
        EXPECT_EQ(s.nVxdVersion[2], defaults.nVxdVersion[2]);
        EXPECT_EQ(s.nFailGetFeatures, 0);
    }
}

TEST(Settings, BedPixelsTruncateLikeTheScanRun)
{
    EXPECT_EQ(BedPixels(8.5f, 300), 2550);
    EXPECT_EQ(BedPixels(11.69f, 300), 3506); // 11.69 in single precision lies just below 11.69
    EXPECT_EQ(BedPixels(8.5f, 50), 425);
    EXPECT_EQ(BedPixels(11.69f, 50), 584);
}
