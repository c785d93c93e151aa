// The static line buffer and its larger stand-in for wide lines.
#include "line_buffer.h"

#include "exception.h"

unsigned char g_lineBuffer[kLineBufferSize];

namespace {
unsigned char* g_pWideLineBuffer = nullptr;
size_t g_nWideLineBufferSize = 0;
} // namespace

unsigned char* LineBufferFor(size_t nBytes)
{
    if (nBytes <= kLineBufferSize)
        return g_lineBuffer;
    if (nBytes > g_nWideLineBufferSize) {
        AfxFreeMemory(g_pWideLineBuffer);
        g_pWideLineBuffer = nullptr;
        g_nWideLineBufferSize = 0;
        g_pWideLineBuffer = static_cast<unsigned char*>(AfxAllocMemory(nBytes));
        g_nWideLineBufferSize = nBytes;
    }
    return g_pWideLineBuffer;
}
