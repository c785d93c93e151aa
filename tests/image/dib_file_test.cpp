// Bitmap files: what the class writes reads back the same, files of other tools read
// correctly, and I/O failures are reported.
#include "dib_test_util.h"
#include "message_capture.h"

#include <gtest/gtest.h>

#include <string>

namespace {
void ExpectSameImage(const CDib& a, const CDib& b)
{
    ASSERT_NE(b.m_pBMI, nullptr);
    EXPECT_EQ(std::memcmp(&a.m_pBMI->bmiHeader, &b.m_pBMI->bmiHeader, 40), 0);
    EXPECT_EQ(b.m_nColors, a.m_nColors);
    EXPECT_EQ(std::memcmp(a.m_pColors, b.m_pColors, 4 * (size_t)a.m_nColors), 0);
    ASSERT_EQ(b.m_dwSizeImage, a.m_dwSizeImage);
    EXPECT_EQ(b.m_nRowBytes, a.m_nRowBytes);
    EXPECT_EQ(std::memcmp(a.m_pBits, b.m_pBits, a.m_dwSizeImage), 0);
}

BOOL ReadFrom(CDib& dib, const std::vector<BYTE>& data)
{
    CMemFile file(data.data(), data.size());
    return dib.Read(&file);
}
} // namespace

TEST(DibFile, WriteThenReadGivesTheSameImage)
{
    struct Case {
        int nWidth, nHeight, nBits;
        BOOL bGrey;
    };
    const Case kCases[] = {{5, 3, 24, FALSE}, {7, 3, 8, TRUE}, {6, 2, 8, FALSE}, {10, 3, 1, FALSE}, {3, 2, 4, TRUE}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.nWidth << "x" << c.nHeight << "x" << c.nBits);
        MessageCapture messages;
        CDib dib(c.nWidth, c.nHeight, c.nBits, 300, c.bGrey);
        FillPattern(dib);
        std::vector<BYTE> data = WrittenFile(dib);

        DWORD dwOffBits = 54 + 4 * (DWORD)dib.m_nColors;
        ASSERT_EQ(data.size(), dwOffBits + dib.m_dwSizeImage);
        EXPECT_EQ(data[0], 'B');
        EXPECT_EQ(data[1], 'M');
        EXPECT_EQ(GetLE32(data, 2), dwOffBits + dib.m_dwSizeImage);
        EXPECT_EQ(GetLE32(data, 6), 0u); // both reserved words
        EXPECT_EQ(GetLE32(data, 10), dwOffBits);

        CDib back;
        ASSERT_TRUE(ReadFrom(back, data));
        ExpectSameImage(dib, back);
        EXPECT_EQ(back.m_hPalette != nullptr, dib.m_nColors != 0);
        EXPECT_TRUE(messages.Messages().empty());
    }
}

TEST(DibFile, SerializeStoresAndLoadsThroughAnArchive)
{
    CDib dib(5, 4, 8, 50, FALSE);
    FillPattern(dib);
    CMemFile file;
    file.Write("xy", 2); // the archive's file need not start at its beginning
    {
        CArchive ar(&file, CArchive::store);
        ar.Write("head", 4);
        dib.Serialize(ar);
    }
    file.Seek(2, CFile::begin);
    CArchive ar(&file, CArchive::load);
    char head[4];
    ASSERT_EQ(ar.Read(head, 4), 4u);
    CObject* pObject = CRuntimeClass::FromName("CDib")->CreateObject();
    pObject->Serialize(ar);
    ExpectSameImage(dib, *static_cast<CDib*>(pObject));
    delete pObject;
}

// Files written by common image tools, all showing the same known picture (see fixtures/make_fixtures.py).
TEST(DibFile, ReadsFilesOfOtherTools)
{
    auto pattern = [](int x, int y) { return Rgb{40 * x + 10, 100 * y + 20, 200 - 30 * x - 20 * y}; };
    auto checkerboard = [](int x, int y) { return (x + y) % 2 ? Rgb{255, 255, 255} : Rgb{0, 0, 0}; };
    struct Case {
        const char* pszFile;
        int nWidth, nHeight, nBits, nColors;
        bool bCheckerboard;
    };
    const Case kCases[] = {
        {"pillow_24bit.bmp", 5, 3, 24, 0, false},
        {"topdown_24bit.bmp", 5, 3, 24, 0, false},
        {"magick_v5_24bit.bmp", 5, 3, 24, 0, false},
        {"magick_v5_32bit_alpha.bmp", 5, 3, 32, 0, false},
        {"pillow_8bit_palette.bmp", 5, 3, 8, 15, false},
        {"pillow_1bit.bmp", 10, 3, 1, 2, true},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.pszFile);
        MessageCapture messages;
        CFile file((std::string(FIXTURE_DIR) + "/" + c.pszFile).c_str(), CFile::modeRead | CFile::typeBinary);
        CDib dib;
        ASSERT_TRUE(dib.Read(&file));
        EXPECT_TRUE(messages.Messages().empty());
        const BITMAPINFOHEADER& bih = dib.m_pBMI->bmiHeader;
        EXPECT_EQ(bih.biSize, 40u);
        EXPECT_EQ(bih.biWidth, c.nWidth);
        EXPECT_EQ(bih.biHeight, c.nHeight); // bottom-up in memory, whatever the file
        EXPECT_EQ(bih.biBitCount, c.nBits);
        EXPECT_EQ(bih.biCompression, (DWORD)BI_RGB);
        EXPECT_EQ(dib.m_nColors, c.nColors);
        EXPECT_EQ(dib.m_hPalette != nullptr, c.nColors != 0);
        for (int y = 0; y < c.nHeight; ++y)
            for (int x = 0; x < c.nWidth; ++x)
                ASSERT_EQ(PixelAt(dib, x, y), c.bCheckerboard ? checkerboard(x, y) : pattern(x, y))
                    << "pixel " << x << "," << y;

        // Written back, it is a plain file that reads the same.
        CDib back;
        ASSERT_TRUE(ReadFrom(back, WrittenFile(dib)));
        ExpectSameImage(dib, back);
    }
}

TEST(DibFile, PaletteHasTheFilesColourCount)
{
    CDib dib(4, 2, 8, 300, TRUE);
    FillPattern(dib);
    std::vector<BYTE> data = WrittenFile(dib);
    // 20 colours in use: the table shrinks to 20 entries and the pixels follow.
    PutLE32(data, 46, 20);
    data.erase(data.begin() + 54 + 4 * 20, data.begin() + 54 + 4 * 256);
    PutLE32(data, 10, 54 + 4 * 20);
    CDib back;
    ASSERT_TRUE(ReadFrom(back, data));
    EXPECT_EQ(back.m_nColors, 20);
    WORD nEntries = 0;
    ASSERT_NE(GetObjectA(back.m_hPalette, sizeof(nEntries), &nEntries), 0);
    EXPECT_EQ(nEntries, 20);
}

TEST(DibFile, GapBeforeThePixelsAndBytesAfterThemAreAccepted)
{
    CDib dib(5, 3, 24, 300, FALSE);
    FillPattern(dib);
    std::vector<BYTE> data = WrittenFile(dib);
    data.insert(data.begin() + 54, 6, 0xEE);
    PutLE32(data, 10, 60);
    data.insert(data.end(), 9, 0xDD);
    CDib back;
    ASSERT_TRUE(ReadFrom(back, data));
    ExpectSameImage(dib, back);
}

namespace {
// A memory file whose n-th read or write (counted from 1) raises the framework's file exception.
class FailingFile : public CMemFile {
public:
    FailingFile(const std::vector<BYTE>& data, int nFailingRead, int nFailingWrite)
        : CMemFile(data.data(), data.size()), m_nFailingRead(nFailingRead), m_nFailingWrite(nFailingWrite)
    {
    }
    UINT Read(void* lpBuf, UINT nCount) override
    {
        if (--m_nFailingRead == 0)
            AfxThrowFileException(CFileException::genericException);
        return CMemFile::Read(lpBuf, nCount);
    }
    void Write(const void* lpBuf, UINT nCount) override
    {
        if (--m_nFailingWrite == 0)
            AfxThrowFileException(CFileException::diskFull);
        CMemFile::Write(lpBuf, nCount);
    }

private:
    int m_nFailingRead, m_nFailingWrite;
};
} // namespace

TEST(DibFile, ReadFailureIsReportedAndLeavesNothing)
{
    CDib source(5, 3, 8, 300, TRUE);
    FillPattern(source);
    std::vector<BYTE> data = WrittenFile(source);
    for (int nFailingRead : {1, 2, 3}) { // file header, information block, pixels
        SCOPED_TRACE(nFailingRead);
        MessageCapture messages;
        FailingFile file(data, nFailingRead, 0);
        CDib dib(2, 2, 24, 300, FALSE);
        dib.AllocBits();
        EXPECT_FALSE(dib.Read(&file));
        EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Read error 1"});
        EXPECT_TRUE(IsEmpty(dib));
    }
}

TEST(DibFile, WriteFailureIsReported)
{
    CDib dib(5, 3, 8, 300, TRUE);
    FillPattern(dib);
    for (int nFailingWrite : {1, 3}) { // file header, pixels
        SCOPED_TRACE(nFailingWrite);
        MessageCapture messages;
        FailingFile file({}, 0, nFailingWrite);
        EXPECT_FALSE(dib.Write(&file));
        EXPECT_EQ(messages.Messages(), std::vector<std::string>{"write error"});
        // What was written before the failure stays; the pixels never follow the headers.
        EXPECT_EQ(file.Data().size(), nFailingWrite == 1 ? 0u : 54u + 4 * 256);
    }
}

TEST(DibFile, ImageWithoutPixelsIsNotWritten)
{
    MessageCapture messages;
    CMemFile file;
    CDib empty;
    EXPECT_FALSE(empty.Write(&file));
    CDib described(5, 3, 24, 300, FALSE);
    EXPECT_FALSE(described.Write(&file));
    EXPECT_EQ(messages.Messages(), (std::vector<std::string>{"write error", "write error"}));
    EXPECT_TRUE(file.Data().empty());
}
