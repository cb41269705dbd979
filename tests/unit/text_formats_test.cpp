#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "model/decimal.h"
#include "model/struct_encoding.h"

TEST(ParseDecimal, ReadsLikeTheRegistryValuesAreMeant) {
  const struct { std::u16string_view text; int value; } rows[] = {
      {u"500", 500},  {u"-1", -1},   {u"  42", 42},  {u"+7", 7},          {u"12abc", 12},
      {u"", 0},       {u"abc", 0},   {u"-", 0},      {u"2147483647", INT_MAX},
      {u"99999999999999999999", INT_MAX}, {u"-99999999999999999999", INT_MIN}, {u"-2147483648", INT_MIN}};
  for (const auto& row : rows) EXPECT_EQ(ParseDecimal(row.text), row.value);
}

TEST(StructEncoding, HexDigitsThenTheChecksum) {
  const std::uint8_t bytes[] = {0x00, 0x7F, 0xAB, 0xFF};
  EXPECT_EQ(EncodeStruct(bytes), u"007FABFF29");  // 0x7F + 0xAB + 0xFF = 0x229
  EXPECT_EQ(EncodeStruct({}), u"00");
}

TEST(StructEncoding, DecodesOnlyAWholeValidValue) {
  const struct { std::u16string_view text; bool ok; } rows[] = {
      {u"007FABFF29", true},
      {u"007fabff29", true},   // lower-case digits are hex too
      {u"007FABFF28", false},  // checksum
      {u"007FABFF2", false},   // too short
      {u"007FABFF2900", false},
      {u"0G7FABFF29", false},  // G is no hex digit
      {u"007FABZZ29", false},
      {u"", false},
  };
  for (const auto& row : rows) {
    std::vector<std::uint8_t> out(4, 0xEE);
    EXPECT_EQ(DecodeStruct(row.text, out), row.ok) << std::string(row.text.begin(), row.text.end());
    const std::vector<std::uint8_t> expected = row.ok ? std::vector<std::uint8_t>{0x00, 0x7F, 0xAB, 0xFF}
                                                      : std::vector<std::uint8_t>(4, 0xEE);
    EXPECT_EQ(out, expected);
  }
}

TEST(StructEncoding, RoundTripsEveryByteValue) {
  std::vector<std::uint8_t> bytes(256);
  for (int i = 0; i < 256; ++i) bytes[i] = static_cast<std::uint8_t>(255 - i);
  std::vector<std::uint8_t> back(256);
  ASSERT_TRUE(DecodeStruct(EncodeStruct(bytes), back));
  EXPECT_EQ(back, bytes);
}
