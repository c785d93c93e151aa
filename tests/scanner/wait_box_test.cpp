// The wait box: its texts, its place over the main dialog, its bounded pump, and
// its end together with the main dialog.
#include "tester_dlg.h"
#include "wait_dlg.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

int g_nCounted = 0;

LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP) {
        ++g_nCounted;
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

class WaitBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(IDD_TESTER_DIALOG));
        ::SetWindowPos(m_dlg.m_hWnd, nullptr, 200, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    void TearDown() override
    {
        g_waitDlg.DestroyWindow();
        m_dlg.DestroyWindow();
    }
    CTesterDlg m_dlg;
};

} // namespace

TEST_F(WaitBox, ShowsItsTextsCentredOverTheDialog)
{
    g_waitDlg.CreateAndPump(&m_dlg);
    HWND hBox = g_waitDlg.m_hWnd;
    ASSERT_TRUE(hBox);
    char sz[128];
    ::GetDlgItemTextA(hBox, IDC_WAIT_TEXT, sz, sizeof(sz));
    EXPECT_STREQ(sz, "Waitting Scaning...");
    ::GetDlgItemTextA(hBox, IDC_WAIT_SPEC, sz, sizeof(sz));
    EXPECT_STREQ(sz, "300 DPI,True Color,8.5\"*11.69\"");
    RECT rcBox, rcDlg;
    ::GetWindowRect(hBox, &rcBox);
    ::GetWindowRect(m_dlg.m_hWnd, &rcDlg);
    EXPECT_LE(std::abs((rcBox.left + rcBox.right) - (rcDlg.left + rcDlg.right)), 2);
    EXPECT_LE(std::abs((rcBox.top + rcBox.bottom) - (rcDlg.top + rcDlg.bottom)), 2);
    EXPECT_EQ(::GetWindow(hBox, GW_OWNER), m_dlg.m_hWnd);
    EXPECT_TRUE(::IsWindowEnabled(m_dlg.m_hWnd));
}

TEST_F(WaitBox, PumpTakesAtMostAHundredMessagesAndNeverWaits)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "CountingWnd";
    ::RegisterClassA(&wc);
    HWND hCounter = ::CreateWindowA("CountingWnd", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    for (int i = 0; i < 150; ++i)
        ::PostMessageA(hCounter, WM_APP, 0, 0);
    g_nCounted = 0;
    DWORD start = ::GetTickCount();
    g_waitDlg.CreateAndPump(&m_dlg);
    EXPECT_LE(g_nCounted, 100);
    EXPECT_GE(g_nCounted, 90); // posted messages come before the box's own paint
    EXPECT_LT(::GetTickCount() - start, 2000u);
    MSG msg;
    int nLeft = 0;
    while (::PeekMessageA(&msg, hCounter, WM_APP, WM_APP, PM_REMOVE))
        ++nLeft;
    EXPECT_EQ(g_nCounted + nLeft, 150);
    ::DestroyWindow(hCounter);

    // With nothing queued the pump returns at once too.
    g_waitDlg.DestroyWindow();
    start = ::GetTickCount();
    g_waitDlg.CreateAndPump(&m_dlg);
    EXPECT_LT(::GetTickCount() - start, 2000u);
}

TEST_F(WaitBox, GoesWithTheMainDialogAndALaterCloseDoesNothing)
{
    g_waitDlg.CreateAndPump(&m_dlg);
    HWND hBox = g_waitDlg.m_hWnd;
    ASSERT_TRUE(hBox);
    m_dlg.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hBox));
    EXPECT_EQ(g_waitDlg.m_hWnd, nullptr);
    EXPECT_FALSE(g_waitDlg.DestroyWindow());
}
