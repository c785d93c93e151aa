// The preview pane: fitting a new image, taking and drawing its lines, and painting.
#include "preview_wnd.h"

#include "preview_fit.h"

#include <memory>
#include <new>

namespace {
const COLORREF kGrey = RGB(192, 192, 192);

void FillGrey(HDC hDC, const RECT& rc)
{
    if (rc.right <= rc.left || rc.bottom <= rc.top)
        return;
    CBrush brush(kGrey);
    ::FillRect(hDC, &rc, brush);
}

bool IsPreviewDepth(int nBitsPerPixel) { return nBitsPerPixel == 24 || nBitsPerPixel == 8 || nBitsPerPixel == 1; }
} // namespace

CPreviewWnd::CPreviewWnd()
    : m_pDib(nullptr), m_nSrcWidth(0), m_nSrcHeight(0), m_nDibWidth(0), m_nDibHeight(0), m_nRowsDrawn(0),
      m_nWndWidth(0), m_nWndHeight(0), m_nBitsPerPixel(0), m_fScale(1.0f), m_nLineCountdown(1),
      m_fLineFraction(0.0f)
{
}

CPreviewWnd::~CPreviewWnd() { delete m_pDib; }

BEGIN_MESSAGE_MAP(CPreviewWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CPreviewWnd::Create(const RECT& rect, CWnd* pParentWnd)
{
    m_nWndWidth = rect.right - rect.left + 1;
    m_nWndHeight = rect.bottom - rect.top + 1;
    return CWnd::Create(nullptr, "Preview", WS_CHILD | WS_VISIBLE, rect, pParentWnd, 0xFFFF, nullptr);
}

BOOL CPreviewWnd::BeginImage(int nWidth, int nHeight, int nBitsPerPixel, int nDpi, BOOL bGrey, BOOL bClear)
{
    ClearImage(bClear);
    m_nSrcWidth = nWidth;
    m_nSrcHeight = nHeight;
    m_nRowsDrawn = 0;
    m_nBitsPerPixel = nBitsPerPixel;
    m_nLineCountdown = 1;
    m_fLineFraction = 0.0f;
    delete m_pDib;
    m_pDib = nullptr;

    // An image the sampling cannot fill is refused rather than drawn wrong.
    PreviewFit fit;
    if (!IsPreviewDepth(nBitsPerPixel) || !FitPreview(nWidth, nHeight, m_nWndWidth, m_nWndHeight, &fit))
        return FALSE;
    m_nDibWidth = fit.nDibWidth;
    m_nDibHeight = fit.nDibHeight;
    m_fScale = fit.fScale;
    try {
        std::unique_ptr<CDib> pDib(new CDib(m_nDibWidth, m_nDibHeight, nBitsPerPixel, nDpi, bGrey));
        if (!pDib->AllocBits())
            return FALSE;
        m_pDib = pDib.release();
    } catch (CException* e) {
        e->Delete(); // no memory: no image, as when the allocation yields nothing
        return FALSE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    return TRUE;
}

BOOL CPreviewWnd::AddLine(const BYTE* pLine)
{
    if (!m_pDib)
        return FALSE;
    if (m_nRowsDrawn >= m_nDibHeight || !TakeLine(m_fScale, &m_nLineCountdown, &m_fLineFraction))
        return TRUE;
    ShrinkLine(pLine);
    if (m_hWnd) {
        // The row goes at its own place: a 352nd row lies below the window, never over the first.
        CClientDC dc(this);
        ::SetDIBitsToDevice(dc.GetSafeHdc(), 0, m_nRowsDrawn, (DWORD)m_nDibWidth, 1, 0,
                            m_nDibHeight - m_nRowsDrawn - 1, 0, (UINT)m_nDibHeight, m_pDib->m_pBits,
                            m_pDib->m_pBMI, DIB_RGB_COLORS);
    }
    ++m_nRowsDrawn;
    return TRUE;
}

BOOL CPreviewWnd::ShrinkLine(const BYTE* pLine)
{
    BYTE* pRow = m_pDib->m_pBits +
                 (size_t)(m_pDib->m_pBMI->bmiHeader.biHeight - m_nRowsDrawn - 1) * (size_t)m_pDib->m_nRowBytes;
    SampleLine(pLine, m_nSrcWidth, pRow, m_nDibWidth, m_nBitsPerPixel, m_fScale);
    return TRUE;
}

void CPreviewWnd::ClearImage(BOOL bClear)
{
    m_nRowsDrawn = 0;
    if (bClear && m_hWnd) {
        CClientDC dc(this);
        RECT rc;
        GetClientRect(&rc);
        FillGrey(dc.GetSafeHdc(), rc);
    }
}

void CPreviewWnd::Draw(HDC hDC, const RECT& rcClient) const
{
    if (!m_pDib) {
        FillGrey(hDC, rcClient);
        return;
    }
    if (m_nRowsDrawn > 0)
        ::SetDIBitsToDevice(hDC, 0, 0, (DWORD)m_nDibWidth, (DWORD)m_nRowsDrawn, 0, m_nDibHeight - m_nRowsDrawn, 0,
                            (UINT)m_nDibHeight, m_pDib->m_pBits, m_pDib->m_pBMI, DIB_RGB_COLORS);
    // Grey right of a narrow image as well as below the rows so far: nothing else is drawn there.
    FillGrey(hDC, RECT{m_nDibWidth, rcClient.top, rcClient.right, m_nRowsDrawn});
    FillGrey(hDC, RECT{rcClient.left, m_nRowsDrawn, rcClient.right, rcClient.bottom});
}

void CPreviewWnd::OnPaint()
{
    CPaintDC dc(this);
    RECT rc;
    GetClientRect(&rc);
    Draw(dc.GetSafeHdc(), rc);
}
