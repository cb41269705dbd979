// The skinned button on a real window: state pictures, clicks, hover,
// captions and tooltips, read back from the pixels it drew.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/dialog.h"
#include "pixels.h"
#include "resource.h"
#include "skin/bitmap_btn.h"
#include "skin/page_image_set.h"
#include "skin/skin_files.h"

namespace {

constexpr COLORREF kNormal = RGB(200, 40, 40);
constexpr COLORREF kOver = RGB(40, 200, 40);
constexpr COLORREF kDown = RGB(40, 40, 200);
constexpr COLORREF kDisabled = RGB(90, 90, 90);
constexpr RECT kButtonRect{20, 20, 110, 48};
// Away from where other test programs put their windows on the shared display.
constexpr POINT kParentAt{760, 560};

// The parent: counts the clicks of its buttons, told apart by handle.
class CParent : public CDialog {
 public:
  CParent() : CDialog(IDD_MAIN) {}
  std::vector<HWND> clicks;
  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages() {
    static const MessageEntry entries[] = {msg::ControlCommand<&CParent::OnClicked>(BN_CLICKED)};
    static const MessageMap map{&CDialog::Messages(), entries};
    return map;
  }
  void OnClicked(int, HWND button) { clicks.push_back(button); }
};

class BitmapBtnTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent.Create(nullptr));
    SetWindowPos(parent.Hwnd(), HWND_TOP, kParentAt.x, kParentAt.y, 480, 200, SWP_SHOWWINDOW);
    SetActiveWindow(parent.Hwnd());
    normal = MakePicture(480, 200, [](int, int) { return kNormal; });
    over = MakePicture(480, 200, [](int, int) { return kOver; });
    down = MakePicture(480, 200, [](int, int) { return kDown; });
    disabled = MakePicture(480, 200, [](int, int) { return kDisabled; });
    ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, kButtonRect, parent.Hwnd(), 0));
    button.SetImages(normal.Get(), over.Get(), down.Get(), disabled.Get(), kButtonRect);
  }
  void TearDown() override {
    ReleaseCapture();
    parent.DestroyWindow();
  }

  std::vector<COLORREF> Shown() {
    RedrawWindow(button.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    int width = 0, height = 0;
    return CaptureClient(button.Hwnd(), width, height);
  }
  COLORREF ShownColour() {
    const std::vector<COLORREF> pixels = Shown();
    // One colour everywhere, or a marker that it was not.
    return std::all_of(pixels.begin(), pixels.end(), [&](COLORREF c) { return c == pixels[0]; }) ? pixels[0]
                                                                                                 : CLR_INVALID;
  }
  void Click() {
    SendMessageW(button.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }

  CParent parent;
  CBitmapBtn button;
  GdiBitmap normal, over, down, disabled;
};

TEST_F(BitmapBtnTest, CreationMakesItAnOwnerDrawnButtonOutsideTabbing) {
  const LONG_PTR style = GetWindowLongPtrW(button.Hwnd(), GWL_STYLE);
  EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(style & (WS_TABSTOP | WS_BORDER), 0);
  EXPECT_EQ(BitmapSize(button.ImageOver.Get()).cx, 90);
  EXPECT_EQ(BitmapSize(button.ImageOver.Get()).cy, 28);
}

TEST_F(BitmapBtnTest, ShowsTheImageOfItsStateInBothModes) {
  struct Row {
    int toggle, checked, hover;
    bool pressed, enabled;
    COLORREF shown;
  };
  const Row rows[] = {
      {0, 0, 0, false, true, kNormal},  {0, 0, 1, false, true, kOver},     {0, 0, 1, true, true, kDown},
      {0, 1, 0, false, true, kDown},    {0, 1, 0, false, false, kDisabled}, {1, 1, 0, false, false, kDown},
      {1, 0, 1, true, true, kOver},     {1, 0, 0, false, false, kDisabled}, {1, 1, 1, false, true, kDown},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    button.ToggleMode = row.toggle;
    button.Checked = row.checked;
    button.Hover = row.hover;
    SendMessageW(button.Hwnd(), BM_SETSTATE, row.pressed, 0);
    EnableWindow(button.Hwnd(), row.enabled);
    EXPECT_EQ(ShownColour(), row.shown) << "row " << i;
  }
}

TEST_F(BitmapBtnTest, OneClickCommandPerClickAndOnlyTogglesLatch) {
  Click();
  EXPECT_EQ(parent.clicks, std::vector<HWND>{button.Hwnd()});
  EXPECT_EQ(button.Checked, 0);

  parent.clicks.clear();
  button.ToggleMode = 1;
  Click();
  EXPECT_EQ(parent.clicks, std::vector<HWND>{button.Hwnd()});
  EXPECT_EQ(button.Checked, 1);
  // The toggle's press leaves no pressed look behind.
  EXPECT_EQ(SendMessageW(button.Hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  Click();
  EXPECT_EQ(parent.clicks.size(), 2u);
  EXPECT_EQ(button.Checked, 0);
}

TEST_F(BitmapBtnTest, APressAfterTheHoverKeepsItsCaptureUntilTheRelease) {
  ASSERT_NE(GetActiveWindow(), nullptr);
  SendMessageW(button.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 5));
  ASSERT_EQ(button.Hover, 1);
  ASSERT_EQ(GetCapture(), button.Hwnd());
  // The press takes the capture again: the button keeps it, or the release
  // (and the click) would go to whatever window is under the pointer.
  SendMessageW(button.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 5));
  EXPECT_EQ(GetCapture(), button.Hwnd());
  SendMessageW(button.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(30, 5));
  EXPECT_EQ(parent.clicks, std::vector<HWND>{button.Hwnd()});

  // Losing it to another window while lit gives nothing back and keeps the
  // light until the next move outside.
  SendMessageW(button.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 5));
  ASSERT_EQ(GetCapture(), button.Hwnd());
  SetCapture(parent.Hwnd());
  EXPECT_EQ(GetCapture(), parent.Hwnd());
  EXPECT_EQ(button.Hover, 1);
}

TEST_F(BitmapBtnTest, SetCheckRedrawsOnlyOnAChange) {
  UpdateWindow(parent.Hwnd());
  ValidateRect(button.Hwnd(), nullptr);
  button.SetCheck(0);
  EXPECT_FALSE(GetUpdateRect(button.Hwnd(), nullptr, FALSE));
  button.SetCheck(1);
  EXPECT_TRUE(GetUpdateRect(button.Hwnd(), nullptr, FALSE));
  EXPECT_EQ(button.Checked, 1);
}

TEST_F(BitmapBtnTest, HoverStartsOnlyFromHoverMinXAndMovesReachTheParent) {
  ASSERT_NE(GetActiveWindow(), nullptr);
  button.HoverMinX = 40;
  MSG msg;
  while (PeekMessageW(&msg, parent.Hwnd(), WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
  }
  for (int x = 0; x < 40; x += 13) {
    SendMessageW(button.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 5));
    EXPECT_EQ(button.Hover, 0) << x;
  }
  SendMessageW(button.Hwnd(), WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(50, 5));
  EXPECT_EQ(button.Hover, 1);
  EXPECT_EQ(GetCapture(), button.Hwnd());
  EXPECT_EQ(ShownColour(), kOver);

  // Each move went on to the parent, in screen coordinates.
  int forwarded = 0;
  LPARAM last = 0;
  WPARAM lastKeys = 0;
  while (PeekMessageW(&msg, parent.Hwnd(), WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
    ++forwarded;
    last = msg.lParam;
    lastKeys = msg.wParam;
  }
  EXPECT_EQ(forwarded, 5);
  POINT expected{50, 5};
  ClientToScreen(button.Hwnd(), &expected);
  EXPECT_EQ(last, MAKELPARAM(expected.x, expected.y));
  EXPECT_EQ(lastKeys, static_cast<WPARAM>(MK_SHIFT));

  // Back left of HoverMinX while holding the capture: the light goes out.
  SendMessageW(button.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
  EXPECT_EQ(button.Hover, 0);
  EXPECT_NE(GetCapture(), button.Hwnd());

  // A drag that started elsewhere neither lights the button nor is passed on.
  while (PeekMessageW(&msg, parent.Hwnd(), WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
  }
  SendMessageW(button.Hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 5));
  EXPECT_EQ(button.Hover, 0);
  EXPECT_FALSE(PeekMessageW(&msg, parent.Hwnd(), WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE));
}

TEST_F(BitmapBtnTest, CaptionColourFollowsTheState) {
  GdiBitmap black = MakePicture(480, 200, [](int, int) { return RGB(0, 0, 0); });
  button.SetImages(black.Get(), black.Get(), black.Get(), black.Get(), kButtonRect);
  button.SetCaption(L"Apply");
  button.TextColor = RGB(255, 255, 255);
  button.HoverTextColor = RGB(255, 0, 0);
  auto count = [](const std::vector<COLORREF>& pixels, COLORREF c) { return std::count(pixels.begin(), pixels.end(), c); };
  std::vector<COLORREF> shown = Shown();
  EXPECT_GT(count(shown, RGB(255, 255, 255)), 10);
  EXPECT_EQ(count(shown, RGB(255, 0, 0)), 0);
  button.Hover = 1;
  shown = Shown();
  EXPECT_GT(count(shown, RGB(255, 0, 0)), 10);
  EXPECT_EQ(count(shown, RGB(255, 255, 255)), 0);
  // The caption stays inside the 5-pixel insets.
  int width = 0, height = 0;
  shown = CaptureClient(button.Hwnd(), width, height);
  for (int y = 0; y < height; ++y) {
    for (int x : {0, 1, 2, 3, 4, width - 5, width - 1}) EXPECT_EQ(shown[y * width + x], RGB(0, 0, 0));
  }
}

TEST_F(BitmapBtnTest, MissingPicturesGiveAPlainButtonAndAMissingKeyAnInvisibleOne) {
  const std::wstring layout = SkinFolder() + L"button_test.ini";
  CreateDirectoryW(SkinFolder().c_str(), nullptr);
  WritePrivateProfileStringW(L"BUTTONINFO", L"1", L"Apply,120,40,90,28,Apply settings", layout.c_str());
  PageImageSet images;
  images.Load({L"no_mask.bmp", L"no_normal.JPG", L"no_over.JPG", L"no_down.JPG", L"no_normal.jpg"});
  EXPECT_EQ(images.size.cx, 0);

  CBitmapBtn plain;
  const SkinButtonInfo info = CreateSkinButton(plain, ReadButtonSection(layout), L"1", parent.Hwnd(), images);
  EXPECT_EQ(std::u16string_view(info.TooltipText), u"Apply settings");
  RECT rect;
  GetWindowRect(plain.Hwnd(), &rect);
  MapWindowPoints(nullptr, parent.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
  const RECT expected{120, 40, 210, 68};
  EXPECT_TRUE(EqualRect(&rect, &expected));
  RedrawWindow(plain.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  int width = 0, height = 0;
  const std::vector<COLORREF> pixels = CaptureClient(plain.Hwnd(), width, height);
  EXPECT_EQ(width, 90);
  EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](COLORREF c) { return c == CBitmapBtn::kEmptyImageColor; }));

  CBitmapBtn absent;
  CreateSkinButton(absent, ReadButtonSection(layout), L"99", parent.Hwnd(), images);
  GetClientRect(absent.Hwnd(), &rect);
  EXPECT_TRUE(IsRectEmpty(&rect));
}

TEST_F(BitmapBtnTest, TooltipIsMadeOnceWithOneToolWhenThePointerFirstComes) {
  button.SetTooltip(nullptr, true);
  button.SetTooltip(L"Apply settings", true);
  EXPECT_EQ(button.Tooltip(), nullptr);
  SendMessageW(button.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  button.SetTooltip(L"Apply now", true);
  ASSERT_NE(button.Tooltip(), nullptr);
  EXPECT_EQ(SendMessageW(button.Tooltip(), TTM_GETTOOLCOUNT, 0, 0), 1);
  wchar_t text[64] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = button.Hwnd();
  tool.uId = 1;
  tool.lpszText = text;
  SendMessageW(button.Tooltip(), TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, L"Apply now");
}

TEST(SkinFont, AMissingSkinFaceFallsBackToAnInstalledCondensedFace) {
  const std::wstring face = ResolveFontFace(kSkinFontFace);
  RecordProperty("face", std::string(face.begin(), face.end()));
  GdiFont font = CreateSkinFont(18, 6);
  ASSERT_TRUE(font);
  HDC screen = GetDC(nullptr);
  wchar_t used[LF_FACESIZE] = {};
  {
    SelectScope select(screen, font.Get());
    GetTextFaceW(screen, LF_FACESIZE, used);
  }
  ReleaseDC(nullptr, screen);
  // Either the skin face is there, or the face chosen for it is what draws.
  EXPECT_EQ(std::wstring(used), face);
}

}  // namespace
