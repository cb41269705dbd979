// The main window's default skin as the program will meet it: real JPEG
// pictures decoded by the system, its buttons built from its layout file,
// and its shape from its mask. Leaves a screenshot beside the build.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <thread>
#include <vector>

#include "framework/dialog.h"
#include "pixels.h"
#include "resource.h"
#include "skin/bitmap_btn.h"
#include "skin/page_image_set.h"
#include "skin/skin_files.h"
#include "skin/skin_image.h"

namespace {

const std::wstring kSkins = SKIN_DIR;
const PageImageNames kMainPictures{L"main_mask.bmp", L"main_normal.JPG", L"main_over.JPG", L"main_down.JPG",
                                   L"main_normal.jpg"};

// First in the program: before any decoding worker has joined COM, a
// caller's thread that never did decodes a JPEG all the same.
TEST(DefaultSkinPictures, AJpegDecodesOnAThreadOutsideCom) {
  GdiBitmap bitmap;
  SIZE size{};
  std::thread([&] { LoadSkinImage(kSkins + L"main_normal.JPG", bitmap, size); }).join();
  EXPECT_TRUE(bitmap);
  EXPECT_GT(size.cx, 0);
}

class CSkinnedMain : public CDialog {
 public:
  CSkinnedMain() : CDialog(IDD_MAIN) {}
  PageImageSet images;
  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages() {
    static const MessageEntry entries[] = {
        msg::EraseBkgnd<&CSkinnedMain::OnEraseBkgnd>(),
        msg::Paint<&CSkinnedMain::OnPaint>(),
    };
    static const MessageMap map{&CDialog::Messages(), entries};
    return map;
  }
  bool OnEraseBkgnd(HDC) { return true; }
  void OnPaint() {
    PaintDc dc(Hwnd());
    images.PaintBackground(dc.Get());
  }
};

TEST(DefaultSkin, MainWindowBuildsFromItsSkin) {
  CSkinnedMain window;
  window.images.Load(kMainPictures, kSkins);
  ASSERT_TRUE(window.images.normal && window.images.over && window.images.down && window.images.mask);
  EXPECT_EQ(window.images.size.cx, 780);
  EXPECT_EQ(window.images.size.cy, 730);
  EXPECT_EQ(BitmapSize(window.images.mask.Get()).cx, 780);

  ASSERT_TRUE(window.Create(nullptr));
  SetWindowPos(window.Hwnd(), HWND_TOP, 0, 0, window.images.size.cx, window.images.size.cy, SWP_SHOWWINDOW);
  const std::wstring layout = kSkins + L"skin_main.ini";
  const IniSection buttonInfo = ReadButtonSection(layout);
  std::vector<std::unique_ptr<CBitmapBtn>> buttons;
  for (int key = 0; key <= 34; ++key) {
    auto button = std::make_unique<CBitmapBtn>();
    CreateSkinButton(*button, buttonInfo, std::to_wstring(key).c_str(), window.Hwnd(), window.images);
    buttons.push_back(std::move(button));
  }
  // The Apply button (key 4) shows exactly its part of the over picture.
  CBitmapBtn& apply = *buttons[4];
  const SkinButtonInfo info = ReadButtonInfo(layout, L"4");
  int width = 0, height = 0, fullWidth = 0, fullHeight = 0;
  const std::vector<COLORREF> cut = ReadPixels(apply.ImageOver.Get(), width, height);
  const std::vector<COLORREF> full = ReadPixels(window.images.over.Get(), fullWidth, fullHeight);
  ASSERT_EQ(width, info.Rect.right - info.Rect.left);
  ASSERT_EQ(height, info.Rect.bottom - info.Rect.top);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      ASSERT_EQ(cut[y * width + x], full[(info.Rect.top + y) * fullWidth + info.Rect.left + x]);
    }
  }
  buttons[4]->Hover = 1;
  buttons[23]->SetCheck(1);
  buttons[29]->SetCheck(1);
  EnableWindow(buttons[6]->Hwnd(), FALSE);

  window.images.ApplyRegion(window.Hwnd());
  GdiRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window.Hwnd(), region.Get()), ERROR);
  RECT box;
  GetRgnBox(region.Get(), &box);
  EXPECT_EQ(box.right, 780);
  EXPECT_EQ(box.bottom, 730);
  EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.Get(), 390, 365));

  RedrawWindow(window.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const std::vector<COLORREF> shot = CaptureClient(window.Hwnd(), width, height);
  const std::wstring folder = ARTIFACT_DIR;
  CreateDirectoryW(folder.c_str(), nullptr);
  EXPECT_TRUE(WritePng(folder + L"\\main_window_skin.png", shot, width, height));
  buttons.clear();
  window.DestroyWindow();
}

}  // namespace
