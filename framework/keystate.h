// Key-state reads go through here so that tests can press keys without a keyboard.
#pragma once
#include <windows.h>

typedef SHORT(WINAPI* AFX_KEYSTATE_FN)(int nVirtKey);

SHORT AfxGetKeyState(int nVirtKey);      // GetKeyState unless replaced
SHORT AfxGetAsyncKeyState(int nVirtKey); // GetAsyncKeyState unless replaced
// Each returns the previous function; null restores the system's.
AFX_KEYSTATE_FN AfxSetKeyStateFn(AFX_KEYSTATE_FN pfn);
AFX_KEYSTATE_FN AfxSetAsyncKeyStateFn(AFX_KEYSTATE_FN pfn);
