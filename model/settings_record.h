#pragma once
// The 63676-byte settings block: exchanged byte for byte with the monitor
// through shared memory and saved field by field to the profile files.
#include <iterator>

#include "button_record.h"

inline constexpr int kProfileCount = 5;
inline constexpr int kCpiLevelCount = 5;
inline constexpr int kProfileNameMaxChars = 249;
inline constexpr int kGameFileMaxChars = 499;

// Field names are the ini keys they are stored under.
struct ProfileRecord {
  char16_t ProFileName[250];
  char16_t GameFile[500];
  std::int32_t DbleClickSpeed;
  std::int32_t ScrollWheelSpeed;
  std::int32_t ScrollWheelFlag;
  std::int32_t MouseSpeed;
  std::int32_t Acceleration;
  std::int32_t AccelerationFlag;
  std::int32_t TiltSpeed;
  std::int32_t MediaOption;
  std::int32_t HDDKeyboard;
  std::int32_t Orientation;
  std::int32_t XYSynchronous;
  std::int32_t Sensitivity_X;
  std::int32_t Sensitivity_Y;
  std::int32_t Cpi_X;
  std::int32_t Cpi_Y;
  std::int32_t XYCpiFlag;
  std::int32_t CpiLevel_X[kCpiLevelCount];
  std::int32_t CpiLevel_Y[kCpiLevelCount];
  std::int32_t CpiStep;
  std::int32_t PollingRate;
  std::int32_t LiftSwitch;
  std::int32_t LiftLevel;
  std::int32_t LightSwitch;
  std::int32_t LightType;
  std::int32_t ColorFlag;
  std::int32_t ColorOptions;
  std::int32_t ColorChangeMode;
  std::int32_t BTOption;
  std::int32_t OTGSpeed;
  std::uint8_t dpiStepFlag[kCpiLevelCount];
  std::uint8_t dpiIndicator[kCpiLevelCount];
  std::uint8_t DpiIndicationType;
  std::uint8_t Padding1;
  std::int32_t CpiXDefault;
  std::int32_t CpiYDefault;
  std::uint8_t BtnConfiguration;
  std::uint8_t Color1Type;
  std::uint8_t Color2Type;
  std::uint8_t LightEffectSwitch1;
  std::uint8_t LightEffectSwitch2;
  std::uint8_t LightEffectType1;
  std::uint8_t LightEffectType2;
  std::uint8_t ColorOptions1;
  std::uint8_t ColorOptions2;
  std::uint8_t ColorChangeModeOptions1;
  std::uint8_t ColorChangeModeOptions2;
  std::uint8_t FireOrOnToGoStatusIndicatorSetting;
  std::uint8_t ProfileSwitchIndictor;
  std::uint8_t Padding2[3];
  ButtonRecord MacroKeyInfo[kButtonCount];
};

struct SettingsRecord {
  std::int32_t CurrentProfile;
  ProfileRecord Profiles[kProfileCount];
  std::int32_t MouseType;
  std::int32_t MouseColor;
  std::int32_t ButtonChangedFlags[kProfileCount][kButtonCount];
  std::int32_t ProfileChangedFlags[kProfileCount];
  std::int32_t OTGSpeedChangedFlags[kProfileCount];
  std::int32_t CurrentProfileChanged;
};

static_assert(std::is_standard_layout_v<ProfileRecord> && std::is_trivially_copyable_v<ProfileRecord>);
static_assert(sizeof(ProfileRecord) == 12664);
static_assert(offsetof(ProfileRecord, ProFileName) == 0);
static_assert(offsetof(ProfileRecord, GameFile) == 500);
static_assert(offsetof(ProfileRecord, DbleClickSpeed) == 1500);
static_assert(offsetof(ProfileRecord, ScrollWheelSpeed) == 1504);
static_assert(offsetof(ProfileRecord, ScrollWheelFlag) == 1508);
static_assert(offsetof(ProfileRecord, MouseSpeed) == 1512);
static_assert(offsetof(ProfileRecord, Acceleration) == 1516);
static_assert(offsetof(ProfileRecord, AccelerationFlag) == 1520);
static_assert(offsetof(ProfileRecord, TiltSpeed) == 1524);
static_assert(offsetof(ProfileRecord, MediaOption) == 1528);
static_assert(offsetof(ProfileRecord, HDDKeyboard) == 1532);
static_assert(offsetof(ProfileRecord, Orientation) == 1536);
static_assert(offsetof(ProfileRecord, XYSynchronous) == 1540);
static_assert(offsetof(ProfileRecord, Sensitivity_X) == 1544);
static_assert(offsetof(ProfileRecord, Sensitivity_Y) == 1548);
static_assert(offsetof(ProfileRecord, Cpi_X) == 1552);
static_assert(offsetof(ProfileRecord, Cpi_Y) == 1556);
static_assert(offsetof(ProfileRecord, XYCpiFlag) == 1560);
static_assert(offsetof(ProfileRecord, CpiLevel_X) == 1564);
static_assert(offsetof(ProfileRecord, CpiLevel_Y) == 1584);
static_assert(offsetof(ProfileRecord, CpiStep) == 1604);
static_assert(offsetof(ProfileRecord, PollingRate) == 1608);
static_assert(offsetof(ProfileRecord, LiftSwitch) == 1612);
static_assert(offsetof(ProfileRecord, LiftLevel) == 1616);
static_assert(offsetof(ProfileRecord, LightSwitch) == 1620);
static_assert(offsetof(ProfileRecord, LightType) == 1624);
static_assert(offsetof(ProfileRecord, ColorFlag) == 1628);
static_assert(offsetof(ProfileRecord, ColorOptions) == 1632);
static_assert(offsetof(ProfileRecord, ColorChangeMode) == 1636);
static_assert(offsetof(ProfileRecord, BTOption) == 1640);
static_assert(offsetof(ProfileRecord, OTGSpeed) == 1644);
static_assert(offsetof(ProfileRecord, dpiStepFlag) == 1648);
static_assert(offsetof(ProfileRecord, dpiIndicator) == 1653);
static_assert(offsetof(ProfileRecord, DpiIndicationType) == 1658);
static_assert(offsetof(ProfileRecord, Padding1) == 1659);
static_assert(offsetof(ProfileRecord, CpiXDefault) == 1660);
static_assert(offsetof(ProfileRecord, CpiYDefault) == 1664);
static_assert(offsetof(ProfileRecord, BtnConfiguration) == 1668);
static_assert(offsetof(ProfileRecord, Color1Type) == 1669);
static_assert(offsetof(ProfileRecord, Color2Type) == 1670);
static_assert(offsetof(ProfileRecord, LightEffectSwitch1) == 1671);
static_assert(offsetof(ProfileRecord, LightEffectSwitch2) == 1672);
static_assert(offsetof(ProfileRecord, LightEffectType1) == 1673);
static_assert(offsetof(ProfileRecord, LightEffectType2) == 1674);
static_assert(offsetof(ProfileRecord, ColorOptions1) == 1675);
static_assert(offsetof(ProfileRecord, ColorOptions2) == 1676);
static_assert(offsetof(ProfileRecord, ColorChangeModeOptions1) == 1677);
static_assert(offsetof(ProfileRecord, ColorChangeModeOptions2) == 1678);
static_assert(offsetof(ProfileRecord, FireOrOnToGoStatusIndicatorSetting) == 1679);
static_assert(offsetof(ProfileRecord, ProfileSwitchIndictor) == 1680);
static_assert(offsetof(ProfileRecord, Padding2) == 1681);
static_assert(offsetof(ProfileRecord, MacroKeyInfo) == 1684);

static_assert(std::is_standard_layout_v<SettingsRecord> && std::is_trivially_copyable_v<SettingsRecord>);
static_assert(sizeof(SettingsRecord) == 63676);
static_assert(offsetof(SettingsRecord, CurrentProfile) == 0);
static_assert(offsetof(SettingsRecord, Profiles) == 4);
static_assert(offsetof(SettingsRecord, MouseType) == 63324);
static_assert(offsetof(SettingsRecord, MouseColor) == 63328);
static_assert(offsetof(SettingsRecord, ButtonChangedFlags) == 63332);
static_assert(offsetof(SettingsRecord, ProfileChangedFlags) == 63632);
static_assert(offsetof(SettingsRecord, OTGSpeedChangedFlags) == 63652);
static_assert(offsetof(SettingsRecord, CurrentProfileChanged) == 63672);
static_assert(std::size(ProfileRecord{}.ProFileName) == kProfileNameMaxChars + 1);
static_assert(std::size(ProfileRecord{}.GameFile) == kGameFileMaxChars + 1);
