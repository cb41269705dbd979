// skin_bench [SKIN_FOLDER]: median times of building the main window's
// shape from its mask and of loading its five pictures (by default from the
// build's output folder).
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench.h"
#include "skin/page_image_set.h"
#include "skin/skin_files.h"
#include "skin/skin_image.h"

namespace {
constexpr int kRuns = 41;
}

int wmain(int argc, wchar_t** argv) {
  const std::wstring folder = argc > 1 ? argv[1] : DEFAULT_SKIN_DIR;
  const PageImageNames names{L"main_mask.bmp", L"main_normal.JPG", L"main_over.JPG", L"main_down.JPG",
                             L"main_normal.jpg"};
  PageImageSet images;
  images.Load(names, folder);
  if (!images.mask || !images.normal) {
    std::fwprintf(stderr, L"skin_bench: no main window pictures in %ls\n", folder.c_str());
    return 1;
  }
  Report("RegionFromMask, main window mask", kRuns, MedianMilliseconds(kRuns, [&] {
           RegionFromMask(images.mask.Get());
         }));
  Report("five main window pictures", kRuns, MedianMilliseconds(kRuns, [&] {
           PageImageSet fresh;
           fresh.Load(names, folder);
         }));
  Report("four state cut-outs of a 90 x 28 button", kRuns, MedianMilliseconds(kRuns, [&] {
           GdiBitmap cut[4];
           const HBITMAP pictures[] = {images.normal.Get(), images.over.Get(), images.down.Get(), images.disabled.Get()};
           for (int i = 0; i < 4; ++i) CutImage(cut[i], pictures[i], 120, 400, 210, 428);
         }));
  Report("main window mask decoded", kRuns, MedianMilliseconds(kRuns, [&] {
           GdiBitmap mask;
           SIZE size{};
           LoadSkinImage(folder + names.mask, mask, size);
         }));
  return 0;
}
