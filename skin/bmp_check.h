#pragma once
// Whether a picture file holds all its header promises. The system's
// decoder accepts a bitmap cut short and fills the missing rows from
// whatever memory follows, so a damaged mask would shape a window at random.
#include <cstdint>
#include <span>

// False for a Windows bitmap ("BM") whose file is shorter than its header
// says (the file size, or the pixel rows its size, depth and compression
// need), or whose header is itself cut or impossible; true for anything
// else, which is not a bitmap's business here.
bool BitmapFileComplete(std::span<const std::uint8_t> file);
