#include "framework/gdi.h"

#include <utility>

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

GdiBitmap CreateCanvasBitmap(int width, int height) {
  std::uint32_t* pixels = nullptr;
  return CreateCanvasBitmap(width, height, pixels);
}

GdiBitmap CreateCanvasBitmap(int width, int height, std::uint32_t*& pixels) {
  pixels = nullptr;
  if (width <= 0 || height <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  GdiBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap) pixels = static_cast<std::uint32_t*>(bits);
  return bitmap;
}

std::uint32_t* CanvasPixels(HBITMAP bitmap, SIZE& size) {
  DIBSECTION dib{};
  if (!bitmap || GetObjectW(bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return nullptr;
  const BITMAPINFOHEADER& header = dib.dsBmih;
  if (header.biBitCount != 32 || header.biHeight >= 0 || header.biCompression != BI_RGB) return nullptr;
  GdiFlush();
  size = {header.biWidth, -header.biHeight};
  return static_cast<std::uint32_t*>(dib.dsBm.bmBits);
}

GdiBitmap CopyToCanvas(HBITMAP source) {
  const SIZE size = BitmapSize(source);
  GdiBitmap copy = CreateCanvasBitmap(size.cx, size.cy);
  MemoryDc from(nullptr);
  MemoryDc to(nullptr);
  if (!copy || !from || !to) return {};
  SelectScope selectFrom(from.Get(), source);
  SelectScope selectTo(to.Get(), copy.Get());
  BitBlt(to.Get(), 0, 0, size.cx, size.cy, from.Get(), 0, 0, SRCCOPY);
  return copy;
}

namespace {

thread_local HWND printedWindow = nullptr;
thread_local HDC printDc = nullptr;

}  // namespace

HDC PrintingInto(HWND window) { return window && window == printedWindow ? printDc : nullptr; }

PrintScope::PrintScope(HWND window, HDC dc)
    : outerWindow_(std::exchange(printedWindow, window)), outerDc_(std::exchange(printDc, dc)) {}

PrintScope::~PrintScope() {
  printedWindow = outerWindow_;
  printDc = outerDc_;
}
