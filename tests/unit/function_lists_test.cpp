#include <gtest/gtest.h>

#include <optional>

#include "model/function_lists.h"

namespace {

ButtonRecord Record(std::uint8_t code, std::uint8_t key = 0, std::uint8_t modifiers = 0) {
  ButtonRecord record{};
  record.FunctionCode = code;
  record.Entries[0][0] = key;
  record.Entries[0][1] = modifiers;
  return record;
}

TEST(FunctionLists, KeyFunctionPageMarksCodesAndTheShortcutsItKnows) {
  const struct {
    ButtonRecord record;
    std::optional<ListLine> line;
  } rows[] = {
      {Record(5, 0x06, 1), ListLine{1, 1}},  // Ctrl+C
      {Record(5, 0x06, 3), std::nullopt},    // Ctrl+Shift+C
      {Record(5, 0x2B, 4), ListLine{0, 0}},  // Alt+Tab
      {Record(5, 0x07, 8), ListLine{0, 4}},  // Win+D
      {Record(57), ListLine{0, 0}},          {Record(0), ListLine{0, 6}},  {Record(6), ListLine{0, 6}},
      {Record(29), ListLine{3, 7}},          {Record(16), std::nullopt},   {Record(23), std::nullopt},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(KeyFunctionLine(row.record), row.line)
        << int(row.record.FunctionCode) << " " << int(row.record.Entries[0][0]) << "/" << int(row.record.Entries[0][1]);
  }
}

TEST(FunctionLists, WheelButtonsAreNeverOfferedTheLastTwoMouseButtonLines) {
  const struct {
    std::uint8_t code;
    int button;
    std::optional<ListLine> line;
  } rows[] = {
      {21, 2, ListLine{0, 6}}, {22, 12, ListLine{0, 7}}, {21, 13, std::nullopt}, {22, 14, std::nullopt},
      {9, 14, ListLine{1, 0}}, {24, 0, ListLine{4, 0}},  {5, 0, std::nullopt},
  };
  for (const auto& row : rows)
    EXPECT_EQ(MouseFunctionLine(Record(row.code), row.button), row.line) << int(row.code) << " " << row.button;
}

}  // namespace
