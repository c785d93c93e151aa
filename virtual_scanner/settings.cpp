// The settings file's keys, their ranges and the checks of their values.
#include "settings.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
enum class Kind { Flag, Int, Float, Version, Text };

struct Key {
    const char* pszSection;
    const char* pszName;
    Kind kind;
    void* (*pMember)(VirtualScannerSettings& s);
    double fMin, fMax;
};

#define SETTING(section, name, kind, member, lo, hi) \
    {section, name, kind, [](VirtualScannerSettings& s) -> void* { return &s.member; }, lo, hi}

const Key kKeys[] = {
    SETTING("Scanner", "Present", Kind::Flag, bPresent, 0, 1),
    SETTING("Scanner", "Usb", Kind::Flag, bUsb, 0, 1),
    SETTING("Scanner", "LptPort", Kind::Int, nLptPort, 0, 9),
    SETTING("Scanner", "PortMode", Kind::Int, nPortMode, INT_MIN, INT_MAX),
    SETTING("Scanner", "ProductId", Kind::Int, nProductId, 0, INT_MAX),
    SETTING("Scanner", "BedWidth", Kind::Float, fBedWidth, 0.5, 100),
    SETTING("Scanner", "BedHeight", Kind::Float, fBedHeight, 0.5, 100),
    SETTING("Scanner", "Resolution", Kind::Int, nResolution, 10, 4800),
    SETTING("Scanner", "WarmupSeconds", Kind::Int, nWarmupSeconds, -1, 3600),
    SETTING("Scanner", "LinesPerSecond", Kind::Int, nLinesPerSecond, 0, 1000000),
    SETTING("Scanner", "DllVersion", Kind::Version, nDllVersion, 0, 99999),
    SETTING("Scanner", "VxdVersion", Kind::Version, nVxdVersion, 0, 99999),
    SETTING("Scanner", "Picture", Kind::Text, strPicture, 0, 0),
    SETTING("Failures", "FailOpen", Kind::Flag, bFailOpen, 0, 1),
    SETTING("Failures", "FailGetFeatures", Kind::Int, nFailGetFeatures, 0, INT_MAX),
    SETTING("Failures", "FailSetParameter", Kind::Flag, bFailSetParameter, 0, 1),
    SETTING("Failures", "FailStartScan", Kind::Flag, bFailStartScan, 0, 1),
    SETTING("Failures", "FailGetImageAtLine", Kind::Int, nFailGetImageAtLine, 0, INT_MAX),
    SETTING("Failures", "FailStopScan", Kind::Flag, bFailStopScan, 0, 1),
    SETTING("Failures", "FailHomeCarriage", Kind::Flag, bFailHomeCarriage, 0, 1),
};
#undef SETTING

// A whole number in range, nothing else on the line.
bool ParseInt(const std::string& s, double fMin, double fMax, int* pValue)
{
    if (s.empty())
        return false;
    char* pEnd = nullptr;
    errno = 0;
    long long n = std::strtoll(s.c_str(), &pEnd, 10);
    if (errno || *pEnd || n < fMin || n > fMax)
        return false;
    *pValue = (int)n;
    return true;
}

bool ParseFloat(const std::string& s, double fMin, double fMax, float* pValue)
{
    if (s.empty())
        return false;
    char* pEnd = nullptr;
    double f = std::strtod(s.c_str(), &pEnd);
    if (*pEnd || !std::isfinite(f) || f < fMin || f > fMax)
        return false;
    *pValue = (float)f;
    return true;
}

// "major.minor.build", each a whole number in range.
bool ParseVersion(const std::string& s, double fMin, double fMax, int* pParts)
{
    int nParts[3];
    size_t nStart = 0;
    for (int i = 0; i < 3; ++i) {
        size_t nDot = i < 2 ? s.find('.', nStart) : s.size();
        if (nDot == std::string::npos || !ParseInt(s.substr(nStart, nDot - nStart), fMin, fMax, &nParts[i]))
            return false;
        nStart = nDot + 1;
    }
    for (int i = 0; i < 3; ++i)
        pParts[i] = nParts[i];
    return true;
}

std::string Trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return std::string();
    size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

std::string DefaultText(const Key& key, const void* pMember)
{
    char sz[64];
    switch (key.kind) {
    case Kind::Flag:
        return *(const bool*)pMember ? "1" : "0";
    case Kind::Int:
        std::snprintf(sz, sizeof(sz), "%d", *(const int*)pMember);
        return sz;
    case Kind::Float:
        std::snprintf(sz, sizeof(sz), "%g", *(const float*)pMember);
        return sz;
    case Kind::Version: {
        const int* p = (const int*)pMember;
        std::snprintf(sz, sizeof(sz), "%d.%d.%d", p[0], p[1], p[2]);
        return sz;
    }
    case Kind::Text:
        break;
    }
    return *(const std::string*)pMember;
}

std::string Expectation(const Key& key)
{
    char sz[96];
    switch (key.kind) {
    case Kind::Flag:
        return "0 or 1";
    case Kind::Int:
        std::snprintf(sz, sizeof(sz), "a whole number from %.0f to %.0f", key.fMin, key.fMax);
        return sz;
    case Kind::Float:
        std::snprintf(sz, sizeof(sz), "a number from %g to %g", key.fMin, key.fMax);
        return sz;
    case Kind::Version:
        std::snprintf(sz, sizeof(sz), "three whole numbers from %.0f to %.0f, such as 2.10.30", key.fMin,
                      key.fMax);
        return sz;
    case Kind::Text:
        break;
    }
    return "text";
}
} // namespace

std::vector<std::string> ReadSettings(const IniLookup& lookup, VirtualScannerSettings* pSettings)
{
    std::vector<std::string> problems;
    for (const Key& key : kKeys) {
        std::string strRaw;
        if (!lookup(key.pszSection, key.pszName, &strRaw))
            continue;
        std::string strValue = Trim(strRaw);
        void* pMember = key.pMember(*pSettings);
        bool bOk = true;
        switch (key.kind) {
        case Kind::Flag: {
            int n;
            bOk = ParseInt(strValue, 0, 1, &n);
            if (bOk)
                *(bool*)pMember = n != 0;
            break;
        }
        case Kind::Int:
            bOk = ParseInt(strValue, key.fMin, key.fMax, (int*)pMember);
            break;
        case Kind::Float:
            bOk = ParseFloat(strValue, key.fMin, key.fMax, (float*)pMember);
            break;
        case Kind::Version:
            bOk = ParseVersion(strValue, key.fMin, key.fMax, (int*)pMember);
            break;
        case Kind::Text:
            *(std::string*)pMember = strValue;
            break;
        }
        if (!bOk)
            problems.push_back(std::string("[") + key.pszSection + "] " + key.pszName + "=" + strRaw +
                               ": expected " + Expectation(key) + "; using " + DefaultText(key, pMember));
    }
    return problems;
}

int BedPixels(float fInches, int nResolution) { return (int)((double)fInches * nResolution); }
