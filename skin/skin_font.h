#pragma once
// Every font of the skinned windows is made here, so a missing skin face is
// replaced by one chosen face everywhere.
#include <windows.h>

#include <string>

#include "framework/gdi.h"
#include "skin/palette.h"

// The face the skin is drawn for: a commercial medium-condensed grotesque
// that most machines lack.
inline constexpr wchar_t kSkinFontFace[] = L"HelveticaNeueLT Com 67 MdCn";

// `face` when it is installed, else the first installed face of a list of
// condensed sans-serif faces (see skin_font.cpp), else `face` again.
std::wstring ResolveFontFace(const std::wstring& face);

// Height and average width in pixels, normal weight unless given, ClearType,
// modern family and default character set unless given.
GdiFont CreateSkinFont(int height, int width, const std::wstring& face = kSkinFontFace, int weight = FW_NORMAL,
                       BYTE charset = DEFAULT_CHARSET, BYTE family = FF_MODERN);
inline GdiFont CreateSkinFont(FontLook look) { return CreateSkinFont(look.height, look.width); }

// The same font, made once and shared for the life of the process (the
// caller never deletes it): a caption drawn many times, or by many buttons,
// neither makes its font anew nor loses the glyphs already rendered.
HFONT SharedSkinFont(int height, int width, const std::wstring& face = kSkinFontFace, int weight = FW_NORMAL);
inline HFONT SharedSkinFont(FontLook look) { return SharedSkinFont(look.height, look.width); }
