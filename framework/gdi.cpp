#include "framework/gdi.h"

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

GdiBitmap CreateCanvasBitmap(int width, int height) {
  if (width <= 0 || height <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  return GdiBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
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
