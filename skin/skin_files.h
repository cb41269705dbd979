#pragma once
// Where the skin lives and how a window reads its layout file.
#include <windows.h>

#include <string>

#include "framework/exe_folder.h"
#include "model/ini_section.h"
#include "skin/button_info.h"

// ExeFolder() + "Skins\": every picture and layout file of the skin.
std::wstring SkinFolder();

// One value of a layout (ini) file; empty when the file, section or key is
// missing. At most 2047 characters.
std::wstring ReadLayoutValue(const std::wstring& path, const wchar_t* section, const wchar_t* key);

// The BUTTONINFO entry `key` of a layout file.
SkinButtonInfo ReadButtonInfo(const std::wstring& layoutPath, const wchar_t* key);

// The BUTTONINFO section of a layout file, read once for a window's
// buttons (each read of the file is several trips to the system), and an
// entry of it, as ReadButtonInfo gives it.
IniSection ReadButtonSection(const std::wstring& layoutPath);
SkinButtonInfo ReadButtonInfo(const IniSection& buttons, const wchar_t* key);

inline RECT ToRect(const SkinRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}
