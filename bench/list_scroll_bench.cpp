// list_scroll_bench: a 500-line owner-drawn list in its skinned scroll
// frame, scrolled by dragging the thumb from one end of the track to the
// other a pixel at a time; each step is the bar's move, the list's scroll
// and both repainted. Reports the median time of a step.
#include <windows.h>

#include <string>

#include "bench.h"
#include "framework/dialog.h"
#include "macro/list_box_ex.h"
#include "resource.h"
#include "skin/skin_scroll_wnd.h"

namespace {

constexpr int kLines = 500;
constexpr int kRuns = 5;
constexpr DWORD kListStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

int wmain() {
  GdiBitmap skin(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_SCROLL_SKIN)));
  CDialog page(IDD_MAIN);
  CListBoxEx list;
  if (!skin || !page.Create(nullptr)) return 1;
  SetWindowPos(page.Hwnd(), HWND_TOP, 100, 100, 300, 300, SWP_SHOWWINDOW);
  if (!list.Create({.style = kListStyle, .rect = {20, 20, 200, 260}, .parent = page.Hwnd(), .id = 2010,
                    .scrollSkin = skin.Get()}))
    return 1;
  CSkinScrollWnd* frame = CSkinScrollWnd::FrameOf(list.Hwnd());
  SendMessageW(list.Hwnd(), WM_SETREDRAW, FALSE, 0);
  for (int i = 0; i < kLines; ++i) {
    const std::wstring text = L"Line " + std::to_wstring(i + 1);
    SendMessageW(list.Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  SendMessageW(list.Hwnd(), WM_SETREDRAW, TRUE, 0);
  RedrawWindow(page.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();

  const HWND bar = frame->VertBar().Hwnd();
  RECT track;
  GetClientRect(bar, &track);
  const int thickness = frame->VertBar().Thickness();
  const int length = track.bottom;
  int steps = 0;
  const double total = MedianMilliseconds(kRuns, [&] {
    const ScrollLayout layout = LayoutScrollBar(thickness, length, frame->VertBar().Values(), false);
    const int from = layout.thumbBegin + layout.thumb / 2;
    const bool down = frame->VertBar().Values().pos == 0;
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(thickness / 2, from));
    steps = layout.freeTrack;
    for (int i = 1; i <= steps; ++i) {
      SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(thickness / 2, down ? from + i : from - i));
      UpdateWindow(list.Hwnd());
    }
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(thickness / 2, down ? from + steps : from - steps));
    Pump();
  });
  std::printf("thumb dragged over %d px of track, %d lines\n", steps, kLines);
  Report("one step of a thumb drag", kRuns, steps ? total / steps : 0);
  CSkinScrollWnd::Detach(list.Hwnd());
  page.DestroyWindow();
  return 0;
}
