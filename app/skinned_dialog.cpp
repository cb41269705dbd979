#include "app/skinned_dialog.h"

#include "app/language.h"
#include "skin/skin_files.h"

CSkinnedDialog::CSkinnedDialog(UINT templateId, PageImageNames pictures, const wchar_t* layout,
                               std::span<const SkinDialogButton> buttons)
    : CDialog(templateId), pictures_(std::move(pictures)), layout_(layout), rows_(buttons.first(
                                                                                std::min<std::size_t>(buttons.size(), kMaxButtons))) {}

const MessageMap& CSkinnedDialog::Messages() {
  static const MessageEntry entries[] = {
      OnMessage(WM_CREATE, &CSkinnedDialog::OnCreate),
      OnMessage(WM_INITDIALOG, &CSkinnedDialog::OnInitDialog),
      OnMessage(WM_PAINT, &CSkinnedDialog::OnPaint),
      OnMessage(WM_ERASEBKGND, &CSkinnedDialog::OnEraseBkgnd),
      OnMessage(WM_LBUTTONDOWN, &CSkinnedDialog::OnLButtonDown),
      OnMessage(WM_CTLCOLOREDIT, &CSkinnedDialog::OnCtlColorEdit),
      OnCommand(BN_CLICKED, kAnyControl, &CSkinnedDialog::OnClicked),
      OnMessage(WM_DESTROY, &CSkinnedDialog::OnDestroy),
  };
  static const MessageMap map{&CDialog::Messages(), entries};
  return map;
}

LRESULT CSkinnedDialog::OnCreate(WPARAM, LPARAM) {
  if (Default() == -1) return -1;
  images_.Load(pictures_);
  const IniSection layout = ReadButtonSection(SkinFolder() + layout_);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    CreateSkinButton(buttons_[i], layout, rows_[i].key, Hwnd(), images_);
    if (rows_[i].caption) buttons_[i].SetCaption(LanguageText(rows_[i].caption));
  }
  SetWindowPos(Hwnd(), nullptr, 0, 0, images_.size.cx, images_.size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  images_.ReleaseStatePictures();
  images_.ApplyRegion(Hwnd());
  editBrush_.Reset(CreateSolidBrush(RGB(0, 0, 0)));
  return 0;
}

LRESULT CSkinnedDialog::OnInitDialog(WPARAM, LPARAM) {
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
  return TRUE;
}

LRESULT CSkinnedDialog::OnPaint(WPARAM, LPARAM) {
  PaintBuffered(Hwnd(), [this](HDC dc) {
    images_.PaintBackground(dc);
    PaintContent(dc);
  });
  return 0;
}

LRESULT CSkinnedDialog::OnEraseBkgnd(WPARAM, LPARAM) { return TRUE; }

LRESULT CSkinnedDialog::OnLButtonDown(WPARAM, LPARAM lParam) {
  PostMessageW(Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, lParam);
  return Default();
}

LRESULT CSkinnedDialog::OnCtlColorEdit(WPARAM wParam, LPARAM) {
  const HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, RGB(255, 255, 255));
  SetBkColor(dc, RGB(0, 0, 0));
  return reinterpret_cast<LRESULT>(editBrush_.Get());
}

LRESULT CSkinnedDialog::OnClicked(WPARAM, LPARAM lParam) {
  const HWND clicked = reinterpret_cast<HWND>(lParam);
  for (std::size_t i = 0; clicked && i < rows_.size(); ++i) {
    if (buttons_[i].Hwnd() == clicked) {
      OnSkinButton(static_cast<int>(i));
      return 0;
    }
  }
  return Default();
}

LRESULT CSkinnedDialog::OnDestroy(WPARAM, LPARAM) {
  const LRESULT result = Default();
  images_ = PageImageSet();
  return result;
}

std::wstring CSkinnedDialog::EditText(int id) const {
  const HWND edit = GetDlgItem(Hwnd(), id);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  return text;
}

void CSkinnedDialog::PlaceEdit(int id, const RECT& box, const std::wstring& text) const {
  const HWND edit = GetDlgItem(Hwnd(), id);
  SetWindowPos(edit, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowTextW(edit, text.c_str());
}

UINT DialogEndKey(const MSG& msg) {
  const bool keyMessage = msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_SYSKEYDOWN ||
                          msg.message == WM_SYSKEYUP;
  if (!keyMessage || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)) return 0;
  return static_cast<UINT>(msg.wParam);
}
