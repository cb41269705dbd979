#include "app/dlg_start.h"

#include "resource.h"

const PageImageNames CDlgStart::kPictures{L"page_mask.bmp", L"start.JPG", L"", L"", L""};

CDlgStart::CDlgStart() : CDialog(IDD_START_PAGE) {}

const MessageMap& CDlgStart::Messages() {
  static const MessageEntry entries[] = {
      OnMessage(WM_CREATE, &CDlgStart::OnCreate),
      OnMessage(WM_PAINT, &CDlgStart::OnPaint),
      OnMessage(WM_ERASEBKGND, &CDlgStart::OnEraseBkgnd),
      OnMessage(WM_LBUTTONDOWN, &CDlgStart::OnLButtonDown),
      OnMessage(WM_DESTROY, &CDlgStart::OnDestroy),
  };
  static const MessageMap map{&CDialog::Messages(), entries};
  return map;
}

LRESULT CDlgStart::OnCreate(WPARAM, LPARAM) {
  if (Default() == -1) return -1;
  images_.Load(kPictures);
  // The main window moves the page to its place.
  SetWindowPos(Hwnd(), nullptr, 0, 0, images_.size.cx, images_.size.cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  images_.ApplyRegion(Hwnd());
  return 0;
}

LRESULT CDlgStart::OnPaint(WPARAM, LPARAM) {
  PaintDc paint(Hwnd());
  images_.PaintBackground(paint.Get());
  return 0;
}

LRESULT CDlgStart::OnEraseBkgnd(WPARAM, LPARAM) { return TRUE; }

LRESULT CDlgStart::OnLButtonDown(WPARAM, LPARAM lParam) {
  // The whole main window is dragged by the page's background.
  PostMessageW(GetParent(Hwnd()), WM_NCLBUTTONDOWN, HTCAPTION, lParam);
  return 0;
}

LRESULT CDlgStart::OnDestroy(WPARAM, LPARAM) {
  const LRESULT result = Default();
  images_ = PageImageSet();
  return result;
}
