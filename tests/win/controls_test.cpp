// The sliders on real windows, driven with real input.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/messages.h"
#include "message_pump.h"
#include "pixels.h"
#include "skin/click_slider.h"
#include "skin/page_image_set.h"
#include "temp_folder.h"

namespace {

// The page: keeps what its controls post, over its picture.
class CHost : public CWnd {
 public:
  std::vector<std::pair<int, LPARAM>> positions;
  PageImageSet images;

  explicit CHost(SIZE size) {
    CreatePlainWindow(WS_POPUP | WS_VISIBLE, {120, 140, 120 + size.cx, 140 + size.cy}, nullptr, 0,
                      WS_EX_CONTROLPARENT);
  }
  ~CHost() override { DestroyWindow(); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SLIDER_POS) positions.emplace_back(static_cast<int>(wParam), lParam);
    if (message != WM_PAINT) return CWnd::WindowProc(message, wParam, lParam);
    images.PaintBackground(PaintDc(Hwnd()).Get());
    return 0;
  }
};

void Send(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

POINT PointerTo(HWND window, int x, int y) {
  POINT at{x, y};
  ClientToScreen(window, &at);
  SetCursorPos(at.x, at.y);
  return at;
}

int LeftIn(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect.left;
}

// The default skin's thumb: 13 x 20, its corners magenta.
class SliderTest : public testing::Test {
 protected:
  const std::wstring thumbFile = SKIN_DIR L"scroll_arrow_down.bmp";
  CHost host{{320, 80}};
  CClickHSlider slider;
};

// The level slider's road: 1-20 with snapping over 268 px, the thumb's
// left edge travelling 255 px.
TEST_F(SliderTest, ClickThroughTheThumbsCornerThenDragIt) {
  ASSERT_TRUE(slider.Create(thumbFile, host.Hwnd(), 300, {10, 10, 278, 30}));
  slider.SetRange(1, 20);
  slider.SetSnap();
  slider.SetPos(12);  // 255 * 11 / 19 = 147
  const HWND thumb = slider.Thumb.Hwnd();
  ASSERT_EQ(LeftIn(thumb), 147);
  // The corner is a hole: the track reads the click, 1 + 19 * 147 / 268 =
  // 11.42, where the thumb would have read 1 + 19 * 147 / 255 = 11.95.
  PointerTo(thumb, 0, 0);
  Send(MOUSEEVENTF_LEFTDOWN);
  Send(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return host.positions.size() == 1; }));
  EXPECT_EQ(host.positions[0], std::make_pair(11, LPARAM{300}));
  ASSERT_EQ(LeftIn(thumb), 134);

  const POINT grip = PointerTo(thumb, 6, 10);
  Send(MOUSEEVENTF_LEFTDOWN);
  // Past the right end and back.
  for (const auto& [dx, left] : {std::pair{40, 174}, {400, 255}, {-29, 105}}) {
    SetCursorPos(grip.x + dx, grip.y + 3);
    ASSERT_TRUE(PumpUntil([&] { return LeftIn(thumb) == left; })) << dx;
  }
  Send(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return slider.Thumb.Dragging == 0 && host.positions.size() > 4; }));
  PumpUntil([] { return false; }, 100);

  const auto& posts = host.positions;
  EXPECT_TRUE(std::all_of(posts.begin(), posts.end(), [](auto post) { return post.second == 300; }));
  EXPECT_TRUE(std::any_of(posts.begin(), posts.end(), [](auto post) { return post.first == 20; }));
  // 1 + 19 * 105 / 255 = 8.82: 8 while dragging, 9 on release, and the
  // thumb put on 9's place, 255 * 8 / 19.
  EXPECT_EQ(posts[posts.size() - 2].first, 8);
  EXPECT_EQ(posts.back().first, 9);
  EXPECT_EQ(LeftIn(thumb), 107);
}

TEST_F(SliderTest, APictureCutShortMakesNoWindowAndNothingFails) {
  TempFolder folder;
  const std::wstring cut = folder.File(L"cut.bmp");
  std::filesystem::copy_file(thumbFile, cut);
  std::filesystem::resize_file(cut, 300);
  EXPECT_FALSE(slider.Create(cut, host.Hwnd(), 202, {0, 0, 100, 20}));
  EXPECT_EQ(slider.Hwnd(), nullptr);
  slider.SetPos(7);
  EXPECT_EQ(slider.Thumb.Value, 7);
}

}  // namespace
