#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <optional>
#include <string>

#include "model/factory.h"
#include "registry_sandbox.h"
#include "store/pointer_settings.h"

namespace {

constexpr wchar_t kMouse[] = L"Control Panel\\Mouse";
constexpr wchar_t kDesktop[] = L"Control Panel\\Desktop";

std::optional<std::wstring> Value(const wchar_t* key, const wchar_t* name) {
  wchar_t text[64] = {};
  DWORD size = sizeof text - sizeof(wchar_t);
  DWORD type = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, &type, text, &size) != ERROR_SUCCESS) return std::nullopt;
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << name;
  return std::wstring(text);
}

void SetValue(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
  RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, text.c_str(),
                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

class PointerSettings : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sandbox);
    FactoryProfile(profile, 0);
  }
  RegistrySandbox sandbox;
  ProfileRecord profile{};
};

}  // namespace

TEST_F(PointerSettings, WritesEveryValueAsDecimalText) {
  profile.DbleClickSpeed = 640;
  profile.MouseSpeed = 15;
  profile.AccelerationFlag = 1;
  profile.Acceleration = 25;
  profile.ScrollWheelSpeed = 6;
  ASSERT_EQ(WritePointerSettings(profile), 1);

  EXPECT_EQ(Value(kMouse, L"DoubleClickSpeed"), L"640");
  EXPECT_EQ(Value(kMouse, L"MouseSensitivity"), L"15");
  EXPECT_EQ(Value(kMouse, L"MouseSpeed"), L"2");
  EXPECT_EQ(Value(kMouse, L"MouseThreshold1"), L"4");
  EXPECT_EQ(Value(kMouse, L"MouseThreshold2"), L"5");
  EXPECT_EQ(Value(kDesktop, L"WheelScrollLines"), L"6");
}

TEST_F(PointerSettings, AccelerationOffWritesZeroes) {
  profile.AccelerationFlag = 0;
  profile.Acceleration = 12;
  ASSERT_EQ(WritePointerSettings(profile), 1);
  EXPECT_EQ(Value(kMouse, L"MouseSpeed"), L"0");
  EXPECT_EQ(Value(kMouse, L"MouseThreshold1"), L"0");
  EXPECT_EQ(Value(kMouse, L"MouseThreshold2"), L"0");
}

TEST_F(PointerSettings, RoundTripsThroughTheRegistry) {
  profile.DbleClickSpeed = 300;
  profile.MouseSpeed = 18;
  profile.AccelerationFlag = 1;
  profile.Acceleration = 8;
  profile.ScrollWheelFlag = 1;
  profile.ScrollWheelSpeed = 4;
  ASSERT_EQ(WritePointerSettings(profile), 1);
  EXPECT_EQ(Value(kDesktop, L"WheelScrollLines"), L"-1");

  ProfileRecord read{};
  FactoryProfile(read, 1);
  ASSERT_EQ(ReadPointerSettings(read), 1);
  EXPECT_EQ(read.DbleClickSpeed, 300);
  EXPECT_EQ(read.MouseSpeed, 18);
  EXPECT_EQ(read.Acceleration, 8);
  EXPECT_EQ(read.AccelerationFlag, 1);
  EXPECT_EQ(read.ScrollWheelFlag, 1);
  EXPECT_EQ(read.ScrollWheelSpeed, 0);

  ASSERT_EQ(WritePointerSettings(read), 1);
  EXPECT_EQ(Value(kDesktop, L"WheelScrollLines"), L"-1");
}

TEST_F(PointerSettings, MissingOrUnreadableValuesLeaveTheProfile) {
  // Empty keys: created on first use, every field kept.
  ProfileRecord read = profile;
  EXPECT_EQ(ReadPointerSettings(read), 1);
  EXPECT_EQ(std::memcmp(&read, &profile, sizeof read), 0);

  // Not text, too long for a number, or only part of the acceleration triple.
  DWORD number = 900;
  RegSetKeyValueW(HKEY_CURRENT_USER, kMouse, L"DoubleClickSpeed", REG_DWORD, &number, sizeof number);
  SetValue(kMouse, L"MouseSensitivity", std::wstring(60, L'7'));
  SetValue(kMouse, L"MouseSpeed", L"2");
  SetValue(kMouse, L"MouseThreshold1", L"4");
  SetValue(kDesktop, L"WheelScrollLines", L"7");
  ASSERT_EQ(ReadPointerSettings(read), 1);
  EXPECT_EQ(read.DbleClickSpeed, profile.DbleClickSpeed);
  EXPECT_EQ(read.MouseSpeed, profile.MouseSpeed);
  EXPECT_EQ(read.Acceleration, profile.Acceleration);
  EXPECT_EQ(read.AccelerationFlag, profile.AccelerationFlag);
  EXPECT_EQ(read.ScrollWheelSpeed, 7);
}
