#include <gtest/gtest.h>

#include <map>

#include "model/factory.h"
#include "model/function_codes.h"
#include "model/profile_keys.h"
#include "model/struct_encoding.h"
#include "model/text.h"
#include "record_bytes.h"

namespace {

using KeyMap = std::map<std::u16string, std::u16string, std::less<>>;

KeyMap MapOf(const KeyValues& values) { return KeyMap(values.begin(), values.end()); }

KeyLookup LookupIn(const KeyMap& map) {
  return [&map](std::u16string_view key) -> std::optional<std::u16string> {
    auto it = map.find(key);
    if (it == map.end()) return std::nullopt;
    return it->second;
  };
}

std::u16string U(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// A profile in which every stored byte has a value of its own.
std::unique_ptr<ProfileRecord> DistinctProfile() {
  auto p = std::make_unique<ProfileRecord>();
  auto bytes = BytesOf(*p);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
  SetText(p->ProFileName, u"Sniper \u00e9\u4e2d\u0416");
  SetText(p->GameFile, u"C:\\Games\\Long Way\\game.exe");
  for (ButtonRecord& b : p->MacroKeyInfo) b.EntryCount = 33;
  return p;
}

}  // namespace

TEST(ProfileKeys, TheEightyKeysInFileOrder) {
  std::vector<std::u16string> expected = {u"ProFileName", u"GameFile"};
  for (const char* name : {"DbleClickSpeed", "ScrollWheelSpeed", "ScrollWheelFlag", "MouseSpeed", "Acceleration",
                           "AccelerationFlag", "TiltSpeed", "MediaOption", "HDDKeyboard", "Orientation",
                           "XYSynchronous", "Sensitivity_X", "Sensitivity_Y", "Cpi_X", "Cpi_Y", "XYCpiFlag"})
    expected.push_back(U(name));
  for (int i = 0; i < 5; ++i) expected.push_back(U("CpiLevel_X" + std::to_string(i)));
  for (int i = 0; i < 5; ++i) expected.push_back(U("CpiLevel_Y" + std::to_string(i)));
  for (const char* name : {"CpiStep", "PollingRate", "LiftSwitch", "LiftLevel", "LightSwitch", "LightType",
                           "ColorFlag", "ColorOptions", "ColorChangeMode", "BTOption", "OTGSpeed"})
    expected.push_back(U(name));
  for (int i = 0; i < 5; ++i) expected.push_back(U("dpiStepFlag" + std::to_string(i)));
  for (int i = 0; i < 5; ++i) expected.push_back(U("dpiIndicator" + std::to_string(i)));
  for (const char* name : {"DpiIndicationType", "CpiXDefault", "CpiYDefault", "BtnConfiguration", "Color1Type",
                           "Color2Type", "LightEffectSwitch1", "LightEffectSwitch2", "LightEffectType1",
                           "LightEffectType2", "ColorOptions1", "ColorOptions2", "ColorChangeModeOptions1",
                           "ColorChangeModeOptions2", "FireOrOnToGoStatusIndicatorSetting", "ProfileSwitchIndictor"})
    expected.push_back(U(name));
  for (int i = 0; i < 15; ++i) expected.push_back(U("MacroKeyInfo" + std::to_string(i)));

  std::vector<std::u16string> actual;
  for (const auto& [key, value] : ProfileToKeyValues(ProfileRecord{})) actual.push_back(key);
  EXPECT_EQ(actual, expected);
}

TEST(ProfileKeys, ValuesAreDecimalAndStructTexts) {
  ProfileRecord p{};
  FactoryProfile(p, 3);
  p.DbleClickSpeed = -42;
  const KeyMap keys = MapOf(ProfileToKeyValues(p));
  EXPECT_EQ(keys.at(u"ProFileName"), u"Profile");
  EXPECT_EQ(keys.at(u"GameFile"), u"");
  EXPECT_EQ(keys.at(u"DbleClickSpeed"), u"-42");
  EXPECT_EQ(keys.at(u"CpiLevel_X3"), u"20");
  EXPECT_EQ(keys.at(u"ProfileSwitchIndictor"), u"5");
  EXPECT_EQ(keys.at(u"MacroKeyInfo14"), EncodeStruct(BytesOf(p.MacroKeyInfo[14])));
  EXPECT_EQ(keys.at(u"MacroKeyInfo14").size(), 732u * 2 + 2);
}

TEST(ProfileKeys, EveryStoredFieldRoundTrips) {
  auto written = DistinctProfile();
  const KeyMap keys = MapOf(ProfileToKeyValues(*written));
  auto read = FilledRecord<ProfileRecord>(0xCC);
  ProfileFromKeyValues(LookupIn(keys), *read);

  // Only the padding is not stored: it keeps what the record held.
  std::vector<std::size_t> expected;
  for (std::size_t offset : {offsetof(ProfileRecord, Padding1), offsetof(ProfileRecord, Padding2),
                             offsetof(ProfileRecord, Padding2) + 1, offsetof(ProfileRecord, Padding2) + 2})
    expected.push_back(offset);
  // Texts are stored up to their terminator; the rest of the buffer is zeroed.
  for (std::size_t offset : DifferingOffsets(*written, *read)) {
    const bool inTexts = offset < offsetof(ProfileRecord, DbleClickSpeed);
    if (!inTexts) {
      EXPECT_TRUE(std::find(expected.begin(), expected.end(), offset) != expected.end()) << offset;
    }
  }
  EXPECT_EQ(TextOf(read->ProFileName), TextOf(written->ProFileName));
  EXPECT_EQ(TextOf(read->GameFile), TextOf(written->GameFile));
  EXPECT_EQ(read->Padding1, 0xCC);
}

TEST(ProfileKeys, IndicatorsAlsoComeFromTheOlderKeyNames) {
  KeyMap keys;
  for (int i = 0; i < 5; ++i) keys[U("dpibyDpiIndicator" + std::to_string(i))] = U(std::to_string(10 * i + 5));
  keys[u"dpiIndicator2"] = u"77";  // the written name wins where both exist
  ProfileRecord p{};
  ProfileFromKeyValues(LookupIn(keys), p);
  const std::uint8_t expected[] = {5, 15, 77, 35, 45};
  EXPECT_TRUE(std::equal(expected, expected + 5, p.dpiIndicator));
}

TEST(ProfileKeys, MissingKeysGiveTheReadersDefaults) {
  auto p = FilledRecord<ProfileRecord>(0x5A);
  ProfileFromKeyValues(LookupIn(KeyMap{}), *p);
  EXPECT_EQ(TextOf(p->ProFileName), u"");
  EXPECT_EQ(p->DbleClickSpeed, -1);
  EXPECT_EQ(p->CpiLevel_Y[4], -1);
  EXPECT_EQ(p->OTGSpeed, -1);
  EXPECT_EQ(p->dpiStepFlag[0], 255);
  EXPECT_EQ(p->dpiIndicator[4], 255);
  EXPECT_EQ(p->ProfileSwitchIndictor, 255);
  // A button without a value is its factory record, not what was there.
  for (int b = 0; b < kButtonCount; ++b) {
    ButtonRecord factory{};
    ProfileRecord scratch{};
    FactoryButton(scratch, b);
    factory = scratch.MacroKeyInfo[b];
    EXPECT_TRUE(DifferingOffsets(factory, p->MacroKeyInfo[b]).empty()) << b;
  }
}

TEST(ProfileKeys, DamagedAndOversizedButtonValues) {
  auto written = DistinctProfile();
  written->MacroKeyInfo[1].EntryCount = 300;
  KeyMap keys = MapOf(ProfileToKeyValues(*written));
  std::u16string& damaged = keys[u"MacroKeyInfo2"];
  damaged[10] = damaged[10] == u'0' ? u'1' : u'0';  // checksum no longer fits
  keys[u"MacroKeyInfo3"] = keys[u"MacroKeyInfo3"].substr(0, 100);
  std::u16string& letters = keys[u"MacroKeyInfo4"];
  letters[0] = u'Q';

  auto read = FilledRecord<ProfileRecord>(0xCC);
  ProfileFromKeyValues(LookupIn(keys), *read);

  const ButtonRecord& counted = read->MacroKeyInfo[1];
  EXPECT_EQ(counted.EntryCount, 40);
  auto diff = DifferingOffsets(written->MacroKeyInfo[1], counted);
  EXPECT_EQ(diff, (std::vector<std::size_t>{48, 49}));  // only the count changed
  for (int b : {2, 3, 4}) {
    EXPECT_EQ(read->MacroKeyInfo[b].ButtonIndex, b);
    EXPECT_EQ(read->MacroKeyInfo[b].FunctionCode, DefaultButtonFunctions[b]);
    EXPECT_EQ(read->MacroKeyInfo[b].ProgramPath[0], 0) << "no stale bytes survive";
  }
}

TEST(ProfileKeys, TextsAreCutToTheirFieldsAndStayOneLine) {
  KeyMap keys;
  keys[u"ProFileName"] = std::u16string(300, u'n');
  keys[u"GameFile"] = std::u16string(4095, u'g');
  ProfileRecord p{};
  ProfileFromKeyValues(LookupIn(keys), p);
  EXPECT_EQ(TextOf(p.ProFileName).size(), 249u);
  EXPECT_EQ(TextOf(p.GameFile).size(), 499u);

  SetText(p.ProFileName, u"first\r\nMacroKeyInfo0=00");
  EXPECT_EQ(MapOf(ProfileToKeyValues(p)).at(u"ProFileName"), u"first");
}
