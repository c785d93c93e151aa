// The system check: free physical memory and free space of the temporary-files drive.
#include "system_check.h"

#include "get_res_string.h"
#include "resource.h"
#include "tester_dlg.h"

#include <climits>
#include <cstring>

int KilobytesForDisplay(ULONGLONG nBytes)
{
    ULONGLONG nKilobytes = nBytes >> 10;
    return nKilobytes > (ULONGLONG)INT_MAX ? INT_MAX : (int)nKilobytes;
}

void TempDriveRootPath(const char* pszTempPath, char* pszRoot)
{
    size_t n = 0;
    if (pszTempPath[0] != '\0' && pszTempPath[1] == ':') {
        pszRoot[n++] = pszTempPath[0];
        pszRoot[n++] = ':';
    }
    pszRoot[n++] = '\\';
    pszRoot[n] = '\0';
}

ULONGLONG GetTempDriveFreeSpace()
{
    char szTempPath[256] = "";
    DWORD nLen = ::GetTempPathA(sizeof(szTempPath), szTempPath);
    if (nLen == 0 || nLen >= sizeof(szTempPath))
        szTempPath[0] = '\0'; // unknown path: ask about the current drive's root
    char szRoot[4];
    TempDriveRootPath(szTempPath, szRoot);

    DWORD nSectorsPerCluster = 0, nBytesPerSector = 0, nFreeClusters = 0, nTotalClusters = 0;
    if (!::GetDiskFreeSpaceA(szRoot, &nSectorsPerCluster, &nBytesPerSector, &nFreeClusters, &nTotalClusters))
        return 0;
    // 64-bit product: today's disks have far more than the 2 GB a 32-bit count can hold.
    return (ULONGLONG)nFreeClusters * nBytesPerSector * nSectorsPerCluster;
}

void CTesterDlg::ShowSystemCheck()
{
    CWnd* pRam = GetDlgItem(IDC_RAM);
    CWnd* pFreeHd = GetDlgItem(IDC_FREE_HD);
    char szText[256];

    // The extended query: the plain one's byte count cannot hold more than 4 GB.
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof(status);
    ::GlobalMemoryStatusEx(&status);
    ::wsprintfA(szText, GetResString(IDS_FREE_MEMORY), KilobytesForDisplay(status.ullAvailPhys));
    pRam->SetWindowText(szText);

    ::wsprintfA(szText, GetResString(IDS_FREE_HD), (long)KilobytesForDisplay(GetTempDriveFreeSpace()));
    pFreeHd->SetWindowText(szText);
}
