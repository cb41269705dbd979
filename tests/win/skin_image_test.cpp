// Skin pictures and window shapes: decoding (also ahead, on workers),
// cut-outs, mask regions and the layout read once per window.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "pixels.h"
#include "skin/page_image_set.h"
#include "skin/picture_decoder.h"
#include "skin/skin_files.h"
#include "skin/skin_image.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

std::vector<RECT> RegionRects(HRGN region) {
  const DWORD bytes = GetRegionData(region, 0, nullptr);
  std::vector<char> buffer(bytes);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  GetRegionData(region, bytes, data);
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  return {rects, rects + data->rdh.nCount};
}

// The skin folder beside the test program, made when missing.
std::wstring FreshSkinFolder() {
  const std::wstring folder = SkinFolder();
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

TEST(RegionFromMask, ShapesFromMasks) {
  EXPECT_FALSE(RegionFromMask(nullptr));

  // All white: an empty region, but a region.
  GdiBitmap white = MakePicture(40, 30, [](int, int) { return kWhite; });
  GdiRegion empty = RegionFromMask(white.Get());
  ASSERT_TRUE(empty);
  RECT box;
  EXPECT_EQ(GetRgnBox(empty.Get(), &box), NULLREGION);

  // Black, white, black: two 1 x 1 rectangles. Near-white is inside.
  GdiBitmap row = MakePicture(3, 2, [](int x, int y) {
    if (y == 1) return x == 1 ? RGB(254, 255, 255) : kWhite;
    return x == 1 ? kWhite : kBlack;
  });
  GdiRegion two = RegionFromMask(row.Get());
  ASSERT_TRUE(two);
  const std::vector<RECT> rects = RegionRects(two.Get());
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_TRUE(PtInRegion(two.Get(), 0, 0));
  EXPECT_FALSE(PtInRegion(two.Get(), 1, 0));
  EXPECT_TRUE(PtInRegion(two.Get(), 2, 0));
  EXPECT_TRUE(PtInRegion(two.Get(), 1, 1));
  EXPECT_FALSE(PtInRegion(two.Get(), 0, 1));
}

TEST(RegionFromMask, MaskOfMoreThanTwoThousandRectanglesIsWhole) {
  // A checkerboard of 1-pixel cells: 150 runs per row, 6000 in all, so the
  // rectangles reach the system in several batches.
  constexpr int kWidth = 300;
  constexpr int kHeight = 40;
  auto inside = [](int x, int y) { return (x + y) % 2 == 0; };
  GdiBitmap mask = MakePicture(kWidth, kHeight, [&](int x, int y) { return inside(x, y) ? kBlack : kWhite; });
  GdiRegion region = RegionFromMask(mask.Get());
  ASSERT_TRUE(region);
  EXPECT_EQ(RegionRects(region.Get()).size(), static_cast<std::size_t>(kWidth * kHeight / 2));
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      ASSERT_EQ(PtInRegion(region.Get(), x, y) != 0, inside(x, y)) << x << "," << y;
    }
  }
}

TEST(CutImage, ShowsExactlyTheControlsRectangle) {
  // A picture where every pixel is unique near the button.
  GdiBitmap over = MakePicture(780, 690, [](int x, int y) { return RGB(x & 0xFF, y & 0xFF, (x >> 8) | (y >> 8) << 2); });
  GdiBitmap cut;
  CutImage(cut, over.Get(), 120, 400, 210, 428);
  int width = 0, height = 0;
  const std::vector<COLORREF> pixels = ReadPixels(cut.Get(), width, height);
  ASSERT_EQ(width, 90);
  ASSERT_EQ(height, 28);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int px = 120 + x, py = 400 + y;
      ASSERT_EQ(pixels[y * width + x], RGB(px & 0xFF, py & 0xFF, (px >> 8) | (py >> 8) << 2)) << x << "," << y;
    }
  }

  // Without a source the target keeps what it had.
  const HBITMAP before = cut.Get();
  CutImage(cut, nullptr, 0, 0, 10, 10);
  EXPECT_EQ(cut.Get(), before);
}

TEST(LoadSkinImage, DecodesAFileAndLeavesAllAsItWasOnAMissingOrBadOne) {
  const std::wstring folder = FreshSkinFolder();
  std::vector<COLORREF> pixels(31 * 17);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = RGB(i % 7 * 30, i % 5 * 50, 200);
  ASSERT_TRUE(WriteBmp(folder + L"load_test.bmp", pixels, 31, 17));
  HANDLE bad = CreateFileW((folder + L"bad.JPG").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(bad, "not a picture at all", 20, &written, nullptr);
  CloseHandle(bad);
  // The same bitmap without its last row: the decoder would take it.
  std::filesystem::remove(folder + L"cut.bmp");
  std::filesystem::copy_file(folder + L"load_test.bmp", folder + L"cut.bmp");
  std::filesystem::resize_file(folder + L"cut.bmp", std::filesystem::file_size(folder + L"cut.bmp") - 31 * 3);

  GdiBitmap bitmap;
  SIZE size{1, 2};
  LoadSkinImage(folder + L"load_test.bmp", bitmap, size);
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(size.cx, 31);
  EXPECT_EQ(size.cy, 17);
  int width = 0, height = 0;
  EXPECT_EQ(ReadPixels(bitmap.Get(), width, height), pixels);

  const HBITMAP kept = bitmap.Get();
  for (const wchar_t* name : {L"missing.JPG", L"bad.JPG", L"cut.bmp"}) {
    LoadSkinImage(folder + name, bitmap, size);
    EXPECT_EQ(bitmap.Get(), kept) << name;
    EXPECT_EQ(size.cx, 31) << name;
  }
  GdiBitmap none;
  LoadSkinImage(folder + L"missing.JPG", none, size);
  EXPECT_FALSE(none);
}

TEST(PictureDecoder, TakesWhatWasDecodedAheadOnceAndDecodesAgainAfter) {
  const std::wstring folder = FreshSkinFolder();
  const std::vector<COLORREF> pixels(9 * 4, RGB(10, 20, 30));
  ASSERT_TRUE(WriteBmp(folder + L"ahead.bmp", pixels, 9, 4));
  DecodePicturesAhead({folder + L"ahead.bmp", folder + L"missing.JPG"});

  for (int take = 0; take < 2; ++take) {
    DecodedPicture picture = TakeDecodedPicture(folder + L"ahead.bmp");
    ASSERT_TRUE(picture.bitmap) << take;
    EXPECT_EQ(picture.size.cx, 9);
    EXPECT_EQ(picture.size.cy, 4);
    int width = 0, height = 0;
    EXPECT_EQ(ReadPixels(picture.bitmap.Get(), width, height), pixels);
  }
  const DecodedPicture missing = TakeDecodedPicture(folder + L"missing.JPG");
  EXPECT_FALSE(missing.bitmap);
  EXPECT_EQ(missing.size.cx, 0);
}

TEST(SkinLayout, AButtonFromTheSectionReadOnceIsTheButtonReadByKey) {
  const std::wstring layout = FreshSkinFolder() + L"section_test.ini";
  const std::wstring longTip(3000, L'x');
  struct Row {
    const wchar_t* key;
    std::wstring value;  // empty: the key is not written
  };
  const Row rows[] = {
      {L"1", L"Apply,120,40,90,28,Apply settings"},
      {L"2", L"  \"Quoted\",1,2,3,4,tip  "},
      {L"3", L"Long,1,2,3,4," + longTip},
      {L"4", L"Short,5"},
      {L"5", L""},
  };
  for (const Row& row : rows)
    if (!row.value.empty()) WritePrivateProfileStringW(L"BUTTONINFO", row.key, row.value.c_str(), layout.c_str());
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, layout.c_str());

  const IniSection section = ReadButtonSection(layout);
  for (const Row& row : rows) {
    const SkinButtonInfo byKey = ReadButtonInfo(layout, row.key);
    const SkinButtonInfo fromSection = ReadButtonInfo(section, row.key);
    EXPECT_EQ(std::memcmp(&byKey, &fromSection, sizeof byKey), 0) << row.key;
  }
}

TEST(PageImageSet, NamesFromTheScreenSectionAndMissingPictures) {
  const std::wstring folder = FreshSkinFolder();
  const std::wstring layout = folder + L"screen_test.ini";
  WritePrivateProfileStringW(L"SCREEN", L"Mask", L"screen_mask.bmp", layout.c_str());
  WritePrivateProfileStringW(L"SCREEN", L"Normal", L"screen_normal.bmp", layout.c_str());
  WritePrivateProfileStringW(L"SCREEN", L"Disable", L"nowhere.JPG", layout.c_str());
  std::vector<COLORREF> mask(20 * 10, kBlack);
  mask[0] = kWhite;
  WriteBmp(folder + L"screen_mask.bmp", mask, 20, 10);
  WriteBmp(folder + L"screen_normal.bmp", std::vector<COLORREF>(20 * 10, RGB(1, 2, 3)), 20, 10);

  const PageImageNames names = PageImageSet::NamesFromLayout(layout);
  EXPECT_EQ(names.mask, L"screen_mask.bmp");
  EXPECT_EQ(names.over, L"");
  EXPECT_EQ(names.disabled, L"nowhere.JPG");
  // A window that names only its layout loads the pictures it names.
  const PageImageNames byLayout = PageImageNames::InScreenSection(L"screen_test.ini");
  EXPECT_EQ(PageImageSet::PicturePaths(byLayout, folder), PageImageSet::PicturePaths(names, folder));
  PageImageSet set;
  set.Load(byLayout);
  EXPECT_TRUE(set.mask);
  EXPECT_TRUE(set.normal);
  EXPECT_FALSE(set.over);
  EXPECT_FALSE(set.disabled);
  EXPECT_EQ(set.size.cx, 20);
  EXPECT_EQ(set.size.cy, 10);

  // The shape: everything but the white corner.
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 10, nullptr, nullptr, nullptr, nullptr);
  set.ApplyRegion(window);
  GdiRegion applied(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window, applied.Get()), ERROR);
  EXPECT_FALSE(PtInRegion(applied.Get(), 0, 0));
  EXPECT_TRUE(PtInRegion(applied.Get(), 1, 0));
  DestroyWindow(window);
}

}  // namespace
