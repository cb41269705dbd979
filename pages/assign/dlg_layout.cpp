#include "pages/assign/dlg_layout.h"

#include <string>

#include "app/language.h"
#include "app/messages.h"
#include "framework/wide.h"
#include "lang/string_ids.h"
#include "model/assignment.h"
#include "model/function_codes.h"
#include "model/settings.h"
#include "skin/skin_files.h"

namespace {

constexpr wchar_t kLayout[] = L"skin_mouse.ini";
constexpr wchar_t kDefaultCaptionKey[] = L"20";
constexpr wchar_t kDefaultFunctionKey[] = L"21";
// Hot spot captions start this far in from the left edge.
constexpr int kHotCaptionInset = 2;

constexpr CBitmapBtn::CreateArgs kTextLook{.font = kSmallFont, .leftCaption = true};

}  // namespace

const PageImageNames CDlgLayout::kPictures{L"mouse_mask.bmp", L"mouse_normal.JPG", L"mouse_over.JPG",
                                           L"mouse_down.JPG", L"mouse_normal.jpg"};

CDlgLayout::CDlgLayout(UINT templateId) : CSkinnedPage(templateId, kPictures, Drag::Parent, Keys::Passed) {}

void CDlgLayout::CreateControls() {
  const IniSection layout = ReadButtonSection(SkinFolder() + kLayout);
  // The two text fields show the down picture in every state.
  const HBITMAP down = Images().down.Get();
  for (auto [field, key] : {std::pair{&defaultCaption_, kDefaultCaptionKey}, {&defaultFunction_, kDefaultFunctionKey}}) {
    const SkinButtonInfo info = CreateSkinButton(*field, layout, key, Hwnd(), kTextLook);
    field->SetImages(down, down, down, down, ToRect(info.Rect));
    field->Enable(false);
    field->Show(false);
  }
  for (int button = 0; button < kButtonCount; ++button) {
    CBitmapBtn& hot = hotButtons_[button];
    CBitmapBtn::CreateArgs look = kTextLook;
    look.captionInset = kHotCaptionInset;
    look.role = AccessibleRole::RadioButton;
    CreateSkinButton(hot, layout, std::to_wstring(ButtonSkinKey(button)).c_str(), Hwnd(), Images(), look);
    hot.OnClick([this, button] { OnHotButton(button); });
  }
}

void CDlgLayout::RefreshLabels() {
  for (int button = 0; button < kButtonCount; ++button)
    hotButtons_[button].SetCaptionNow(LanguageText(ButtonLabelText[button]));
}

void CDlgLayout::RefreshTexts() {
  RefreshLabels();
  if (selectedOnce_) ShowDefaultFunction();
}

void CDlgLayout::OnHotButton(int button) {
  const ProfileRecord* active = ActiveProfile(WorkingSettings);
  if (!active || !ButtonSelectable(*active, button)) return;
  RefreshLabels();
  hotButtons_[selected_].SetCheck(0);
  selected_ = button;
  selectedOnce_ = true;
  hotButtons_[selected_].SetCheck(1);
  ShowDefaultFunction();
  PostMessageW(GetParent(Hwnd()), WM_SELECT_BUTTON, kSelectButtonTag, button);
}

void CDlgLayout::ShowDefaultFunction() {
  defaultCaption_.SetCaptionNow(LanguageText(IDS_DEFAULT_FUNCTION));
  defaultCaption_.Show(true);
  const std::u16string name = FunctionName(DefaultButtonFunctions[selected_], LanguageTexts());
  defaultFunction_.SetCaptionNow(Wide(name));
  defaultFunction_.Show(true);
}
