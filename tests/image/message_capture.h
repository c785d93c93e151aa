// Collects the texts of the message boxes the code under test shows, instead of showing them.
#pragma once
#include "msgbox.h"

#include <string>
#include <vector>

class MessageCapture {
public:
    MessageCapture() : m_pfnOld(AfxSetMessageBoxHook(&Hook)) { s_messages.clear(); }
    ~MessageCapture() { AfxSetMessageBoxHook(m_pfnOld); }
    const std::vector<std::string>& Messages() const { return s_messages; }

private:
    static int Hook(const char* lpszText, UINT)
    {
        s_messages.push_back(lpszText);
        return IDOK;
    }
    static inline std::vector<std::string> s_messages;
    AFX_MSGBOX_HOOK m_pfnOld;
};
