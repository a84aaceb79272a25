#pragma once
// What SDL's WAVE reader trusts in a file, checked against the bytes present before the
// file is handed to it. It walks the chunks up to the format (passing "fact" and "LIST")
// and on to "data", allocating each chunk's claimed length before reading it; reads 16
// bytes of the format, more for ADPCM; and decodes ADPCM blocks by the format's layout,
// looking up tables with bytes of each block's header.

#include <cstddef>
#include <cstdint>

namespace platform {

bool WavLayoutFits(const uint8_t* file, size_t size);

} // namespace platform
