// The framework's exceptions: thrown as pointers, caught as CException*, ended
// with Delete(). A memory exception is a shared object, so it can be raised when
// no memory is left to make one.
#pragma once
#include "object.h"

#include <cstddef>

class CException : public CObject {
public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    void Delete();
    virtual const char* GetErrorText() const { return "exception"; }

protected:
    BOOL m_bAutoDelete;
};

class CMemoryException : public CException {
public:
    CMemoryException() : CException(FALSE) {}
    const char* GetErrorText() const override { return "out of memory"; }
};

class CFileException : public CException {
public:
    enum { none, genericException, fileNotFound, accessDenied, endOfFile, diskFull, badSeek };
    explicit CFileException(int cause = none, LONG lOsError = -1)
        : m_cause(cause), m_lOsError(lOsError) {}
    const char* GetErrorText() const override { return "file error"; }

    int m_cause;
    LONG m_lOsError;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1);

// Allocation as the framework does it: a failure raises the memory exception
// instead of returning null. Blocks come from malloc and go back with AfxFreeMemory.
void* AfxAllocMemory(size_t nBytes);
void AfxFreeMemory(void* p);
// For tests: blocks larger than nBytes fail as if memory had run out; 0 lifts the limit.
void AfxSetAllocLimit(size_t nBytes);
