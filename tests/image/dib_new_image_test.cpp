// A new image's header, sizes, colour tables and palette, and creation by class name.
#include "dib_test_util.h"

#include <gtest/gtest.h>

TEST(DibNewImage, HeaderAndSizesFollowSizeDepthAndResolution)
{
    struct Case {
        int nWidth, nHeight, nBits, nDpi;
        int nColors, nRowBytes;
        DWORD dwSizeImage;
        LONG nPelsPerMeter;
    };
    const Case kCases[] = {
        {255, 351, 24, 300, 0, 768, 269568, 11811},
        {255, 351, 24, 50, 0, 768, 269568, 1968},
        {255, 351, 24, 1665, 0, 768, 269568, 15}, // the low 16 bits only
        {1, 1, 1, 300, 2, 4, 4, 11811},
        {255, 2, 8, 300, 256, 256, 512, 11811},
        {9, 2, 4, 300, 16, 8, 16, 11811},
        {3, 1, 32, 300, 0, 12, 12, 11811},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.nWidth << "x" << c.nHeight << "x" << c.nBits << " at " << c.nDpi);
        CDib dib(c.nWidth, c.nHeight, c.nBits, c.nDpi, FALSE);
        const BITMAPINFOHEADER& bih = dib.m_pBMI->bmiHeader;
        EXPECT_EQ(bih.biSize, 40u);
        EXPECT_EQ(bih.biWidth, c.nWidth);
        EXPECT_EQ(bih.biHeight, c.nHeight);
        EXPECT_EQ(bih.biPlanes, 1);
        EXPECT_EQ(bih.biBitCount, c.nBits);
        EXPECT_EQ(bih.biCompression, (DWORD)BI_RGB);
        EXPECT_EQ(bih.biSizeImage, c.dwSizeImage);
        EXPECT_EQ(bih.biXPelsPerMeter, c.nPelsPerMeter);
        EXPECT_EQ(bih.biYPelsPerMeter, c.nPelsPerMeter);
        EXPECT_EQ(bih.biClrUsed, (DWORD)c.nColors);
        EXPECT_EQ(bih.biClrImportant, (DWORD)c.nColors);
        EXPECT_EQ(dib.m_nColors, c.nColors);
        EXPECT_EQ(dib.m_nRowBytes, c.nRowBytes);
        EXPECT_EQ(dib.m_dwSizeImage, c.dwSizeImage);
        EXPECT_EQ((BYTE*)dib.m_pColors, (BYTE*)dib.m_pBMI + 40);
        EXPECT_EQ(dib.m_pBits, nullptr);
        EXPECT_EQ(dib.m_hPalette, nullptr);
    }
}

TEST(DibNewImage, ColourTables)
{
    auto entry = [](const CDib& dib, int i) {
        const RGBQUAD& q = dib.m_pColors[i];
        return Rgb{q.rgbRed, q.rgbGreen, q.rgbBlue};
    };
    CDib grey(4, 4, 8, 300, TRUE);
    EXPECT_EQ(entry(grey, 200), (Rgb{200, 200, 200}));
    EXPECT_EQ(entry(grey, 255), (Rgb{255, 255, 255}));

    CDib cube(4, 4, 8, 300, FALSE);
    EXPECT_EQ(entry(cube, 0x25), (Rgb{36, 36, 85}));
    EXPECT_EQ(entry(cube, 0xFF), (Rgb{255, 255, 255}));
    const int kLevels[8] = {0, 36, 73, 109, 146, 182, 219, 255};
    for (int level = 0; level < 8; ++level) {
        EXPECT_EQ(entry(cube, level << 5).r, kLevels[level]);
        EXPECT_EQ(entry(cube, level << 2).g, kLevels[level]);
    }
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(cube.m_pColors[i].rgbReserved, 0);

    CDib grey4(4, 4, 4, 300, TRUE);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(entry(grey4, i), (Rgb{i, i, i}));

    for (BOOL bGrey : {TRUE, FALSE}) {
        CDib mono(4, 4, 1, 300, bGrey);
        EXPECT_EQ(entry(mono, 0), (Rgb{0, 0, 0}));
        EXPECT_EQ(entry(mono, 1), (Rgb{255, 255, 255}));
    }
}

TEST(DibNewImage, AllocBitsGivesOneClearedBuffer)
{
    CDib dib(5, 3, 24, 300, FALSE);
    ASSERT_TRUE(dib.AllocBits());
    ASSERT_NE(dib.m_pBits, nullptr);
    for (DWORD i = 0; i < dib.m_dwSizeImage; ++i)
        ASSERT_EQ(dib.m_pBits[i], 0) << i;
    BYTE* pBits = dib.m_pBits;
    pBits[0] = 9;
    EXPECT_TRUE(dib.AllocBits());
    EXPECT_EQ(dib.m_pBits, pBits);
    EXPECT_EQ(dib.m_pBits[0], 9);
}

TEST(DibNewImage, FreeEmptiesAndCanBeRepeated)
{
    CDib dib(5, 3, 8, 300, TRUE);
    dib.AllocBits();
    dib.MakePalette();
    dib.Free();
    EXPECT_TRUE(IsEmpty(dib));
    dib.Free();
    EXPECT_TRUE(IsEmpty(dib));
}

TEST(DibNewImage, PaletteFollowsTheColourTable)
{
    CDib rgb(4, 4, 24, 300, FALSE);
    EXPECT_FALSE(rgb.MakePalette());
    EXPECT_EQ(rgb.m_hPalette, nullptr);

    CDib cube(4, 4, 8, 300, FALSE);
    ASSERT_TRUE(cube.MakePalette());
    ASSERT_NE(cube.m_hPalette, nullptr);
    WORD nEntries = 0;
    ASSERT_NE(GetObjectA(cube.m_hPalette, sizeof(nEntries), &nEntries), 0);
    EXPECT_EQ(nEntries, 256);
    PALETTEENTRY pe = {};
    ASSERT_EQ(GetPaletteEntries(cube.m_hPalette, 0x25, 1, &pe), 1u);
    EXPECT_EQ(pe.peRed, 36);
    EXPECT_EQ(pe.peGreen, 36);
    EXPECT_EQ(pe.peBlue, 85);
    EXPECT_EQ(pe.peFlags, 0);
}

TEST(DibClass, CreatableByClassName)
{
    CRuntimeClass* pClass = CRuntimeClass::FromName("CDib");
    ASSERT_NE(pClass, nullptr);
    EXPECT_EQ(pClass, RUNTIME_CLASS(CDib));
    EXPECT_EQ(pClass->m_wSchema, 0u);
    CObject* pObject = pClass->CreateObject();
    CDib* pDib = dynamic_cast<CDib*>(pObject);
    ASSERT_NE(pDib, nullptr);
    EXPECT_TRUE(IsEmpty(*pDib));
    EXPECT_EQ(pDib->GetRuntimeClass(), RUNTIME_CLASS(CDib));
    delete pObject;
}
