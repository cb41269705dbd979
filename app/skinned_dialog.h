#pragma once
// What the small skinned modal dialogs share: pictures and shape from the
// skin, buttons from a layout file, painting off screen, dragging by the
// background, and white-on-black edit boxes.
#include <windows.h>

#include <array>
#include <span>
#include <string>

#include "framework/dialog.h"
#include "lang/string_ids.h"
#include "framework/gdi.h"
#include "skin/bitmap_btn.h"
#include "skin/page_image_set.h"

struct SkinDialogButton {
  const wchar_t* key;
  int caption;  // string ID, 0 for none
};

class CSkinnedDialog : public CDialog {
 public:
  static constexpr int kMaxButtons = 4;

  CBitmapBtn& Button(int index) { return buttons_[index]; }

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 protected:
  CSkinnedDialog(UINT templateId, PageImageNames pictures, const wchar_t* layout,
                 std::span<const SkinDialogButton> buttons);

  // What the dialog draws over its background picture.
  virtual void PaintContent(HDC dc) = 0;
  // A click on button `index` of the dialog's table.
  virtual void OnSkinButton(int index) = 0;
  // Places and fills the dialog's own controls once it is built.
  virtual void InitControls() {}

  // The dialog's text of the edit box `id`.
  std::wstring EditText(int id) const;
  // Moves the edit box `id` to `box` and gives it `text`.
  void PlaceEdit(int id, const RECT& box, const std::wstring& text) const;

 private:
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
  LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnCtlColorEdit(WPARAM wParam, LPARAM lParam);
  LRESULT OnClicked(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  PageImageNames pictures_;
  const wchar_t* layout_;
  std::span<const SkinDialogButton> rows_;
  PageImageSet images_;
  std::array<CBitmapBtn, kMaxButtons> buttons_;
  GdiBrush editBrush_;
};

// Font of the dialogs' painted texts.
inline constexpr int kDialogTitleHeight = 18;
inline constexpr int kDialogTitleWidth = 7;
// The dialogs' title colour and opaque text background.
inline constexpr COLORREF kDialogTitleColour = 0x0808FF;
inline constexpr COLORREF kDialogBackground = 0x1F1F1F;

// Enter or Escape in any of the four key messages; 0 for anything else.
UINT DialogEndKey(const MSG& msg);
