// What the virtual scanner is told by its settings file, and how a file's values become settings.
#pragma once
#include <functional>
#include <string>
#include <vector>

struct VirtualScannerSettings {
    bool bPresent = true;
    bool bUsb = false;
    int nLptPort = 1;
    int nPortMode = 1; // EPP Version 1.9
    int nProductId = 4830;
    float fBedWidth = 8.5f; // inches
    float fBedHeight = 11.69f;
    int nResolution = 300; // dpi, both directions, of the full scan the library offers
    int nWarmupSeconds = 3; // -1: the library does not know
    int nLinesPerSecond = 300; // 0: as fast as possible
    int nDllVersion[3] = {2, 10, 30};
    int nVxdVersion[3] = {1, 5, 12};
    std::string strPicture; // a 24-bit BMP delivered instead of the test chart

    // Failure switches. Counts are 1-based; 0 means never.
    bool bFailOpen = false;
    int nFailGetFeatures = 0; // the N-th read after an open fails
    bool bFailSetParameter = false;
    bool bFailStartScan = false;
    int nFailGetImageAtLine = 0; // the N-th line of a scan fails, and the scan with it
    bool bFailStopScan = false;
    bool bFailHomeCarriage = false;
};

// Looks a key up; false when the file does not have it.
typedef std::function<bool(const char* pszSection, const char* pszKey, std::string* pValue)> IniLookup;

// Reads every key that lookup has into pSettings. A value that is not valid leaves the
// default in place and adds one message naming the key, the value and the default.
std::vector<std::string> ReadSettings(const IniLookup& lookup, VirtualScannerSettings* pSettings);

// Whole-pixel extent of a bed measure at a resolution, truncated as a scan run does.
int BedPixels(float fInches, int nResolution);
