#pragma once
// The start page: a picture in the function page area while no function
// page is chosen. No controls, no texts, no state.
#include <windows.h>

#include "skin/skinned_page.h"

class CDlgStart : public CSkinnedPage {
 public:
  explicit CDlgStart(UINT templateId);

  static const PageImageNames kPictures;
};
