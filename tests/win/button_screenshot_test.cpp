// A window of skinned buttons in each state, drawn for real and kept as a
// PNG beside the build (artifacts/skinned_buttons.png) for a look by eye.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>

#include "framework/dialog.h"
#include "pixels.h"
#include "resource.h"
#include "skin/bitmap_btn.h"

namespace {

constexpr COLORREF kBackground = 0x1F1F1F;
constexpr COLORREF kAccent = 0x0808FF;
constexpr int kWidth = 560;
constexpr int kHeight = 84;

struct Look {
  COLORREF fill;
  COLORREF border;
};
// Normal, over, down, disabled: the skin's dark theme.
constexpr std::array<Look, 4> kLooks = {{
    {0x2B2B2B, 0x454545},
    {0x333333, kAccent},
    {0x0A0A78, kAccent},
    {0x252525, 0x2E2E2E},
}};

RECT ButtonRect(int i) {
  return {16 + i * 106, 28, 16 + i * 106 + 96, 28 + 30};
}

// One full-window picture with every button drawn in one look.
GdiBitmap StatePicture(const Look& look) {
  GdiBitmap picture = MakePicture(kWidth, kHeight, [](int, int) { return kBackground; });
  MemoryDc dc(nullptr);
  SelectScope select(dc.Get(), picture.Get());
  GdiBrush fill(CreateSolidBrush(look.fill));
  HPEN pen = CreatePen(PS_SOLID, 1, look.border);
  {
    SelectScope selectBrush(dc.Get(), fill.Get());
    SelectScope selectPen(dc.Get(), pen);
    for (int i = 0; i < 5; ++i) {
      const RECT r = ButtonRect(i);
      RoundRect(dc.Get(), r.left, r.top, r.right, r.bottom, 6, 6);
    }
  }
  DeleteObject(pen);
  return picture;
}

class CShowcase : public CDialog {
 public:
  CShowcase() : CDialog(IDD_MAIN) {}
  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages() {
    static const MessageEntry entries[] = {msg::EraseBkgnd<&CShowcase::OnEraseBkgnd>()};
    static const MessageMap map{&CDialog::Messages(), entries};
    return map;
  }
  bool OnEraseBkgnd(HDC dc) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    GdiBrush brush(CreateSolidBrush(kBackground));
    FillRect(dc, &client, brush.Get());
    return true;
  }
};

TEST(ButtonScreenshot, EachStateLooksItsPart) {
  CShowcase window;
  ASSERT_TRUE(window.Create(nullptr));
  SetWindowPos(window.Hwnd(), HWND_TOP, 700, 300, kWidth, kHeight, SWP_SHOWWINDOW);
  std::array<GdiBitmap, 4> pictures;
  for (std::size_t i = 0; i < pictures.size(); ++i) pictures[i] = StatePicture(kLooks[i]);

  const wchar_t* captions[] = {L"Normal", L"Over", L"Pressed", L"Disabled", L"Checked"};
  std::array<CBitmapBtn, 5> buttons;
  for (int i = 0; i < 5; ++i) {
    CBitmapBtn& b = buttons[i];
    ASSERT_TRUE(b.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, ButtonRect(i), window.Hwnd(), 0));
    b.SetImages(pictures[0].Get(), pictures[1].Get(), pictures[2].Get(), pictures[3].Get(), ButtonRect(i));
    b.SetCaption(captions[i]);
    b.HoverTextColor = kAccent;
    b.DisabledTextColor = 0x6E6E6E;
  }
  buttons[1].Hover = 1;
  SendMessageW(buttons[2].Hwnd(), BM_SETSTATE, TRUE, 0);
  EnableWindow(buttons[3].Hwnd(), FALSE);
  buttons[4].ToggleMode = 1;
  buttons[4].SetCheck(1);
  RedrawWindow(window.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);

  int width = 0, height = 0;
  const std::vector<COLORREF> shot = CaptureClient(window.Hwnd(), width, height);
  ASSERT_EQ(width, kWidth);
  const std::wstring folder = ARTIFACT_DIR;
  CreateDirectoryW(folder.c_str(), nullptr);
  EXPECT_TRUE(WritePng(folder + L"\\skinned_buttons.png", shot, width, height));

  // Each button shows its state's fill just inside its border, and the
  // window's background around it.
  const int look[] = {0, 1, 2, 3, 2};
  for (int i = 0; i < 5; ++i) {
    const RECT r = ButtonRect(i);
    EXPECT_EQ(shot[(r.top + 4) * width + r.left + 4], kLooks[look[i]].fill) << i;
    EXPECT_EQ(shot[(r.top - 4) * width + r.left + 4], kBackground) << i;
  }
  window.DestroyWindow();
}

}  // namespace
