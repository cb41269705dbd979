// slider_bench [SKIN_FOLDER]: median times of creating a slider (track,
// thumb and the thumb's shape) with the default skin's thumb, and of
// building the thumb's shape by runs of pixels against a pixel at a time.
#include <windows.h>

#include <cstdio>
#include <deque>
#include <string>

#include "bench.h"
#include "skin/click_slider.h"
#include "skin/skin_image.h"

namespace {

constexpr int kRuns = 41;

// The shape a pixel at a time: every pixel of the corner colour taken out
// of the whole rectangle by its own region.
GdiRegion RegionPixelByPixel(HBITMAP image) {
  const SIZE size = BitmapSize(image);
  MemoryDc dc(nullptr);
  SelectScope select(dc.Get(), image);
  const COLORREF transparent = GetPixel(dc.Get(), 0, 0);
  GdiRegion region(CreateRectRgn(0, 0, size.cx, size.cy));
  for (int x = 0; x < size.cx; ++x) {
    for (int y = 0; y < size.cy; ++y) {
      if (GetPixel(dc.Get(), x, y) != transparent) continue;
      GdiRegion pixel(CreateRectRgn(x, y, x + 1, y + 1));
      CombineRgn(region.Get(), region.Get(), pixel.Get(), RGN_XOR);
    }
  }
  return region;
}

class CBenchPage : public CWnd {
 public:
  ~CBenchPage() override { DestroyWindow(); }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring thumb = std::wstring(argc > 1 ? argv[1] : DEFAULT_SKIN_DIR) + L"scroll_arrow_down.bmp";
  const GdiBitmap picture = LoadBmpFile(thumb);
  if (!picture) {
    std::fwprintf(stderr, L"slider_bench: cannot read %ls\n", thumb.c_str());
    return 1;
  }
  CBenchPage page;
  page.CreatePlainWindow(WS_POPUP | WS_VISIBLE, {0, 0, 560, 300}, nullptr);

  std::deque<CClickHSlider> sliders;
  Report("slider: track, thumb and its shape", kRuns, MedianMilliseconds(kRuns, [&] {
           sliders.emplace_back().Create(thumb, page.Hwnd(), 201, {10, 10, 278, 30});
         }));
  sliders.clear();
  Report("thumb shape by runs of pixels", kRuns, MedianMilliseconds(kRuns, [&] {
           RegionFromImage(picture.Get());
         }));
  Report("thumb shape a pixel at a time", kRuns, MedianMilliseconds(kRuns, [&] {
           RegionPixelByPixel(picture.Get());
         }));
  return 0;
}
