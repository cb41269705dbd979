// The default skin as skingen draws it: the pictures agree with the layout
// they were drawn from, and the mask has the window's shape.
#include <gtest/gtest.h>

#include <string>

#include "artwork.h"
#include "thumbs.h"

namespace {

struct DefaultSkin : testing::Test {
  static void SetUpTestSuite() {
    description = IniDocument::Load(std::string(DEFAULT_SKIN_DIR) + "/artwork.ini");
    ASSERT_TRUE(description);
    std::string error;
    main = ReadWindowArt(*description, "main", DEFAULT_SKIN_DIR, error);
    ASSERT_TRUE(main) << error;
  }
  static inline std::optional<IniDocument> description;
  static inline std::optional<WindowArt> main;
};

bool InsideAnyControl(const WindowArt& art, int x, int y) {
  for (const SkinControl& c : art.controls) {
    if (x >= c.rect.left && x < c.rect.right && y >= c.rect.top && y < c.rect.bottom) return true;
  }
  return false;
}

TEST_F(DefaultSkin, MainWindowHoldsItsPagesAndEveryControl) {
  // The pages sit at fixed places; the window must hold the largest.
  EXPECT_GE(main->width, 209 + 551);
  EXPECT_GE(main->height, 372 + 301);
  // Every key the main window reads, 0 to 34 but the ones it has no use for.
  for (int key = 0; key <= 34; ++key) {
    if (key >= 13 && key <= 20) continue;
    bool found = false;
    for (const SkinControl& c : main->controls) found = found || c.key == std::to_string(key);
    EXPECT_TRUE(found) << "key " << key;
  }
}

TEST_F(DefaultSkin, StatesDifferOnlyUnderControls) {
  const Canvas normal = RenderState(*main, SkinState::Normal);
  const Canvas over = RenderState(*main, SkinState::Over);
  const Canvas down = RenderState(*main, SkinState::Down);
  for (int y = 0; y < main->height; ++y) {
    for (int x = 0; x < main->width; ++x) {
      if (InsideAnyControl(*main, x, y)) continue;
      ASSERT_TRUE(normal.At(x, y) == over.At(x, y) && normal.At(x, y) == down.At(x, y)) << x << "," << y;
    }
  }
  // Every control but the labels and wells shows its state.
  for (const SkinControl& c : main->controls) {
    if (c.look == "label" || c.look == "well") continue;
    const int x = static_cast<int>(c.rect.left) + 1, y = static_cast<int>(c.rect.top) + 10;
    EXPECT_FALSE(normal.At(x, y) == down.At(x, y)) << "key " << c.key;
  }
}

TEST_F(DefaultSkin, MaskIsTheRoundedWindowInBlackAndWhite) {
  const Canvas mask = RenderMask(*main);
  const Rgb white{255, 255, 255}, black{0, 0, 0};
  EXPECT_EQ(mask.At(0, 0), white);
  EXPECT_EQ(mask.At(main->width - 1, main->height - 1), white);
  EXPECT_EQ(mask.At(main->width / 2, 0), black);
  EXPECT_EQ(mask.At(0, main->height / 2), black);
  for (const Rgb& p : mask.Pixels()) ASSERT_TRUE(p == white || p == black);
  for (const SkinControl& c : main->controls) {
    EXPECT_EQ(mask.At(static_cast<int>(c.rect.left), static_cast<int>(c.rect.top)), black) << "key " << c.key;
  }
}

TEST(SkinArtwork, ControlOutsideTheWindowIsRefused) {
  const IniDocument description = IniDocument::Parse("[w]\nSize=100,50\nMask=m.bmp\nNormal=n.JPG\nLayout=missing.ini\n");
  std::string error;
  EXPECT_FALSE(ReadWindowArt(description, "w", DEFAULT_SKIN_DIR, error));
  EXPECT_NE(error.find("missing.ini"), std::string::npos);
  EXPECT_FALSE(ReadWindowArt(IniDocument::Parse("[w]\nNormal=n.JPG\n"), "w", DEFAULT_SKIN_DIR, error));
}

TEST_F(DefaultSkin, ThumbsAreWholePixelsOnTheirCornerColour) {
  std::string error;
  const std::optional<ThumbArt> art = ReadThumbArt(*description, "thumbs", error);
  ASSERT_TRUE(art) << error;
  const Canvas down = RenderThumb(*art, true), up = RenderThumb(*art, false);
  EXPECT_EQ(down.At(0, art->height - 1), art->transparent);
  EXPECT_EQ(up.At(art->width - 1, 0), art->transparent);
  // No pixel blends the corner colour in (red and blue well above green):
  // it would stay as a pink fringe once the corners are cut away.
  for (const Canvas* thumb : {&down, &up}) {
    for (const Rgb& p : thumb->Pixels()) {
      ASSERT_TRUE(p == art->transparent || p.r <= p.g + 60 || p.b <= p.g + 60);
    }
  }
}

}  // namespace
