#include "skin/skin_font.h"

#include <map>
#include <tuple>

namespace {

// Closest in build to a medium-condensed grotesque first: the narrow
// Helvetica relatives of Windows and Office, then the condensed faces of
// Linux desktops (and Wine), then Tahoma, narrow and on every Windows.
constexpr const wchar_t* kFallbackFaces[] = {
    L"Arial Narrow", L"Roboto Condensed", L"DejaVu Sans Condensed", L"Liberation Sans Narrow", L"Tahoma",
};

bool IsInstalled(const wchar_t* face) {
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(query.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(
      screen, &query,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
        *reinterpret_cast<bool*>(found) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

}  // namespace

std::wstring ResolveFontFace(const std::wstring& face) {
  // Fonts are made on every caption draw; ask the system once per face.
  static std::map<std::wstring, std::wstring> resolved;
  if (auto it = resolved.find(face); it != resolved.end()) return it->second;
  std::wstring choice = face;
  if (!IsInstalled(face.c_str())) {
    for (const wchar_t* fallback : kFallbackFaces) {
      if (IsInstalled(fallback)) {
        choice = fallback;
        break;
      }
    }
  }
  resolved.emplace(face, choice);
  return choice;
}

GdiFont CreateSkinFont(int height, int width, const std::wstring& face, int weight, BYTE charset, BYTE family) {
  const std::wstring chosen = ResolveFontFace(face);
  return GdiFont(CreateFontW(height, width, 0, 0, weight, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, family, chosen.c_str()));
}

HFONT SharedSkinFont(int height, int width, const std::wstring& face, int weight) {
  // Used from the user-interface thread only.
  static std::map<std::tuple<int, int, std::wstring, int>, GdiFont> fonts;
  GdiFont& font = fonts[{height, width, face, weight}];
  if (!font) font = CreateSkinFont(height, width, face, weight);
  return font.Get();
}
