#include "macro/list_box_ex.h"

#include <windowsx.h>

#include <vector>

#include "macro/list_box_messages.h"
#include "framework/keys.h"
#include "skin/skin_font.h"

namespace {

constexpr int kFontHeight = 17;
constexpr int kFontWidth = 6;
// The icon sits this far below the line's top.
constexpr int kIconTop = 2;
// A name edit (one line, scrolling sideways) and a number edit.
constexpr DWORD kNameEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_WANTRETURN | ES_AUTOHSCROLL;
constexpr DWORD kNumberEditStyle = kNameEditStyle | ES_NUMBER;

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

int IconId(ULONG_PTR itemData) {
  return LOWORD(itemData);
}

}  // namespace

const MessageMap& CInPlaceEdit::Messages() {
  static const MessageEntry entries[] = {msg::Key<&CInPlaceEdit::OnKeyUp>(WM_KEYUP)};
  static const MessageMap map{&CEdit::Messages(), entries};
  return map;
}

PreTranslation CInPlaceEdit::PreTranslateMessage(MSG* msg) {
  // Enter, Space and Escape are the editor's own while it is open: the
  // pages above that stop them would take a blank out of a name.
  if (msg->hwnd == Hwnd() && IsEnterSpaceOrEscape(*msg)) return PreTranslation::DispatchOnly;
  return CEdit::PreTranslateMessage(msg);
}

void CInPlaceEdit::OnKeyUp(UINT key) {
  if (key == VK_RETURN && list_.EditIndex != -1) {
    list_.CommitEdit(true);
  } else if (key == VK_ESCAPE) {
    list_.CancelEdit();
  }
  // The editor may be gone by now.
  if (Hwnd()) Default();
}

const MessageMap& CListBoxEx::Messages() {
  static const MessageEntry entries[] = {
      msg::ReflectedCtlColor<&CListBoxEx::OnCtlColor>(WM_CTLCOLORLISTBOX),
      msg::ReflectedMeasureItem<&CListBoxEx::OnMeasureItem>(),
      msg::ReflectedDrawItem<&CListBoxEx::OnDrawItem>(),
      msg::Focus<&CListBoxEx::OnSetFocus>(WM_SETFOCUS),
      msg::Focus<&CListBoxEx::OnKillFocus>(WM_KILLFOCUS),
      msg::Mouse<&CListBoxEx::OnRButtonDown>(WM_RBUTTONDOWN),
      msg::MouseWheel<&CListBoxEx::OnMouseWheel>(),
      msg::Destroy<&CListBoxEx::OnDestroy>(),
  };
  static const MessageMap map{&CListBox::Messages(), entries};
  return map;
}

CListBoxEx::CListBoxEx()
    : ListFont(CreateSkinFont(kFontHeight, kFontWidth)), BackBrush(CreateSolidBrush(kBackColor)) {}

CListBoxEx::~CListBoxEx() {
  if (editing_ == this) editing_ = nullptr;
}

void CListBoxEx::PreSubclassWindow() {
  NotifyWindow = GetParent(Hwnd());
  TextColor = GetSysColor(COLOR_WINDOWTEXT);
  SelectedTextColor = GetSysColor(COLOR_HIGHLIGHTTEXT);
  SelectedBackColor = GetSysColor(COLOR_HIGHLIGHT);
}

PreTranslation CListBoxEx::PreTranslateMessage(MSG* msg) {
  // The list's own keys only: an editor open on it still takes every key.
  if (ArrowKeysOnly && msg->hwnd == Hwnd() && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) &&
      msg->wParam != VK_UP && msg->wParam != VK_DOWN)
    return PreTranslation::Consumed;
  return CListBox::PreTranslateMessage(msg);
}

HBRUSH CListBoxEx::OnCtlColor(HDC) { return BackBrush.Get(); }

void CListBoxEx::OnMeasureItem(MEASUREITEMSTRUCT& item) { item.itemHeight = ItemHeight; }

std::wstring CListBoxEx::LineText(int index) const {
  // A list without strings keeps only item data, which is no text.
  if (!(GetWindowLongPtrW(Hwnd(), GWL_STYLE) & LBS_HASSTRINGS)) return {};
  const LRESULT length = SendMessageW(Hwnd(), LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(Hwnd(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

HBITMAP CListBoxEx::Icon(int id) {
  auto [found, added] = icons_.try_emplace(id);
  if (added) found->second.Reset(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)));
  return found->second.Get();
}

void CListBoxEx::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  HDC dc = item.hDC;
  SelectScope font(dc, ListFont.Get());
  const std::wstring text = LineText(static_cast<int>(item.itemID));
  const RECT& line = item.rcItem;
  const int icon = IconId(item.itemData);
  RECT textPart = line;
  textPart.left += kTextIndent + (icon ? IconWidth : 0);

  const bool selected = item.itemState & ODS_SELECTED;
  const bool selectionChanged = item.itemAction & ODA_SELECT;
  Fill(dc, line, BackColor);
  if (selected || selectionChanged) Fill(dc, textPart, SelectedBackColor);
  if (!selected && selectionChanged) Fill(dc, line, BackColor);
  COLORREF colour = TextColor;
  if ((item.itemAction & ODA_FOCUS) && selected) {
    colour = SelectedTextColor;
    if (!(item.itemState & ODS_FOCUS)) Fill(dc, textPart, SelectedBackColor);
  }
  if (item.itemState & ODS_DISABLED) colour = GetSysColor(COLOR_BTNSHADOW);
  SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);

  int x = line.left + kTextIndent;
  if (icon) {
    const HBITMAP bitmap = icon != 1 ? Icon(icon) : nullptr;
    if (bitmap) {
      const SIZE size = BitmapSize(bitmap);
      MemoryDc source(dc);
      SelectScope select(source.Get(), bitmap);
      TransparentBlt(dc, x, line.top + kIconTop, size.cx, size.cy, source.Get(), 0, 0, size.cx, size.cy, RGB(0, 0, 0));
    }
    x += IconWidth;
  }
  TextOutW(dc, x, line.top, text.c_str(), static_cast<int>(text.size()));
}

void CListBoxEx::OnMouseWheel(int delta, UINT, POINT) {
  // One line a notch, however far the wheel turned.
  SendMessageW(Hwnd(), WM_VSCROLL, delta > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
}

void CListBoxEx::OnRButtonDown(POINT, UINT) {
  if (NotifyWindow) PostMessageW(NotifyWindow, WM_LIST_RBUTTON, 0, ControlId);
  Default();
}

void CListBoxEx::OnSetFocus(HWND losing) {
  // Back from the editor (the user clicked the list): the edit is taken.
  if (editing_ == this && EditIndex != -1 && losing == editor_.Hwnd()) CommitEdit(false);
  Default();
}

void CListBoxEx::OnKillFocus(HWND taker) {
  Default();
  // The focus going to the list's own editor is no loss.
  if (!KeepParentOnFocusLoss && !(taker && IsChild(Hwnd(), taker))) {
    // A drop-down list: its window goes, and this one with it.
    HWND parent = GetParent(Hwnd());
    ShowWindow(parent, SW_HIDE);
    ::DestroyWindow(parent);
  }
}

void CListBoxEx::OnDestroy() {
  if (editing_ == this) editing_ = nullptr;
  EditIndex = -1;
  EditWindow = nullptr;
  Default();
}

void CListBoxEx::BeginNewItem() {
  if (editing_) return;
  const LRESULT index = SendMessageW(Hwnd(), LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L""));
  if (index < 0) return;
  SendMessageW(Hwnd(), LB_SETITEMDATA, index, 0);
  // Below the last line in view, the editor would open out of sight.
  SendMessageW(Hwnd(), LB_SETCARETINDEX, index, FALSE);
  RECT rect;
  SendMessageW(Hwnd(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
  rect.left += 1;
  rect.right -= 2;
  OpenEditor(static_cast<int>(index), rect, kNameEditStyle, kNameLimit);
}

void CListBoxEx::EditSelected() {
  if (editing_) return;
  const LRESULT index = SendMessageW(Hwnd(), LB_GETCURSEL, 0, 0);
  if (index < 0) return;
  RECT rect;
  SendMessageW(Hwnd(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
  if (IconId(SendMessageW(Hwnd(), LB_GETITEMDATA, index, 0))) rect.left += IconWidth + kTextIndent;
  OpenEditor(static_cast<int>(index), rect, kNumberEditStyle, kNumberLimit);
}

void CListBoxEx::OpenEditor(int index, const RECT& rect, DWORD style, int limit) {
  // The whole text, however long: the limit is for what is typed.
  if (!editor_.Create(LineText(index).c_str(), style, rect, Hwnd(), 0)) return;
  EditIndex = index;
  EditWindow = editor_.Hwnd();
  editing_ = this;
  SendMessageW(EditWindow, WM_SETFONT, reinterpret_cast<WPARAM>(ListFont.Get()), TRUE);
  SendMessageW(EditWindow, EM_SETSEL, 0, -1);
  SendMessageW(EditWindow, EM_LIMITTEXT, limit, 0);
  SetFocus(EditWindow);
}

void CListBoxEx::CommitEdit(bool select) {
  const std::wstring text = WindowText(editor_.Hwnd());
  const int index = EditIndex;
  LRESULT data = SendMessageW(Hwnd(), LB_GETITEMDATA, index, 0);
  if (data == LB_ERR) data = 0;
  SendMessageW(Hwnd(), LB_DELETESTRING, index, 0);
  LRESULT inserted = LB_ERR;
  if (!text.empty()) {
    inserted = SendMessageW(Hwnd(), LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
    if (inserted >= 0) SendMessageW(Hwnd(), LB_SETITEMDATA, inserted, data);
  }
  if (select) SendMessageW(Hwnd(), LB_SETCURSEL, index, 0);
  CloseEditor();
  if (inserted >= 0 && NotifyWindow) PostMessageW(NotifyWindow, WM_LIST_ITEM_EDITED, inserted, ControlId);
}

void CListBoxEx::CancelEdit() {
  // Another list's editor is not this one's to end.
  if (editing_ != this) return;
  // The line goes, new or not; its owner's data stays as it was.
  if (EditIndex != -1) SendMessageW(Hwnd(), LB_DELETESTRING, EditIndex, 0);
  CloseEditor();
}

void CListBoxEx::CloseEditor() {
  EditIndex = -1;
  EditWindow = nullptr;
  editing_ = nullptr;
  editor_.DestroyWindow();
  InvalidateRect(Hwnd(), nullptr, TRUE);
}
