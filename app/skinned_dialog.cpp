#include "app/skinned_dialog.h"

#include <optional>
#include <vector>

#include "app/language.h"
#include "framework/focus_order.h"
#include "skin/palette.h"
#include "skin/skin_files.h"

CSkinnedDialog::CSkinnedDialog(UINT templateId, PageImageNames pictures, const wchar_t* layout,
                               std::span<const SkinDialogButton> buttons)
    : CSkinnedWindow(templateId, std::move(pictures), Drag::Itself),
      layout_(layout),
      rows_(buttons.first(std::min<std::size_t>(buttons.size(), kMaxButtons))) {}

const MessageMap& CSkinnedDialog::Messages() {
  static const MessageEntry entries[] = {
      msg::InitDialog<&CSkinnedDialog::OnInitDialog>(),
      msg::CtlColor<&CSkinnedDialog::OnCtlColorEdit>(WM_CTLCOLOREDIT),
  };
  static const MessageMap map{&CSkinnedWindow::Messages(), entries};
  return map;
}

void CSkinnedDialog::CreateControls() {
  const IniSection layout = ReadButtonSection(SkinFolder() + layout_);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    CreateSkinButton(buttons_[i], layout, rows_[i].key, Hwnd(), Images());
    if (rows_[i].caption) buttons_[i].SetCaption(LanguageText(rows_[i].caption));
    if (rows_[i].name) buttons_[i].SetAccessibleName(LanguageText(rows_[i].name));
    buttons_[i].OnClick([this, i] { OnSkinButton(static_cast<int>(i)); });
  }
  editBrush_.Reset(CreateSolidBrush(kSkinEditBack));
}

bool CSkinnedDialog::OnInitDialog() {
  Default();
  InitControls();
  // Centred over the owner, or the screen without one.
  RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (HWND owner = GetWindow(Hwnd(), GW_OWNER)) GetWindowRect(owner, &over);
  RECT own;
  GetWindowRect(Hwnd(), &own);
  SetWindowPos(Hwnd(), nullptr, over.left + (over.right - over.left - (own.right - own.left)) / 2,
               over.top + (over.bottom - over.top - (own.bottom - own.top)) / 2, 0, 0,
               SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

HBRUSH CSkinnedDialog::OnCtlColorEdit(HDC dc) {
  SetTextColor(dc, kSkinWhite);
  SetBkColor(dc, kSkinEditBack);
  return editBrush_.Get();
}

std::wstring CSkinnedDialog::EditText(int id) const {
  return WindowText(GetDlgItem(Hwnd(), id));
}

void CSkinnedDialog::PlaceEdit(int id, const RECT& box, const std::wstring& text) const {
  const HWND edit = GetDlgItem(Hwnd(), id);
  SetWindowPos(edit, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowTextW(edit, text.c_str());
}

PreTranslation CSkinnedDialog::PreTranslateMessage(MSG* msg) {
  // The dialog manager's Tab knows only its edit boxes, not the skinned buttons.
  if (const std::optional<FocusStep> step = TabStep(*msg)) {
    std::vector<HWND> stops;
    AppendFocusStops(Hwnd(), stops);
    MoveFocus(stops, *step);
    return PreTranslation::Consumed;
  }
  switch (DialogEndKey(*msg)) {
    case VK_RETURN: Confirm(); return PreTranslation::Consumed;
    case VK_ESCAPE: EndDialog(IDCANCEL); return PreTranslation::Consumed;
    default: return CSkinnedWindow::PreTranslateMessage(msg);
  }
}

UINT DialogEndKey(const MSG& msg) {
  const bool keyDown = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  if (!keyDown || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)) return 0;
  return static_cast<UINT>(msg.wParam);
}
