// Plausibility of the records: ranges the tester can show or compute with.
#include "record_checks.h"

#include "port_modes.h"
#include "scan_setup.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
// The fields the library fills, in record order; the reserved ones may vary.
struct NamedField {
    const char* pszName;
    size_t nOffset;
    bool bFloat;
};
const NamedField kFeatureFields[] = {
    {"bUsb", offsetof(DrvFeatures, bUsb), false},
    {"nPortMode", offsetof(DrvFeatures, nPortMode), false},
    {"nLptPort", offsetof(DrvFeatures, nLptPort), false},
    {"nProductId", offsetof(DrvFeatures, nProductId), false},
    {"fBedWidth", offsetof(DrvFeatures, fBedWidth), true},
    {"fBedHeight", offsetof(DrvFeatures, fBedHeight), true},
    {"nXResolution", offsetof(DrvFeatures, nXResolution), false},
    {"nYResolution", offsetof(DrvFeatures, nYResolution), false},
    {"nLeft", offsetof(DrvFeatures, nLeft), false},
    {"nTop", offsetof(DrvFeatures, nTop), false},
    {"nRight", offsetof(DrvFeatures, nRight), false},
    {"nBottom", offsetof(DrvFeatures, nBottom), false},
};

std::string FieldText(const DrvFeatures& f, const NamedField& field)
{
    const char* p = reinterpret_cast<const char*>(&f) + field.nOffset;
    char sz[64];
    if (field.bFloat) {
        float fValue;
        std::memcpy(&fValue, p, sizeof(fValue));
        std::snprintf(sz, sizeof(sz), "%g", fValue);
    } else {
        int32_t nValue;
        std::memcpy(&nValue, p, sizeof(nValue));
        std::snprintf(sz, sizeof(sz), "%ld", (long)nValue);
    }
    return sz;
}

// A version as the tester shows it: a minor number below 10 gets a leading 0.
std::string VersionText(int32_t nMajor, int32_t nMinor, int32_t nBuild)
{
    char sz[64];
    std::snprintf(sz, sizeof(sz), nMinor >= 10 ? "%ld.%ld.%ld" : "%ld.0%ld.%ld", (long)nMajor, (long)nMinor,
                  (long)nBuild);
    return sz;
}

bool PlausibleInches(float f) { return std::isfinite(f) && f > 0.0f; }
} // namespace

RecordReads ReadRecords(WatchedDriver& driver)
{
    RecordReads reads;
    reads.nOpen = driver.Open();
    if (reads.nOpen == 0) {
        reads.nWarmup = driver.GetWarmupRemainTime();
        driver.GetInfoEx(&reads.info);
        DrvFeatures features;
        std::memset(&features, 0, sizeof(features));
        reads.nFirstRead = driver.GetFeatures(&features);
        reads.first = features;
        reads.nSecondRead = driver.GetFeatures(&features);
        reads.second = features;
    }
    driver.Close();
    return reads;
}

CheckResult CheckOpen(const RecordReads& reads)
{
    const char kName[] = "open";
    if (reads.nOpen != 0)
        return Failed(kName, Returned("DrvOpen", reads.nOpen) + ": no scanner found");
    return Passed(kName);
}

CheckResult CheckCloseAfterFailedOpen(const RecordReads& reads)
{
    const char kName[] = "close after failed open";
    if (reads.nOpen == 0)
        return Skipped(kName, "DrvOpen succeeded");
    return Passed(kName);
}

CheckResult CheckWarmup(const RecordReads& reads)
{
    const char kName[] = "warm-up";
    std::string strAnswer = std::to_string(reads.nWarmup);
    if (reads.nWarmup < -1)
        return Failed(kName, Returned("DrvGetWarmupRemainTime", reads.nWarmup) + "; only -1 or 0 and more are allowed");
    return Passed(kName, reads.nWarmup == -1 ? "-1 (not known)" : strAnswer + " s");
}

CheckResult CheckVersions(const RecordReads& reads)
{
    const DrvInfoEx& i = reads.info;
    return Passed("versions", "library " + VersionText(i.lDllMajor, i.lDllMinor, i.lDllBuild) + ", VXD " +
                                  VersionText(i.lVxdMajor, i.lVxdMinor, i.lVxdBuild));
}

CheckResult CheckFeatureReads(const RecordReads& reads)
{
    const char kName[] = "features read twice";
    if (reads.nFirstRead != 0)
        return Failed(kName, "the first DrvGetFeatures returned " + std::to_string(reads.nFirstRead));
    if (reads.nSecondRead != 0)
        return Failed(kName, "the second DrvGetFeatures returned " + std::to_string(reads.nSecondRead));
    for (const NamedField& field : kFeatureFields) {
        if (std::memcmp(reinterpret_cast<const char*>(&reads.first) + field.nOffset,
                        reinterpret_cast<const char*>(&reads.second) + field.nOffset, 4) != 0)
            return Failed(kName, std::string(field.pszName) + " was " + FieldText(reads.first, field) + ", then " +
                                     FieldText(reads.second, field));
    }
    return Passed(kName);
}

CheckResult CheckConnection(const DrvFeatures& f)
{
    const char kName[] = "connection";
    std::string strProduct = "product " + std::to_string(f.nProductId);
    if (f.bUsb != 0 && f.bUsb != 1)
        return Failed(kName, "bUsb " + std::to_string(f.bUsb) + " is neither 0 nor 1");
    if (f.bUsb)
        return Passed(kName, "USB, " + strProduct);
    std::string strMode = std::string("\"") + PortModeName(f.nPortMode) + "\"";
    if (f.nPortMode < 0 || f.nPortMode > 5)
        return Failed(kName, "nPortMode " + std::to_string(f.nPortMode) + " is not defined; the tester shows it as " +
                                 strMode);
    if (f.nLptPort < 1 || f.nLptPort > 4)
        return Failed(kName, "nLptPort " + std::to_string(f.nLptPort) + " is not 1 to 4; the tester shows LPT" +
                                 std::to_string(f.nLptPort) + " and opens LPT1");
    return Passed(kName, "LPT" + std::to_string(f.nLptPort) + ", mode " + strMode + ", " + strProduct);
}

CheckResult CheckBed(const DrvFeatures& f)
{
    const char kName[] = "bed";
    char sz[128];
    std::snprintf(sz, sizeof(sz), "%g x %g inches", f.fBedWidth, f.fBedHeight);
    if (!PlausibleInches(f.fBedWidth) || !PlausibleInches(f.fBedHeight))
        return Failed(kName, std::string(sz) + " is not a positive finite size");
    return Passed(kName, sz);
}

CheckResult CheckScanSettings(const DrvFeatures& f)
{
    const char kName[] = "scan settings";
    char sz[256];
    std::snprintf(sz, sizeof(sz), "%ld x %ld dpi, area %ld,%ld to %ld,%ld", (long)f.nXResolution, (long)f.nYResolution,
                  (long)f.nLeft, (long)f.nTop, (long)f.nRight, (long)f.nBottom);
    std::string strSettings = sz;
    if (f.nXResolution <= 0 || f.nYResolution <= 0)
        return Failed(kName, strSettings + ": the resolutions must be positive");
    if (!PlausibleInches(f.fBedWidth) || !PlausibleInches(f.fBedHeight))
        return Skipped(kName, "the bed size is not plausible");
    int64_t nWidth = BedPixels(f.nXResolution, f.fBedWidth);
    int64_t nHeight = BedPixels(f.nYResolution, f.fBedHeight);
    if (f.nLeft < 0 || f.nTop < 0 || f.nLeft > f.nRight || f.nTop > f.nBottom || f.nRight >= nWidth ||
        f.nBottom >= nHeight)
        return Failed(kName, strSettings + ": not inside the bed of " + std::to_string(nWidth) + " x " +
                                 std::to_string(nHeight) + " pixels at that resolution");
    return Passed(kName, strSettings);
}
