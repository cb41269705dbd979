#include "app/assignment_dispatch.h"

#include <algorithm>

#include "app/main_frame.h"
#include "app/main_window.h"
#include "app/messages.h"
#include "app/page_host.h"
#include "framework/keys.h"
#include "framework/message_params.h"
#include "macro/macro_buttons.h"
#include "macro/macro_list.h"
#include "model/assignment.h"
#include "model/function_codes.h"
#include "model/settings.h"
#include "pages/assign/dlg_key_command.h"
#include "pages/assign/function_list_page.h"

PreTranslation AssignmentDispatch::PreTranslate(const MSG& msg) {
  if (IsKeyboardMessage(msg)) return PreTranslation::DispatchOnly;
  if (msg.hwnd != window_.Window()) return PreTranslation::Continue;
  switch (msg.message) {
    case WM_PROFILE_ACTION:
    case WM_SHOW_FUNCTION_PAGE:
    case WM_ASSIGN_FUNCTION:
    case WM_SELECT_BUTTON:
      return Handle(msg.message, msg.wParam, msg.lParam) ? PreTranslation::Consumed : PreTranslation::Continue;
    default: return PreTranslation::Continue;
  }
}

bool AssignmentDispatch::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PROFILE_ACTION: ProfileAction(wParam, lParam); return true;
    case WM_SHOW_FUNCTION_PAGE: ShowFunctionPage(wParam); return true;
    case WM_ASSIGN_FUNCTION: return AssignFunction(wParam, lParam);
    case WM_SELECT_BUTTON: SelectButton(wParam, lParam); return true;
    default: return false;
  }
}

void AssignmentDispatch::ProfileAction(WPARAM wParam, LPARAM lParam) {
  if (lParam == kProfileActionSelectLanguage) {
    window_.SelectLanguage(IntParam(wParam));
    window_.ReloadCaptions();
  } else if (lParam == kProfileActionRefreshAll) {
    window_.RefreshAll();
  }
}

void AssignmentDispatch::ShowFunctionPage(WPARAM page) {
  pages_.ShowFunctionPage(FunctionPageOf(page));
  window_.Frame().CheckSettingsButton(false);
}

const AssignmentDispatch::AssignAction AssignmentDispatch::kAssignActions[] = {
    {kAssignRestore, &AssignmentDispatch::Restore},
    {kAssignKeyCombination, &AssignmentDispatch::KeyCombination},
    {kAssignMouseFunction, &AssignmentDispatch::MouseFunction},
    {kAssignKeyFunction, &AssignmentDispatch::KeyFunction},
    {kAssignMacro, &AssignmentDispatch::Macro},
};

bool AssignmentDispatch::AssignFunction(WPARAM action, LPARAM argument) {
  const auto row = std::ranges::find(kAssignActions, action, &AssignAction::action);
  // An action nobody sends changes nothing.
  return row == std::end(kAssignActions) || (this->*row->run)(argument);
}

bool AssignmentDispatch::Restore(LPARAM what) {
  if (what == kRestoreAllProfiles) {
    RestoreAll(WorkingSettings);
    window_.RefreshAll();
    ShowRestoredKey();
    window_.ApplyAndTell(kApplyRestoreAll);
  } else if (what == kRestoreSelectedButton && RestoreButton(WorkingSettings, pages_.SelectedButton())) {
    ShowRestoredKey();
    // The other pages would go on showing the function the button had.
    pages_.RefreshFunctionPages(PageId::ShortcutCapture);
  }
  return true;
}

void AssignmentDispatch::ShowRestoredKey() {
  auto* page = pages_.ExistingAs<CDlgKeyCommand>(PageId::ShortcutCapture);
  const ButtonRecord* record = ButtonAt(WorkingSettings, WorkingSettings.CurrentProfile, pages_.SelectedButton());
  if (page && record) page->ShowKeyCombination(record->Entries[0][0], record->Entries[0][1]);
}

bool AssignmentDispatch::KeyCombination(LPARAM) {
  const auto* page = pages_.ExistingAs<const CDlgKeyCommand>(PageId::ShortcutCapture);
  if (page && AssignKeyCombination(WorkingSettings, pages_.SelectedButton(), page->Key(), page->Toggles()))
    pages_.RefreshFunctionPages(PageId::ShortcutCapture);
  return true;
}

bool AssignmentDispatch::MouseFunction(LPARAM) {
  CopyPendingRecord(PageId::MouseFunction);
  return true;
}

bool AssignmentDispatch::KeyFunction(LPARAM) {
  CopyPendingRecord(PageId::KeyFunction);
  return true;
}

void AssignmentDispatch::CopyPendingRecord(PageId id) {
  auto* page = pages_.ExistingAs<CFunctionListPage>(id);
  ButtonRecord* record = ButtonAt(WorkingSettings, WorkingSettings.CurrentProfile, pages_.SelectedButton());
  // Only a line the user chose gives a record, once: a message without one
  // (from elsewhere, or a second time) would copy a stale record over it.
  const std::optional<ButtonRecord> pending = page ? page->TakePendingRecord() : std::nullopt;
  if (!pending || !record) return;
  *record = *pending;
  MarkButtonChanged(WorkingSettings, WorkingSettings.CurrentProfile, pages_.SelectedButton());
  pages_.RefreshFunctionPages(id);
}

bool AssignmentDispatch::Macro(LPARAM index) {
  const tagElement* macro = index >= 0 && index < Macros.Count() ? Macros.ElementAt(static_cast<int>(index)) : nullptr;
  // No such macro: the message is not taken.
  if (!macro) return false;
  if (CopyMacroToButton(macro, WorkingSettings, pages_.SelectedButton()))
    pages_.RefreshFunctionPages(PageId::MacroManager);
  return true;
}

void AssignmentDispatch::SelectButton(WPARAM tag, LPARAM button) {
  if (button == kSelectButtonTrace) {
    OutputDebugStringW(L"stander key message \n");
    return;
  }
  if (tag != kSelectButtonTag) return;
  OutputDebugStringW(L"Macro key message \n");
  // A capture under way ends for the button it was made for.
  pages_.EndCaptures();
  // Any index outside 0-14 selects no button.
  const int index = button >= 0 && button < kButtonCount ? static_cast<int>(button) : -1;
  pages_.SetSelectedButton(index);
  const ButtonRecord* record = ButtonAt(WorkingSettings, WorkingSettings.CurrentProfile, index);
  if (!record) return;
  const FunctionPage page = HomePage(record->FunctionCode);
  pages_.ShowTabStrip(true, page);
  window_.Frame().CheckSettingsButton(false);
  // The page shown takes the button's record as it shows, the others when
  // they next show.
  pages_.ShowFunctionPage(page);
}
