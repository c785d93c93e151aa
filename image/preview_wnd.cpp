// The preview pane's window and painting.
#include "preview_wnd.h"

namespace {
const COLORREF kGrey = RGB(192, 192, 192);
}

CPreviewWnd::CPreviewWnd() : m_nWndWidth(0), m_nWndHeight(0) {}

CPreviewWnd::~CPreviewWnd() = default;

BEGIN_MESSAGE_MAP(CPreviewWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CPreviewWnd::Create(const RECT& rect, CWnd* pParentWnd)
{
    m_nWndWidth = rect.right - rect.left + 1;
    m_nWndHeight = rect.bottom - rect.top + 1;
    return CWnd::Create(nullptr, "Preview", WS_CHILD | WS_VISIBLE, rect, pParentWnd, 0xFFFF, nullptr);
}

void CPreviewWnd::OnPaint()
{
    CPaintDC dc(this);
    RECT rc;
    GetClientRect(&rc);
    CBrush brush(kGrey);
    dc.FillRect(&rc, brush);
}
