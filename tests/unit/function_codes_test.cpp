#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/function_codes.h"
#include "model/text_source.h"

namespace {

class NumberedTexts : public TextSource {
 public:
  std::u16string Text(int id) const override {
    std::string digits = std::to_string(id);
    return u"T" + std::u16string(digits.begin(), digits.end());
  }
};

}  // namespace

TEST(HomePage, EveryCodeHasThePageItIsChosenOn) {
  const std::set<int> mousePage = {1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18, 19, 20, 21, 22, 24};
  for (int code = -1; code <= 256; ++code) {
    FunctionPage expected = FunctionPage::KeyFunction;
    if (code == 5) expected = FunctionPage::ShortcutCapture;
    if (code == 16) expected = FunctionPage::MacroManager;
    if (mousePage.count(code)) expected = FunctionPage::MouseFunction;
    EXPECT_EQ(HomePage(code), expected) << code;
  }
}

TEST(FunctionName, NamesComeFromTheLanguageTexts) {
  const NumberedTexts texts;
  const struct { int code; std::u16string_view name; } rows[] = {
      {0, u"T1209"},  {6, u"T1209"},  {1, u"T1203"},  {4, u"T1208"},  {7, u"T1206"},
      {13, u"T1221"}, {21, u"T1210"}, {22, u"T1226"}, {23, u"T1227"}, {24, u"T1225"},
      {25, u"T1332"}, {33, u"T1330"}, {39, u"T1329"}, {42, u"T1321"}, {43, u"T1228"},
      {44, u"T1229"}, {5, u""},       {16, u""},      {17, u""},      {45, u""},
      {57, u""},      {67, u""},      {255, u""},     {-3, u""}};
  for (const auto& row : rows) EXPECT_EQ(FunctionName(row.code, texts), row.name) << row.code;
}

TEST(FunctionName, EveryFactoryCodeHasAName) {
  const NumberedTexts texts;
  for (int b = 0; b < kButtonCount; ++b) EXPECT_FALSE(FunctionName(DefaultButtonFunctions[b], texts).empty()) << b;
}
