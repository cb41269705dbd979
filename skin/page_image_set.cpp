#include "skin/page_image_set.h"

#include <algorithm>
#include <array>
#include <vector>

#include "framework/ini_file.h"
#include "framework/wide.h"
#include "model/text.h"
#include "skin/bitmap_btn.h"
#include "skin/picture_decoder.h"
#include "skin/skin_files.h"
#include "skin/skin_image.h"

namespace {

bool SameFileName(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

constexpr std::size_t kPictureCount = 5;

std::array<const std::wstring*, kPictureCount> NamesInOrder(const PageImageNames& names) {
  return {&names.mask, &names.normal, &names.over, &names.down, &names.disabled};
}

// For each picture, the first one with the same file name: the disabled
// picture is mostly the normal one under another spelling, and the file
// system ignores case.
std::array<std::size_t, kPictureCount> FirstOfSameFile(const PageImageNames& names) {
  const auto ordered = NamesInOrder(names);
  std::array<std::size_t, kPictureCount> first{};
  for (std::size_t i = 0; i < kPictureCount; ++i)
    first[i] = static_cast<std::size_t>(
        std::find_if(ordered.begin(), ordered.begin() + i, [&](const std::wstring* earlier) {
          return SameFileName(*earlier, *ordered[i]);
        }) - ordered.begin());
  return first;
}

// The names themselves, or those their layout file gives.
PageImageNames Resolved(const PageImageNames& names, const std::wstring& folder) {
  return names.screenLayout.empty() ? names : PageImageSet::NamesFromLayout(folder + names.screenLayout);
}

}  // namespace

std::vector<std::wstring> PageImageSet::PicturePaths(const PageImageNames& given, const std::wstring& folder) {
  const PageImageNames names = Resolved(given, folder);
  const auto ordered = NamesInOrder(names);
  const auto first = FirstOfSameFile(names);
  std::vector<std::wstring> paths;
  for (std::size_t i = 0; i < kPictureCount; ++i)
    if (!ordered[i]->empty() && first[i] == i) paths.push_back(folder + *ordered[i]);
  return paths;
}

void PageImageSet::Load(const PageImageNames& names) {
  Load(names, SkinFolder());
}

void PageImageSet::Load(const PageImageNames& given, const std::wstring& folder) {
  const PageImageNames names = Resolved(given, folder);
  // The distinct files, unless they were queued earlier still.
  DecodePicturesAhead(PicturePaths(names, folder));
  const auto ordered = NamesInOrder(names);
  const auto first = FirstOfSameFile(names);
  GdiBitmap* const bitmaps[] = {&mask, &normal, &over, &down, &disabled};
  for (std::size_t i = 0; i < kPictureCount; ++i) {
    if (ordered[i]->empty()) continue;
    if (first[i] == i) {
      DecodedPicture picture = TakeDecodedPicture(folder + *ordered[i]);
      if (!picture.bitmap) continue;
      *bitmaps[i] = std::move(picture.bitmap);
      size = picture.size;
    } else if (GdiBitmap copy = CopyToCanvas(bitmaps[first[i]]->Get()); copy) {
      *bitmaps[i] = std::move(copy);
      size = BitmapSize(bitmaps[i]->Get());
    }
  }
}

PageImageNames PageImageSet::NamesFromLayout(const std::wstring& layoutPath) {
  // One read of the file for the five names.
  const IniSection screen = IniFile(layoutPath).ReadSection(L"SCREEN");
  auto read = [&](const wchar_t* key) { return IniFile::ValueIn(screen, key, L""); };
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

void PageImageSet::CutButtonImages(CBitmapBtn& button, const SkinButtonInfo& info) const {
  if (button.Hwnd() || button.Planned()) button.SetImages(normal.Get(), over.Get(), down.Get(), disabled.Get(), ToRect(info.Rect));
}

SkinButtonInfo CreateSkinButton(CBitmapBtn& button, const IniSection& buttons, const wchar_t* key, HWND parent,
                                const CBitmapBtn::CreateArgs& args) {
  const SkinButtonInfo info = ReadButtonInfo(buttons, key);
  button.Create(ToRect(info.Rect), parent, args, std::wstring(Wide(TextOf(info.TooltipText))).c_str());
  return info;
}

SkinButtonInfo CreateSkinButton(CBitmapBtn& button, const IniSection& buttons, const wchar_t* key, HWND parent,
                                const PageImageSet& images, const CBitmapBtn::CreateArgs& args) {
  const SkinButtonInfo info = CreateSkinButton(button, buttons, key, parent, args);
  images.CutButtonImages(button, info);
  return info;
}
