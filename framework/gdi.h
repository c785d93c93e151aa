// Device contexts and brushes that release what they hold when they go.
#pragma once
#include "wnd.h"

class CDC {
public:
    HDC GetSafeHdc() const { return m_hDC; }
    int FillRect(const RECT* lpRect, HBRUSH hBrush) { return ::FillRect(m_hDC, lpRect, hBrush); }

    HDC m_hDC = nullptr;

protected:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();

    PAINTSTRUCT m_ps;

private:
    HWND m_hWnd;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC();

private:
    HWND m_hWnd;
};

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    ~CBrush() { DeleteObject(); }
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;

    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL DeleteObject();
    operator HBRUSH() const { return m_hBrush; }

    HBRUSH m_hBrush = nullptr;
};
