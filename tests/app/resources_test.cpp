// The resources as built into tester.exe: both dialog templates, the string table,
// the icon group and the version block, read back from the executable.
#include "resource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

HMODULE LoadTester()
{
    char szPath[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string path(szPath, n);
    path = path.substr(0, path.find_last_of('\\') + 1) + "tester.exe";
    return ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

struct Item {
    int id;
    std::string cls; // "BUTTON" or "STATIC", whether named or given as the predefined atom
    DWORD style;
    std::string text;
    short x, y, cx, cy;
};

struct Template {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string caption, font;
    WORD pointSize = 0;
    bool hasMenu = false, hasClass = false;
    std::vector<Item> items;
};

std::string Narrow(const WORD*& p)
{
    std::string s;
    while (*p)
        s += (char)*p++;
    ++p;
    return s;
}

const WORD* Align4(const WORD* p) { return (const WORD*)(((ULONG_PTR)p + 3) & ~(ULONG_PTR)3); }

Template ParseTemplate(HMODULE hMod, int id)
{
    Template t;
    HRSRC hRes = ::FindResourceA(hMod, MAKEINTRESOURCEA(id), (LPCSTR)RT_DIALOG);
    if (!hRes)
        return t;
    const DLGTEMPLATE* pDlg = (const DLGTEMPLATE*)::LockResource(::LoadResource(hMod, hRes));
    t.style = pDlg->style;
    t.exStyle = pDlg->dwExtendedStyle;
    t.x = pDlg->x, t.y = pDlg->y, t.cx = pDlg->cx, t.cy = pDlg->cy;
    const WORD* p = (const WORD*)(pDlg + 1);
    t.hasMenu = *p != 0;
    if (*p == 0xFFFF) p += 2; else Narrow(p);
    t.hasClass = *p != 0;
    if (*p == 0xFFFF) p += 2; else Narrow(p);
    t.caption = Narrow(p);
    if (t.style & DS_SETFONT) {
        t.pointSize = *p++;
        t.font = Narrow(p);
    }
    for (int i = 0; i < pDlg->cdit; ++i) {
        p = Align4(p);
        const DLGITEMTEMPLATE* pItem = (const DLGITEMTEMPLATE*)p;
        Item item;
        item.style = pItem->style;
        item.x = pItem->x, item.y = pItem->y, item.cx = pItem->cx, item.cy = pItem->cy;
        item.id = pItem->id;
        p = (const WORD*)(pItem + 1);
        if (*p == 0xFFFF) {
            item.cls = p[1] == 0x80 ? "BUTTON" : p[1] == 0x82 ? "STATIC" : "?";
            p += 2;
        } else {
            item.cls = Narrow(p);
            for (char& ch : item.cls)
                ch = (char)toupper((unsigned char)ch);
        }
        if (*p == 0xFFFF) p += 2; else item.text = Narrow(p);
        p += 1 + (*p ? *p / 2 : 0); // creation data
        t.items.push_back(item);
    }
    return t;
}

const DWORD kChild = WS_CHILD | WS_VISIBLE;

TEST(Resources, MainDialogTemplate)
{
    HMODULE hMod = LoadTester();
    ASSERT_TRUE(hMod);
    Template t = ParseTemplate(hMod, IDD_TESTER_DIALOG);
    EXPECT_EQ(t.style, (DWORD)(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(std::vector<short>({t.x, t.y, t.cx, t.cy}), std::vector<short>({0, 0, 362, 222}));
    EXPECT_EQ(t.caption, "Utility");
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.font, "MS Sans Serif");
    EXPECT_FALSE(t.hasMenu);
    EXPECT_FALSE(t.hasClass);

    const DWORD kPush = kChild | BS_PUSHBUTTON | WS_TABSTOP;
    const std::vector<Item> kExpected = {
        {1000, "BUTTON", kPush, "Scan", 181, 195, 61, 17},
        {1001, "BUTTON", kPush, "Exit", 320, 195, 31, 17},
        {1002, "BUTTON", kChild | BS_GROUPBOX | WS_GROUP, "System Check", 181, 1, 178, 38},
        {1003, "STATIC", kChild | SS_LEFT, "RAM:", 188, 13, 116, 8},
        {1005, "STATIC", kChild | SS_LEFT, "Free HD Space:", 188, 25, 116, 11},
        {1006, "BUTTON", kChild | BS_GROUPBOX | WS_GROUP, "Scan", 181, 44, 178, 60},
        {1007, "STATIC", kChild | SS_LEFT | WS_GROUP, "Product ID:", 185, 55, 104, 8},
        {1008, "STATIC", kChild | SS_LEFT | WS_GROUP, "Connect Port:", 185, 66, 116, 8},
        {1009, "STATIC", kChild | SS_LEFT | WS_GROUP, "Connect Mode:", 185, 78, 114, 10},
        {1010, "STATIC", kChild | SS_LEFT | WS_GROUP, "Scan Test:", 186, 89, 166, 10},
        {1011, "BUTTON", kChild | BS_GROUPBOX, "Performance Suggest", 182, 110, 176, 80},
        {1012, "STATIC", kChild | SS_LEFT | WS_GROUP, "", 189, 123, 166, 63},
        {1013, "STATIC", kChild | SS_CENTER, "00:00", 330, 13, 24, 8},
        {1014, "STATIC", kChild | SS_LEFT | WS_GROUP, "EXE Version", 315, 51, 40, 8},
        {1015, "STATIC", kChild | SS_LEFT | WS_GROUP, "DLL Version", 315, 61, 40, 8},
        {1016, "STATIC", kChild | SS_LEFT | WS_GROUP, "VXD Version", 315, 71, 40, 8},
        {1017, "BUTTON", kPush, "Preview", 256, 195, 39, 17},
        {1018, "STATIC", kChild | SS_CENTER, "00:00", 330, 25, 24, 8},
    };
    ASSERT_EQ(t.items.size(), kExpected.size());
    for (size_t i = 0; i < kExpected.size(); ++i) {
        const Item &a = t.items[i], &e = kExpected[i];
        SCOPED_TRACE("control " + std::to_string(e.id));
        EXPECT_EQ(a.id, e.id);
        EXPECT_EQ(a.cls, e.cls);
        EXPECT_EQ(a.style, e.style);
        EXPECT_EQ(a.text, e.text);
        EXPECT_EQ(std::vector<short>({a.x, a.y, a.cx, a.cy}), std::vector<short>({e.x, e.y, e.cx, e.cy}));
    }
    ::FreeLibrary(hMod);
}

TEST(Resources, WaitDialogTemplate)
{
    HMODULE hMod = LoadTester();
    ASSERT_TRUE(hMod);
    Template t = ParseTemplate(hMod, IDD_WAIT_DIALOG);
    EXPECT_EQ(t.style, (DWORD)(WS_POPUP | WS_VISIBLE | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(std::vector<short>({t.x, t.y, t.cx, t.cy}), std::vector<short>({80, 40, 160, 50}));
    EXPECT_EQ(t.caption, "");
    EXPECT_EQ(t.font, "MS Sans Serif");
    EXPECT_EQ(t.pointSize, 8);
    ASSERT_EQ(t.items.size(), 2u);
    EXPECT_EQ(t.items[0].id, 1014);
    EXPECT_EQ(t.items[0].text, "Wait for scanning......");
    EXPECT_EQ(t.items[1].id, 1013);
    EXPECT_EQ(t.items[1].text, "300 DPI,True Color,8.5\"x11.69\"");
    for (const Item& item : t.items) {
        EXPECT_EQ(item.cls, "STATIC");
        EXPECT_EQ(item.style, kChild | SS_LEFT | WS_GROUP);
    }
    EXPECT_EQ(std::vector<short>({t.items[0].x, t.items[0].y, t.items[0].cx, t.items[0].cy}),
              std::vector<short>({5, 10, 150, 12}));
    EXPECT_EQ(std::vector<short>({t.items[1].x, t.items[1].y, t.items[1].cx, t.items[1].cy}),
              std::vector<short>({5, 26, 150, 12}));
    ::FreeLibrary(hMod);
}

TEST(Resources, StringTable)
{
    HMODULE hMod = LoadTester();
    ASSERT_TRUE(hMod);
    const char* const kStrings[] = {
        "Free memory:%dK Byte",
        "Free HD space:%ldK Byte",
        "Product ID:%d",
        "Connect Port:LPT%d",
        "Connect Mode:%s",
        "Scan Test:%s",
        "300 DPI,True Color,8.5\"*11.69\"",
        "Waitting Scaning...",
        "Scanner is not found! Please check the following: \n(1) LPT port(SPP/EPP) is enabled.\n(2) Power "
        "adapter is plugged in the scanner connector.\n(3) Parallel port cable is plugged in to the LPT port.",
        "If your computer can support EPP,set BIOS to EPP mode.",
        "Scanner Check",
        "Exit",
        "System Check",
        "Performance Suggest",
        "Preview",
        "Connect Port:USB",
        "Scanner is not found! Please check the following: \n(1) Power adaptor is plugged in the scanner "
        "connector.\n(2) USB cable is properly connected with the scanner and PC.\n(3) USB setting is enable "
        "in BIOS.",
        "Connect Port:",
    };
    char szText[1024];
    for (UINT i = 0; i < sizeof(kStrings) / sizeof(kStrings[0]); ++i) {
        int n = ::LoadStringA(hMod, 1100 + i, szText, sizeof(szText));
        EXPECT_EQ(std::string(szText, n > 0 ? n : 0), kStrings[i]) << "string " << 1100 + i;
    }
    EXPECT_EQ(::LoadStringA(hMod, 1099, szText, sizeof(szText)), 0);
    EXPECT_EQ(::LoadStringA(hMod, 1118, szText, sizeof(szText)), 0);
    ::FreeLibrary(hMod);
}

TEST(Resources, IconGroupHasA32And16PixelImageOf16Colours)
{
    HMODULE hMod = LoadTester();
    ASSERT_TRUE(hMod);
    HRSRC hRes = ::FindResourceA(hMod, MAKEINTRESOURCEA(IDR_MAINFRAME), (LPCSTR)RT_GROUP_ICON);
    ASSERT_TRUE(hRes);
#pragma pack(push, 2)
    struct GroupEntry {
        BYTE width, height, colors, reserved;
        WORD planes, bitCount;
        DWORD bytes;
        WORD id;
    };
#pragma pack(pop)
    const WORD* pDir = (const WORD*)::LockResource(::LoadResource(hMod, hRes));
    ASSERT_EQ(pDir[2], 2);
    const GroupEntry* pEntries = (const GroupEntry*)(pDir + 3);
    EXPECT_EQ(pEntries[0].width, 32);
    EXPECT_EQ(pEntries[1].width, 16);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(pEntries[i].colors, 16);
        EXPECT_EQ(pEntries[i].bitCount, 4);
    }
    ::FreeLibrary(hMod);
}

TEST(Resources, VersionBlock)
{
    char szPath[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string path(szPath, n);
    path = path.substr(0, path.find_last_of('\\') + 1) + "tester.exe";
    DWORD dummy;
    DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &dummy);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(::GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* pInfo = nullptr;
    UINT len = 0;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", (void**)&pInfo, &len));
    EXPECT_EQ(pInfo->dwFileVersionMS, MAKELONG(0, 2));
    EXPECT_EQ(pInfo->dwFileVersionLS, MAKELONG(2, 4));
    EXPECT_EQ(pInfo->dwProductVersionMS, MAKELONG(0, 2));
    EXPECT_EQ(pInfo->dwProductVersionLS, MAKELONG(2, 4));
    char* pText = nullptr;
    EXPECT_TRUE(::VerQueryValueA(block.data(), "\\StringFileInfo\\040904b0\\ProductName", (void**)&pText, &len));
    WORD* pTranslation = nullptr;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", (void**)&pTranslation, &len));
    EXPECT_EQ(pTranslation[0], 0x409);
    EXPECT_EQ(pTranslation[1], 1200);
}

} // namespace
