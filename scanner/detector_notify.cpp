// Finds the detector's window afresh for each message.
#include "detector_notify.h"

LRESULT NotifyDetectorBegin()
{
    HWND hDetector = ::FindWindowA(kDetectorClass, nullptr);
    return hDetector ? ::SendMessageA(hDetector, WM_SCANTEST_BEGIN, WM_SCANTEST_BEGIN, 0) : 0;
}

LRESULT NotifyDetectorEnd()
{
    HWND hDetector = ::FindWindowA(kDetectorClass, nullptr);
    return hDetector ? ::PostMessageA(hDetector, WM_SCANTEST_END, WM_SCANTEST_END, 0) : 0;
}
