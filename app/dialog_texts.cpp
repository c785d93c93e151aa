// Caption, identity-file path, label cutting and icon position.
#include "dialog_texts.h"

#include <cstdlib>
#include <cstring>

namespace {
const char kCaptionSuffix[] = " Tester Program";
const char kIdentityFileName[] = "Norvast.ini";
} // namespace

void CutAtPercent(char* pszText)
{
    if (char* p = std::strchr(pszText, '%'))
        *p = '\0';
}

void ComposeCaption(const char* pszProductName, char* pszCaption)
{
    const size_t nMaxName = kTextBufferSize - sizeof(kCaptionSuffix); // leaves room for suffix and NUL
    size_t nName = std::strlen(pszProductName);
    if (nName > nMaxName)
        nName = nMaxName;
    std::memmove(pszCaption, pszProductName, nName);
    std::memcpy(pszCaption + nName, kCaptionSuffix, sizeof(kCaptionSuffix));
}

BOOL IdentityFilePath(const char* pszExePath, char* pszIniPath)
{
    char szDrive[kTextBufferSize], szDir[kTextBufferSize], szName[kTextBufferSize], szExt[kTextBufferSize];
    if (std::strlen(pszExePath) >= kTextBufferSize) {
        pszIniPath[0] = '\0';
        return FALSE;
    }
    _splitpath(pszExePath, szDrive, szDir, szName, szExt);
    size_t nLen = std::strlen(szDrive) + std::strlen(szDir) + sizeof(kIdentityFileName);
    if (nLen > kTextBufferSize) {
        pszIniPath[0] = '\0';
        return FALSE;
    }
    std::strcpy(pszIniPath, szDrive);
    std::strcat(pszIniPath, szDir);
    std::strcat(pszIniPath, kIdentityFileName);
    return TRUE;
}

POINT MinimizedIconPosition(int nClientWidth, int nClientHeight, int cxIcon, int cyIcon)
{
    POINT pt;
    pt.x = (nClientWidth - cxIcon + 1) / 2;
    pt.y = (nClientHeight - cyIcon + 1) / 2;
    return pt;
}
