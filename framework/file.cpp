// CFile over the C library's streams, CMemFile, and CArchive's buffering.
#include "file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

CFile::CFile(const char* lpszFileName, UINT nOpenFlags)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError);
}

CFile::~CFile()
{
    if (m_pStream)
        std::fclose(m_pStream);
}

BOOL CFile::Open(const char* lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    Close();
    const char* mode = "rb";
    if (nOpenFlags & modeCreate)
        mode = (nOpenFlags & modeReadWrite) ? "w+b" : "wb";
    else if (nOpenFlags & (modeWrite | modeReadWrite))
        mode = "r+b";
    m_pStream = std::fopen(lpszFileName, mode);
    if (!m_pStream && pError) {
        pError->m_cause = errno == ENOENT ? CFileException::fileNotFound : CFileException::genericException;
        pError->m_lOsError = errno;
    }
    return m_pStream != nullptr;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (!m_pStream)
        AfxThrowFileException(CFileException::genericException);
    size_t n = std::fread(lpBuf, 1, nCount, m_pStream);
    if (n < nCount && std::ferror(m_pStream))
        AfxThrowFileException(CFileException::genericException, errno);
    return (UINT)n;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (!m_pStream || std::fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        AfxThrowFileException(CFileException::diskFull, errno);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    int whence = nFrom == begin ? SEEK_SET : nFrom == current ? SEEK_CUR : SEEK_END;
    if (!m_pStream || std::fseek(m_pStream, (long)lOff, whence) != 0)
        AfxThrowFileException(CFileException::badSeek, errno);
    return GetPosition();
}

ULONGLONG CFile::GetPosition() const
{
    long pos = m_pStream ? std::ftell(m_pStream) : -1;
    if (pos < 0)
        AfxThrowFileException(CFileException::genericException, errno);
    return (ULONGLONG)pos;
}

void CFile::Flush()
{
    if (m_pStream && std::fflush(m_pStream) != 0)
        AfxThrowFileException(CFileException::diskFull, errno);
}

void CFile::Close()
{
    if (m_pStream) {
        std::FILE* p = m_pStream;
        m_pStream = nullptr;
        if (std::fclose(p) != 0)
            AfxThrowFileException(CFileException::diskFull, errno);
    }
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    size_t n = m_nPos < m_data.size() ? std::min<size_t>(nCount, m_data.size() - m_nPos) : 0;
    if (n)
        std::memcpy(lpBuf, m_data.data() + m_nPos, n);
    m_nPos += n;
    return (UINT)n;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (m_nPos + nCount > m_data.size())
        m_data.resize(m_nPos + nCount);
    if (nCount)
        std::memcpy(m_data.data() + m_nPos, lpBuf, nCount);
    m_nPos += nCount;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG base = nFrom == begin ? 0 : nFrom == current ? (LONGLONG)m_nPos : (LONGLONG)m_data.size();
    if (base + lOff < 0)
        AfxThrowFileException(CFileException::badSeek);
    m_nPos = (size_t)(base + lOff);
    return m_nPos;
}

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize)
    : m_pFile(pFile), m_nMode(nMode), m_buf((size_t)std::max(nBufSize, 128))
{
}

CArchive::~CArchive()
{
    if (!m_bClosed) {
        try {
            Close();
        } catch (CException* e) {
            e->Delete(); // a destructor must not throw; Close() reports to callers who ask
        }
    }
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    BYTE* pOut = static_cast<BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nMax) {
        if (m_nCur == m_nMax) {
            // Large reads go straight to the file instead of through the buffer.
            if (nMax - nDone >= m_buf.size())
                return nDone + m_pFile->Read(pOut + nDone, nMax - nDone);
            m_nMax = m_pFile->Read(m_buf.data(), (UINT)m_buf.size());
            m_nCur = 0;
            if (m_nMax == 0)
                break;
        }
        size_t n = std::min<size_t>(nMax - nDone, m_nMax - m_nCur);
        std::memcpy(pOut + nDone, m_buf.data() + m_nCur, n);
        m_nCur += n;
        nDone += (UINT)n;
    }
    return nDone;
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    const BYTE* pIn = static_cast<const BYTE*>(lpBuf);
    if (m_nCur + nMax > m_buf.size()) {
        Flush();
        if (nMax >= m_buf.size()) {
            m_pFile->Write(pIn, nMax);
            return;
        }
    }
    std::memcpy(m_buf.data() + m_nCur, pIn, nMax);
    m_nCur += nMax;
}

void CArchive::Flush()
{
    if (IsStoring()) {
        if (m_nCur) {
            size_t n = m_nCur;
            m_nCur = 0;
            m_pFile->Write(m_buf.data(), (UINT)n);
        }
    } else if (m_nCur < m_nMax) {
        m_pFile->Seek(-(LONGLONG)(m_nMax - m_nCur), CFile::current);
        m_nCur = m_nMax = 0;
    } else {
        m_nCur = m_nMax = 0;
    }
}

void CArchive::Close()
{
    m_bClosed = TRUE;
    Flush();
}
