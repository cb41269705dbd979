// The sliders, the numeric edit box and the text label on real windows,
// driven with real input where the user's hand matters.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/messages.h"
#include "message_pump.h"
#include "pixels.h"
#include "skin/bmp_edit.h"
#include "skin/click_slider.h"
#include "skin/page_image_set.h"
#include "skin/skin_image.h"
#include "skin/text_label.h"
#include "temp_folder.h"

namespace {

constexpr COLORREF kMagenta = 0xFF00FF;

// The page: keeps what its controls post, over its picture.
class CHost : public CWnd {
 public:
  std::vector<std::pair<int, LPARAM>> positions;
  std::vector<WPARAM> edits;
  PageImageSet images;

  explicit CHost(SIZE size) {
    CreatePlainWindow(WS_POPUP | WS_VISIBLE, {120, 140, 120 + size.cx, 140 + size.cy}, nullptr, 0,
                      WS_EX_CONTROLPARENT);
  }
  ~CHost() override { DestroyWindow(); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SLIDER_POS) positions.emplace_back(static_cast<int>(wParam), lParam);
    if (message == BitmapEditKillFocusMessage()) edits.push_back(wParam);
    if (message != WM_PAINT) return CWnd::WindowProc(message, wParam, lParam);
    images.PaintBackground(PaintDc(Hwnd()).Get());
    return 0;
  }
};

// A mouse event, or a key's when `key` is given.
void Send(DWORD flags, WORD key = 0) {
  INPUT input{};
  input.type = key ? INPUT_KEYBOARD : INPUT_MOUSE;
  if (key) {
    input.ki = {key, 0, flags, 0, 0};
  } else {
    input.mi.dwFlags = flags;
  }
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

// Pumps as a dialog does, so Tab moves the focus.
void PumpDialog(HWND dialog, DWORD ms) {
  for (const ULONGLONG end = GetTickCount64() + ms; GetTickCount64() < end; Sleep(10)) {
    for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) {
      if (IsDialogMessageW(dialog, &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

// How many pixels of each column of a label show more than its ground.
std::vector<int> LitColumns(const CTextLabel& label) {
  int width = 0, height = 0;
  const std::vector<COLORREF> pixels = CaptureClient(label.Hwnd(), width, height);
  std::vector<int> lit(width);
  for (int i = 0; i < width * height; ++i) lit[i % width] += pixels[i] != 0x020202;
  return lit;
}

// The controls on a picture of the default skin, the numeric boxes used
// with the keyboard; leaves a screenshot.
TEST(Controls, OnTheDefaultSkin) {
  CHost host({551, 301});
  SIZE size{0, 0};
  LoadSkinImage(SKIN_DIR L"start.JPG", host.images.normal, size);
  const HBITMAP picture = host.images.normal.Get();
  ASSERT_TRUE(picture);
  {
    // The grooves a page's artwork would draw under its sliders.
    MemoryDc dc(nullptr);
    GdiBrush groove(CreateSolidBrush(0x505050));
    SelectScope select(dc.Get(), picture), brush(dc.Get(), groove.Get());
    for (int i = 0; i < 4; ++i) PatBlt(dc.Get(), 30, 39 + 40 * i, 268, 2, PATCOPY);
  }
  CClickHSlider sliders[4];
  for (int i = 0; i < 4; ++i) {
    const std::wstring thumb = SKIN_DIR + std::wstring(i == 1 ? L"scroll_arrow_up.bmp" : L"scroll_arrow_down.bmp");
    ASSERT_TRUE(sliders[i].Create(thumb, host.Hwnd(), 201 + i, {30, 30 + 40 * i, 298, 50 + 40 * i}));
    sliders[i].SetTrackImage(picture);
    sliders[i].SetPos(i * 3 + i / 3);  // 0, 3, 6, 10
  }
  CBmpEdit edits[2];
  for (int i = 0; i < 2; ++i) {
    const RECT rect{330 + 60 * i, 30, 380 + 60 * i, 52};
    ASSERT_TRUE(edits[i].Create({.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER,
                                 .rect = rect,
                                 .parent = host.Hwnd(),
                                 .id = static_cast<UINT>(4010 + i),
                                 .foreColor = 0x000000,
                                 .backColor = 0xE5E5E5}));
  }
  CTextLabel labels[4];
  const wchar_t* texts[] = {L"250", L"2400", L"A label text far wider than its label", L""};
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(labels[i].Create({330, 70 + 30 * i, 397, 88 + 30 * i}, host.Hwnd()));
    labels[i].SetText(texts[i]);
  }

  // Typing a digit, tabbing out, setting the text: one notice each.
  SetForegroundWindow(host.Hwnd());
  SetFocus(edits[0].Hwnd());
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == edits[0].Hwnd(); }));
  for (const WORD key : {WORD{'7'}, WORD{VK_TAB}}) {
    Send(0, key);
    Send(KEYEVENTF_KEYUP, key);
    PumpDialog(host.Hwnd(), 300);
  }
  EXPECT_EQ(GetFocus(), edits[1].Hwnd());
  EXPECT_EQ(host.edits, (std::vector<WPARAM>{0, 1}));
  SetWindowTextW(edits[0].Hwnd(), L"12");
  PumpDialog(host.Hwnd(), 100);
  EXPECT_EQ(host.edits, (std::vector<WPARAM>{0, 1, 0}));

  RedrawWindow(host.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  int width = 0, height = 0;
  const std::vector<COLORREF> shot = CaptureClient(host.Hwnd(), width, height);
  CreateDirectoryW(ARTIFACT_DIR, nullptr);
  EXPECT_TRUE(WritePng(ARTIFACT_DIR L"\\controls.png", shot, width, height));
  // The thumbs' magenta corners are cut away; the empty box shows the
  // owner's colour.
  EXPECT_EQ(std::count(shot.begin(), shot.end(), kMagenta), 0);
  EXPECT_EQ(shot[40 * width + 430], 0xE5E5E5u);

  // A short text centred, a wide one cut at both edges, an empty label
  // only its ground.
  const std::vector<int> centred = LitColumns(labels[1]), wide = LitColumns(labels[2]), empty = LitColumns(labels[3]);
  const auto lit = [](int n) { return n > 0; };
  const auto before = std::find_if(centred.begin(), centred.end(), lit) - centred.begin();
  const auto after = std::find_if(centred.rbegin(), centred.rend(), lit) - centred.rbegin();
  EXPECT_LE(std::abs(before - after), 2);
  EXPECT_GT(wide[0] + wide[1], 0);
  EXPECT_GT(wide[wide.size() - 1] + wide[wide.size() - 2], 0);
  EXPECT_TRUE(std::none_of(empty.begin(), empty.end(), lit));
}

}  // namespace
