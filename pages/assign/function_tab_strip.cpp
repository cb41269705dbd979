#include "pages/assign/function_tab_strip.h"

#include <string>

#include "app/language.h"
#include "app/messages.h"
#include "skin/skin_files.h"

CFunctionTabStrip::CFunctionTabStrip(UINT templateId, PageImageNames pictures, const Look& look)
    : CSkinnedPage(templateId, std::move(pictures), Drag::Parent, Keys::Stopped),
      look_(look),
      captions_(look.captions.first(std::min<std::size_t>(look.captions.size(), kMaxTabs))) {}

const MessageMap& CFunctionTabStrip::Messages() {
  static const MessageEntry entries[] = {
      msg::InitDialog<&CFunctionTabStrip::OnInitDialog>(),
  };
  static const MessageMap map{&CSkinnedPage::Messages(), entries};
  return map;
}

void CFunctionTabStrip::CreateControls() {
  const IniSection layout = ReadButtonSection(SkinFolder() + look_.layout);
  for (int tab = 0; tab < TabCount(); ++tab) {
    CBitmapBtn& button = tabs_[tab];
    CreateSkinButton(button, layout, std::to_wstring(tab + 1).c_str(), Hwnd(), Images(),
                     {.role = AccessibleRole::RadioButton, .font = look_.font, .leftCaption = true});
    button.SetCaption(LanguageText(captions_[tab]));
    button.OnClick([this, tab] { OnTab(tab); });
  }
}

bool CFunctionTabStrip::OnInitDialog() {
  const bool result = Default() != FALSE;
  SetWindowTextW(Hwnd(), look_.windowText);
  return result;
}

void CFunctionTabStrip::OnTab(int tab) {
  CheckOnly(tab);
  PostMessageW(GetParent(Hwnd()), WM_SHOW_FUNCTION_PAGE, static_cast<WPARAM>(tab), 0);
}

void CFunctionTabStrip::CheckOnly(int tab) {
  for (int other = 0; other < TabCount(); ++other) tabs_[other].SetCheck(0);
  if (tab >= 0 && tab < TabCount()) tabs_[tab].SetCheck(1);
}

void CFunctionTabStrip::RefreshTexts() {
  for (int tab = 0; tab < TabCount(); ++tab) tabs_[tab].SetCaptionNow(LanguageText(captions_[tab]));
}
