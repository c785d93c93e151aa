// Dialog creation, the dialog procedure, the modal loop and the dialog colours.
#include "dialog.h"

#include "keystate.h"
#include "winapp.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDTemplate),
                                     pParentWnd ? pParentWnd->m_hWnd : nullptr, DialogProc, (LPARAM)this);
    return hWnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    HWND hParent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    m_nModalResult = -1;
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), hParent,
                                     DialogProc, (LPARAM)this);
    if (!hWnd)
        return -1;
    BOOL bParentEnabled = hParent && ::IsWindowEnabled(hParent);
    if (bParentEnabled)
        ::EnableWindow(hParent, FALSE);

    m_bInModalLoop = TRUE;
    MSG msg;
    while (m_bInModalLoop && ::IsWindow(hWnd)) {
        BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bGot == 0) {
            ::PostQuitMessage((int)msg.wParam); // leave it for any outer loop
            break;
        }
        if (bGot == -1)
            break;
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    m_bInModalLoop = FALSE;

    if (bParentEnabled)
        ::EnableWindow(hParent, TRUE);
    if (::IsWindow(hWnd))
        ::DestroyWindow(hWnd);
    return m_nModalResult;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1 && AfxGetKeyState(VK_SHIFT) >= 0 &&
        AfxGetKeyState(VK_CONTROL) >= 0 && AfxGetKeyState(VK_MENU) >= 0) {
        ::SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
        return TRUE;
    }
    return m_hWnd && ::IsDialogMessageA(m_hWnd, pMsg);
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bInModalLoop = FALSE;
    if (m_hWnd)
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog() { return TRUE; }

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx = {bSaveAndValidate, this};
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_INITDIALOG:
        *pResult = OnInitDialog();
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORMSGBOX: {
        const AFX_DIALOG_COLORS* pColors = AfxGetDialogColors();
        if (!pColors)
            break;
        HDC hdc = (HDC)wParam;
        ::SetTextColor(hdc, pColors->crText);
        ::SetBkColor(hdc, pColors->crBk);
        *pResult = (LRESULT)pColors->hBkBrush;
        return TRUE;
    }
    default:
        break;
    }
    if (message == WM_COMMAND && HIWORD(wParam) <= 1) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            *pResult = 0;
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            *pResult = 0;
            return TRUE;
        }
    }
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_bDefaultPending = TRUE;
    m_nDefaultMsg = message;
    LRESULT lResult = ::DefDlgProcA(m_hWnd, message, wParam, lParam);
    m_bDefaultPending = FALSE;
    return lResult;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* pDlg;
    if (message == WM_INITDIALOG) {
        // The object arrives with WM_INITDIALOG; messages before it get the system's handling.
        pDlg = reinterpret_cast<CDialog*>(lParam);
        pDlg->m_hWnd = hWnd;
        ::SetWindowLongPtrA(hWnd, DWLP_USER, (LONG_PTR)pDlg);
    } else {
        pDlg = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    }
    if (!pDlg)
        return FALSE;
    if (pDlg->m_bDefaultPending && message == pDlg->m_nDefaultMsg) {
        pDlg->m_bDefaultPending = FALSE;
        return FALSE;
    }

    LRESULT lResult = 0;
    BOOL bHandled = pDlg->DispatchToMap(message, wParam, lParam, &lResult);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        pDlg->OnFinalDestroy();
        return FALSE;
    }
    if (!bHandled)
        return FALSE;
    switch (message) {
    // These hand their result back as the procedure's own return value.
    case WM_INITDIALOG:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return (INT_PTR)lResult;
    default:
        ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, lResult);
        return TRUE;
    }
}
