// The two messages that tell the resident detector the scanner is in use and free again.
#pragma once
#include <windows.h>

const UINT WM_SCANTEST_BEGIN = WM_USER + 100; // 1124
const UINT WM_SCANTEST_END = WM_USER + 200;   // 1224
const char kDetectorClass[] = "DetectorApp";

// Sent: returns once the detector has handled it. 0 when no detector runs.
LRESULT NotifyDetectorBegin();
// Posted: the detector handles it whenever it gets to it. 0 when no detector runs.
LRESULT NotifyDetectorEnd();
