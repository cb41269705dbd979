#include "pixels.h"

#include <fstream>

namespace {

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  return info;
}

COLORREF FromBgra(uint32_t p) {
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void Put32be(std::string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

uint32_t Crc32(const std::string& data, std::size_t from) {
  uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = from; i < data.size(); ++i) {
    crc ^= static_cast<unsigned char>(data[i]);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  return ~crc;
}

void Chunk(std::string& png, const char* type, const std::string& body) {
  Put32be(png, static_cast<uint32_t>(body.size()));
  const std::size_t start = png.size();
  png += type;
  png += body;
  Put32be(png, Crc32(png, start));
}

bool WriteFile(const std::wstring& path, const std::string& bytes) {
  std::ofstream file(path.c_str(), std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file.good();
}

}  // namespace

GdiBitmap MakePicture(int width, int height, const std::function<COLORREF(int, int)>& colour) {
  BITMAPINFO info = TopDown32(width, height);
  void* bits = nullptr;
  GdiBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colour(x, y);
      pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  return bitmap;
}

std::vector<COLORREF> ReadPixels(HBITMAP bitmap, int& width, int& height) {
  const SIZE size = BitmapSize(bitmap);
  width = size.cx;
  height = size.cy;
  std::vector<uint32_t> raw(static_cast<std::size_t>(width) * height);
  BITMAPINFO info = TopDown32(width, height);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, height, raw.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  std::vector<COLORREF> out(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) out[i] = FromBgra(raw[i]);
  return out;
}

std::vector<COLORREF> CaptureClient(HWND window, int& width, int& height) {
  RECT client;
  GetClientRect(window, &client);
  WindowDc dc(window);
  MemoryDc memory(dc.Get());
  GdiBitmap copy(CreateCompatibleBitmap(dc.Get(), client.right, client.bottom));
  {
    SelectScope select(memory.Get(), copy.Get());
    BitBlt(memory.Get(), 0, 0, client.right, client.bottom, dc.Get(), 0, 0, SRCCOPY);
  }
  return ReadPixels(copy.Get(), width, height);
}

bool WriteBmp(const std::wstring& path, const std::vector<COLORREF>& pixels, int width, int height) {
  const int stride = (width * 3 + 3) & ~3;
  std::string bytes(54 + static_cast<std::size_t>(stride) * height, '\0');
  auto put16 = [&](std::size_t at, uint16_t v) { bytes[at] = char(v & 0xFF), bytes[at + 1] = char(v >> 8); };
  auto put32 = [&](std::size_t at, uint32_t v) { put16(at, v & 0xFFFF), put16(at + 2, v >> 16); };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, static_cast<uint32_t>(bytes.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, width);
  put32(22, height);
  put16(26, 1);
  put16(28, 24);
  for (int y = 0; y < height; ++y) {
    char* row = &bytes[54 + static_cast<std::size_t>(height - 1 - y) * stride];
    for (int x = 0; x < width; ++x) {
      const COLORREF c = pixels[y * width + x];
      row[x * 3] = static_cast<char>(GetBValue(c));
      row[x * 3 + 1] = static_cast<char>(GetGValue(c));
      row[x * 3 + 2] = static_cast<char>(GetRValue(c));
    }
  }
  return WriteFile(path, bytes);
}

bool WritePng(const std::wstring& path, const std::vector<COLORREF>& pixels, int width, int height) {
  std::string raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back('\0');  // no filter
    for (int x = 0; x < width; ++x) {
      const COLORREF c = pixels[y * width + x];
      raw.push_back(static_cast<char>(GetRValue(c)));
      raw.push_back(static_cast<char>(GetGValue(c)));
      raw.push_back(static_cast<char>(GetBValue(c)));
    }
  }
  // zlib stream of stored blocks, then the Adler-32 of the raw data.
  std::string z = "\x78\x01";
  for (std::size_t at = 0; at < raw.size(); at += 65535) {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
    z.push_back(at + n == raw.size() ? 1 : 0);
    z.push_back(static_cast<char>(n & 0xFF));
    z.push_back(static_cast<char>(n >> 8));
    z.push_back(static_cast<char>(~n & 0xFF));
    z.push_back(static_cast<char>((~n >> 8) & 0xFF));
    z.append(raw, at, n);
  }
  uint32_t a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  Put32be(z, (b << 16) | a);

  std::string png = "\x89PNG\r\n\x1a\n";
  std::string header;
  Put32be(header, width);
  Put32be(header, height);
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", z);
  Chunk(png, "IEND", "");
  return WriteFile(path, png);
}
