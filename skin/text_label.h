#pragma once
// A read-only text field: one line of white text on a near-black ground,
// centred (or left-aligned), cut at the field's edges. It never notifies.
#include <windows.h>

#include <string>
#include <string_view>

#include "framework/window.h"
#include "skin/accessible_control.h"

class CTextLabel : public CWnd, public AccessibleSource {
 public:
  RECT ClientRect{0, 0, 0, 0};
  std::wstring Text;
  COLORREF BackColor = 0x020202;
  int AlignLeft = 0;

  bool Create(const RECT& rect, HWND parent) { return CreatePlainWindow(WS_CHILD | WS_VISIBLE, rect, parent); }
  void SetText(std::wstring_view text);
  AccessibleFacts Describe() const override { return {.role = AccessibleRole::StaticText, .name = Text}; }

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  bool OnCreate(const CREATESTRUCTW& create);
  void OnPaint();
};
