#include "skin/bmp_check.h"

#include <cstdlib>

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kInfoHeaderBytes = 40;
// Compressions whose pixel data size only the header's image size gives.
constexpr std::uint32_t kRle8 = 1, kRle4 = 2, kJpeg = 4, kPng = 5;

std::uint32_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return Read16(bytes, at) | Read16(bytes, at + 2) << 16;
}

}  // namespace

bool BitmapFileComplete(std::span<const std::uint8_t> file) {
  if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') return true;
  if (file.size() < kFileHeaderBytes + 4) return false;
  const std::uint64_t size = file.size();
  const std::uint32_t declaredSize = Read32(file, 2);
  const std::uint32_t pixelsAt = Read32(file, 10);
  const std::uint32_t headerBytes = Read32(file, kFileHeaderBytes);
  if (declaredSize > size || kFileHeaderBytes + std::uint64_t{headerBytes} > size) return false;

  std::uint64_t width, height, bitsPerPixel, compression = 0, imageBytes = 0;
  if (headerBytes == kCoreHeaderBytes) {
    width = Read16(file, 18);
    height = Read16(file, 20);
    bitsPerPixel = Read16(file, 24);
  } else if (headerBytes >= kInfoHeaderBytes) {
    const auto signedWidth = static_cast<std::int32_t>(Read32(file, 18));
    const auto signedHeight = static_cast<std::int32_t>(Read32(file, 22));
    if (signedWidth < 0) return false;
    width = static_cast<std::uint64_t>(signedWidth);
    height = static_cast<std::uint64_t>(std::llabs(signedHeight));  // negative: rows top-down
    bitsPerPixel = Read16(file, 28);
    compression = Read32(file, 30);
    imageBytes = Read32(file, 34);
  } else {
    return false;
  }
  if (pixelsAt > size) return false;
  const std::uint64_t room = size - pixelsAt;
  if (compression == kRle8 || compression == kRle4 || compression == kJpeg || compression == kPng)
    return imageBytes <= room;
  // Rows are padded to whole 32-bit words.
  const std::uint64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
  return rowBytes == 0 || height <= room / rowBytes;
}
