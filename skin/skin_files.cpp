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

namespace {
constexpr wchar_t kButtonSection[] = L"BUTTONINFO";
}

SkinButtonInfo ReadButtonInfo(const std::wstring& layoutPath, const wchar_t* key) {
  return ParseButtonInfo(Utf16(ReadLayoutValue(layoutPath, kButtonSection, key)));
}

IniSection ReadButtonSection(const std::wstring& layoutPath) {
  return IniFile(layoutPath).ReadSection(kButtonSection);
}

SkinButtonInfo ReadButtonInfo(const IniSection& buttons, const wchar_t* key) {
  return ParseButtonInfo(Utf16(IniFile::ValueIn(buttons, key, L"")));
}
