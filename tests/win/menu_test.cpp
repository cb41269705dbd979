// The owner-drawn menu and the frame hook on real popup menus of this
// thread, shown with TrackPopupMenu and inspected from inside its loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "message_pump.h"
#include "skin/ex_menu.h"
#include "skin/menu_hook.h"
#include "skin/skin_font.h"

namespace {

// A top-level window that hands its menu's owner-draw messages to `menu`.
class MenuOwner {
 public:
  explicit MenuOwner(CExMenu* menu) : menu_(menu) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &MenuOwner::Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"MenuTestOwner";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"menu owner", WS_POPUP | WS_VISIBLE, 100, 100, 200, 200,
                              nullptr, nullptr, windowClass.hInstance, this);
  }
  ~MenuOwner() { DestroyWindow(window_); }
  HWND Hwnd() const { return window_; }
  int drawn = 0;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<MenuOwner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && self->menu_ && message == WM_MEASUREITEM) {
      self->menu_->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
      return TRUE;
    }
    if (self && self->menu_ && message == WM_DRAWITEM) {
      self->menu_->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      ++self->drawn;
      return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  CExMenu* menu_;
  HWND window_;
};

HWND FindMenuWindow() { return FindWindowW(L"#32768", nullptr); }

// Shows `menu` at (120, 120); `inside` runs once the menu window is shown,
// then the menu is closed.
void ShowMenu(HMENU menu, HWND owner, const std::function<void(HWND)>& inside) {
  static std::function<void()> tick;
  tick = [&] {
    HWND shown = FindMenuWindow();
    if (!shown || !IsWindowVisible(shown)) return;
    tick = nullptr;
    inside(shown);
    EndMenu();
  };
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
    if (tick) tick();
  });
  SetForegroundWindow(owner);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, 120, 120, 0, owner, nullptr);
  KillTimer(nullptr, timer);
  tick = nullptr;
}

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(InstallMenuHook()); }
  void TearDown() override {
    RemoveMenuHook();
    EXPECT_EQ(SubclassedMenuCount(), 0u);
  }
  GdiFont font = CreateSkinFont(18, 6);
};

TEST_F(MenuTest, ItemsMeasureByTheWidthRuleAndIdentifierOneTakesNoSpace) {
  CExMenu menu(font.Get());
  menu.AppendItem(10, L"Short");
  menu.AppendItem(kHiddenItemId, L"");
  menu.AppendItem(kMenuSeparatorId, L"");
  menu.AppendItem(11, L"Twenty characters!!!", nullptr, true, true);
  EXPECT_EQ(menu.ItemCount(), 4);
  EXPECT_EQ(menu.Width(), 136);
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 4);
  MenuOwner owner(&menu);
  int heights[4] = {-1, -1, -1, -1};
  int width = 0;
  ShowMenu(menu.Handle(), owner.Hwnd(), [&](HWND) {
    for (int i = 0; i < 4; ++i) {
      RECT item;
      if (GetMenuItemRect(owner.Hwnd(), menu.Handle(), i, &item)) heights[i] = item.bottom - item.top;
      if (i == 0) width = item.right - item.left;
    }
  });
  EXPECT_EQ(heights[0], 20);
  EXPECT_EQ(heights[1], 0);
  EXPECT_EQ(heights[2], 5);
  EXPECT_EQ(heights[3], 20);
  EXPECT_GE(width, 136);
  EXPECT_GE(menu.TotalHeight(), 45) << "every measure counts";
  EXPECT_GT(owner.drawn, 0);
}

TEST_F(MenuTest, EachShowingSubclassesTheMenuWindowUntilItIsHidden) {
  CExMenu menu(font.Get());
  menu.AppendItem(10, L"Item");
  MenuOwner owner(&menu);
  for (int showing = 0; showing < 2; ++showing) {
    bool subclassed = false;
    COLORREF corner = 0;
    ShowMenu(menu.Handle(), owner.Hwnd(), [&](HWND shown) {
      subclassed = GetPropW(shown, L"CoolMenu_oldProc") != nullptr && SubclassedMenuCount() == 1;
      // The frame as the hooked procedure paints it.
      SendMessageW(shown, WM_NCPAINT, 1, 0);
      HDC dc = GetWindowDC(shown);
      corner = GetPixel(dc, 0, 0);
      ReleaseDC(shown, dc);
    });
    EXPECT_TRUE(subclassed) << showing;
    EXPECT_EQ(corner, static_cast<COLORREF>(0x0808FF)) << "the red outer line";
    PumpMessages();
    EXPECT_EQ(SubclassedMenuCount(), 0u) << "given back when hidden";
  }
}

TEST_F(MenuTest, OtherWindowClassesAreNeverSubclassed) {
  HWND tooltip = CreateWindowExW(0, L"tooltips_class32", nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(tooltip);
  SetWindowPos(tooltip, nullptr, 0, 0, 20, 20, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(GetPropW(tooltip, L"CoolMenu_oldProc"), nullptr);
  EXPECT_EQ(SubclassedMenuCount(), 0u);
  DestroyWindow(tooltip);
}

TEST(MenuFrame, RedOutsideTwoDarkLinesInside) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 20, 20);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const RECT all{0, 0, 20, 20};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawFlatMenuFrame(dc, all);
  EXPECT_EQ(GetPixel(dc, 0, 10), static_cast<COLORREF>(0x0808FF));
  EXPECT_EQ(GetPixel(dc, 1, 10), static_cast<COLORREF>(0x1F1F1F));
  EXPECT_EQ(GetPixel(dc, 2, 10), static_cast<COLORREF>(0x1F1F1F));
  EXPECT_EQ(GetPixel(dc, 3, 10), static_cast<COLORREF>(0xFFFFFF));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

}  // namespace
