// Guard areas: a position-dependent pattern, so a library that copies or shifts
// bytes does not happen to restore it.
#include "guarded_bytes.h"

namespace {
unsigned char PatternByte(size_t i) { return (unsigned char)(0xA7 ^ (i * 29)); }

void Fill(std::vector<unsigned char>& bytes, size_t nFrom, size_t nTo)
{
    for (size_t i = nFrom; i < nTo; ++i)
        bytes[i] = PatternByte(i);
}

// Looks at bytes[nFrom, nTo), reports them relative to nOrigin and fills them again.
void TakeGuard(std::vector<unsigned char>& bytes, size_t nFrom, size_t nTo, size_t nOrigin, const std::string& strName,
               std::vector<GuardDamage>* pDamage)
{
    int nFirst = 0;
    int nChanged = 0;
    for (size_t i = nFrom; i < nTo; ++i) {
        if (bytes[i] == PatternByte(i))
            continue;
        if (nChanged++ == 0)
            nFirst = (int)i - (int)nOrigin;
    }
    if (nChanged > 0) {
        pDamage->push_back({strName, nFirst, nChanged});
        Fill(bytes, nFrom, nTo);
    }
}
} // namespace

GuardedBytes::GuardedBytes(std::string strName, size_t nSize) : m_strName(std::move(strName)), m_nSize(0)
{
    Resize(nSize);
}

void GuardedBytes::Resize(size_t nSize)
{
    m_nSize = nSize;
    m_bytes.assign(nSize + 2 * kGuardBytes, 0);
    Fill(m_bytes, 0, m_bytes.size());
}

void GuardedBytes::FillBlock() { Fill(m_bytes, kGuardBytes, kGuardBytes + m_nSize); }

bool GuardedBytes::BlockUntouched() const
{
    for (size_t i = kGuardBytes; i < kGuardBytes + m_nSize; ++i)
        if (m_bytes[i] != PatternByte(i))
            return false;
    return true;
}

std::vector<GuardDamage> GuardedBytes::TakeDamage()
{
    std::vector<GuardDamage> damage;
    TakeGuard(m_bytes, 0, kGuardBytes, kGuardBytes, m_strName, &damage);
    TakeGuard(m_bytes, kGuardBytes + m_nSize, m_bytes.size(), kGuardBytes, m_strName, &damage);
    return damage;
}
