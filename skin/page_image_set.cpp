#include "skin/page_image_set.h"

#include "skin/bitmap_btn.h"
#include "skin/skin_files.h"
#include "skin/skin_image.h"

void PageImageSet::Load(const PageImageNames& names) {
  const std::wstring folder = SkinFolder();
  const std::pair<GdiBitmap*, const std::wstring*> pictures[] = {
      {&mask, &names.mask}, {&normal, &names.normal}, {&over, &names.over},
      {&down, &names.down}, {&disabled, &names.disabled}};
  for (auto [bitmap, name] : pictures) {
    if (!name->empty()) LoadSkinImage(folder + *name, *bitmap, size);
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
