// Raising and ending the framework's exceptions; the framework's allocator.
#include "exception.h"

#include <cstdlib>

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

void AfxThrowMemoryException()
{
    static CMemoryException s_memoryException;
    throw static_cast<CException*>(&s_memoryException);
}

void AfxThrowFileException(int cause, LONG lOsError)
{
    throw static_cast<CException*>(new CFileException(cause, lOsError));
}

namespace {
size_t g_nAllocLimit = 0;
}

void AfxSetAllocLimit(size_t nBytes) { g_nAllocLimit = nBytes; }

void* AfxAllocMemory(size_t nBytes)
{
    if (g_nAllocLimit && nBytes > g_nAllocLimit)
        AfxThrowMemoryException();
    void* p = std::malloc(nBytes ? nBytes : 1);
    if (!p)
        AfxThrowMemoryException();
    return p;
}

void AfxFreeMemory(void* p) { std::free(p); }
