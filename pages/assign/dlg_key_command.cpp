#include "pages/assign/dlg_key_command.h"

#include <string>

#include "app/language.h"
#include "app/messages.h"
#include "framework/wide.h"
#include "lang/string_ids.h"
#include "macro/key_hook.h"
#include "macro/system_keyboard_layout.h"
#include "model/function_codes.h"
#include "model/key_codes.h"
#include "model/key_names.h"
#include "model/settings.h"
#include "skin/skin_files.h"
#include "skin/skin_font.h"

namespace {

constexpr wchar_t kLayout[] = L"KeyCom.ini";
// Keys "1" to "5" are the modifier toggles, in the order of kToggleFlags.
constexpr wchar_t kKeyDisplayKey[] = L"6";
constexpr wchar_t kCaptureKey[] = L"7";
constexpr wchar_t kClearKey[] = L"8";

constexpr int kNoneToggle = 0;
constexpr int ModifierToggles::*kToggleFlags[CDlgKeyCommand::kToggleCount] = {
    &ModifierToggles::none, &ModifierToggles::ctrl, &ModifierToggles::shift, &ModifierToggles::alt,
    &ModifierToggles::win};

// The toggles' labels are painted on the page, beside them.
constexpr PaintedText kToggleLabels[CDlgKeyCommand::kToggleCount] = {
    {IDS_MODIFIER_NONE, {28, 38}, kSkinText},  {IDS_MODIFIER_CTRL, {83, 38}, kSkinText},
    {IDS_MODIFIER_SHIFT, {131, 38}, kSkinText}, {IDS_MODIFIER_ALT, {185, 38}, kSkinText},
    {IDS_MODIFIER_WIN, {227, 38}, kSkinText},
};
constexpr PaintedText kTitle[] = {{IDS_KEY_COMBINATION_TITLE, {15, 16}, kSkinHeading}};
// The title and the labels, painted again after a language change.
constexpr RECT kLabelArea{8, 10, 297, 59};

std::wstring KeyName(std::uint8_t usage) { return std::wstring(Wide(UsageName(usage, SystemKeyboardLayout()))); }

}  // namespace

const PageImageNames CDlgKeyCommand::kPictures{L"page_mask.bmp", L"key_shortcut_normal.JPG", L"key_shortcut_over.JPG",
                                               L"key_shortcut_down.JPG", L"key_shortcut_normal.jpg"};

CDlgKeyCommand::CDlgKeyCommand(UINT templateId) : CSkinnedPage(templateId, kPictures, Drag::Parent, Keys::Stopped) {}

const MessageMap& CDlgKeyCommand::Messages() {
  static const MessageEntry entries[] = {
      msg::HookKey<&CDlgKeyCommand::OnHookKey>(),
  };
  static const MessageMap map{&CSkinnedPage::Messages(), entries};
  return map;
}

void CDlgKeyCommand::CreateControls() {
  const IniSection layout = ReadButtonSection(SkinFolder() + kLayout);
  for (int toggle = 0; toggle < kToggleCount; ++toggle) {
    // The page flips them: check boxes, though not latches.
    CreateSkinButton(modifierToggles_[toggle], layout, std::to_wstring(toggle + 1).c_str(), Hwnd(), Images(),
                     {.role = AccessibleRole::CheckBox});
    modifierToggles_[toggle].OnClick([this, toggle] { OnModifierToggle(toggle); });
  }
  CreateSkinButton(keyDisplay_, layout, kKeyDisplayKey, Hwnd(), Images());
  EnableWindow(keyDisplay_.Hwnd(), FALSE);
  CreateSkinButton(captureToggle_, layout, kCaptureKey, Hwnd(), Images(), {.role = AccessibleRole::CheckBox});
  captureToggle_.SetCaption(LanguageText(IDS_CAPTURE_KEY));
  captureToggle_.OnClick([this] { OnCaptureToggle(); });
  CreateSkinButton(clearButton_, layout, kClearKey, Hwnd(), Images());
  clearButton_.SetCaption(LanguageText(IDS_RESTORE_DEFAULT));
  clearButton_.OnClick([this] { PostAssign(kAssignRestore, kRestoreSelectedButton); });
  NameToggles();
  ShowKey();
}

void CDlgKeyCommand::DestroyContent() {
  // Whatever capture runs ends with the page: no hook may outlive its target.
  RemoveKeyHook();
}

void CDlgKeyCommand::PaintContent(HDC dc) {
  {
    SelectScope font(dc, SharedSkinFont(kPageFont));
    PaintLanguageTexts(dc, kToggleLabels);
  }
  SelectScope font(dc, SharedSkinFont(kTitleFont));
  PaintLanguageTexts(dc, kTitle);
}

void CDlgKeyCommand::RefreshTexts() {
  // The capture toggle keeps "Capture key": the text names what it does.
  captureToggle_.SetCaptionNow(LanguageText(IDS_CAPTURE_KEY));
  clearButton_.SetCaptionNow(LanguageText(IDS_RESTORE_DEFAULT));
  NameToggles();
  InvalidateRect(Hwnd(), &kLabelArea, TRUE);
  UpdateWindow(Hwnd());
}

void CDlgKeyCommand::NameToggles() {
  for (int toggle = 0; toggle < kToggleCount; ++toggle)
    modifierToggles_[toggle].SetAccessibleName(LanguageText(kToggleLabels[toggle].id));
}

void CDlgKeyCommand::ShowActiveProfile() {
  if (WorkingSettings.CurrentProfile != captureProfile_) EndCapture();
}

void CDlgKeyCommand::ShowButtonRecord(int, const ButtonRecord& record) {
  if (Capturing()) return;
  const bool combination = record.FunctionCode == kFnKeyCombination;
  ShowKeyCombination(combination ? record.Entries[0][0] : 0, combination ? record.Entries[0][1] : 0);
}

void CDlgKeyCommand::ShowKeyCombination(std::uint8_t key, std::uint8_t modifierByte) {
  key_ = key;
  toggles_ = TogglesOf(modifierByte);
  ShowKey();
}

void CDlgKeyCommand::ShowKey() {
  keyDisplay_.SetCaptionNow(KeyName(key_));
  ApplyToggleRule();
}

void CDlgKeyCommand::ApplyToggleRule() {
  const bool none = toggles_.none != 0;
  for (int toggle = 0; toggle < kToggleCount; ++toggle) {
    // Under "none" the others keep their states, greyed.
    const bool enabled = !none || toggle == kNoneToggle;
    if (enabled) modifierToggles_[toggle].SetCheck(toggles_.*kToggleFlags[toggle]);
    EnableWindow(modifierToggles_[toggle].Hwnd(), enabled);
  }
}

void CDlgKeyCommand::OnModifierToggle(int index) {
  CBitmapBtn& toggle = modifierToggles_[index];
  toggle.SetCheck(!toggle.Checked);
  toggles_.*kToggleFlags[index] = toggle.Checked;
  ApplyToggleRule();
  PostAssign(kAssignKeyCombination, 0);
}

void CDlgKeyCommand::OnCaptureToggle() {
  captureToggle_.SetCheck(!captureToggle_.Checked);
  if (!Capturing()) {
    RemoveKeyHook();
    PostAssign(kAssignKeyCombination, 0);
  } else if (!InstallKeyHook(Hwnd())) {
    // No key would ever come: the toggle does not claim a capture.
    captureToggle_.SetCheck(0);
  } else {
    captureProfile_ = WorkingSettings.CurrentProfile;
  }
}

void CDlgKeyCommand::EndCapture() {
  if (!Capturing()) return;
  captureToggle_.SetCheck(0);
  RemoveKeyHook();
}

void CDlgKeyCommand::OnHookKey(UINT vk, UINT flags) {
  // A key the hook posted just before the capture ended comes too late.
  if (!Capturing()) return;
  const std::uint32_t usage = CapturedKeyUsage(vk, (flags & kHookKeyExtended) != 0, SystemKeyboardLayout());
  if (IsModifierUsage(usage)) return;
  key_ = static_cast<std::uint8_t>(usage);
  keyDisplay_.SetCaptionNow(KeyName(key_));
}

void CDlgKeyCommand::PostAssign(WPARAM action, LPARAM argument) const {
  PostMessageW(GetParent(Hwnd()), WM_ASSIGN_FUNCTION, action, argument);
}
