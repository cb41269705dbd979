#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "model/assignment.h"
#include "model/factory.h"
#include "model/function_codes.h"
#include "model/settings.h"
#include "model/text.h"
#include "record_bytes.h"

namespace {

constexpr int kProfile = 2;
constexpr int kButton = 4;

class Assignment : public testing::Test {
 protected:
  void SetUp() override {
    FactorySettings(*settings);
    settings->CurrentProfile = kProfile;
    // Stale data everywhere an assignment may or may not write.
    std::memset(&record(), 0x3C, sizeof(ButtonRecord));
    record().ButtonIndex = kButton;
    before = *settings;
  }
  ButtonRecord& record() { return settings->Profiles[kProfile].MacroKeyInfo[kButton]; }
  const ButtonRecord& old() const { return before.Profiles[kProfile].MacroKeyInfo[kButton]; }

  // Offsets inside the record that changed.
  std::vector<std::size_t> Written() const {
    std::vector<std::size_t> local;
    for (std::size_t i = 0; i < sizeof(ButtonRecord); ++i)
      if (BytesOf(old())[i] != BytesOf(settings->Profiles[kProfile].MacroKeyInfo[kButton])[i]) local.push_back(i);
    return local;
  }
  // Only this button's record and its change flag differ from before.
  void ExpectOnlyThisButtonTouched() {
    EXPECT_EQ(settings->ButtonChangedFlags[kProfile][kButton], 1);
    const std::size_t recordStart = offsetof(SettingsRecord, Profiles) + kProfile * sizeof(ProfileRecord) +
                                    offsetof(ProfileRecord, MacroKeyInfo) + kButton * sizeof(ButtonRecord);
    const std::size_t flag = offsetof(SettingsRecord, ButtonChangedFlags) + (kProfile * 15 + kButton) * 4;
    for (std::size_t offset : DifferingOffsets(before, *settings))
      ASSERT_TRUE((offset >= recordStart && offset < recordStart + sizeof(ButtonRecord)) ||
                  (offset >= flag && offset < flag + 4))
          << "offset " << offset;
  }

  std::unique_ptr<SettingsRecord> settings = std::make_unique<SettingsRecord>();
  SettingsRecord before{};
};

bool AllZero(const void* p, std::size_t n) {
  auto bytes = static_cast<const std::uint8_t*>(p);
  return std::all_of(bytes, bytes + n, [](std::uint8_t b) { return b == 0; });
}

}  // namespace

TEST_F(Assignment, MouseFunctionClearsEventsAndNameAndKeepsProgramAndRepeat) {
  ASSERT_TRUE(AssignProgram(*settings, kButton, u"C:\\Games\\run.exe"));
  before = *settings;
  ASSERT_TRUE(AssignFunction(*settings, kButton, 9));

  EXPECT_EQ(record().FunctionCode, 9);
  EXPECT_EQ(record().EntryCount, 0);
  EXPECT_TRUE(AllZero(record().Entries, 160));
  EXPECT_TRUE(AllZero(record().Name, 40));
  EXPECT_EQ(TextOf(record().ProgramPath), u"C:\\Games\\run.exe");
  EXPECT_EQ(record().RepeatCount, 0x3C3C3C3C);
  EXPECT_EQ(record().Reserved1[0], 0x3C);
  ExpectOnlyThisButtonTouched();
}

TEST_F(Assignment, ProgramLaunchStoresAtMost259Characters) {
  std::u16string path(300, u'p');
  ASSERT_TRUE(AssignProgram(*settings, kButton, path));
  EXPECT_EQ(record().FunctionCode, kFnLaunchProgram);
  EXPECT_EQ(TextOf(record().ProgramPath), path.substr(0, 259));
  EXPECT_EQ(record().EntryCount, 0);
  EXPECT_TRUE(AllZero(record().Name, 40));
  for (std::size_t b : Written()) EXPECT_TRUE(b == 1 || (b >= 2 && b < 42) || (b >= 48 && b < 730)) << b;
  ExpectOnlyThisButtonTouched();
}

TEST_F(Assignment, KeyCombinationModifierByte) {
  const struct {
    ModifierToggles toggles;
    std::uint8_t expected;
  } rows[] = {
      {{0, 1, 1, 0, 0}, 0x03},  // Ctrl+Shift
      {{0, 0, 0, 1, 0}, 0x04},
      {{0, 1, 1, 1, 1}, 0x0F},
      {{1, 1, 1, 1, 1}, 0x00},  // the none toggle wins over the others
      {{0, 2, 1, 0, -1}, 0x02}, // only exactly 1 counts
      {{2, 1, 0, 0, 0}, 0x01},
  };
  for (const auto& row : rows) {
    SetUp();
    ASSERT_TRUE(AssignKeyCombination(*settings, kButton, 0x2B, row.toggles));
    EXPECT_EQ(record().Entries[0][0], 0x2B);
    EXPECT_EQ(record().Entries[0][1], row.expected);
    EXPECT_EQ(record().FunctionCode, kFnKeyCombination);
    EXPECT_EQ(record().EntryCount, 1);
    EXPECT_TRUE(AllZero(record().Name, 40));
    // Bytes 2-3 of the entry, the other entries, repeat and path are kept.
    for (std::size_t b : Written()) EXPECT_TRUE(b == 1 || (b >= 2 && b < 42) || (b >= 48 && b < 52)) << b;
    ExpectOnlyThisButtonTouched();
  }
}

TEST_F(Assignment, MacroCopiesNameEventsAndRepeat) {
  std::array<std::uint8_t, 160> events{};
  for (std::size_t i = 0; i < events.size(); ++i) events[i] = static_cast<std::uint8_t>(i + 1);
  const std::u16string name = u"abcdefghijklmnopqrstuvwxyz0123";  // 30 characters
  MacroData macro{name, 7, 12, events};
  ASSERT_TRUE(AssignMacro(*settings, kButton, &macro));

  EXPECT_EQ(record().FunctionCode, kFnMacro);
  EXPECT_EQ(TextOf(record().Name), name.substr(0, 18));
  EXPECT_EQ(record().Name[19], 0);
  EXPECT_EQ(record().EntryCount, 12);
  EXPECT_EQ(record().RepeatCount, 7);
  EXPECT_TRUE(std::equal(events.begin(), events.end(), &record().Entries[0][0]));
  EXPECT_EQ(record().ProgramPath[0], 0x3C3C);
  ExpectOnlyThisButtonTouched();
}

TEST_F(Assignment, MacroEventCountIsKeptWithinTheRecord) {
  std::array<std::uint8_t, 160> events{};
  const struct { std::int32_t count; std::uint16_t stored; } rows[] = {
      {0, 0}, {40, 40}, {41, 40}, {65535, 40}, {65536 + 3, 40}, {-1, 0}};
  for (const auto& row : rows) {
    MacroData macro{u"m", 1, row.count, events};
    ASSERT_TRUE(AssignMacro(*settings, kButton, &macro));
    EXPECT_EQ(record().EntryCount, row.stored) << row.count;
  }
}

TEST_F(Assignment, NoMacroWritesNothing) {
  EXPECT_FALSE(AssignMacro(*settings, kButton, nullptr));
  EXPECT_TRUE(DifferingOffsets(before, *settings).empty());
}

TEST_F(Assignment, NoSelectedButtonOrProfileWritesNothing) {
  std::array<std::uint8_t, 160> events{};
  MacroData macro{u"m", 1, 1, events};
  const struct { int profile; int button; } rows[] = {{kProfile, -1}, {kProfile, 15}, {-1, 0}, {5, 0}, {99, 3}};
  for (const auto& row : rows) {
    settings->CurrentProfile = row.profile;
    before.CurrentProfile = row.profile;
    EXPECT_FALSE(AssignFunction(*settings, row.button, 2));
    EXPECT_FALSE(AssignProgram(*settings, row.button, u"x"));
    EXPECT_FALSE(AssignKeyCombination(*settings, row.button, 4, {0, 1, 0, 0, 0}));
    EXPECT_FALSE(AssignMacro(*settings, row.button, &macro));
    EXPECT_FALSE(RestoreButton(*settings, row.button));
    EXPECT_TRUE(DifferingOffsets(before, *settings).empty()) << row.profile << "/" << row.button;
  }
}

TEST_F(Assignment, RestoreOneButtonSetsOneFlagAndKeepsItsProgramPath) {
  ASSERT_TRUE(AssignProgram(*settings, kButton, u"C:\\tool.exe"));
  ClearChangeTracking(*settings);
  before = *settings;
  ASSERT_TRUE(RestoreButton(*settings, kButton));

  EXPECT_EQ(record().FunctionCode, 8);
  EXPECT_EQ(record().Name[0], 0);
  EXPECT_EQ(TextOf(record().ProgramPath), u"C:\\tool.exe");
  EXPECT_EQ(std::count(&settings->ButtonChangedFlags[0][0], &settings->ButtonChangedFlags[0][0] + 75, 1), 1);
  EXPECT_EQ(std::count(settings->ProfileChangedFlags, settings->ProfileChangedFlags + 11, 1), 0);
  ExpectOnlyThisButtonTouched();
}

TEST_F(Assignment, RestoreAllResetsEveryProfileAndMarksEverything) {
  settings->Profiles[1].LiftSwitch = 3;
  settings->Profiles[4].BTOption = 9;
  SetText(settings->Profiles[0].ProFileName, u"Shooter");
  RestoreAll(*settings);

  EXPECT_EQ(settings->CurrentProfile, 0);
  EXPECT_EQ(TextOf(settings->Profiles[0].ProFileName), u"Profile");
  EXPECT_EQ(settings->Profiles[1].LiftSwitch, 3);
  EXPECT_EQ(settings->Profiles[4].BTOption, 9);
  EXPECT_EQ(settings->Profiles[kProfile].MacroKeyInfo[kButton].FunctionCode, 8);
  EXPECT_EQ(settings->Profiles[kProfile].MacroKeyInfo[kButton].ProgramPath[0], 0);
  const std::int32_t* flags = &settings->ButtonChangedFlags[0][0];
  EXPECT_TRUE(std::all_of(flags, flags + 86, [](std::int32_t f) { return f == 1; }));
}

TEST(ButtonSelectable, TheOnlyPrimaryClickButtonIsNeverChosen) {
  ProfileRecord profile{};
  FactoryProfile(profile, 0);
  const struct {
    int secondPrimary;  // a button given code 1 as well, or -1
    int button;
    bool selectable;
  } rows[] = {{-1, 0, false}, {-1, 1, true}, {-1, 14, true}, {-1, 15, false}, {-1, -1, false}, {3, 0, true}, {3, 3, true}};
  for (const auto& row : rows) {
    ProfileRecord p = profile;
    if (row.secondPrimary >= 0) p.MacroKeyInfo[row.secondPrimary].FunctionCode = kFnPrimaryClick;
    EXPECT_EQ(ButtonSelectable(p, row.button), row.selectable) << row.secondPrimary << "/" << row.button;
  }
}
