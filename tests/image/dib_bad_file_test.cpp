// Malformed bitmap files are refused with a message and leave the object empty.
#include "dib_test_util.h"
#include "message_capture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {
// Offsets in a file with a 40-byte header.
const size_t kOffBits = 10, kInfoSize = 14, kWidth = 18, kHeight = 22, kBitCount = 28, kCompression = 30,
             kClrUsed = 46;

// A valid 8-bit grey file of 4 x 2 pixels: 54 header bytes, 1024 of colour table, 8 of pixels.
std::vector<BYTE> ValidFile()
{
    CDib dib(4, 2, 8, 300, TRUE);
    FillPattern(dib);
    return WrittenFile(dib);
}
} // namespace

TEST(DibBadFile, IsRefusedAndLeavesTheObjectEmpty)
{
    using Edit = std::function<void(std::vector<BYTE>&)>;
    struct Case {
        const char* pszName;
        Edit edit;
        const char* pszMessage;
    };
    const char* const kInvalid = "Invalid bitmap file";
    const Case kCases[] = {
        {"empty file", [](std::vector<BYTE>& d) { d.clear(); }, "read error 1"},
        {"ten bytes", [](std::vector<BYTE>& d) { d.resize(10); }, "read error 1"},
        {"no BM mark", [](std::vector<BYTE>& d) { d[0] = 'X'; }, kInvalid},
        {"pixels cut short", [](std::vector<BYTE>& d) { d.pop_back(); }, kInvalid},
        {"file header only", [](std::vector<BYTE>& d) { d.resize(14); }, kInvalid},
        {"information block under 40 bytes", [](std::vector<BYTE>& d) { PutLE32(d, kOffBits, 14 + 39); }, kInvalid},
        {"information block beyond the file", [](std::vector<BYTE>& d) { PutLE32(d, kOffBits, (DWORD)d.size() + 1); }, kInvalid},
        {"pixel offset near 4 GB", [](std::vector<BYTE>& d) { PutLE32(d, kOffBits, 0xFFFFFFF0); }, kInvalid},
        {"core header", [](std::vector<BYTE>& d) { PutLE32(d, kInfoSize, 12); }, kInvalid},
        {"unknown header size", [](std::vector<BYTE>& d) { PutLE32(d, kInfoSize, 64); }, kInvalid},
        {"header larger than its block", [](std::vector<BYTE>& d) { PutLE32(d, kInfoSize, 124); PutLE32(d, kOffBits, 14 + 100); }, kInvalid},
        {"colour table beyond its block", [](std::vector<BYTE>& d) { PutLE32(d, kOffBits, 54 + 4 * 255); }, kInvalid},
        {"more colours than the depth holds", [](std::vector<BYTE>& d) { PutLE32(d, kClrUsed, 257); }, kInvalid},
        {"colour count near 4 GB", [](std::vector<BYTE>& d) { PutLE32(d, kClrUsed, 0x40000001); }, kInvalid},
        {"width 0", [](std::vector<BYTE>& d) { PutLE32(d, kWidth, 0); }, kInvalid},
        {"negative width", [](std::vector<BYTE>& d) { PutLE32(d, kWidth, (DWORD)-4); }, kInvalid},
        {"absurd width", [](std::vector<BYTE>& d) { PutLE32(d, kWidth, 0x7FFFFFFF); }, kInvalid},
        {"height 0", [](std::vector<BYTE>& d) { PutLE32(d, kHeight, 0); }, kInvalid},
        {"absurd height", [](std::vector<BYTE>& d) { PutLE32(d, kHeight, 0x80000000); }, kInvalid},
        {"size beyond 32 bits", [](std::vector<BYTE>& d) { PutLE32(d, kWidth, 0xFFFF); PutLE32(d, kHeight, 0xFFFF); PutLE16(d, kBitCount, 32); PutLE32(d, kClrUsed, 1); }, kInvalid},
        {"size beyond the file", [](std::vector<BYTE>& d) { PutLE32(d, kHeight, 3); }, kInvalid},
        {"depth 0", [](std::vector<BYTE>& d) { PutLE16(d, kBitCount, 0); }, kInvalid},
        {"depth 2", [](std::vector<BYTE>& d) { PutLE16(d, kBitCount, 2); }, kInvalid},
        {"depth 64", [](std::vector<BYTE>& d) { PutLE16(d, kBitCount, 64); }, kInvalid},
        {"run-length compressed", [](std::vector<BYTE>& d) { PutLE32(d, kCompression, 1); }, kInvalid},
        {"bit fields on 8 bits", [](std::vector<BYTE>& d) { PutLE32(d, kCompression, 3); }, kInvalid},
        {"PNG inside", [](std::vector<BYTE>& d) { PutLE32(d, kCompression, 5); }, kInvalid},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.pszName);
        std::vector<BYTE> data = ValidFile();
        c.edit(data);
        MessageCapture messages;
        CMemFile file(data.data(), data.size());
        CDib dib(3, 3, 8, 300, FALSE); // held an image before
        dib.AllocBits();
        EXPECT_FALSE(dib.Read(&file));
        EXPECT_EQ(messages.Messages(), std::vector<std::string>{c.pszMessage});
        EXPECT_TRUE(IsEmpty(dib));
    }
}

TEST(DibBadFile, BitFieldsOtherThanPlainRgbAreRefused)
{
    // 32 bits with masks after a 40-byte header: the plain layout is taken, any other is not.
    CDib dib(2, 2, 32, 300, FALSE);
    FillPattern(dib);
    std::vector<BYTE> plain = WrittenFile(dib);
    PutLE32(plain, kCompression, 3);
    const DWORD kMasks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
    plain.insert(plain.begin() + 54, (const BYTE*)kMasks, (const BYTE*)kMasks + 12);
    PutLE32(plain, kOffBits, 66);
    std::vector<BYTE> swapped = plain;
    PutLE32(swapped, 54, 0x000000FF);
    PutLE32(swapped, 62, 0x00FF0000);

    MessageCapture messages;
    CDib back;
    CMemFile plainFile(plain.data(), plain.size());
    ASSERT_TRUE(back.Read(&plainFile));
    EXPECT_EQ(back.m_pBMI->bmiHeader.biCompression, (DWORD)BI_RGB);
    EXPECT_EQ(std::memcmp(back.m_pBits, dib.m_pBits, dib.m_dwSizeImage), 0);
    CMemFile swappedFile(swapped.data(), swapped.size());
    EXPECT_FALSE(back.Read(&swappedFile));
    EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Invalid bitmap file"});
}
