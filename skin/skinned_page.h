#pragma once
// A child page of the main window: a skinned window its host creates,
// places, shows and brings up to date through the operations below (each
// a no-op unless the page has it).
#include <windows.h>

#include "model/button_record.h"
#include "skin/skinned_window.h"

class CSkinnedPage : public CSkinnedWindow {
 public:
  // Texts fetched again after a language change.
  virtual void RefreshTexts() {}
  // The active profile of WorkingSettings shown again.
  virtual void ShowActiveProfile() {}
  // The selected button (0-14) and its record shown.
  virtual void ShowButtonRecord(int /*button*/, const ButtonRecord& /*record*/) {}
  // The user leaves the page: a key capture or a recording ends.
  virtual void EndCapture() {}

  PreTranslation PreTranslateMessage(MSG* msg) override;

 protected:
  // Whether Enter, Space and Escape stop at the page: they then reach its
  // focused control but never a dialog's keyboard handling, whoever hosts it.
  enum class Keys { Stopped, Passed };
  CSkinnedPage(UINT templateId, PageImageNames pictures, Drag drag, Keys keys);

 private:
  Keys keys_;
};
