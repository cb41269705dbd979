#pragma once
// GDI objects and device contexts, each released once by its owner.
#include <windows.h>

#include <cstdint>

#include "framework/handles.h"

template <class T>
struct GdiObjectTraits {
  using Type = T;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { DeleteObject(h); }
};
using GdiBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using GdiFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using GdiBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using GdiRegion = UniqueHandle<GdiObjectTraits<HRGN>>;

struct MemoryDcTraits {
  using Type = HDC;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { DeleteDC(h); }
};
// A memory device context (`CreateCompatibleDC`).
class MemoryDc : public UniqueHandle<MemoryDcTraits> {
 public:
  explicit MemoryDc(HDC compatibleWith) : UniqueHandle(CreateCompatibleDC(compatibleWith)) {}
};

// A window's device context from `GetDC`, released with `ReleaseDC`.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The device context a parent paints `window` into while it does
// (WM_PRINTCLIENT, see framework/paint_children.h), else null.
HDC PrintingInto(HWND window);

// While it lives, `window`'s paint handler paints into `dc` (its client
// area at the origin) instead of the screen.
class PrintScope {
 public:
  PrintScope(HWND window, HDC dc);
  PrintScope(const PrintScope&) = delete;
  PrintScope& operator=(const PrintScope&) = delete;
  ~PrintScope();

 private:
  HWND outerWindow_;
  HDC outerDc_;
};

// The paint handler's device context (`BeginPaint` / `EndPaint`), or the
// one its parent paints it into.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window), dc_(PrintingInto(window)), printed_(dc_ != nullptr) {
    if (printed_) {
      paint_.hdc = dc_;
      GetClientRect(window, &paint_.rcPaint);
    } else {
      dc_ = BeginPaint(window, &paint_);
    }
  }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() {
    if (!printed_) EndPaint(window_, &paint_);
  }
  HDC Get() const { return dc_; }
  const PAINTSTRUCT& Paint() const { return paint_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
  bool printed_;
};

// Selects an object into a device context for one scope and puts the
// previous one back, so no object is deleted while selected.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;
  ~SelectScope() {
    if (previous_) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Width and height of a bitmap; zero for none.
SIZE BitmapSize(HBITMAP bitmap);

// A 32-bit top-down DIB section of the given size (empty for a size of
// zero): selectable into any memory DC and copied to any device. Unlike a
// bitmap compatible with a window's DC, making one never consults the
// display driver, which under Wine is a round trip to the window server
// for every off-screen buffer and every cut-out.
GdiBitmap CreateCanvasBitmap(int width, int height);
// The same, with its pixels: row by row from the top, 0x00RRGGBB each.
GdiBitmap CreateCanvasBitmap(int width, int height, std::uint32_t*& pixels);
// The pixels of a canvas bitmap as above (any 32-bit top-down DIB section);
// null for any other bitmap. Pending drawing is flushed first.
std::uint32_t* CanvasPixels(HBITMAP bitmap, SIZE& size);

// A canvas bitmap holding a copy of `source`'s pixels (empty for none).
GdiBitmap CopyToCanvas(HBITMAP source);

// Paints a window's client area through an off-screen canvas copied in one
// transfer, so nothing flickers; `draw` paints the canvas.
template <typename Draw>
void PaintBuffered(HWND window, Draw&& draw) {
  PaintDc paint(window);
  RECT client;
  GetClientRect(window, &client);
  MemoryDc memory(paint.Get());
  GdiBitmap canvas = CreateCanvasBitmap(client.right, client.bottom);
  SelectScope select(memory.Get(), canvas.Get());
  draw(memory.Get());
  BitBlt(paint.Get(), 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}
