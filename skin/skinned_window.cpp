#include "skin/skinned_window.h"

CSkinnedWindow::CSkinnedWindow(UINT templateId, PageImageNames pictures, Drag drag)
    : CDialog(templateId), pictures_(std::move(pictures)), drag_(drag) {}

const MessageMap& CSkinnedWindow::Messages() {
  static const MessageEntry entries[] = {
      OnMessage(WM_CREATE, &CSkinnedWindow::OnCreate),
      OnMessage(WM_PAINT, &CSkinnedWindow::OnPaint),
      OnMessage(WM_ERASEBKGND, &CSkinnedWindow::OnEraseBkgnd),
      OnMessage(WM_LBUTTONDOWN, &CSkinnedWindow::OnLButtonDown),
      OnMessage(WM_DESTROY, &CSkinnedWindow::OnDestroy),
  };
  static const MessageMap map{&CDialog::Messages(), entries};
  return map;
}

void CSkinnedWindow::LoadPictures() { images_.Load(pictures_); }

void CSkinnedWindow::TakeShape() {
  // Where the window goes is its owner's business (a page's host places it).
  SetWindowPos(Hwnd(), nullptr, 0, 0, images_.size.cx, images_.size.cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  images_.ReleaseStatePictures();
  images_.ApplyRegion(Hwnd());
}

LRESULT CSkinnedWindow::OnCreate(WPARAM, LPARAM) {
  if (Default() == -1) return -1;
  LoadPictures();
  CreateControls();
  TakeShape();
  return 0;
}

LRESULT CSkinnedWindow::OnPaint(WPARAM, LPARAM) {
  PaintBuffered(Hwnd(), [this](HDC dc) {
    images_.PaintBackground(dc);
    PaintContent(dc);
  });
  return 0;
}

LRESULT CSkinnedWindow::OnEraseBkgnd(WPARAM, LPARAM) { return TRUE; }

LRESULT CSkinnedWindow::OnLButtonDown(WPARAM, LPARAM lParam) {
  const HWND dragged = drag_ == Drag::Itself ? Hwnd() : drag_ == Drag::Parent ? GetParent(Hwnd()) : nullptr;
  if (dragged) PostMessageW(dragged, WM_NCLBUTTONDOWN, HTCAPTION, lParam);
  return Default();
}

LRESULT CSkinnedWindow::OnDestroy(WPARAM, LPARAM) {
  const LRESULT result = Default();
  images_ = PageImageSet();
  DestroyContent();
  return result;
}
