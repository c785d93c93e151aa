// The archive's buffering must leave the file where the archive's reader or writer
// has got to once it is flushed: the bitmap class reads and writes the file itself.
#include "file.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Archive, FlushWhileLoadingGivesBackWhatWasReadAhead)
{
    BYTE data[1000];
    for (int i = 0; i < 1000; ++i)
        data[i] = (BYTE)i;
    CMemFile file(data, sizeof(data));
    CArchive ar(&file, CArchive::load, 256);
    BYTE head[10];
    ASSERT_EQ(ar.Read(head, 10), 10u);
    EXPECT_GT(file.GetPosition(), 10u); // the archive read ahead
    ar.Flush();
    EXPECT_EQ(file.GetPosition(), 10u);
    BYTE next;
    ASSERT_EQ(file.Read(&next, 1), 1u);
    EXPECT_EQ(next, 10);
}

TEST(Archive, FlushWhileStoringWritesTheBuffer)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, 256);
        ar.Write("abc", 3);
        EXPECT_TRUE(ar.IsStoring());
        EXPECT_EQ(file.Data().size(), 0u);
        ar.Flush();
        EXPECT_EQ(file.Data().size(), 3u);
        ar.Write("defg", 4);
    } // closing writes the rest
    ASSERT_EQ(file.Data().size(), 7u);
    EXPECT_EQ(std::memcmp(file.Data().data(), "abcdefg", 7), 0);
}

TEST(Archive, ReadsLargerThanTheBufferAndShortReadsAtTheEnd)
{
    std::vector<BYTE> data(5000);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = (BYTE)(i * 7);
    CMemFile file(data.data(), data.size());
    CArchive ar(&file, CArchive::load, 256);
    std::vector<BYTE> out(6000);
    EXPECT_EQ(ar.Read(out.data(), 3), 3u);
    EXPECT_EQ(ar.Read(out.data() + 3, 6000), 4997u);
    out.resize(5000);
    EXPECT_EQ(out, data);
}

TEST(File, ThrowingFileRaisesTheFrameworkException)
{
    CFile file; // never opened
    char buf[4];
    bool bCaught = false;
    try {
        file.Read(buf, 4);
    } catch (CException* e) {
        bCaught = dynamic_cast<CFileException*>(e) != nullptr;
        e->Delete();
    }
    EXPECT_TRUE(bCaught);
}
