// The replaceable key-state functions.
#include "keystate.h"

namespace {
AFX_KEYSTATE_FN g_pfnKeyState = nullptr;
AFX_KEYSTATE_FN g_pfnAsyncKeyState = nullptr;
}

SHORT AfxGetKeyState(int nVirtKey)
{
    return g_pfnKeyState ? g_pfnKeyState(nVirtKey) : ::GetKeyState(nVirtKey);
}

SHORT AfxGetAsyncKeyState(int nVirtKey)
{
    return g_pfnAsyncKeyState ? g_pfnAsyncKeyState(nVirtKey) : ::GetAsyncKeyState(nVirtKey);
}

AFX_KEYSTATE_FN AfxSetKeyStateFn(AFX_KEYSTATE_FN pfn)
{
    AFX_KEYSTATE_FN old = g_pfnKeyState;
    g_pfnKeyState = pfn;
    return old;
}

AFX_KEYSTATE_FN AfxSetAsyncKeyStateFn(AFX_KEYSTATE_FN pfn)
{
    AFX_KEYSTATE_FN old = g_pfnAsyncKeyState;
    g_pfnAsyncKeyState = pfn;
    return old;
}
