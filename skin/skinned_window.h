#pragma once
// A window drawn from the skin: pictures and shape from the skin folder,
// the background painted without erasing, controls built from its layout
// once the pictures are there, and a press on the background that drags
// the main window or nothing. The main window, the small modal dialogs and
// every page are built on it.
#include <windows.h>

#include <optional>

#include "framework/dialog.h"
#include "skin/page_image_set.h"

class CSkinnedWindow : public CDialog {
 public:
  // What a press on the window's own background drags.
  enum class Drag { Itself, Parent, Nothing };

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 protected:
  CSkinnedWindow(UINT templateId, PageImageNames pictures, Drag drag);

  // Builds the window's controls: the state pictures are loaded, for the
  // controls' cut-outs, and dropped afterwards.
  virtual void CreateControls() {}
  // What the window paints over its background.
  virtual void PaintContent(HDC) {}
  // After each paint of the window.
  virtual void Painted() {}
  // Where the window goes once its size is known; by default its owner
  // places it (a page's host does).
  virtual std::optional<POINT> PlaceFor(SIZE) const { return std::nullopt; }
  // The window's own steps when it is destroyed (its pictures are gone).
  virtual void DestroyContent() {}

  // The skin's steps of creation, for a window that does more between them:
  // the pictures; then the window's size from them, the state pictures
  // dropped (once planned controls are made, when there are), and the
  // shape from the mask.
  void LoadPictures();
  void TakeShape();

  const PageImageSet& Images() const { return images_; }

 private:
  bool OnCreate(const CREATESTRUCTW& create);
  void OnPaint();
  bool OnEraseBkgnd(HDC dc);
  void OnLButtonDown(POINT at, UINT keys);
  void OnDestroy();
  // A slider's report, handed back to the slider, whose owner acts on it.
  void OnSliderPos(int position, int sliderId);

  PageImageNames pictures_;
  Drag drag_;
  PageImageSet images_;
};
