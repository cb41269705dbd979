#include "factory.h"

#include <algorithm>
#include <cstring>

#include "function_codes.h"
#include "text.h"

void FactoryProfile(ProfileRecord& p, int index) {
  if (index < 0 || index >= kProfileCount) return;
  SetText(p.ProFileName, u"Profile");
  SetText(p.GameFile, u"");

  p.DbleClickSpeed = 500;
  p.ScrollWheelSpeed = 3;
  p.ScrollWheelFlag = 0;
  p.MouseSpeed = 10;
  p.Acceleration = 10;
  p.AccelerationFlag = 0;
  p.TiltSpeed = 3;
  p.MediaOption = 0;
  p.HDDKeyboard = 1;
  p.Orientation = 0;
  p.XYSynchronous = 0;
  p.Sensitivity_X = 10;
  p.Sensitivity_Y = 10;
  p.Cpi_X = 4;
  p.Cpi_Y = 4;
  p.XYCpiFlag = 1;
  constexpr std::int32_t kLevels[kCpiLevelCount] = {3, 6, 10, 20, 20};
  std::copy_n(kLevels, kCpiLevelCount, p.CpiLevel_X);
  std::copy_n(kLevels, kCpiLevelCount, p.CpiLevel_Y);
  p.CpiStep = 1;
  p.PollingRate = 2;
  p.ColorFlag = 0;
  p.OTGSpeed = 10;
  constexpr std::uint8_t kStepFlags[kCpiLevelCount] = {1, 1, 1, 1, 0};
  constexpr std::uint8_t kIndicators[kCpiLevelCount] = {1, 2, 3, 4, 5};
  std::copy_n(kStepFlags, kCpiLevelCount, p.dpiStepFlag);
  std::copy_n(kIndicators, kCpiLevelCount, p.dpiIndicator);
  p.DpiIndicationType = 1;
  p.CpiXDefault = 4;
  p.CpiYDefault = 4;
  p.BtnConfiguration = 2;
  p.Color1Type = 1;
  p.Color2Type = 1;
  p.LightEffectSwitch1 = 1;
  p.LightEffectSwitch2 = 0;
  p.LightEffectType1 = 1;
  p.LightEffectType2 = 1;
  p.ColorOptions1 = 0;
  p.ColorOptions2 = 0;
  p.ColorChangeModeOptions1 = 0;
  p.ColorChangeModeOptions2 = 4;
  p.FireOrOnToGoStatusIndicatorSetting = 1;
  p.ProfileSwitchIndictor = static_cast<std::uint8_t>(DefaultProfileSwitchIndicators[index]);

  std::memset(p.MacroKeyInfo, 0, sizeof p.MacroKeyInfo);
  for (int b = 0; b < kButtonCount; ++b) FactoryButton(p, b);
}

void FactorySettings(SettingsRecord& settings) {
  settings.CurrentProfile = 0;
  for (int k = 0; k < kProfileCount; ++k) FactoryProfile(settings.Profiles[k], k);
}

void FactoryButton(ProfileRecord& profile, int button) {
  if (button < 0 || button >= kButtonCount) return;
  ButtonRecord& r = profile.MacroKeyInfo[button];
  r.ButtonIndex = static_cast<std::uint8_t>(button);
  r.FunctionCode = static_cast<std::uint8_t>(DefaultButtonFunctions[button]);
  r.Name[0] = u'\0';
  r.RepeatCount = 0;
  r.EntryCount = 0;
  std::memset(r.Entries, 0, sizeof r.Entries);
}
