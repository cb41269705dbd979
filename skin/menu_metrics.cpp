#include "skin/menu_metrics.h"

#include <algorithm>

int MenuItemHeight(unsigned itemId, int heightBase) {
  if (IsMenuSeparatorId(itemId)) return kMenuSeparatorHeight;
  if (itemId == kHiddenItemId) return 0;
  return heightBase + 2;
}

int MenuWidthAfter(int width, std::size_t chars, int widthOffset, int textMargin) {
  return std::max(width, widthOffset + textMargin + kMenuCharWidth * static_cast<int>(chars));
}
