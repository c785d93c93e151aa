// The buffer that receives each scanned line.
#pragma once
#include <cstddef>

const size_t kLineBufferSize = 15304; // 5,101 pixels of three bytes

// A buffer of at least nBytes for the lines of one run: the static one when the line
// fits it (every page up to 600 dpi), otherwise one sized for the run, so a wider
// line is still scanned rather than refused, and never written past. Allocated once
// per run at most, never per line; raises the framework's memory exception when
// no memory is left.
unsigned char* LineBufferFor(size_t nBytes);
