// The preview pane in the left part of the main dialog.
#pragma once
#include "afxwin.h"

class CPreviewWnd : public CWnd {
public:
    CPreviewWnd();
    ~CPreviewWnd() override;

    // Takes right - left + 1 by bottom - top + 1 as its size.
    BOOL Create(const RECT& rect, CWnd* pParentWnd);

    int m_nWndWidth;
    int m_nWndHeight;

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
