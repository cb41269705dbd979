#pragma once
// The list of the skinned pages: an owner-drawn list box with dark colours,
// the skin font and an optional 16 x 16 icon per line (the low word of a
// line's item data names a bitmap of the program's resources, drawn with
// black transparent). The wheel moves it one line a notch, a right click is
// reported to its owner, and one line at a time can be edited in place.
#include <windows.h>

#include <map>
#include <string>

#include "framework/gdi.h"
#include "framework/window.h"

// The in-place editor of a line: Enter commits, Escape cancels.
class CListBoxEx;
class CInPlaceEdit : public CEdit {
 public:
  explicit CInPlaceEdit(CListBoxEx& list) : list_(list) {}
  PreTranslation PreTranslateMessage(MSG* msg) override;
  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  void OnKeyUp(UINT key);
  CListBoxEx& list_;
};

class CListBoxEx : public CListBox {
 public:
  CListBoxEx();
  ~CListBoxEx() override;

  GdiFont ListFont;
  GdiBrush BackBrush;
  HWND NotifyWindow = nullptr;  // the parent, taken at creation
  int ControlId = 0;            // lParam of the notifications
  bool KeepParentOnFocusLoss = false;
  bool ArrowKeysOnly = false;
  int ItemHeight = 18;
  COLORREF TextColor = 0;  // system colours until the owner sets them
  COLORREF SelectedTextColor = 0;
  COLORREF BackColor = kBackColor;
  COLORREF SelectedBackColor = 0;
  int IconWidth = 16;
  int IconHeight = 16;
  int EditIndex = -1;
  HWND EditWindow = nullptr;

  static constexpr COLORREF kBackColor = 0x1F1F1F;
  static constexpr int kTextIndent = 5;
  static constexpr int kNameLimit = 15;
  static constexpr int kNumberLimit = 20;

  // Appends an empty line and edits it (a name).
  void BeginNewItem();
  // Edits the selected line (a number: digits only).
  void EditSelected();
  // Ends an open edit without taking it: its line goes.
  void CancelEdit();
  // The text of a line, whole; empty for no line or a list without strings.
  std::wstring LineText(int index) const;

  PreTranslation PreTranslateMessage(MSG* msg) override;
  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 protected:
  void PreSubclassWindow() override;

 private:
  friend class CInPlaceEdit;

  HBRUSH OnCtlColor(HDC dc);
  void OnMeasureItem(MEASUREITEMSTRUCT& item);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnSetFocus(HWND losing);
  void OnKillFocus(HWND taker);
  void OnRButtonDown(POINT at, UINT keys);
  void OnMouseWheel(int delta, UINT keys, POINT at);
  void OnDestroy();

  HBITMAP Icon(int id);
  void OpenEditor(int index, const RECT& rect, DWORD style, int limit);
  // Enter, or the focus back on the list (`select` false).
  void CommitEdit(bool select);
  void CloseEditor();

  CInPlaceEdit editor_{*this};
  // Loaded once per list: lines are drawn on every scroll.
  std::map<int, GdiBitmap> icons_;
  // One editor at a time in the whole program.
  static inline CListBoxEx* editing_ = nullptr;
};
