// What a screen reader hears of the main window: on every page, every
// control that acts has a name and a role that fits it, in the language
// chosen, asked as a screen reader asks (AccessibleObjectFromWindow).
#include <gtest/gtest.h>
#include <windows.h>
#include <oleacc.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/messages.h"
#include "app/option_dlg.h"
#include "macro/list_box_ex.h"
#include "message_pump.h"
#include "registry_sandbox.h"
#include "skin/bitmap_btn.h"
#include "skin/bmp_edit.h"
#include "skin/click_slider.h"

namespace {

// A name and a role.
using Heard = std::pair<std::wstring, LONG>;

Heard Hear(HWND control) {
  Heard heard{L"", 0};
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object))))
    return heard;
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  if (BSTR name = nullptr; object->get_accName(self, &name) == S_OK) {
    heard.first = name;
    SysFreeString(name);
  }
  if (VARIANT role{}; object->get_accRole(self, &role) == S_OK && role.vt == VT_I4) heard.second = role.lVal;
  object->Release();
  return heard;
}

// The roles that fit a control that acts; none for any other window.
std::vector<LONG> FittingRoles(HWND window) {
  CWnd* control = CWnd::FromHandle(window);
  if (auto* button = dynamic_cast<CBitmapBtn*>(control); button && button->Acts()) {
    if (button->ToggleMode) return {ROLE_SYSTEM_CHECKBUTTON};
    return {ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_CHECKBUTTON, ROLE_SYSTEM_RADIOBUTTON, ROLE_SYSTEM_LINK};
  }
  if (dynamic_cast<CClickHSlider*>(control)) return {ROLE_SYSTEM_SLIDER};
  if (dynamic_cast<CListBoxEx*>(control)) return {ROLE_SYSTEM_LIST};
  if (dynamic_cast<CBmpEdit*>(control)) return {ROLE_SYSTEM_TEXT};
  return {};
}

BOOL CALLBACK AddActing(HWND child, LPARAM list) {
  if (IsWindowVisible(child) && IsWindowEnabled(child) && !FittingRoles(child).empty())
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

TEST(AccessibilityTest, EveryControlThatActsOnEveryPageIsNamedWithAFittingRoleInTheLanguageChosen) {
  RegistrySandbox registry;
  Window<COptionDlg> window;
  ASSERT_TRUE(window.Create(nullptr));
  // English, then German once every page was made: names set again on the change.
  const struct {
    int language;
    std::vector<Heard> samples;
  } rows[] = {
      {0, {{L"Close", ROLE_SYSTEM_PUSHBUTTON}, {L"Next profile", ROLE_SYSTEM_PUSHBUTTON},
           {L"Red", ROLE_SYSTEM_RADIOBUTTON}, {L"Sensitivity", ROLE_SYSTEM_RADIOBUTTON},
           {L"Link X and Y", ROLE_SYSTEM_CHECKBUTTON}, {L"Lines per wheel notch", ROLE_SYSTEM_SLIDER},
           {L"Level 2", ROLE_SYSTEM_SLIDER}, {L"Scroll wheel", ROLE_SYSTEM_LIST}, {L"Repeat", ROLE_SYSTEM_TEXT}}},
      {1, {{L"Schlie\u00dfen", ROLE_SYSTEM_PUSHBUTTON}, {L"N\u00e4chstes Profil", ROLE_SYSTEM_PUSHBUTTON},
           {L"Rot", ROLE_SYSTEM_RADIOBUTTON}, {L"Empfindlichkeit", ROLE_SYSTEM_RADIOBUTTON},
           {L"X und Y koppeln", ROLE_SYSTEM_CHECKBUTTON}, {L"Zeilen pro Radraste", ROLE_SYSTEM_SLIDER},
           {L"Stufe 2", ROLE_SYSTEM_SLIDER}, {L"Mausrad", ROLE_SYSTEM_LIST}, {L"Wiederholen", ROLE_SYSTEM_TEXT}}},
  };
  for (const auto& row : rows) {
    SendMessageW(window.Hwnd(), WM_PROFILE_ACTION, static_cast<WPARAM>(row.language), kProfileActionSelectLanguage);
    std::set<Heard> heard;
    for (int number = 0; number < kFunctionPageCount; ++number) {
      const auto page = static_cast<FunctionPage>(number);
      window.Pages().ShowTabStrip(page >= FunctionPage::MouseFunction, page);
      window.Pages().ShowFunctionPage(page);
      PumpMessages();
      std::vector<HWND> controls;
      EnumChildWindows(window.Hwnd(), AddActing, reinterpret_cast<LPARAM>(&controls));
      for (HWND control : controls) {
        const auto& [name, role] = *heard.insert(Hear(control)).first;
        EXPECT_FALSE(name.empty()) << "page " << number << ", a " << role;
        EXPECT_TRUE(std::ranges::count(FittingRoles(control), role)) << "page " << number << ": " << name;
      }
    }
    for (const Heard& sample : row.samples) EXPECT_TRUE(heard.contains(sample)) << row.language << ": " << sample.first;
  }
  SendMessageW(window.Hwnd(), WM_PROFILE_ACTION, 0, kProfileActionSelectLanguage);
}

}  // namespace
