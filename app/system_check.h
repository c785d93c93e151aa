// Free memory and free space of the temporary-files drive, as the dialog shows them.
#pragma once
#include <windows.h>

// Bytes to the kilobyte figure of a "%d"/"%ld" line: shifted right by 10 and
// capped at the largest value such a figure can show.
int KilobytesForDisplay(ULONGLONG nBytes);

// The root path of the drive of a temporary-files path: "C:\" for "C:\WINDOWS\TEMP\",
// "\" when the path has no drive letter (a UNC path, or none). pszRoot holds 4 bytes.
void TempDriveRootPath(const char* pszTempPath, char* pszRoot);

// Free bytes of the temporary-files drive; 0 when the system cannot tell.
ULONGLONG GetTempDriveFreeSpace();
