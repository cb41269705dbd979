#include "skin/skin_files.h"

#include "framework/exe_folder.h"
#include "framework/ini_file.h"
#include "framework/wide.h"

std::wstring SkinFolder() {
  return ExeFolder() + L"Skins\\";
}

std::wstring ReadLayoutValue(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
  return IniFile(path).ReadString(section, key, L"");
}

SkinButtonInfo ReadButtonInfo(const std::wstring& layoutPath, const wchar_t* key) {
  return ParseButtonInfo(Utf16(ReadLayoutValue(layoutPath, L"BUTTONINFO", key)));
}
