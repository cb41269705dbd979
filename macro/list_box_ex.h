#pragma once
// The list of the skinned pages: an owner-drawn list box with dark colours,
// the skin font and an optional 16 x 16 icon per line (the low word of a
// line's item data names a bitmap of the program's resources, drawn with
// black transparent). The wheel moves it one line a notch, a right click is
// reported to its owner, and one line at a time can be edited in place.
// Given a scroll skin it sits in its own CSkinScrollWnd frame, which ends
// with the list's window. Its name, for a screen reader, is its window
// text: the title painted above it.
#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "framework/gdi.h"
#include "framework/window.h"
#include "skin/accessible_control.h"
#include "skin/palette.h"

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

class CListBoxEx : public CListBox, public AccessibleSource {
 public:
  CListBoxEx();
  ~CListBoxEx() override;

  // What a list is made with.
  struct CreateArgs {
    DWORD style = 0;
    RECT rect{};
    HWND parent = nullptr;
    int id = 0;  // also the lParam of its notifications
    // A page's list stays when it loses the focus; a drop-down's window goes.
    bool keepParentOnFocusLoss = true;
    COLORREF textColor = kSkinWhite;
    COLORREF selectedBackColor = kSkinSelection;
    // When given, the list is framed with bars drawn from it; the caller
    // keeps it as long as the list's window.
    HBITMAP scrollSkin = nullptr;
    // What the owner does when the user picks a line, when a line's edit is
    // committed (its index), and when the user asks for the list's menu (a
    // right button press, the menu key or Shift+F10; where on the screen).
    // The edit and the press come through the owner's WM_LIST_ITEM_EDITED and
    // WM_LIST_RBUTTON, handed back with DeliverListNotification.
    std::function<void()> selected{};
    std::function<void(int line)> edited{};
    std::function<void(POINT screen)> menu{};
    // Given, the keys only move the mark and Enter or Space chooses the
    // marked line, as a click does; else the keys pick lines as clicks do.
    std::function<void()> chosen{};
    // Delete pressed on the list.
    std::function<void()> deleted{};
  };

  GdiFont ListFont;
  GdiBrush BackBrush;
  HWND NotifyWindow = nullptr;  // the parent, taken at creation
  bool ArrowKeysOnly = false;
  int ItemHeight = 18;
  int IconWidth = 16;
  int IconHeight = 16;
  int EditIndex = -1;
  HWND EditWindow = nullptr;

  static constexpr COLORREF kBackColor = kSkinBackground;
  static constexpr int kTextIndent = 5;
  static constexpr int kNameLimit = 15;
  static constexpr int kNumberLimit = 20;

  // False when the list's window (or its frame) could not be made.
  bool Create(const CreateArgs& args);

  // The list box's own messages, typed. Indexes out of range do nothing;
  // a line that could not be added gives -1.
  int AddLine(const std::wstring& text, LPARAM data = 0);
  int InsertLine(int index, const std::wstring& text, LPARAM data = 0);
  // The line at `index` deleted and `text` put in its place.
  int ReplaceLine(int index, const std::wstring& text, LPARAM data = 0);
  void DeleteLine(int index);
  void Clear();
  int Count() const;
  int Selection() const;  // -1 for none
  void Select(int index);  // -1 for none
  LPARAM ItemData(int index) const;  // LB_ERR for no line
  void SetCaretIndex(int index);
  // The first line that begins with `prefix` (letter case aside), or -1.
  int FindPrefix(const std::wstring& prefix) const;

  // Appends an empty line and edits it (a name).
  void BeginNewItem();
  // Edits the selected line (a number: digits only).
  void EditSelected();
  // Ends an open edit without taking it: its line goes.
  void CancelEdit();
  // The text of a line, whole; empty for no line or a list without strings.
  std::wstring LineText(int index) const;

  // A list; its lines are the standard object's list items.
  AccessibleFacts Describe() const override { return {.role = AccessibleRole::List}; }

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
  void OnContextMenu(POINT at);
  void OnKeyDown(UINT key);
  void OnKeyUp(UINT key);
  void OnChar(UINT character);
  void OnMouseWheel(int delta, UINT keys, POINT at);
  void OnDestroy();
  void OnSelected();
  friend bool DeliverListNotification(HWND notified, UINT message, int line, int listId);

  HBITMAP Icon(int id);
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(Hwnd(), message, wParam, lParam);
  }
  void OpenEditor(int index, const RECT& rect, DWORD style, int limit);
  // Enter, or the focus back on the list (`select` false).
  void CommitEdit(bool select);
  void CloseEditor();

  int ControlId = 0;
  bool KeepParentOnFocusLoss = true;
  COLORREF TextColor = kSkinWhite;
  COLORREF SelectedTextColor = kSkinWhite;
  COLORREF BackColor = kBackColor;
  COLORREF SelectedBackColor = kSkinSelection;
  std::function<void()> selected_;
  std::function<void(int)> edited_;
  std::function<void(POINT)> menu_;
  std::function<void()> chosen_;
  std::function<void()> deleted_;
  // Enter or Space held down to choose (its release chooses), and whether
  // the list's own key handling is under way.
  UINT choosingKey_ = 0;
  bool keyMoving_ = false;
  CInPlaceEdit editor_{*this};
  // Loaded once per list: lines are drawn on every scroll.
  std::map<int, GdiBitmap> icons_;
  // One editor at a time in the whole program.
  static inline CListBoxEx* editing_ = nullptr;
};

// Hands a WM_LIST_ITEM_EDITED (`line`) or WM_LIST_RBUTTON that `notified`
// received back to the list it came from, which runs its owner's callback;
// false when no list of `notified` has that id.
bool DeliverListNotification(HWND notified, UINT message, int line, int listId);
