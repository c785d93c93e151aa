// Loads string-table texts into the one static string.
#include "get_res_string.h"

#include "winapp.h"

#include <string>

LPCSTR GetResString(UINT nID)
{
    static std::string s_text;
    char szBuffer[1024];
    int n = ::LoadStringA(AfxGetResourceHandle(), nID, szBuffer, (int)sizeof(szBuffer));
    s_text.assign(szBuffer, n > 0 ? (size_t)n : 0);
    return s_text.c_str();
}
