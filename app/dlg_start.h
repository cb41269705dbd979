#pragma once
// The start page: a picture in the function page area while no function
// page is chosen. No controls, no texts, no state.
#include <windows.h>

#include "framework/dialog.h"
#include "skin/page_image_set.h"

class CDlgStart : public CDialog {
 public:
  CDlgStart();

  static const PageImageNames kPictures;

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  PageImageSet images_;
};
