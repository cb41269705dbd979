#pragma once
// The shortcut capture page: a key caught from the keyboard while capture
// is on, and five modifier toggles (none, Ctrl, Shift, Alt, Win). The page
// holds the key and the toggles; the main window builds the selected
// button's key combination from them when the page asks it to assign, and
// sets them when it shows a record.
#include <windows.h>

#include <array>
#include <cstdint>

#include "model/assignment.h"
#include "skin/bitmap_btn.h"
#include "skin/skinned_page.h"

class CDlgKeyCommand : public CSkinnedPage {
 public:
  explicit CDlgKeyCommand(UINT templateId);

  static const PageImageNames kPictures;
  static constexpr int kToggleCount = 5;  // none, Ctrl, Shift, Alt, Win

  std::uint8_t Key() const { return key_; }
  const ModifierToggles& Toggles() const { return toggles_; }
  // Holds `key` and the modifiers of `modifierByte` (none off) and shows them.
  void ShowKeyCombination(std::uint8_t key, std::uint8_t modifierByte);
  // Shows the key's name and the toggles as held.
  void ShowKey();

  // Not while capturing: the record is the one captured for (choosing
  // another button ends the capture first), and the key caught stays.
  void ShowButtonRecord(int button, const ButtonRecord& record) override;
  // Another profile shown: a capture under way ends. Any other refresh
  // leaves it running.
  void ShowActiveProfile() override;
  void RefreshTexts() override;
  // Capture off without assigning.
  void EndCapture() override;
  bool Capturing() const { return captureToggle_.Checked != 0; }

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  void CreateControls() override;
  // The toggles by the labels painted above them.
  void NameToggles();
  void PaintContent(HDC dc) override;
  void DestroyContent() override;
  void OnHookKey(UINT vk, UINT flags);

  void OnModifierToggle(int index);
  void OnCaptureToggle();
  void ApplyToggleRule();
  void PostAssign(WPARAM action, LPARAM argument) const;

  std::array<CBitmapBtn, kToggleCount> modifierToggles_;
  CBitmapBtn keyDisplay_;
  CBitmapBtn captureToggle_;
  CBitmapBtn clearButton_;
  std::uint8_t key_ = 0;
  ModifierToggles toggles_{};
  // The active profile when the capture began.
  int captureProfile_ = -1;
};
