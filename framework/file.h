// Files and archives, free of window code so the bitmap class builds natively too.
#pragma once
#include "exception.h"

#include <cstdio>
#include <vector>

class CFile : public CObject {
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        modeCreate = 0x1000,
        typeBinary = 0x8000,
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    CFile(const char* lpszFileName, UINT nOpenFlags); // throws CFileException* on failure
    ~CFile() override;

    virtual BOOL Open(const char* lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // Returns the bytes read, fewer at the end of the file; throws on an I/O error.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    virtual ULONGLONG GetPosition() const;
    virtual void Flush();
    virtual void Close();

private:
    std::FILE* m_pStream = nullptr;
};

// A file in memory: reads from a copy of the bytes it is given, writes grow it.
class CMemFile : public CFile {
public:
    CMemFile() = default;
    CMemFile(const BYTE* pData, size_t nSize) : m_data(pData, pData + nSize) {}

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override { return m_nPos; }
    void Flush() override {}
    void Close() override {}

    const std::vector<BYTE>& Data() const { return m_data; }

private:
    std::vector<BYTE> m_data;
    size_t m_nPos = 0;
};

// A buffered stream over a CFile, either storing or loading.
class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsStoring() const { return !(m_nMode & load); }
    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    CFile* GetFile() const { return m_pFile; }

    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    // Makes the file's position agree with the archive: writes out what is
    // buffered, or gives back what was read ahead.
    void Flush();
    void Close();

private:
    CFile* m_pFile;
    UINT m_nMode;
    std::vector<BYTE> m_buf;
    size_t m_nCur = 0; // loading: next unread byte; storing: bytes buffered
    size_t m_nMax = 0; // loading: bytes in the buffer
    BOOL m_bClosed = FALSE;
};
