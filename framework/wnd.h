// Command targets and windows: a CWnd owns one HWND and receives its messages
// through its message map.
#pragma once
#include "object.h"
#include "msgmap.h"

#include <map>
#include <memory>

class CCmdTarget : public CObject {
public:
    // The message map: TRUE when an entry handled the message, its result in *pResult.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // A child or popup window of the framework's own class (lpszClassName null) or of a named class.
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
    virtual BOOL DestroyWindow(); // destroys the window if there is one

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The control with that identifier, or null; valid while this window lives.
    CWnd* GetDlgItem(int nID);
    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszString, int nMaxCount) const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer);
    BOOL KillTimer(UINT_PTR nIDEvent);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void Invalidate(BOOL bErase = TRUE);
    void UpdateWindow();

    // Default handling of the message now being handled.
    LRESULT Default();

    HWND m_hWnd = nullptr;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs the map for one message with no exception escaping; TRUE when handled.
    BOOL DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The window is gone: forget the handle; the main window's end ends the application.
    virtual void OnFinalDestroy();

    void OnPaint() { Default(); }
    void OnDestroy() { Default(); }
    void OnTimer(UINT) { Default(); }

public:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    std::map<HWND, std::unique_ptr<CWnd>> m_children; // wrappers handed out by GetDlgItem
};

// Wrapper of a window this framework did not create (a dialog's control).
class CTempWnd : public CWnd {
public:
    explicit CTempWnd(HWND hWnd) { m_hWnd = hWnd; }
    ~CTempWnd() override { m_hWnd = nullptr; }
};

LPCSTR AfxRegisterDefaultWndClass();
