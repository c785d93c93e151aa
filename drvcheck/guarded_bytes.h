// A block of memory between two guard areas filled with a known pattern, so that
// writes just before or past the block can be seen afterwards.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Changed guard bytes on one side of a block: nOffset is counted from the block's
// first byte (negative before it), nBytes is how many bytes of that guard changed.
struct GuardDamage {
    std::string strBlock;
    int nOffset;
    int nBytes;
};

class GuardedBytes {
public:
    static const int kGuardBytes = 64;

    GuardedBytes(std::string strName, size_t nSize);

    unsigned char* Data() { return m_bytes.data() + kGuardBytes; }
    size_t Size() const { return m_nSize; }
    const std::string& Name() const { return m_strName; }

    // Gives the block a new size; block and guards are filled with the pattern.
    void Resize(size_t nSize);
    // Fills the block itself with the pattern, so that any write into it shows.
    void FillBlock();
    bool BlockUntouched() const;
    // The damage of both guards since the last look; the guards are filled again,
    // so each write is reported once.
    std::vector<GuardDamage> TakeDamage();

private:
    std::string m_strName;
    size_t m_nSize;
    std::vector<unsigned char> m_bytes;
};
