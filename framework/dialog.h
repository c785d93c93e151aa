// Dialogs from templates: modal (DoModal, ended by EndDialog or by the window's
// destruction) and modeless (Create, ended by DestroyWindow).
#pragma once
#include "wnd.h"

class CDataExchange {
public:
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    virtual INT_PTR DoModal();
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // Keyboard handling before dispatch in the modal loop; TRUE when the message was used.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

private:
    BOOL m_bInModalLoop = FALSE;
    INT_PTR m_nModalResult = -1;
    // A message handed to the dialog manager's default handling, which calls
    // DialogProc once more with it first; that call must report "not handled".
    BOOL m_bDefaultPending = FALSE;
    UINT m_nDefaultMsg = 0;
};
