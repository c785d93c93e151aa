// Message maps: each map is a member function made of plain if-chains, one per
// entry, that ends by handing the message to the base class's map.
#pragma once

#define DECLARE_MESSAGE_MAP() \
protected:                    \
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                              \
    BOOL theClass::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)   \
    {                                                                                        \
        typedef baseClass TheBaseClass;

#define END_MESSAGE_MAP()                                               \
        return TheBaseClass::OnWndMsg(message, wParam, lParam, pResult); \
    }

#define AFX_MAP_HANDLED(call) \
    {                         \
        call;                 \
        *pResult = 0;         \
        return TRUE;          \
    }

#define ON_WM_PAINT() \
    if (message == WM_PAINT) AFX_MAP_HANDLED(OnPaint())
#define ON_WM_DESTROY() \
    if (message == WM_DESTROY) AFX_MAP_HANDLED(OnDestroy())
#define ON_WM_TIMER() \
    if (message == WM_TIMER) AFX_MAP_HANDLED(OnTimer((UINT)wParam))
#define ON_WM_QUERYDRAGICON()              \
    if (message == WM_QUERYDRAGICON) {     \
        *pResult = (LRESULT)OnQueryDragIcon(); \
        return TRUE;                       \
    }
// A command from a menu, an accelerator or the framework (notification code 0 or 1).
#define ON_COMMAND(id, memberFxn) \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) <= 1) AFX_MAP_HANDLED(memberFxn())
#define ON_BN_CLICKED(id, memberFxn) \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == BN_CLICKED) AFX_MAP_HANDLED(memberFxn())
