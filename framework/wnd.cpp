// Window creation, the framework's window procedure and the CWnd operations.
#include "wnd.h"

#include "exception.h"
#include "winapp.h"

namespace {
// The message being handled, for Default(); saved and restored around nested dispatches.
struct CurrentMsg {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
CurrentMsg g_curMsg = {0, 0, 0};
} // namespace

BOOL CCmdTarget::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

CWnd::~CWnd()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
}

LPCSTR AfxRegisterDefaultWndClass()
{
    static const char kClassName[] = "TesterFrameworkWnd";
    static bool s_bRegistered = false;
    if (!s_bRegistered) {
        WNDCLASSA wc = {};
        // No background brush: the window's own painting covers every pixel.
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = CWnd::WindowProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        ::RegisterClassA(&wc);
        s_bRegistered = true;
    }
    return kClassName;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void* /*pContext*/)
{
    if (!lpszClassName)
        lpszClassName = AfxRegisterDefaultWndClass();
    HWND hWnd = ::CreateWindowExA(0, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top,
                                  pParentWnd ? pParentWnd->m_hWnd : nullptr,
                                  (HMENU)(UINT_PTR)nID, AfxGetInstanceHandle(), this);
    return hWnd != nullptr;
}

LRESULT CALLBACK CWnd::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd;
    if (message == WM_NCCREATE) {
        // The object arrives with the first message that carries it; nothing earlier is dispatched.
        pWnd = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (pWnd) {
            pWnd->m_hWnd = hWnd;
            ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)pWnd);
        }
    } else {
        pWnd = reinterpret_cast<CWnd*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    }
    if (!pWnd)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);

    LRESULT lResult = 0;
    if (!pWnd->DispatchToMap(message, wParam, lParam, &lResult))
        lResult = pWnd->DefWindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        pWnd->OnFinalDestroy();
    }
    return lResult;
}

BOOL CWnd::DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CurrentMsg saved = g_curMsg;
    g_curMsg = {message, wParam, lParam};
    BOOL bHandled = FALSE;
    // No C++ exception may unwind through the system's window code.
    try {
        bHandled = OnWndMsg(message, wParam, lParam, pResult);
    } catch (CException* e) {
        ::OutputDebugStringA(e->GetErrorText());
        e->Delete();
        bHandled = TRUE;
        *pResult = 0;
    } catch (...) {
        ::OutputDebugStringA("unexpected exception in a message handler");
        bHandled = TRUE;
        *pResult = 0;
    }
    g_curMsg = saved;
    return bHandled;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // Commands no window handled go to the application's map.
    if (message == WM_COMMAND) {
        CWinApp* pApp = AfxGetApp();
        if (pApp && pApp->OnWndMsg(message, wParam, lParam, pResult))
            return TRUE;
    }
    return CCmdTarget::OnWndMsg(message, wParam, lParam, pResult);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(g_curMsg.message, g_curMsg.wParam, g_curMsg.lParam);
}

void CWnd::OnFinalDestroy()
{
    m_hWnd = nullptr;
    m_children.clear();
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::GetDlgItem(int nID)
{
    HWND hChild = ::GetDlgItem(m_hWnd, nID);
    if (!hChild)
        return nullptr;
    std::unique_ptr<CWnd>& slot = m_children[hChild];
    if (!slot)
        slot.reset(new CTempWnd(hChild));
    return slot.get();
}

void CWnd::SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }

int CWnd::GetWindowText(LPSTR lpszString, int nMaxCount) const
{
    return ::GetWindowTextA(m_hWnd, lpszString, nMaxCount);
}

BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    HWND hOwner = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    RECT rcArea;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
    RECT rcCenter = rcArea;
    if (hOwner && ::IsWindowVisible(hOwner) && !::IsIconic(hOwner))
        ::GetWindowRect(hOwner, &rcCenter);

    RECT rcSelf;
    ::GetWindowRect(m_hWnd, &rcSelf);
    int cx = rcSelf.right - rcSelf.left, cy = rcSelf.bottom - rcSelf.top;
    int x = (rcCenter.left + rcCenter.right) / 2 - cx / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - cy / 2;
    if (x + cx > rcArea.right)
        x = rcArea.right - cx;
    if (x < rcArea.left)
        x = rcArea.left;
    if (y + cy > rcArea.bottom)
        y = rcArea.bottom - cy;
    if (y < rcArea.top)
        y = rcArea.top;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
