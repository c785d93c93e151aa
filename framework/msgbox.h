// AfxMessageBox, with a hook that tests (and the native build) put in place of the real box.
#pragma once
#include "afx_types.h"

typedef int (*AFX_MSGBOX_HOOK)(const char* lpszText, UINT nType);

int AfxMessageBox(const char* lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// Returns the previous hook; null restores the real message box.
AFX_MSGBOX_HOOK AfxSetMessageBoxHook(AFX_MSGBOX_HOOK pfnHook);
