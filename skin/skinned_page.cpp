#include "skin/skinned_page.h"

#include "framework/keys.h"

CSkinnedPage::CSkinnedPage(UINT templateId, PageImageNames pictures, Drag drag, Keys keys)
    : CSkinnedWindow(templateId, std::move(pictures), drag), keys_(keys) {}

PreTranslation CSkinnedPage::PreTranslateMessage(MSG* msg) {
  // The focused control still acts on them; only the dialog's keyboard
  // handling, which would end the page, never sees them.
  if (keys_ == Keys::Stopped && IsEnterSpaceOrEscape(*msg)) return PreTranslation::DispatchOnly;
  return CSkinnedWindow::PreTranslateMessage(msg);
}
