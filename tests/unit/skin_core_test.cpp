// The skin's text and state rules: layout values, the button's image
// choice and caption placement.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/text.h"
#include "skin/bmp_check.h"
#include "skin/button_info.h"
#include "skin/button_look.h"

namespace {

bool operator==(const SkinRect& a, const SkinRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(ParseButtonInfo, FieldsOfLayoutValues) {
  struct Row {
    std::u16string value;
    std::u16string name;
    SkinRect rect;
    std::u16string tooltip;
  };
  const Row rows[] = {
      {u"Apply,120,400,90,28,Apply settings", u"Apply", {120, 400, 210, 428}, u"Apply settings"},
      // Four numbers only: the height doubles as the tooltip.
      {u"Close,700,5,20,20", u"Close", {700, 5, 720, 25}, u"20"},
      {u"12", u"", {12, 0, 12, 0}, u"12"},
      {u"", u"", {0, 0, 0, 0}, u""},
      // Blanks around the tooltip go; inside it they stay.
      {u"Tip,1,2,3,4, \t Two words \r\n", u"Tip", {1, 2, 4, 6}, u"Two words"},
      // Extra fields between the numbers and the tooltip are ignored.
      {u"X,1,2,3,4,extra,more,last", u"X", {1, 2, 4, 6}, u"last"},
      // scanf rules: blanks before a number, signs, and a stop at the first
      // field that is not a number.
      {u"N, -5, +7,10,3,t", u"N", {-5, 7, 5, 10}, u"t"},
      {u"N,5,abc,10,3,t", u"N", {5, 0, 5, 0}, u"t"},
      {u"N,5 ,6,7,8,t", u"N", {5, 0, 5, 0}, u"t"},
      // Out-of-range numbers are held at the int limits, sums too.
      {u"Big,99999999999,2147483647,10,1,t", u"Big", {2147483647, 2147483647, 2147483647, 2147483647}, u"t"},
      {u"Neg,-2147483648,0,-1,0,t", u"Neg", {-2147483647 - 1, 0, -2147483647 - 1, 0}, u"t"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.value.begin(), row.value.end()));
    const SkinButtonInfo info = ParseButtonInfo(row.value);
    EXPECT_EQ(TextOf(info.ItemName), row.name);
    EXPECT_TRUE(info.Rect == row.rect) << info.Rect.left << "," << info.Rect.top << "," << info.Rect.right << ","
                                       << info.Rect.bottom;
    EXPECT_EQ(TextOf(info.TooltipText), row.tooltip);
  }
}

TEST(ParseButtonInfo, OverlongPartsAreCutToTheirBuffers) {
  const std::u16string name(60, u'n');
  const std::u16string tip(150, u't');
  const SkinButtonInfo info = ParseButtonInfo(name + u",1,2,3,4," + tip);
  EXPECT_EQ(TextOf(info.ItemName), name.substr(0, 39));
  EXPECT_EQ(TextOf(info.TooltipText), tip.substr(0, 99));
}

TEST(ChooseButtonImage, BothModes) {
  using I = ButtonImage;
  struct Row {
    ButtonState state;  // toggle, checked, hover, pressed, disabled
    ButtonImage image;
  };
  const Row rows[] = {
      {{false, false, false, false, false}, I::Normal},
      {{false, false, true, false, false}, I::Over},
      {{false, false, true, true, false}, I::Down},
      {{false, true, true, false, false}, I::Down},
      {{false, true, false, false, true}, I::Disabled},
      {{false, false, true, true, true}, I::Disabled},
      {{true, false, false, false, false}, I::Normal},
      {{true, false, true, false, false}, I::Over},
      // Pressing a toggle does not change its picture.
      {{true, false, true, true, false}, I::Over},
      {{true, true, false, false, false}, I::Down},
      {{true, true, false, false, true}, I::Down},
      {{true, false, true, false, true}, I::Disabled},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(ChooseButtonImage(rows[i].state), rows[i].image) << "row " << i;
  }
}

TEST(LayoutCaption, RectanglesAndFormats) {
  const SkinRect client{0, 0, 100, 30};
  const SkinRect text{5, 0, 80, 20};
  struct Row {
    CaptionOptions options;  // align, useTextRect, textRect, multiLine, indent
    SkinRect rect;
    uint32_t format;
  };
  const Row rows[] = {
      {{0, false, text, false, 7}, {5, 0, 95, 30}, 0x8825},
      {{1, false, text, false, 7}, {12, 0, 90, 30}, 0x8824},
      {{2, false, text, false, 7}, {5, 0, 95, 30}, 0x8826},
      {{9, false, text, false, 7}, {5, 0, 95, 30}, 0x8826},
      {{0, true, text, false, 7}, text, 0x8825},
      {{0, true, text, true, 7}, text, 0x2015},
      {{1, true, text, false, 7}, text, 0x8824},
      {{1, true, text, true, 7}, text, 0x2014},
      {{2, true, text, true, 7}, text, 0x8826},
      {{3, true, text, true, 7}, text, 0x8136},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const CaptionLayout layout = LayoutCaption(rows[i].options, client);
    EXPECT_TRUE(layout.rect == rows[i].rect) << "row " << i;
    EXPECT_EQ(layout.format, rows[i].format) << "row " << i;
  }
}

}  // namespace

namespace {

// A 3 x 2 bitmap of `bits` per pixel: the file header, an info header and
// the rows, each padded to whole 32-bit words.
std::vector<std::uint8_t> Bitmap(std::uint16_t bits, std::int32_t height = 2, std::uint32_t compression = 0,
                                 std::uint32_t imageBytes = 0) {
  std::vector<std::uint8_t> file(54 + (3 * bits + 31) / 32 * 4 * 2, 0);
  auto put = [&](std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put(2, static_cast<std::uint32_t>(file.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, 3, 4);
  put(22, static_cast<std::uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, bits, 2);
  put(30, compression, 4);
  put(34, imageBytes, 4);
  return file;
}

}  // namespace

TEST(BitmapFileComplete, ABitmapCutShortIsRefused) {
  // Cut short with the file size it states cut too, so the rows are what is missing.
  auto cut = [](std::vector<std::uint8_t> file, std::size_t bytes) {
    file.resize(file.size() - bytes);
    for (int i = 0; i < 4; ++i) file[2 + i] = static_cast<std::uint8_t>(file.size() >> (8 * i));
    return file;
  };
  auto declaring = [](std::vector<std::uint8_t> file, std::uint8_t extra) {
    file[2] = static_cast<std::uint8_t>(file[2] + extra);
    return file;
  };
  const struct {
    std::vector<std::uint8_t> file;
    bool complete;
  } rows[] = {
      {Bitmap(24), true},
      {Bitmap(24, -2), true},  // top-down rows
      {Bitmap(1), true},
      {cut(Bitmap(24), 1), false},
      {cut(Bitmap(1), 4), false},
      {declaring(Bitmap(24), 1), false},  // shorter than the file size it states
      {cut(Bitmap(24), 40), false},       // the header itself cut
      {Bitmap(8, 2, 1, 100), false},      // compressed rows beyond the end
      {Bitmap(8, 2, 1, 8), true},
      {{0xFF, 0xD8, 0xFF}, true},  // a JPEG is not a bitmap
      {{'B'}, true},
  };
  for (const auto& row : rows) EXPECT_EQ(BitmapFileComplete(row.file), row.complete) << row.file.size();
}
