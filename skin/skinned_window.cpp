#include "skin/skinned_window.h"

#include "framework/paint_children.h"
#include "skin/button_plans.h"
#include "skin/click_slider.h"
#include "skin/slider_message.h"

CSkinnedWindow::CSkinnedWindow(UINT templateId, PageImageNames pictures, Drag drag)
    : CDialog(templateId), pictures_(std::move(pictures)), drag_(drag) {}

const MessageMap& CSkinnedWindow::Messages() {
  static const MessageEntry entries[] = {
      msg::Create<&CSkinnedWindow::OnCreate>(),
      msg::Paint<&CSkinnedWindow::OnPaint>(),
      msg::EraseBkgnd<&CSkinnedWindow::OnEraseBkgnd>(),
      msg::Mouse<&CSkinnedWindow::OnLButtonDown>(WM_LBUTTONDOWN),
      msg::Destroy<&CSkinnedWindow::OnDestroy>(),
      msg::SliderPos<&CSkinnedWindow::OnSliderPos>(),
  };
  static const MessageMap map{&CDialog::Messages(), entries};
  return map;
}

void CSkinnedWindow::LoadPictures() { images_.Load(pictures_); }

void CSkinnedWindow::TakeShape() {
  // Size and place in one move: each is a trip to the window server.
  const std::optional<POINT> place = PlaceFor(images_.size);
  SetWindowPos(Hwnd(), nullptr, place ? place->x : 0, place ? place->y : 0, images_.size.cx, images_.size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE | (place ? 0 : SWP_NOMOVE));
  // Planned controls are cut from the state pictures later.
  if (ButtonPlans* plans = ButtonPlans::Taking())
    plans->AfterCut([this] { images_.ReleaseStatePictures(); });
  else
    images_.ReleaseStatePictures();
  images_.ApplyRegion(Hwnd());
}

bool CSkinnedWindow::OnCreate(const CREATESTRUCTW&) {
  if (Default() == -1) return false;
  LoadPictures();
  CreateControls();
  TakeShape();
  return true;
}

void CSkinnedWindow::OnPaint() {
  // Shown anew (or uncovered whole): its controls paint in the same pass.
  // Painted into its own parent's pass, that pass paints them.
  const bool withChildren = !PrintingInto(Hwnd()) && WholeClientToPaint(Hwnd());
  PaintBuffered(Hwnd(), [&](HDC dc) {
    images_.PaintBackground(dc);
    PaintContent(dc);
    ButtonPlans::PaintPlanned(Hwnd(), dc);
    if (withChildren) PaintChildren(Hwnd(), dc);
  });
  Painted();
}

bool CSkinnedWindow::OnEraseBkgnd(HDC) { return true; }

void CSkinnedWindow::OnLButtonDown(POINT at, UINT) {
  const HWND dragged = drag_ == Drag::Itself ? Hwnd() : drag_ == Drag::Parent ? GetParent(Hwnd()) : nullptr;
  if (dragged) PostMessageW(dragged, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
  Default();
}

void CSkinnedWindow::OnSliderPos(int position, int sliderId) { DeliverSliderPos(Hwnd(), position, sliderId); }

void CSkinnedWindow::OnDestroy() {
  Default();
  images_ = PageImageSet();
  DestroyContent();
}
