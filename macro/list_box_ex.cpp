#include "macro/list_box_ex.h"

#include <windowsx.h>

#include <utility>
#include <vector>

#include "macro/list_box_messages.h"
#include "framework/focus_order.h"
#include "framework/keys.h"
#include "skin/skin_font.h"
#include "skin/skin_scroll_wnd.h"

namespace {

// The lists by the window they notify and their id: how a notification that
// carries only the id finds its list. Touched on the user-interface thread.
std::map<std::pair<HWND, int>, CListBoxEx*>& Lists() {
  static std::map<std::pair<HWND, int>, CListBoxEx*> lists;
  return lists;
}

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
      msg::ContextMenu<&CListBoxEx::OnContextMenu>(),
      msg::Key<&CListBoxEx::OnKeyDown>(WM_KEYDOWN),
      msg::Key<&CListBoxEx::OnKeyUp>(WM_KEYUP),
      msg::Key<&CListBoxEx::OnChar>(WM_CHAR),
      msg::MouseWheel<&CListBoxEx::OnMouseWheel>(),
      msg::Destroy<&CListBoxEx::OnDestroy>(),
      msg::ReflectedCommand<&CListBoxEx::OnSelected>(LBN_SELCHANGE),
      msg::AccessibleClient(),
  };
  static const MessageMap map{&CListBox::Messages(), entries};
  return map;
}

CListBoxEx::CListBoxEx()
    : ListFont(CreateSkinFont(kPageFont)), BackBrush(CreateSolidBrush(kBackColor)) {}

CListBoxEx::~CListBoxEx() {
  if (editing_ == this) editing_ = nullptr;
  std::erase_if(Lists(), [this](const auto& entry) { return entry.second == this; });
}

void CListBoxEx::PreSubclassWindow() {
  NotifyWindow = GetParent(Hwnd());
  Lists()[{NotifyWindow, ControlId}] = this;
}

void CListBoxEx::OnSelected() {
  // A list that chooses by Enter or Space: its keys only move the mark.
  if (keyMoving_ && chosen_) return;
  if (selected_) selected_();
}

void CListBoxEx::OnKeyDown(UINT key) {
  if (chosen_ && (key == VK_RETURN || key == VK_SPACE)) {
    choosingKey_ = key;
    return;
  }
  if (key == VK_DELETE && deleted_) {
    deleted_();
    return;
  }
  const bool outer = std::exchange(keyMoving_, true);
  Default();
  keyMoving_ = outer;
}

void CListBoxEx::OnKeyUp(UINT key) {
  if (!choosingKey_ || key != choosingKey_) {
    Default();
    return;
  }
  choosingKey_ = 0;
  if (Selection() >= 0) chosen_();
}

void CListBoxEx::OnChar(UINT character) {
  // Space chooses; it is no line's first letter.
  if (chosen_ && character == L' ') return;
  const bool outer = std::exchange(keyMoving_, true);
  Default();
  keyMoving_ = outer;
}

void CListBoxEx::OnContextMenu(POINT at) {
  // From the keyboard: the menu opens on the marked line (or the top).
  if (at.x != -1 || at.y != -1 || !menu_) {
    Default();
    return;
  }
  RECT line{};
  const int index = Selection();
  if (index < 0 || Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&line)) == LB_ERR)
    line = {};
  POINT place{line.left, line.bottom};
  ClientToScreen(Hwnd(), &place);
  menu_(place);
}


bool DeliverListNotification(HWND notified, UINT message, int line, int listId) {
  const auto found = Lists().find({notified, listId});
  if (found == Lists().end()) return false;
  CListBoxEx& list = *found->second;
  if (message == WM_LIST_ITEM_EDITED && list.edited_) list.edited_(line);
  if (message == WM_LIST_RBUTTON && list.menu_) {
    POINT at;
    GetCursorPos(&at);
    list.menu_(at);
  }
  return true;
}

bool CListBoxEx::Create(const CreateArgs& args) {
  ControlId = args.id;
  selected_ = args.selected;
  edited_ = args.edited;
  menu_ = args.menu;
  chosen_ = args.chosen;
  deleted_ = args.deleted;
  KeepParentOnFocusLoss = args.keepParentOnFocusLoss;
  TextColor = SelectedTextColor = args.textColor;
  SelectedBackColor = args.selectedBackColor;
  if (!CListBox::Create(args.style, args.rect, args.parent, static_cast<UINT>(args.id))) return false;
  return !args.scrollSkin || CSkinScrollWnd::Attach(Hwnd(), args.scrollSkin);
}

int CListBoxEx::AddLine(const std::wstring& text, LPARAM data) { return InsertLine(-1, text, data); }

int CListBoxEx::InsertLine(int index, const std::wstring& text, LPARAM data) {
  const LRESULT line = Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
  if (line < 0) return -1;
  Send(LB_SETITEMDATA, static_cast<WPARAM>(line), data);
  return static_cast<int>(line);
}

int CListBoxEx::ReplaceLine(int index, const std::wstring& text, LPARAM data) {
  DeleteLine(index);
  return InsertLine(index, text, data);
}

void CListBoxEx::DeleteLine(int index) { Send(LB_DELETESTRING, static_cast<WPARAM>(index)); }

void CListBoxEx::Clear() { Send(LB_RESETCONTENT); }

int CListBoxEx::Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }

int CListBoxEx::Selection() const { return static_cast<int>(Send(LB_GETCURSEL)); }

void CListBoxEx::Select(int index) { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }

LPARAM CListBoxEx::ItemData(int index) const { return Send(LB_GETITEMDATA, static_cast<WPARAM>(index)); }

void CListBoxEx::SetCaretIndex(int index) { Send(LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE); }

int CListBoxEx::FindPrefix(const std::wstring& prefix) const {
  return static_cast<int>(Send(LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix.c_str())));
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
  if ((item.itemState & ODS_FOCUS) && ShowsFocusMark(Hwnd())) DrawFocusMark(dc, line, kSkinAccent);
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
  const int index = AddLine(L"");
  if (index < 0) return;
  // Below the last line in view, the editor would open out of sight.
  SetCaretIndex(index);
  RECT rect;
  SendMessageW(Hwnd(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
  rect.left += 1;
  rect.right -= 2;
  OpenEditor(index, rect, kNameEditStyle, kNameLimit);
}

void CListBoxEx::EditSelected() {
  if (editing_) return;
  const int index = Selection();
  if (index < 0) return;
  RECT rect;
  Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  if (IconId(ItemData(index))) rect.left += IconWidth + kTextIndent;
  OpenEditor(index, rect, kNumberEditStyle, kNumberLimit);
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
  LPARAM data = ItemData(index);
  if (data == LB_ERR) data = 0;
  DeleteLine(index);
  const int inserted = text.empty() ? -1 : InsertLine(index, text, data);
  if (select) Select(index);
  CloseEditor();
  if (inserted >= 0 && NotifyWindow) PostMessageW(NotifyWindow, WM_LIST_ITEM_EDITED, inserted, ControlId);
}

void CListBoxEx::CancelEdit() {
  // Another list's editor is not this one's to end.
  if (editing_ != this) return;
  // The line goes, new or not; its owner's data stays as it was.
  if (EditIndex != -1) DeleteLine(EditIndex);
  CloseEditor();
}

void CListBoxEx::CloseEditor() {
  EditIndex = -1;
  EditWindow = nullptr;
  editing_ = nullptr;
  editor_.DestroyWindow();
  InvalidateRect(Hwnd(), nullptr, TRUE);
}
