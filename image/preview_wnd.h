// The preview pane in the left part of the main dialog: shrinks the incoming image line by
// line into a CDib and draws each new row at once.
#pragma once
#include "afxwin.h"
#include "dib.h"

class CPreviewWnd : public CWnd {
public:
    CPreviewWnd();
    ~CPreviewWnd() override;

    // Takes right - left + 1 by bottom - top + 1 as its size.
    BOOL Create(const RECT& rect, CWnd* pParentWnd);
    // Announces a new image of 24, 8 or 1 bits per pixel; FALSE leaves the window without one.
    BOOL BeginImage(int nWidth, int nHeight, int nBitsPerPixel, int nDpi, BOOL bGrey, BOOL bClear);
    // FALSE only when no image has been announced.
    BOOL AddLine(const BYTE* pLine);
    BOOL ShrinkLine(const BYTE* pLine);
    void ClearImage(BOOL bClear);
    // What the window shows, drawn into any device context whose client area is rcClient.
    void Draw(HDC hDC, const RECT& rcClient) const;

    CDib* m_pDib;
    int m_nSrcWidth;
    int m_nSrcHeight;
    int m_nDibWidth;
    int m_nDibHeight;
    int m_nRowsDrawn;
    int m_nWndWidth;
    int m_nWndHeight;
    int m_nBitsPerPixel;
    float m_fScale;
    int m_nLineCountdown;
    float m_fLineFraction;

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
