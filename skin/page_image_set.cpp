#include "skin/page_image_set.h"

#include <objbase.h>

#include <algorithm>
#include <array>
#include <thread>
#include <vector>

#include "skin/bitmap_btn.h"
#include "skin/skin_files.h"
#include "skin/skin_image.h"

namespace {

bool SameFileName(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

struct DecodedPicture {
  GdiBitmap bitmap;
  SIZE size{0, 0};
};

// For a worker thread: the picture decoder needs COM on the calling thread.
DecodedPicture DecodePicture(const std::wstring& path) {
  DecodedPicture picture;
  const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
  LoadSkinImage(path, picture.bitmap, picture.size);
  if (com) CoUninitialize();
  return picture;
}

}  // namespace

void PageImageSet::Load(const PageImageNames& names) {
  Load(names, SkinFolder());
}

void PageImageSet::Load(const PageImageNames& names, const std::wstring& folder) {
  const std::pair<GdiBitmap*, const std::wstring*> pictures[] = {
      {&mask, &names.mask}, {&normal, &names.normal}, {&over, &names.over},
      {&down, &names.down}, {&disabled, &names.disabled}};
  constexpr std::size_t kCount = std::size(pictures);
  // The picture a name is already given by (the disabled picture is mostly
  // the normal one under another spelling; the file system ignores case).
  std::array<std::size_t, kCount> source{};
  for (std::size_t i = 0; i < kCount; ++i)
    source[i] = static_cast<std::size_t>(std::find_if(pictures, pictures + i, [&](const auto& earlier) {
                                           return SameFileName(*earlier.second, *pictures[i].second);
                                         }) - pictures);

  // Decoding is most of a window's start-up: each distinct file is decoded
  // on a thread of its own, all joined before anything is used.
  std::array<DecodedPicture, kCount> decoded;
  {
    std::vector<std::jthread> workers;
    for (std::size_t i = 0; i < kCount; ++i)
      if (!pictures[i].second->empty() && source[i] == i)
        workers.emplace_back([&, i] { decoded[i] = DecodePicture(folder + *pictures[i].second); });
  }

  for (std::size_t i = 0; i < kCount; ++i) {
    auto [bitmap, name] = pictures[i];
    if (name->empty()) continue;
    if (source[i] == i) {
      if (!decoded[i].bitmap) continue;
      *bitmap = std::move(decoded[i].bitmap);
      size = decoded[i].size;
    } else if (GdiBitmap copy(static_cast<HBITMAP>(CopyImage(pictures[source[i]].first->Get(), IMAGE_BITMAP, 0, 0, 0)));
               copy) {
      *bitmap = std::move(copy);
      size = BitmapSize(bitmap->Get());
    }
  }
}

PageImageNames PageImageSet::NamesFromLayout(const std::wstring& layoutPath) {
  auto read = [&](const wchar_t* key) { return ReadLayoutValue(layoutPath, L"SCREEN", key); };
  return {read(L"Mask"), read(L"Normal"), read(L"Over"), read(L"Down"), read(L"Disable")};
}

void PageImageSet::ReleaseStatePictures() {
  over.Reset();
  down.Reset();
  disabled.Reset();
}

void PageImageSet::ApplyRegion(HWND window) const {
  GdiRegion region = RegionFromMask(mask.Get());
  // The system owns the region once it is set.
  if (region && SetWindowRgn(window, region.Get(), TRUE)) region.Release();
}

void PageImageSet::PaintBackground(HDC dc) const {
  if (!normal) return;
  const SIZE picture = BitmapSize(normal.Get());
  MemoryDc source(dc);
  SelectScope select(source.Get(), normal.Get());
  BitBlt(dc, 0, 0, picture.cx, picture.cy, source.Get(), 0, 0, SRCCOPY);
}

SkinButtonInfo CreateSkinButton(CBitmapBtn& button, const std::wstring& layoutPath, const wchar_t* key,
                                HWND parent, const PageImageSet& images) {
  const SkinButtonInfo info = ReadButtonInfo(layoutPath, key);
  const RECT rect = ToRect(info.Rect);
  if (button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, parent, 0)) {
    button.SetImages(images.normal.Get(), images.over.Get(), images.down.Get(), images.disabled.Get(), rect);
  }
  return info;
}
