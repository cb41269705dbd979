// A picture file, any bytes: a Windows bitmap the check accepts holds every
// pixel row its header promises. The last byte of those rows is read, so
// the address sanitizer sees any row past the end of the file.
#include <cstdlib>

#include "fuzz_check.h"
#include "skin/bmp_check.h"

namespace {

std::uint32_t Little(const std::uint8_t* at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | at[i];
  return value;
}

// The end of the pixel rows of an uncompressed bitmap, or 0 when the header
// gives no rows to check (compressed data, unknown header).
unsigned __int128 RowsEnd(const std::uint8_t* file, std::size_t size) {
  constexpr std::uint32_t kCore = 12, kInfo = 40;
  if (size < 18) return 0;
  const std::uint32_t header = Little(file + 14, 4);
  unsigned __int128 width, height, bits;
  if (header == kCore && size >= 26) {
    width = Little(file + 18, 2);
    height = Little(file + 20, 2);
    bits = Little(file + 24, 2);
  } else if (header >= kInfo && size >= 14 + kInfo) {
    const std::uint32_t compression = Little(file + 30, 4);
    if (compression == 1 || compression == 2 || compression == 4 || compression == 5) return 0;
    width = static_cast<std::uint32_t>(std::abs(static_cast<long long>(static_cast<std::int32_t>(Little(file + 18, 4)))));
    height = static_cast<std::uint32_t>(std::abs(static_cast<long long>(static_cast<std::int32_t>(Little(file + 22, 4)))));
    bits = Little(file + 28, 2);
  } else {
    return 0;
  }
  const unsigned __int128 rowBytes = (width * bits + 31) / 32 * 4;
  return Little(file + 10, 4) + rowBytes * height;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!BitmapFileComplete({data, size}) || size < 2 || data[0] != 'B' || data[1] != 'M') return 0;
  FUZZ_CHECK(Little(data + 2, 4) <= size);
  const unsigned __int128 end = RowsEnd(data, size);
  FUZZ_CHECK(end <= size);
  if (end > 0) {
    volatile std::uint8_t last = data[static_cast<std::size_t>(end) - 1];
    (void)last;
  }
  return 0;
}
