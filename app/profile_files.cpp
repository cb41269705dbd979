#include "app/profile_files.h"

#include <windows.h>
#include <commdlg.h>

#include "app/system_dialog_scope.h"
#include "framework/exe_folder.h"

namespace {

constexpr wchar_t kFilter[] = L"Gaming Mouse Profile(*.gmp)\0*.GMP\0";
// Appended when the user types a name without an extension.
constexpr wchar_t kDefaultExtension[] = L"gmp";

}  // namespace

std::wstring AskProfileFile(ProfileFileDialog kind) {
  wchar_t path[MAX_PATH] = {};
  const std::wstring initial = ExeFolder() + L"config\\.gmp";
  lstrcpynW(path, initial.c_str(), MAX_PATH);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.lpstrFilter = kFilter;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = kDefaultExtension;
  dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER;
  if (kind == ProfileFileDialog::Open) dialog.Flags |= OFN_FILEMUSTEXIST;
  SystemDialogScope systemDialog;
  const BOOL chosen = kind == ProfileFileDialog::Save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  return chosen ? std::wstring(path) : std::wstring();
}
