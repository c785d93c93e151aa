// The preview pane on screen under Wine: a popup at a known place hosts the pane, lines are
// fed in, and the pane's pixels are read back from the screen.
#include "dib_test_util.h"
#include "preview_wnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
const COLORREF kGrey = RGB(192, 192, 192);
const int kHostX = 40, kHostY = 30;

// Incoming 24-bit line: blue and green tell the line, red the column.
std::vector<BYTE> ColourLine(int nWidth, int nLine)
{
    std::vector<BYTE> line(3 * (size_t)nWidth);
    for (int c = 0; c < nWidth; ++c) {
        line[3 * c] = (BYTE)nLine;
        line[3 * c + 1] = (BYTE)(nLine >> 8);
        line[3 * c + 2] = (BYTE)c;
    }
    return line;
}

COLORREF LineColour(int nLine, int nColumn) { return RGB((BYTE)nColumn, (BYTE)(nLine >> 8), (BYTE)nLine); }

// Pixels of a rectangle of a device context, row by row.
std::vector<COLORREF> Grab(HDC hSource, int x, int y, int cx, int cy)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HDC hMem = CreateCompatibleDC(hSource);
    HBITMAP hBitmap = CreateDIBSection(hMem, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = SelectObject(hMem, hBitmap);
    BitBlt(hMem, 0, 0, cx, cy, hSource, x, y, SRCCOPY);
    GdiFlush();
    std::vector<COLORREF> pixels((size_t)cx * cy);
    const DWORD* p = static_cast<const DWORD*>(pBits);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF);
    SelectObject(hMem, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hMem);
    return pixels;
}

// What the pane must show: the rows so far from its image, grey everywhere else.
std::vector<COLORREF> Expected(const CPreviewWnd& wnd, int cx, int cy)
{
    std::vector<COLORREF> pixels((size_t)cx * cy, kGrey);
    for (int y = 0; y < cy && y < wnd.m_nRowsDrawn; ++y)
        for (int x = 0; x < cx && x < wnd.m_nDibWidth; ++x) {
            Rgb c = PixelAt(*wnd.m_pDib, x, y);
            pixels[(size_t)y * cx + x] = RGB(c.r, c.g, c.b);
        }
    return pixels;
}

::testing::AssertionResult SamePixels(const std::vector<COLORREF>& actual, const std::vector<COLORREF>& expected,
                                      int cx)
{
    for (size_t i = 0; i < actual.size(); ++i)
        if (actual[i] != expected[i])
            return ::testing::AssertionFailure() << "first difference at x " << i % cx << ", y " << i / cx
                                                 << ": 0x" << std::hex << actual[i] << " instead of 0x"
                                                 << expected[i];
    return ::testing::AssertionSuccess();
}

// The host popup lives as long as the test program: destroying a top-level window under a
// display without a window manager makes Wine wait two seconds; the program's end takes it away.
CWnd& Host()
{
    static CWnd* s_pHost = [] {
        CWnd* pHost = new CWnd;
        pHost->Create(nullptr, "", WS_POPUP | WS_VISIBLE, RECT{kHostX, kHostY, kHostX + 300, kHostY + 400},
                      nullptr, 0);
        return pHost;
    }();
    return *s_pHost;
}

class PreviewOnScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(Host().m_hWnd, nullptr);
        ASSERT_TRUE(m_preview.Create(RECT{1, 1, 255, 351}, &Host()));
        RECT rc;
        m_preview.GetClientRect(&rc);
        m_cx = rc.right;
        m_cy = rc.bottom;
        Settle();
    }
    void TearDown() override { m_preview.DestroyWindow(); }

    void Settle()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        GdiFlush();
    }
    void Repaint()
    {
        InvalidateRect(m_preview.m_hWnd, nullptr, FALSE);
        m_preview.UpdateWindow();
        Settle();
    }
    void Feed(int nWidth, int nFirst, int nCount)
    {
        for (int line = nFirst; line < nFirst + nCount; ++line)
            ASSERT_TRUE(m_preview.AddLine(ColourLine(nWidth, line).data()));
        Settle();
    }
    std::vector<COLORREF> Screen()
    {
        POINT pt = {0, 0};
        ClientToScreen(m_preview.m_hWnd, &pt);
        HDC hScreen = GetDC(nullptr);
        std::vector<COLORREF> pixels = Grab(hScreen, pt.x, pt.y, m_cx, m_cy);
        ReleaseDC(nullptr, hScreen);
        return pixels;
    }
    COLORREF ScreenAt(int x, int y) { return Screen()[(size_t)y * m_cx + x]; }

    CPreviewWnd m_preview;
    int m_cx = 0, m_cy = 0;
};
} // namespace

TEST_F(PreviewOnScreen, PaneTakesTheDialogsRectangle)
{
    EXPECT_EQ(m_cx, 254);
    EXPECT_EQ(m_cy, 350);
    EXPECT_EQ(m_preview.m_nWndWidth, 255);
    EXPECT_EQ(m_preview.m_nWndHeight, 351);
}

TEST_F(PreviewOnScreen, WithoutAnImageLinesAreRefusedAndThePaneIsGrey)
{
    EXPECT_FALSE(m_preview.AddLine(ColourLine(10, 0).data()));
    Repaint();
    EXPECT_TRUE(SamePixels(Screen(), std::vector<COLORREF>((size_t)m_cx * m_cy, kGrey), m_cx));
}

TEST_F(PreviewOnScreen, ShowsTheRowsSoFarAndGreyBelow)
{
    ASSERT_TRUE(m_preview.BeginImage(2550, 3507, 24, 300, 0, 1));
    Feed(2550, 0, 1000);
    EXPECT_EQ(m_preview.m_nRowsDrawn, 100);
    std::vector<COLORREF> drawn = Screen();
    EXPECT_TRUE(SamePixels(drawn, Expected(m_preview, m_cx, m_cy), m_cx));
    EXPECT_EQ(drawn[3 * (size_t)m_cx + 7], LineColour(30, 70)); // row 3 is line 30, column 7 source 70
    EXPECT_EQ(drawn[99 * (size_t)m_cx], LineColour(990, 0));

    Repaint(); // in the middle of the image
    EXPECT_TRUE(SamePixels(Screen(), drawn, m_cx));
}

TEST_F(PreviewOnScreen, LinesAfterTheLastRowChangeNothing)
{
    ASSERT_TRUE(m_preview.BeginImage(200, 100, 24, 50, 0, 1));
    Feed(200, 0, 100);
    ASSERT_EQ(m_preview.m_nRowsDrawn, 100);
    std::vector<BYTE> bits(m_preview.m_pDib->m_pBits, m_preview.m_pDib->m_pBits + m_preview.m_pDib->m_dwSizeImage);
    std::vector<COLORREF> drawn = Screen();
    Feed(200, 500, 3);
    EXPECT_EQ(m_preview.m_nRowsDrawn, 100);
    EXPECT_EQ(std::vector<BYTE>(m_preview.m_pDib->m_pBits, m_preview.m_pDib->m_pBits + bits.size()), bits);
    EXPECT_TRUE(SamePixels(Screen(), drawn, m_cx));
}

TEST_F(PreviewOnScreen, NarrowImageIsGreyToItsRightAfterARepaint)
{
    // A full-width picture first, so that what lies right of the narrow one is not grey already.
    ASSERT_TRUE(m_preview.BeginImage(2550, 3507, 24, 300, 0, 1));
    Feed(2550, 0, 1000);
    ASSERT_TRUE(m_preview.BeginImage(200, 100, 24, 50, 0, 0));
    Feed(200, 0, 60);
    EXPECT_NE(ScreenAt(230, 10), kGrey);
    Repaint();
    EXPECT_TRUE(SamePixels(Screen(), Expected(m_preview, m_cx, m_cy), m_cx));
}

TEST_F(PreviewOnScreen, SecondImageWithoutClearingKeepsTheOldPictureUntilOverwritten)
{
    ASSERT_TRUE(m_preview.BeginImage(200, 100, 24, 50, 0, 1));
    Feed(200, 0, 100);
    std::vector<COLORREF> oldPicture = Screen();

    ASSERT_TRUE(m_preview.BeginImage(200, 100, 24, 50, 0, 0));
    Settle();
    EXPECT_TRUE(SamePixels(Screen(), oldPicture, m_cx));
    Feed(200, 700, 10);
    std::vector<COLORREF> mixed = Screen();
    EXPECT_EQ(mixed[5 * (size_t)m_cx + 3], LineColour(705, 3));
    EXPECT_EQ(mixed[50 * (size_t)m_cx + 3], oldPicture[50 * (size_t)m_cx + 3]);

    Repaint();
    EXPECT_TRUE(SamePixels(Screen(), Expected(m_preview, m_cx, m_cy), m_cx));
    EXPECT_EQ(ScreenAt(3, 50), kGrey);
}

TEST_F(PreviewOnScreen, RowBeyondTheWindowDoesNotOverwriteTheFirst)
{
    // 255 x 352: the last row is filled only by a line beyond the 702 announced.
    ASSERT_TRUE(m_preview.BeginImage(510, 702, 24, 300, 0, 1));
    Feed(510, 0, 703);
    EXPECT_EQ(m_preview.m_nRowsDrawn, 352);
    EXPECT_EQ(ScreenAt(0, 0), LineColour(0, 0));
}

TEST_F(PreviewOnScreen, RefusedImageLeavesThePaneEmpty)
{
    ASSERT_TRUE(m_preview.BeginImage(200, 100, 24, 50, 0, 1));
    Feed(200, 0, 10);
    EXPECT_FALSE(m_preview.BeginImage(200, 100, 16, 50, 0, 1));
    EXPECT_EQ(m_preview.m_pDib, nullptr);
    EXPECT_FALSE(m_preview.AddLine(ColourLine(200, 0).data()));
    EXPECT_FALSE(m_preview.BeginImage(0, 100, 24, 50, 0, 0));
    EXPECT_EQ(m_preview.m_pDib, nullptr);
    Repaint();
    EXPECT_TRUE(SamePixels(Screen(), std::vector<COLORREF>((size_t)m_cx * m_cy, kGrey), m_cx));
}

// The paint function serves any device context: here a memory bitmap and an 8-bit grey image.
TEST(PreviewDraw, DrawsIntoAMemoryBitmap)
{
    CPreviewWnd wnd; // no window: only its arithmetic and drawing
    wnd.m_nWndWidth = 255;
    wnd.m_nWndHeight = 351;
    ASSERT_TRUE(wnd.BeginImage(100, 50, 8, 50, TRUE, 0));
    for (int line = 0; line < 20; ++line) {
        std::vector<BYTE> grey(100, (BYTE)(line * 5));
        ASSERT_TRUE(wnd.AddLine(grey.data()));
    }
    const int cx = 254, cy = 350;
    HDC hScreen = GetDC(nullptr);
    HDC hMem = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, cx, cy);
    HGDIOBJ hOld = SelectObject(hMem, hBitmap);
    wnd.Draw(hMem, RECT{0, 0, cx, cy});
    std::vector<COLORREF> pixels = Grab(hMem, 0, 0, cx, cy);
    SelectObject(hMem, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hMem);
    ReleaseDC(nullptr, hScreen);

    EXPECT_TRUE(SamePixels(pixels, Expected(wnd, cx, cy), cx));
    EXPECT_EQ(pixels[19 * (size_t)cx + 99], RGB(95, 95, 95));
    EXPECT_EQ(pixels[20 * (size_t)cx], kGrey);
    EXPECT_EQ(pixels[10 * (size_t)cx + 100], kGrey);
}
