// The owner-drawn list box inside its skinned scroll frame, on real windows
// with real input: the frame's tree, the bars' repeat and drag, the lines'
// icons, the in-place editor, and a screenshot (artifacts/list_box.png).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/messages.h"
#include "framework/dialog.h"
#include "macro/list_box_ex.h"
#include "message_pump.h"
#include "pixels.h"
#include "real_input.h"
#include "resource.h"
#include "skin/skin_scroll_wnd.h"

namespace {

constexpr UINT kListId = 2010;
constexpr RECT kListRect{20, 20, 200, 200};
constexpr DWORD kListStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
constexpr COLORREF kBack = CListBoxEx::kBackColor;

// The page a list lives on; keeps the list's notifications.
class CHost : public CDialog {
 public:
  CHost() : CDialog(IDD_MAIN) {}
  std::vector<std::pair<UINT, WPARAM>> notes;
  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages() {
    static const MessageEntry entries[] = {msg::ListItemEdited<&CHost::OnEdited>(),
                                           msg::CtlColor<&CHost::OnColour>(WM_CTLCOLORDLG)};
    static const MessageMap map{&CDialog::Messages(), entries};
    return map;
  }
  // Dark as the pages are.
  HBRUSH OnColour(HDC) { return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)); }
  void OnEdited(int line, int list) { notes.push_back({static_cast<UINT>(list), static_cast<WPARAM>(line)}); }
};

// Keeps when each scroll message reached it.
class CRecordingList : public CListBoxEx {
 public:
  std::vector<std::pair<WORD, ULONGLONG>> scrolls;
  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages() {
    static const MessageEntry entries[] = {msg::Scroll<&CRecordingList::OnVScroll>(WM_VSCROLL)};
    static const MessageMap map{&CListBoxEx::Messages(), entries};
    return map;
  }
  void OnVScroll(int request, int, HWND) {
    scrolls.push_back({static_cast<WORD>(request), GetTickCount64()});
    Default();
  }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(Hwnd(), message, wParam, lParam);
  }
  int Top() { return static_cast<int>(Send(LB_GETTOPINDEX)); }
  std::wstring Text(int i) {
    std::wstring text(static_cast<std::size_t>(Send(LB_GETTEXTLEN, i)), L'\0');
    Send(LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    return text;
  }
};

void PointAt(HWND window, POINT at) {
  ClientToScreen(window, &at);
  SetCursorPos(at.x, at.y);
  SendMouse(MOUSEEVENTF_MOVE);
}

void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

class ListControlsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(skin);
    ASSERT_TRUE(host.Create(nullptr));
    SetWindowPos(host.Hwnd(), HWND_TOP, 600, 80, 420, 260, SWP_SHOWWINDOW);
    SetForegroundWindow(host.Hwnd());
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == host.Hwnd(); }));
  }
  void TearDown() override { host.DestroyWindow(); }

  void MakeList(int lines, DWORD extraStyle = 0, bool framed = true) {
    ASSERT_TRUE(list.Create({.style = kListStyle | extraStyle,
                             .rect = kListRect,
                             .parent = host.Hwnd(),
                             .id = kListId,
                             .scrollSkin = framed ? skin.Get() : nullptr}));
    if (framed) {
      ASSERT_NE(CSkinScrollWnd::FrameOf(list.Hwnd()), nullptr);
    }
    list.Send(WM_SETREDRAW, FALSE);
    for (int i = 0; i < lines; ++i) list.Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(i).c_str()));
    list.Send(WM_SETREDRAW, TRUE);
    Settle();
  }
  // The frame's layout arrives posted, the bars follow the list's paint.
  void Settle() {
    PumpMessages();
    RedrawWindow(host.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
  }
  CSkinScrollBar& VertBar() { return CSkinScrollWnd::FrameOf(list.Hwnd())->VertBar(); }

  GdiBitmap skin{LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_SCROLL_SKIN))};
  CHost host;
  CRecordingList list;
};

TEST_F(ListControlsTest, TheFrameWrapsTheListAndDetachGivesItBackWhereItWas) {
  MakeList(40);
  CSkinScrollWnd* frame = CSkinScrollWnd::FrameOf(list.Hwnd());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(GetParent(list.Hwnd()), frame->LimitWindow());
  EXPECT_EQ(GetParent(frame->LimitWindow()), frame->Hwnd());
  EXPECT_EQ(GetParent(frame->Hwnd()), host.Hwnd());
  EXPECT_EQ(GetDlgCtrlID(frame->Hwnd()), static_cast<int>(kListId));
  // Only a vertical bar, on the right: no corner, the list clipped 13 px short.
  RECT client, limit;
  GetClientRect(frame->Hwnd(), &client);
  GetClientRect(frame->LimitWindow(), &limit);
  EXPECT_EQ(frame->CornerMode(), 0);
  EXPECT_EQ(limit.right, client.right - 13);
  EXPECT_TRUE(IsWindowVisible(frame->VertBar().Hwnd()));
  EXPECT_FALSE(IsWindowVisible(frame->HorzBar().Hwnd()));
  // Lines added inside the frame are still measured by the list.
  EXPECT_EQ(list.Send(LB_GETITEMHEIGHT, 39), 18);

  // A frame attached later under another parent does not confuse the first;
  // its list's bar is on the left, and so is its skinned one.
  CHost other;
  ASSERT_TRUE(other.Create(nullptr));
  CListBoxEx second;
  ASSERT_TRUE(second.CreateControl(L"LISTBOX", L"", kListStyle, kListRect, other.Hwnd(), kListId, WS_EX_LEFTSCROLLBAR));
  for (int i = 0; i < 40; ++i) SendMessageW(second.Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"line"));
  CSkinScrollWnd* leftFrame = CSkinScrollWnd::Attach(second.Hwnd(), skin.Get());
  ASSERT_NE(leftFrame, nullptr);
  PumpMessages();
  // Its frame changing again where the layout moved it (a bar shown, say).
  SetWindowPos(second.Hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  PumpMessages();
  auto leftIn = [&](HWND window) {
    POINT at{0, 0};
    MapWindowPoints(window, leftFrame->Hwnd(), &at, 1);
    return at.x;
  };
  EXPECT_EQ(leftIn(leftFrame->VertBar().Hwnd()), 0);
  EXPECT_EQ(leftIn(leftFrame->LimitWindow()), 13);
  CSkinScrollWnd::Detach(list.Hwnd());
  EXPECT_EQ(CSkinScrollWnd::FrameOf(list.Hwnd()), nullptr);
  EXPECT_EQ(GetParent(list.Hwnd()), host.Hwnd());
  RECT place;
  GetWindowRect(list.Hwnd(), &place);
  MapWindowPoints(nullptr, host.Hwnd(), reinterpret_cast<POINT*>(&place), 2);
  EXPECT_TRUE(EqualRect(&place, &kListRect));
  EXPECT_TRUE(GetWindowLongPtrW(list.Hwnd(), GWL_STYLE) & WS_BORDER);
  EXPECT_NE(GetParent(second.Hwnd()), other.Hwnd());
  // The other frame ends with its page.
  other.DestroyWindow();
  EXPECT_EQ(CSkinScrollWnd::FrameOf(second.Hwnd()), nullptr);
}

TEST_F(ListControlsTest, AHeldArrowRepeatsAfterTheDelayAndPausesOffIt) {
  MakeList(100);
  list.Send(LB_SETTOPINDEX, 99);
  Settle();
  ASSERT_GT(VertBar().Values().pos, 50);
  const HWND bar = VertBar().Hwnd();
  list.scrolls.clear();
  PointAt(bar, {6, 6});
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpFor(1000);
  const std::vector<std::pair<WORD, ULONGLONG>> held = list.scrolls;
  ASSERT_GE(held.size(), 5u);
  EXPECT_TRUE(std::all_of(held.begin(), held.end(), [](auto s) { return s.first == SB_LINEUP; }));
  // One at once, none for the delay, then one a tick.
  const ULONGLONG delay = held[1].second - held[0].second;
  EXPECT_GE(delay, 450u);
  EXPECT_LE(delay, 800u);
  std::vector<ULONGLONG> gaps;
  for (std::size_t i = 2; i < held.size(); ++i) gaps.push_back(held[i].second - held[i - 1].second);
  std::sort(gaps.begin(), gaps.end());
  EXPECT_GE(gaps[gaps.size() / 2], 70u);
  EXPECT_LE(gaps[gaps.size() / 2], 200u);

  // Off the arrow the repeat pauses; back on it, it goes on.
  PointAt(bar, {6, 90});
  PumpFor(100);
  const std::size_t paused = list.scrolls.size();
  PumpFor(400);
  EXPECT_EQ(list.scrolls.size(), paused);
  PointAt(bar, {6, 6});
  PumpFor(400);
  EXPECT_GT(list.scrolls.size(), paused);
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpFor(100);
  const std::size_t released = list.scrolls.size();
  PumpFor(300);
  EXPECT_EQ(list.scrolls.size(), released);
  EXPECT_EQ(VertBar().Values().pos, list.Top());
}

TEST_F(ListControlsTest, AFiveHundredLineListScrollsALineANotchAndByItsThumb) {
  MakeList(500);
  for (auto [delta, top] : {std::pair{-120, 1}, {-360, 2}, {120, 1}, {-1200, 2}}) {
    list.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, delta));
    EXPECT_EQ(list.Top(), top) << delta;
  }
  Settle();
  EXPECT_EQ(VertBar().Values().pos, 2);

  // The thumb dragged past the end, then a press on the track above it.
  const HWND bar = VertBar().Hwnd();
  RECT barRect;
  GetClientRect(bar, &barRect);
  const int thumbAt = LayoutScrollBar(13, barRect.bottom, VertBar().Values(), false).thumbBegin + 2;
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, thumbAt));
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(6, barRect.bottom + 50));
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(6, barRect.bottom + 50));
  const int page = static_cast<int>(VertBar().Values().page);
  EXPECT_EQ(list.Top(), 500 - page);
  EXPECT_EQ(VertBar().Values().pos, 500 - page);
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 20));
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(6, 20));
  EXPECT_EQ(list.Top(), 500 - 2 * page);
}

TEST_F(ListControlsTest, ALineDrawsItsIconAndItsTextAfterIt) {
  MakeList(0, 0, false);
  for (ULONG_PTR data : {0x0002008Fu, 0u}) {
    const LRESULT i = list.Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Pause"));
    list.Send(LB_SETITEMDATA, i, data);
  }
  Settle();
  int width = 0, height = 0;
  const std::vector<COLORREF> shown = CaptureClient(list.Hwnd(), width, height);
  int iconWidth = 0, iconHeight = 0;
  GdiBitmap icon(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_PAUSE)));
  const std::vector<COLORREF> pixels = ReadPixels(icon.Get(), iconWidth, iconHeight);
  ASSERT_EQ(iconWidth, 16);
  for (int y = 0; y < iconHeight; ++y) {
    for (int x = 0; x < iconWidth; ++x) {
      const COLORREF p = pixels[y * iconWidth + x];
      ASSERT_EQ(shown[(2 + y) * width + 5 + x], p ? p : kBack) << x << "," << y;
    }
  }
  // The same text, 16 px further right on the line with the icon.
  auto firstInk = [&](int top, int from) {
    for (int x = from; x < width; ++x) {
      for (int y = top; y < top + 18; ++y) {
        if (shown[y * width + x] != kBack) return x;
      }
    }
    return -1;
  };
  const int textStart = firstInk(18, 0);
  ASSERT_GT(textStart, 0);
  for (int y = 0; y < 18; ++y)
    for (int x = textStart; x + 16 < width; ++x)
      ASSERT_EQ(shown[y * width + x + 16], shown[(18 + y) * width + x]) << x << "," << y;
}

TEST_F(ListControlsTest, TheInPlaceEditorCommitsCancelsAndReports) {
  MakeList(2, 0, false);
  list.BeginNewItem();
  ASSERT_NE(list.EditWindow, nullptr);
  list.BeginNewItem();  // one editor at a time
  EXPECT_EQ(list.Send(LB_GETCOUNT), 3);
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == list.EditWindow; }));
  for (WORD key : {WORD{'A'}, WORD{'B'}, WORD{VK_RETURN}}) TapKey(key);
  ASSERT_TRUE(PumpUntil([&] { return !list.EditWindow; }));
  EXPECT_EQ(list.Text(2), L"ab");
  EXPECT_EQ(list.Send(LB_GETCURSEL), 2);
  ASSERT_TRUE(PumpUntil([&] { return !host.notes.empty(); }));
  EXPECT_EQ(host.notes, (std::vector<std::pair<UINT, WPARAM>>{{kListId, 2}}));

  // An empty name removes its line and tells nobody.
  list.BeginNewItem();
  TapKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return !list.EditWindow; }));
  EXPECT_EQ(list.Send(LB_GETCOUNT), 3);

  // Escape removes the edited line, an existing one too; its editor starts
  // after the icon.
  list.Send(LB_SETITEMDATA, 0, 0x0002008F);
  list.Send(LB_SETCURSEL, 0);
  list.EditSelected();
  RECT editor;
  GetWindowRect(list.EditWindow, &editor);
  MapWindowPoints(nullptr, list.Hwnd(), reinterpret_cast<POINT*>(&editor), 2);
  EXPECT_EQ(editor.left, 21);
  TapKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return !list.EditWindow; }));
  EXPECT_EQ(list.Send(LB_GETCOUNT), 2);
  EXPECT_EQ(list.Text(0), L"1");

  // A text longer than the editor takes is kept whole when the focus comes
  // back to the list, and nothing is selected.
  const std::wstring longText(64, L'7');
  list.Send(LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(longText.c_str()));
  list.Send(LB_SETCURSEL, 0);
  list.EditSelected();
  SetFocus(list.Hwnd());
  EXPECT_EQ(list.EditWindow, nullptr);
  EXPECT_EQ(list.Text(0), longText);
  EXPECT_EQ(list.Send(LB_GETCURSEL), LB_ERR);
  PumpMessages();
  EXPECT_EQ(host.notes.size(), 2u);
}

TEST_F(ListControlsTest, AFramedListWithBothBarsIsDrawnFromTheSkin) {
  MakeList(0, WS_HSCROLL);
  const UINT icons[] = {IDB_KEY_DOWN, IDB_KEY_UP, IDB_PAUSE, IDB_MOUSE_BUTTON};
  for (int i = 0; i < 24; ++i) {
    const std::wstring text = L"Event line " + std::to_wstring(i + 1);
    list.Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    list.Send(LB_SETITEMDATA, i, icons[i % 4]);
  }
  list.Send(LB_SETHORIZONTALEXTENT, 600);
  list.Send(LB_SETCURSEL, 2);
  Settle();
  CSkinScrollWnd* frame = CSkinScrollWnd::FrameOf(list.Hwnd());
  EXPECT_EQ(frame->CornerMode(), 2);
  ASSERT_TRUE(IsWindowVisible(frame->HorzBar().Hwnd()));
  // The pointer over the down arrow lights it.
  RECT bar;
  GetClientRect(VertBar().Hwnd(), &bar);
  PointAt(VertBar().Hwnd(), {6, bar.bottom - 6});
  EXPECT_TRUE(PumpUntil([&] { return VertBar().HotPart() == kLineDownPart; }));

  int width = 0, height = 0;
  const std::vector<COLORREF> shown = CaptureClient(host.Hwnd(), width, height);
  CreateDirectoryW(ARTIFACT_DIR, nullptr);
  EXPECT_TRUE(WritePng(std::wstring(ARTIFACT_DIR) + L"/list_box.png", shown, width, height));
  auto has = [&](HWND window, COLORREF colour, int fromY, int toY) {
    POINT origin{0, 0};
    MapWindowPoints(window, host.Hwnd(), &origin, 1);
    for (int y = fromY; y < toY; ++y) {
      for (int x = 0; x < 13; ++x) {
        if (shown[(origin.y + y) * width + origin.x + x] == colour) return true;
      }
    }
    return false;
  };
  constexpr COLORREF kHoverFace = RGB(0x4C, 0x4C, 0x4C);
  EXPECT_TRUE(has(VertBar().Hwnd(), kHoverFace, bar.bottom - 13, bar.bottom));
  EXPECT_FALSE(has(VertBar().Hwnd(), kHoverFace, 0, 13));
  EXPECT_TRUE(has(VertBar().Hwnd(), RGB(0x3A, 0x3A, 0x3A), 0, 13));
}

}  // namespace
