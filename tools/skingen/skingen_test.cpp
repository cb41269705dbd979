// The default skin as skingen draws it: the pictures agree with the layout
// they were drawn from, and the mask has the window's shape.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "artwork.h"
#include "render_skin.h"
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
  for (const char* section : {"main", "mouse", "set_tab", "set_button_tab", "system", "setting", "speed", "shortcut", "macro_manager"}) {
    std::string error;
    const std::optional<WindowArt> art = ReadWindowArt(*description, section, DEFAULT_SKIN_DIR, error);
    ASSERT_TRUE(art) << error;
    const Canvas normal = RenderState(*art, SkinState::Normal);
    const Canvas over = RenderState(*art, SkinState::Over);
    const Canvas down = RenderState(*art, SkinState::Down);
    for (int y = 0; y < art->height; ++y) {
      for (int x = 0; x < art->width; ++x) {
        if (InsideAnyControl(*art, x, y)) continue;
        ASSERT_TRUE(normal.At(x, y) == over.At(x, y) && normal.At(x, y) == down.At(x, y))
            << section << " " << x << "," << y;
      }
    }
    // Every control but the labels, wells and slider tracks shows its state.
    for (const SkinControl& c : art->controls) {
      if (c.look == "label" || c.look == "well" || c.look.starts_with("track") || c.look == "groove") continue;
      const int x = static_cast<int>(c.rect.left) + 1, y = static_cast<int>(c.rect.top) + 10;
      EXPECT_FALSE(normal.At(x, y) == down.At(x, y)) << section << " key " << c.key;
    }
  }
}

// The pages shown in the main window's wells: each fills its well and has
// every key the program reads, with room for its caption, none overlapping.
TEST_F(DefaultSkin, PagesFitTheirWellsWithTheirControlsApart) {
  struct Row {
    const char* section;
    int firstKey, lastKey, minWidth, minHeight;
  };
  const Row rows[] = {{"mouse", 1, 15, 80, 20}, {"mouse", 20, 21, 150, 20},
                      {"set_tab", 1, 4, 150, 20}, {"set_button_tab", 1, 8, 150, 20},
                      {"system", 5, 8, 200, 26},  {"setting", 1, 2, 40, 28},
                      // The level rows hold their button, slider and number.
                      {"speed", 2, 4, 16, 16}, {"speed", 5, 8, 468, 31}, {"speed", 10, 14, 16, 16},
                      {"shortcut", 1, 5, 16, 16}, {"shortcut", 6, 8, 120, 26}, {"macro_manager", 1, 9, 14, 14}};
  for (const Row& row : rows) {
    std::string error;
    const std::optional<WindowArt> art = ReadWindowArt(*description, row.section, DEFAULT_SKIN_DIR, error);
    ASSERT_TRUE(art) << error;
    bool fits = false;
    for (const Box& w : main->wells) fits = fits || (w.right - w.left == art->width && w.bottom - w.top == art->height);
    EXPECT_TRUE(fits) << row.section;
    for (int key = row.firstKey; key <= row.lastKey; ++key) {
      const auto c = std::find_if(art->controls.begin(), art->controls.end(),
                                  [&](const SkinControl& c) { return c.key == std::to_string(key); });
      ASSERT_NE(c, art->controls.end()) << row.section << " key " << key;
      EXPECT_GE(c->rect.right - c->rect.left, row.minWidth) << row.section << " key " << key;
      EXPECT_GE(c->rect.bottom - c->rect.top, row.minHeight) << row.section << " key " << key;
      for (const SkinControl& other : art->controls) {
        const Box& a = c->rect;
        const Box& b = other.rect;
        const bool apart = a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
        EXPECT_TRUE(&other == &*c || apart) << row.section << " keys " << key << " and " << other.key;
      }
    }
  }
}

TEST_F(DefaultSkin, MouseHotSpotsLeadToPartsOfTheirOwnAndItsTextsStayPlain) {
  std::string error;
  const std::optional<WindowArt> mouse = ReadWindowArt(*description, "mouse", DEFAULT_SKIN_DIR, error);
  ASSERT_TRUE(mouse) << error;
  std::set<std::string> parts;
  for (const SkinControl& c : mouse->controls) {
    if (std::stoi(c.key) <= 15) parts.insert(c.lead);
  }
  EXPECT_EQ(parts.size(), 15u);
  EXPECT_FALSE(parts.count(""));
  // The program cuts all states of its texts from the down picture.
  const Canvas down = RenderState(*mouse, SkinState::Down);
  for (const SkinControl& c : mouse->controls) {
    if (c.key != "20" && c.key != "21") continue;
    const Rgb plain = down.At(static_cast<int>(c.rect.left), static_cast<int>(c.rect.top));
    for (int y = static_cast<int>(c.rect.top); y < c.rect.bottom; ++y) {
      for (int x = static_cast<int>(c.rect.left); x < c.rect.right; ++x) ASSERT_EQ(down.At(x, y), plain) << x << "," << y;
    }
  }
}

TEST_F(DefaultSkin, TabStripsDrawTheirSharedMaskAlike) {
  std::string error;
  const std::optional<WindowArt> four = ReadWindowArt(*description, "set_tab", DEFAULT_SKIN_DIR, error);
  const std::optional<WindowArt> eight = ReadWindowArt(*description, "set_button_tab", DEFAULT_SKIN_DIR, error);
  ASSERT_TRUE(four && eight) << error;
  EXPECT_EQ(four->files.at("Mask"), eight->files.at("Mask"));
  EXPECT_TRUE(RenderMask(*four).Pixels() == RenderMask(*eight).Pixels());
}

TEST(SkinArtwork, OneFileDrawnTwoWaysIsRefused) {
  const std::filesystem::path out = std::filesystem::path(testing::TempDir()) / "skingen_test_out";
  std::filesystem::create_directories(out);
  const std::string window = "Size=40,30\nNormal=n.JPG\nMask=";
  std::string error;
  EXPECT_TRUE(RenderSkin(IniDocument::Parse("[a]\n" + window + "m.bmp\n[b]\n" + window + "M.BMP\n"),
                         DEFAULT_SKIN_DIR, out.string(), error)) << error;
  EXPECT_FALSE(RenderSkin(IniDocument::Parse("[a]\n" + window + "m.bmp\n[b]\nCorner=6\n" + window + "M.BMP\n"),
                          DEFAULT_SKIN_DIR, out.string(), error));
  EXPECT_NE(error.find("M.BMP"), std::string::npos) << error;
  std::filesystem::remove_all(out);
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
