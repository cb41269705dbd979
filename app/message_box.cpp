#include "app/message_box.h"

#include "app/language.h"
#include "lang/string_ids.h"
#include "link/monitor_names.h"

void ShowMessage(HWND owner, UINT style, const std::vector<std::wstring>& paragraphs) {
  std::wstring text;
  for (const std::wstring& paragraph : paragraphs) text += (text.empty() ? L"" : L"\n\n") + paragraph;
  MessageBoxW(owner, text.c_str(), kMainWindowTitle, style);
}

bool ReportUnwrittenFiles(HWND owner, int headingText, const UnwrittenFiles& files) {
  if (files.empty()) return false;
  std::wstring list;
  for (const std::wstring& file : files) list += (list.empty() ? L"" : L"\n") + file;
  ShowMessage(owner, MB_OK | MB_ICONWARNING, {LanguageText(headingText), list, LanguageText(IDS_FILES_HINT)});
  return true;
}
