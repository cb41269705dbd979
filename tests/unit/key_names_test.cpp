#include <gtest/gtest.h>

#include <initializer_list>

#include "fixed_layouts.h"
#include "model/key_names.h"

namespace {

using Naming = std::u16string (*)(std::uint32_t, const KeyboardLayout&);

struct NameCase {
  std::uint32_t code;
  std::u16string_view name;
};

void ExpectNames(Naming name, const KeyboardLayout& layout, std::initializer_list<NameCase> cases) {
  for (const auto& c : cases) EXPECT_EQ(name(c.code, layout), c.name) << std::hex << c.code;
}

}  // namespace

TEST(VkName, FixedNamesAtTheEndsOfEachRange) {
  ExpectNames(VkName, UsLayout(), {
      {0x08, u"BackSpace"},  {0x09, u"Tab"},          {0x0C, u"Clr"},
      {0x0D, u"Enter"},      {0x10, u"Shift"},        {0x12, u"Alt"},
      {0x13, u"Pause"},      {0x14, u"Caps Lock"},    {0x1B, u"Esc"},
      {0x20, u"Space"},      {0x21, u"Page Up"},      {0x28, u"Down Arrow"},
      {0x29, u"Select"},     {0x2C, u"Snapshot"},     {0x2F, u"Help"},
      {0x5B, u"Left Windows Button"},                 {0x5D, u"APP"},
      {0x60, u"Num0"},       {0x69, u"Num9"},         {0x6A, u"Num*"},
      {0x6C, u"NumRet"},     {0x6F, u"Num/"},         {0x70, u"F1"},
      {0x7B, u"F12"},        {0x90, u"Num Lock"},     {0x91, u"Scroll Lock"},
      {0xA0, u"Left Shift"}, {0xA5, u"Right Alt"},    {0xF1, u"L Button"},
      {0xF5, u"Button 4"}});
}

TEST(VkName, OtherKeysShowTheCharacterTheyTypeUnderTheLayout) {
  ExpectNames(VkName, UsLayout(), {
      {0x41, u"A"}, {0x5A, u"Z"}, {0x31, u"1"}, {0x30, u"0"},
      {0xBD, u"-"}, {0xDE, u"'"}, {0xC0, u"`"}, {0xE2, u"\\"}});
  ExpectNames(VkName, GermanLayout(), {
      {0xDB, u"\u00DF"},  // sharp s has no capital of its own
      {0xC0, u"\u00D6"}, {0xDE, u"\u00C4"}, {0xBA, u"\u00DC"}, {0xBF, u"#"},
      {0xDC, u"^"}, {0xDD, u"\u00B4"}});  // dead keys show their accent
}

TEST(VkName, KeysWithoutAReadableCharacterAreNamedByTheirCode) {
  // Control characters, keys that type nothing, keys the layout lacks.
  ExpectNames(VkName, UsLayout(), {
      {0x03, u"Key 0x03"}, {0x7C, u"Key 0x7C"}, {0x07, u"Key 0x07"}, {0xFF, u"Key 0xFF"},
      {0x00, u""}, {0x100, u""}, {0x141, u""}});

  // A key that types after a pending dead key gives two characters: the
  // key's own is the second.
  class PendingAccent : public FixedLayout {
   public:
    PendingAccent() : FixedLayout({}) {}
    int Translate(std::uint32_t, std::uint32_t, std::uint16_t& characters) const override {
      characters = static_cast<std::uint16_t>('^' | ('q' << 8));
      return 2;
    }
  };
  EXPECT_EQ(VkName(0x51, PendingAccent()), u"Q");
}

TEST(UsageName, FixedNamesAtTheEndsOfEachRange) {
  ExpectNames(UsageName, UsLayout(), {
      {0x3A, u"F1"},        {0x45, u"F12"},       {0x46, u"Print Screen"}, {0x48, u"Break"},
      {0x52, u"Up Arrow"},  {0x53, u"Num Lock"},  {0x54, u"Num_/"},        {0x58, u"Num_Enter"},
      {0x59, u"Num_1"},     {0x61, u"Num_9"},     {0x62, u"Num_0"},        {0x63, u"Num_."},
      {0x64, u"Europe 2"},  {0x65, u"APP"},       {0x82, u"Sleep"},        {0xE0, u"Left Control"},
      {0xE7, u"Right GUI"}, {0xF1, u"L Button"},  {0xF5, u"Button 4"},
      // Usages the system does not name.
      {0x00, u""}, {0x03, u""}, {0x32, u""}, {0x66, u""}, {0x68, u""}, {0x81, u""},
      {0x83, u""}, {0xDF, u""}, {0xE8, u""}, {0xF0, u""}, {0xF6, u""}, {0x1E0, u""}});
}

TEST(UsageName, TheMainBlockIsNamedAfterTheLayout) {
  ExpectNames(UsageName, UsLayout(), {
      {0x04, u"A"},     {0x1C, u"Y"},   {0x1D, u"Z"},         {0x1E, u"1"},   {0x27, u"0"},
      {0x28, u"Enter"}, {0x29, u"Esc"}, {0x2A, u"BackSpace"}, {0x2B, u"Tab"}, {0x2C, u"Space"},
      {0x2D, u"-"},     {0x35, u"`"},   {0x38, u"/"},         {0x39, u"Caps Lock"}});
  ExpectNames(UsageName, GermanLayout(), {
      {0x1C, u"Z"}, {0x1D, u"Y"}, {0x2D, u"\u00DF"}, {0x33, u"\u00D6"}, {0x35, u"^"}, {0x38, u"-"}});
}
