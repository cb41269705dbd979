#pragma once
// What the small skinned modal dialogs share: pictures and shape from the
// skin, buttons from a layout file, painting off screen, dragging by the
// background, and white-on-black edit boxes.
#include <windows.h>

#include <array>
#include <span>
#include <string>

#include "framework/gdi.h"
#include "lang/string_ids.h"
#include "skin/bitmap_btn.h"
#include "skin/skinned_window.h"

struct SkinDialogButton {
  const wchar_t* key;
  int caption;  // string ID, 0 for none
  int name = 0;  // what a screen reader hears of a button without caption
};

class CSkinnedDialog : public CSkinnedWindow {
 public:
  static constexpr int kMaxButtons = 4;

  // Enter confirms and Escape cancels, before the dialog manager sees them;
  // Tab goes through the edit boxes and the skinned buttons.
  PreTranslation PreTranslateMessage(MSG* msg) override;

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 protected:
  CSkinnedDialog(UINT templateId, PageImageNames pictures, const wchar_t* layout,
                 std::span<const SkinDialogButton> buttons);

  // A click on button `index` of the dialog's table.
  virtual void OnSkinButton(int index) = 0;
  // Ends the dialog with OK, keeping what it asked for.
  virtual void Confirm() { EndDialog(IDOK); }
  // Places and fills the dialog's own controls once it is built.
  virtual void InitControls() {}

  // The dialog's text of the edit box `id`.
  std::wstring EditText(int id) const;
  // Moves the edit box `id` to `box` and gives it `text`.
  void PlaceEdit(int id, const RECT& box, const std::wstring& text) const;

 private:
  void CreateControls() override;
  bool OnInitDialog();
  HBRUSH OnCtlColorEdit(HDC dc);

  const wchar_t* layout_;
  std::span<const SkinDialogButton> rows_;
  std::array<CBitmapBtn, kMaxButtons> buttons_;
  GdiBrush editBrush_;
};

// Enter or Escape going down; 0 for anything else. Only a key going down
// ends a dialog: the release of a key pressed in another window (the
// system's file dialog) must not.
UINT DialogEndKey(const MSG& msg);
