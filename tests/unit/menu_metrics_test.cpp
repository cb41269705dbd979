#include "skin/menu_metrics.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuMetrics, HeightsByIdentifier) {
  EXPECT_EQ(MenuItemHeight(kMeasuredSeparatorId), 5);
  EXPECT_EQ(MenuItemHeight(kHiddenItemId), 0) << "identifier 1 takes no space";
  EXPECT_EQ(MenuItemHeight(2), 20);
  EXPECT_EQ(MenuItemHeight(kMenuSeparatorId), 5) << "a separator that kept its identifier";
  EXPECT_EQ(MenuItemHeight(7, 24), 26);
}

TEST(MenuMetrics, WidthIsTheWidestTextAtSixPixelsACharacter) {
  int width = 0;
  for (std::size_t chars : {5u, 20u, 3u}) width = MenuWidthAfter(width, chars);
  EXPECT_EQ(width, 16 + 120);
  EXPECT_EQ(MenuWidthAfter(0, 0), 16);
  EXPECT_EQ(MenuWidthAfter(0, 10, 4), 4 + 16 + 60);
}

}  // namespace
