#pragma once
// The skin's colours and font looks, named once: the artwork is drawn in
// these, so the windows painting over it use the same few.
#include <windows.h>

// The dark background of every page, list and menu.
inline constexpr COLORREF kSkinBackground = 0x1F1F1F;
// The grey of titles and headings.
inline constexpr COLORREF kSkinHeading = 0x5B5B5B;
// The red of dialog titles, the current level and the menus' marks.
inline constexpr COLORREF kSkinAccent = 0x0808FF;
// Captions and explanations on the dark background.
inline constexpr COLORREF kSkinText = 0xFDFDFD;
// Lines of the lists and labels of the choices.
inline constexpr COLORREF kSkinWhite = 0xFFFFFF;
// The marked line of the lists.
inline constexpr COLORREF kSkinSelection = 0x1F1F9B;
// The system edit boxes on the skinned dialogs and pages.
inline constexpr COLORREF kSkinEditBack = 0x000000;

// Height and average width in pixels of a skin font.
struct FontLook {
  int height;
  int width;
};

// Page texts, titles, captions and list lines.
inline constexpr FontLook kPageFont{17, 6};
// Smaller labels and the layout page's fields.
inline constexpr FontLook kSmallFont{16, 6};
// Dialog titles, menus and the numeric edit box.
inline constexpr FontLook kTitleFont{18, 7};
// The skinned buttons' captions unless they ask for another.
inline constexpr FontLook kButtonFont{18, 6};
