#include "skin/skinned_page.h"

#include "framework/keys.h"

CSkinnedPage::CSkinnedPage(UINT templateId, PageImageNames pictures, Drag drag, Keys keys)
    : CSkinnedWindow(templateId, std::move(pictures), drag), keys_(keys) {}

PreTranslation CSkinnedPage::PreTranslateMessage(MSG* msg) {
  if (keys_ == Keys::Stopped && IsEnterSpaceOrEscape(*msg)) return PreTranslation::Consumed;
  return CSkinnedWindow::PreTranslateMessage(msg);
}
