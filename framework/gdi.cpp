// CPaintDC, CClientDC and CBrush.
#include "gdi.h"

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) { m_hDC = ::GetDC(m_hWnd); }
CClientDC::~CClientDC()
{
    if (m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    DeleteObject();
    m_hBrush = ::CreateSolidBrush(crColor);
    return m_hBrush != nullptr;
}

BOOL CBrush::DeleteObject()
{
    if (!m_hBrush)
        return FALSE;
    BOOL bOk = ::DeleteObject(m_hBrush);
    m_hBrush = nullptr;
    return bOk;
}
