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

void* AfxAllocMemory(size_t nBytes)
{
    void* p = std::malloc(nBytes ? nBytes : 1);
    if (!p)
        AfxThrowMemoryException();
    return p;
}

void AfxFreeMemory(void* p) { std::free(p); }
