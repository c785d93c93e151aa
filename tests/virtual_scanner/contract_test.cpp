// The virtual scanner keeps the driver interface's promises: driven through the
// real telmor.dll, with settings files written by the tests.
#include "bmp_writer.h"
#include "telmor_dll.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
const char kFast[] = "[Scanner]\nLinesPerSecond=0\n";

// The record as a preview scan of the whole bed at 50 dpi sets it.
void SetPreview(DrvFeatures* f)
{
    f->nXResolution = f->nYResolution = 50;
    f->nLeft = f->nTop = 0;
    f->nRight = (int32_t)(f->fBedWidth * 50.0) - 1;
    f->nBottom = (int32_t)(f->fBedHeight * 50.0) - 1;
    f->nBitsPerPixel = 24;
    f->nScanKind = SCAN_KIND_PREVIEW;
    f->dwReserved = 0;
}

// A line buffer with guard bytes after it, all set to one value the library never writes alone.
struct GuardedLine {
    static const unsigned char kGuard = 0xEE;
    explicit GuardedLine(int32_t nBytesPerLine) : bytes(nBytesPerLine + 64, kGuard), nBytes(nBytesPerLine) {}
    DrvImageBlock Block(int32_t nRight) { return {bytes.data(), nBytes, 0, 0, nRight, 0}; }
    bool UntouchedFrom(size_t nOffset) const
    {
        for (size_t i = nOffset; i < bytes.size(); ++i)
            if (bytes[i] != kGuard)
                return false;
        return true;
    }
    std::vector<unsigned char> bytes;
    int32_t nBytes;
};

// Opens, reads the features twice, sets a preview and starts it, as a scan run does.
void StartPreview(TelmorDll& dll, DrvFeatures* f)
{
    ASSERT_TRUE(dll.Loaded());
    std::memset(f, 0, sizeof(*f));
    ASSERT_EQ(dll.Open(), 0);
    ASSERT_EQ(dll.GetFeatures(f), 0);
    ASSERT_EQ(dll.GetFeatures(f), 0);
    SetPreview(f);
    ASSERT_EQ(dll.SetParameter(f), 0);
    ASSERT_EQ(dll.StartScan(), 0);
}
} // namespace

TEST(Contract, CloseAfterAFailedOpenIsAccepted)
{
    for (const char* ini : {"[Scanner]\nPresent=0\n", "[Failures]\nFailOpen=1\n"}) {
        TelmorDll dll(ini);
        ASSERT_TRUE(dll.Loaded());
        EXPECT_NE(dll.Open(), 0) << ini;
        EXPECT_EQ(dll.Close(), 0) << ini;
        DrvFeatures f;
        std::memset(&f, 0x5A, sizeof(f));
        EXPECT_NE(dll.GetFeatures(&f), 0) << ini;
        EXPECT_EQ(f.nProductId, 0x5A5A5A5A) << "a closed library writes nothing";
    }
}

TEST(Contract, AfterCloseNoLinesButStopHomeCloseAccepted)
{
    TelmorDll dll(kFast);
    DrvFeatures f;
    ASSERT_NO_FATAL_FAILURE(StartPreview(dll, &f));
    GuardedLine line(1276);
    DrvImageBlock block = line.Block(f.nRight);
    ASSERT_EQ(dll.GetImage(&block), 0);

    EXPECT_EQ(dll.Close(), 0);
    std::fill(line.bytes.begin(), line.bytes.end(), GuardedLine::kGuard);
    EXPECT_NE(dll.GetImage(&block), 0);
    EXPECT_TRUE(line.UntouchedFrom(0));
    for (int nRound = 0; nRound < 2; ++nRound) {
        EXPECT_EQ(dll.StopScan(), 0);
        EXPECT_EQ(dll.HomeCarriage(1), 0);
        EXPECT_EQ(dll.Close(), 0);
    }
    EXPECT_NE(dll.StartScan(), 0);
}

TEST(Contract, DefaultsAndAPreviewOfTheWholeBedAt50Dpi)
{
    TelmorDll dll(kFast);
    ASSERT_TRUE(dll.Loaded());
    ASSERT_EQ(dll.Open(), 0);
    DrvInfoEx info;
    ASSERT_EQ(dll.GetInfoEx(&info), 0);
    EXPECT_EQ(info.lDllMajor * 10000 + info.lDllMinor * 100 + info.lDllBuild, 21030);

    DrvFeatures f;
    std::memset(&f, 0, sizeof(f));
    f.nReserved0 = f.nReserved28 = f.nReserved64[0] = f.nReserved92[2] = 77;
    ASSERT_EQ(dll.GetFeatures(&f), 0);
    EXPECT_EQ(f.bUsb, 0);
    EXPECT_EQ(f.nLptPort, 1);
    EXPECT_EQ(f.nPortMode, 1);
    EXPECT_EQ(f.fBedWidth, 8.5f);
    EXPECT_EQ(f.fBedHeight, 11.69f);
    EXPECT_EQ(f.nXResolution, 300);
    EXPECT_EQ(f.nYResolution, 300);
    EXPECT_EQ(f.nLeft, 0);
    EXPECT_EQ(f.nTop, 0);
    EXPECT_EQ(f.nRight, 2549);
    EXPECT_EQ(f.nBottom, 3505);
    EXPECT_EQ(f.nReserved0 + f.nReserved28 + f.nReserved64[0] + f.nReserved92[2], 4 * 77);

    SetPreview(&f);
    EXPECT_EQ(f.nRight, 424);
    EXPECT_EQ(f.nBottom, 583);
    ASSERT_EQ(dll.SetParameter(&f), 0);
    ASSERT_EQ(dll.StartScan(), 0);
    GuardedLine line(((424 + 1) * 3 + 3) & ~3);
    ASSERT_EQ(line.nBytes, 1276);
    DrvImageBlock block = line.Block(424);
    for (int n = 0; n < 584; ++n) {
        ASSERT_EQ(dll.GetImage(&block), 0) << "line " << n;
        ASSERT_TRUE(line.UntouchedFrom(425 * 3)) << "line " << n << " wrote past its 425 pixels";
    }
    EXPECT_NE(dll.GetImage(&block), 0) << "the area has 584 lines";
    EXPECT_EQ(dll.StopScan(), 0);
    EXPECT_EQ(dll.HomeCarriage(1), 0);
    EXPECT_EQ(dll.Close(), 0);
}

TEST(Contract, ImageBlockThatDoesNotFitTheLineIsRefused)
{
    TelmorDll dll(kFast);
    DrvFeatures f;
    ASSERT_NO_FATAL_FAILURE(StartPreview(dll, &f));
    const struct {
        int32_t nBytesPerLine, nRight;
        bool bBuffer;
    } kCases[] = {{1274, 424, true}, {1276, 423, true}, {1276, 425, true}, {1276, 424, false}};
    for (const auto& c : kCases) {
        GuardedLine line(c.nBytesPerLine);
        DrvImageBlock block = line.Block(c.nRight);
        if (!c.bBuffer)
            block.pLineBuffer = nullptr;
        EXPECT_NE(dll.GetImage(&block), 0) << c.nBytesPerLine << " " << c.nRight;
        EXPECT_TRUE(line.UntouchedFrom(0));
    }
    GuardedLine line(1276);
    DrvImageBlock block = line.Block(424);
    EXPECT_EQ(dll.GetImage(&block), 0) << "refused blocks cost no line";
    dll.Close();
}

TEST(Contract, WarmupCountsDownToZero)
{
    TelmorDll dll("[Scanner]\nWarmupSeconds=1\n");
    ASSERT_TRUE(dll.Loaded());
    ASSERT_EQ(dll.Open(), 0);
    int32_t nLast = dll.GetWarmupRemainTime();
    EXPECT_EQ(nLast, 1);
    for (int nPoll = 0; nPoll < 100 && nLast > 0; ++nPoll) {
        ::Sleep(50);
        int32_t n = dll.GetWarmupRemainTime();
        EXPECT_LE(n, nLast);
        nLast = n;
    }
    EXPECT_EQ(nLast, 0);
    dll.Close();

    TelmorDll unknown("[Scanner]\nWarmupSeconds=-1\n");
    ASSERT_EQ(unknown.Open(), 0);
    EXPECT_EQ(unknown.GetWarmupRemainTime(), -1);
    unknown.Close();
}

// Each switch makes its call fail and no other, with the calls made in the order
// a scan run makes them and a scan of a few lines.
TEST(Contract, EachFailureSwitchFailsExactlyItsCall)
{
    const struct {
        const char* ini;
        const char* failing;
    } kCases[] = {
        {"", ""},
        {"FailGetFeatures=1", "GetFeatures1"},
        {"FailGetFeatures=2", "GetFeatures2"},
        {"FailSetParameter=1", "SetParameter"},
        {"FailStartScan=1", "StartScan"},
        {"FailGetImageAtLine=3", "GetImage3"},
        {"FailStopScan=1", "StopScan"},
        {"FailHomeCarriage=1", "HomeCarriage"},
    };
    for (const auto& c : kCases) {
        TelmorDll dll((std::string(kFast) + "[Failures]\n" + c.ini + "\n").c_str());
        ASSERT_TRUE(dll.Loaded());
        std::vector<std::string> failed;
        auto call = [&failed](const char* name, int32_t n) {
            if (n != 0)
                failed.push_back(name);
            return n == 0;
        };
        DrvFeatures f;
        std::memset(&f, 0, sizeof(f));
        DrvInfoEx info;
        GuardedLine line(1276);
        DrvImageBlock block = line.Block(424);
        ASSERT_TRUE(call("Open", dll.Open()));
        call("GetInfoEx", dll.GetInfoEx(&info));
        if (!call("GetFeatures1", dll.GetFeatures(&f))) {
            EXPECT_EQ(f.nProductId, 0) << "a failed read fills nothing";
        }
        if (call("GetFeatures2", dll.GetFeatures(&f))) {
            SetPreview(&f);
            if (call("SetParameter", dll.SetParameter(&f))) {
                if (call("StartScan", dll.StartScan())) {
                    bool bFetched = true;
                    for (int n = 1; n <= 5 && bFetched; ++n)
                        bFetched = call(("GetImage" + std::to_string(n)).c_str(), dll.GetImage(&block));
                    if (!bFetched) {
                        dll.StopScan();
                        dll.HomeCarriage(1);
                    } else if (call("StopScan", dll.StopScan())) {
                        call("HomeCarriage", dll.HomeCarriage(1));
                    }
                } else {
                    dll.StopScan();
                }
            }
        }
        call("Close", dll.Close());
        std::vector<std::string> expected;
        if (*c.failing)
            expected.push_back(c.failing);
        EXPECT_EQ(failed, expected) << c.ini;
    }
}

TEST(Contract, BadSettingFallsBackToItsDefault)
{
    TelmorDll dll("[Scanner]\nResolution=abc\nBedWidth=-3\nUsb=2\nDllVersion=1.2\nLptPort=3\n");
    ASSERT_TRUE(dll.Loaded());
    ASSERT_EQ(dll.Open(), 0);
    DrvFeatures f = {};
    ASSERT_EQ(dll.GetFeatures(&f), 0);
    EXPECT_EQ(f.nXResolution, 300);
    EXPECT_EQ(f.fBedWidth, 8.5f);
    EXPECT_EQ(f.bUsb, 0);
    EXPECT_EQ(f.nLptPort, 3) << "good values next to bad ones are still taken";
    DrvInfoEx info = {};
    ASSERT_EQ(dll.GetInfoEx(&info), 0);
    EXPECT_EQ(info.lDllMinor, 10);
    dll.Close();
}

TEST(Contract, ShippedSettingsFileSaysWhatTheDefaultsAre)
{
    char szExe[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, szExe, MAX_PATH);
    std::string strIni = std::string(szExe, n);
    strIni = strIni.substr(0, strIni.find_last_of("\\/") + 1) + "telmor.ini";
    FILE* file = std::fopen(strIni.c_str(), "rb");
    ASSERT_TRUE(file) << strIni;
    std::string strShipped;
    char buf[4096];
    for (size_t nRead; (nRead = std::fread(buf, 1, sizeof(buf), file)) > 0;)
        strShipped.append(buf, nRead);
    std::fclose(file);

    struct Report {
        DrvFeatures f;
        DrvInfoEx info;
        int32_t nWarmup;
    } reports[2];
    const char* kInis[2] = {strShipped.c_str(), nullptr};
    for (int i = 0; i < 2; ++i) {
        TelmorDll dll(kInis[i]);
        ASSERT_TRUE(dll.Loaded());
        std::memset(&reports[i], 0, sizeof(reports[i]));
        ASSERT_EQ(dll.Open(), 0);
        ASSERT_EQ(dll.GetInfoEx(&reports[i].info), 0);
        ASSERT_EQ(dll.GetFeatures(&reports[i].f), 0);
        reports[i].nWarmup = dll.GetWarmupRemainTime();
        dll.Close();
    }
    EXPECT_EQ(0, std::memcmp(&reports[0], &reports[1], sizeof(Report)));
}

TEST(Contract, PictureIsStretchedToTheAreaInRgbOrder)
{
    TelmorDll dll("[Scanner]\nLinesPerSecond=0\nPicture=page.bmp\n");
    ASSERT_TRUE(dll.Loaded());
    // Red, green / blue, white.
    std::vector<unsigned char> bmp = MakeBmp24(2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255});
    dll.WriteFile("page.bmp", bmp.data(), bmp.size());
    DrvFeatures f;
    ASSERT_NO_FATAL_FAILURE(StartPreview(dll, &f));
    GuardedLine line(1276);
    DrvImageBlock block = line.Block(424);
    auto pixel = [&line](int x) {
        return std::vector<int>{line.bytes[3 * x], line.bytes[3 * x + 1], line.bytes[3 * x + 2]};
    };
    ASSERT_EQ(dll.GetImage(&block), 0);
    EXPECT_EQ(pixel(0), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(pixel(424), (std::vector<int>{0, 255, 0}));
    for (int n = 1; n < 584; ++n)
        ASSERT_EQ(dll.GetImage(&block), 0);
    EXPECT_EQ(pixel(0), (std::vector<int>{0, 0, 255}));
    EXPECT_EQ(pixel(424), (std::vector<int>{255, 255, 255}));
    dll.Close();
}

TEST(Contract, UnreadablePictureGivesTheChart)
{
    for (const char* ini : {"[Scanner]\nLinesPerSecond=0\nPicture=missing.bmp\n",
                            "[Scanner]\nLinesPerSecond=0\nPicture=telmor.ini\n"}) {
        TelmorDll dll(ini);
        DrvFeatures f;
        ASSERT_NO_FATAL_FAILURE(StartPreview(dll, &f));
        GuardedLine line(1276);
        DrvImageBlock block = line.Block(424);
        EXPECT_EQ(dll.GetImage(&block), 0) << ini;
        EXPECT_TRUE(line.UntouchedFrom(1275));
        dll.Close();
    }
}
