#include "app/save_failure.h"

#include "app/language.h"
#include "link/monitor_names.h"
#include "lang/string_ids.h"

bool ReportUnwrittenFiles(HWND owner, int headingText, const UnwrittenFiles& files) {
  if (files.empty()) return false;
  std::wstring text = LanguageText(headingText) + L"\n";
  for (const std::wstring& file : files) text += L"\n" + file;
  text += L"\n\n" + LanguageText(IDS_FILES_HINT);
  MessageBoxW(owner, text.c_str(), kMainWindowTitle, MB_OK | MB_ICONWARNING);
  return true;
}
