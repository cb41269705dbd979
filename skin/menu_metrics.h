#pragma once
// The owner-drawn menu's measures: portable, so the width and height rules
// are tested without a menu.
#include <cstddef>

// Identifiers the menu treats specially.
inline constexpr unsigned kMenuSeparatorId = 0x800;  // appended as a separator
inline constexpr unsigned kMeasuredSeparatorId = 0;  // how a separator is measured and drawn
inline constexpr unsigned kHiddenItemId = 1;         // takes no space at all

inline constexpr int kMenuItemHeightBase = 18;
inline constexpr int kMenuTextMargin = 16;
inline constexpr int kMenuSeparatorHeight = 5;
// Every character counts this wide, whatever the font.
inline constexpr int kMenuCharWidth = 6;

// A separator reaches measure and draw as identifier 0 on Windows (which
// drops a separator's identifier) and as kMenuSeparatorId under Wine.
inline constexpr bool IsMenuSeparatorId(unsigned itemId) {
  return itemId == kMeasuredSeparatorId || itemId == kMenuSeparatorId;
}

// Height of an item by the identifier it is measured with.
int MenuItemHeight(unsigned itemId, int heightBase = kMenuItemHeightBase);

// The common item width after appending a text of `chars` characters.
int MenuWidthAfter(int width, std::size_t chars, int widthOffset = 0, int textMargin = kMenuTextMargin);
