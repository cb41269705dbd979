#include "image_files.h"

#include <cstdio>
#include <cstdint>
#include <fstream>
#include <memory>
#include <vector>

#include <jpeglib.h>

bool WriteJpeg(const Canvas& canvas, const std::string& path, int quality) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) return false;
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file.get());
  info.image_width = static_cast<JDIMENSION>(canvas.Width());
  info.image_height = static_cast<JDIMENSION>(canvas.Height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(canvas.Width()) * 3);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < canvas.Width(); ++x) {
      const Rgb p = canvas.At(x, y);
      row[x * 3] = p.r;
      row[x * 3 + 1] = p.g;
      row[x * 3 + 2] = p.b;
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::ferror(file.get()) == 0;
}

bool WriteMaskBmp(const Canvas& canvas, const std::string& path) {
  const int width = canvas.Width(), height = canvas.Height();
  const int stride = ((width + 31) / 32) * 4;
  constexpr std::size_t kHeader = 14 + 40 + 8;
  std::vector<uint8_t> bytes(kHeader + static_cast<std::size_t>(stride) * height, 0);
  auto put = [&](std::size_t at, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put(2, static_cast<uint32_t>(bytes.size()), 4);
  put(10, kHeader, 4);
  put(14, 40, 4);
  put(18, static_cast<uint32_t>(width), 4);
  put(22, static_cast<uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, 1, 2);
  put(34, static_cast<uint32_t>(stride * height), 4);
  put(46, 2, 4);
  // Palette: 0 black (inside), 1 white (cut away).
  put(54, 0x000000, 4);
  put(58, 0xFFFFFF, 4);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = &bytes[kHeader + static_cast<std::size_t>(height - 1 - y) * stride];
    for (int x = 0; x < width; ++x) {
      if (canvas.At(x, y) == Rgb{255, 255, 255}) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return file.good();
}

bool WriteBmp(const Canvas& canvas, const std::string& path) {
  const int width = canvas.Width(), height = canvas.Height();
  const int stride = (width * 3 + 3) & ~3;
  std::vector<uint8_t> bytes(54 + static_cast<std::size_t>(stride) * height, 0);
  auto put = [&](std::size_t at, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put(2, static_cast<uint32_t>(bytes.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<uint32_t>(width), 4);
  put(22, static_cast<uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  put(34, static_cast<uint32_t>(stride * height), 4);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = &bytes[54 + static_cast<std::size_t>(height - 1 - y) * stride];
    for (int x = 0; x < width; ++x) {
      const Rgb p = canvas.At(x, y);
      row[x * 3] = p.b;
      row[x * 3 + 1] = p.g;
      row[x * 3 + 2] = p.r;
    }
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return file.good();
}
