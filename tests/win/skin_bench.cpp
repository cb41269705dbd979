// skin_bench [SKIN_FOLDER]: median times of building the main window's
// shape from its mask and of loading its five pictures.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "skin/page_image_set.h"
#include "skin/skin_files.h"
#include "skin/skin_image.h"

namespace {

constexpr int kRuns = 41;

template <class F>
double MedianMs(F&& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    times.push_back(1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart);
  }
  std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
  return times[kRuns / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring folder = argc > 1 ? argv[1] : SkinFolder();
  const PageImageNames names{L"main_mask.bmp", L"main_normal.JPG", L"main_over.JPG", L"main_down.JPG",
                             L"main_normal.jpg"};
  PageImageSet images;
  images.Load(names, folder);
  if (!images.mask || !images.normal) {
    std::fwprintf(stderr, L"skin_bench: no main window pictures in %ls\n", folder.c_str());
    return 1;
  }
  const double region = MedianMs([&] { RegionFromMask(images.mask.Get()); });
  const double pictures = MedianMs([&] {
    PageImageSet fresh;
    fresh.Load(names, folder);
  });
  std::printf("RegionFromMask (main_mask.bmp %ldx%ld): median %.2f ms (target <= 5 ms)\n", images.size.cx,
              images.size.cy, region);
  std::printf("Five main window pictures: median %.2f ms (target <= 40 ms)\n", pictures);
  return 0;
}
