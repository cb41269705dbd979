#include "pointer_settings.h"

#include <string>

#include "model/decimal.h"
#include "model/pointer_mapping.h"
#include "registry_key.h"

namespace {

constexpr wchar_t kMouseKey[] = L"Control Panel\\Mouse";
constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr DWORD kMaxValueBytes = 80;

std::optional<int> ReadInt(const RegistryKey& key, const wchar_t* name) {
  auto text = key.GetString(name, kMaxValueBytes);
  if (!text) return std::nullopt;
  return ParseDecimal(std::u16string_view(reinterpret_cast<const char16_t*>(text->data()), text->size()));
}

void WriteInt(const RegistryKey& key, const wchar_t* name, int value) {
  key.SetString(name, std::to_wstring(value));
}

}  // namespace

int WritePointerSettings(const ProfileRecord& profile) {
  {
    RegistryKey mouse = RegistryKey::OpenOrCreate(HKEY_CURRENT_USER, kMouseKey);
    if (!mouse) return -1;
    WriteInt(mouse, L"DoubleClickSpeed", profile.DbleClickSpeed);
    WriteInt(mouse, L"MouseSensitivity", profile.MouseSpeed);
    const AccelerationRow& row = AccelerationRowOf(profile);
    WriteInt(mouse, L"MouseSpeed", row.speed);
    WriteInt(mouse, L"MouseThreshold1", row.threshold1);
    WriteInt(mouse, L"MouseThreshold2", row.threshold2);
  }
  RegistryKey desktop = RegistryKey::OpenOrCreate(HKEY_CURRENT_USER, kDesktopKey);
  if (!desktop) return -1;
  WriteInt(desktop, L"WheelScrollLines", profile.ScrollWheelFlag == 1 ? kWheelScrollsScreen : profile.ScrollWheelSpeed);
  return 1;
}

int ReadPointerSettings(ProfileRecord& profile) {
  PointerValues values;
  {
    RegistryKey mouse = RegistryKey::OpenOrCreate(HKEY_CURRENT_USER, kMouseKey);
    if (!mouse) return 0;
    values.doubleClickSpeed = ReadInt(mouse, L"DoubleClickSpeed");
    values.mouseSensitivity = ReadInt(mouse, L"MouseSensitivity");
    auto speed = ReadInt(mouse, L"MouseSpeed");
    auto threshold1 = ReadInt(mouse, L"MouseThreshold1");
    auto threshold2 = ReadInt(mouse, L"MouseThreshold2");
    if (speed && threshold1 && threshold2) values.acceleration = AccelerationRow{*speed, *threshold1, *threshold2};
    ApplyMouseValues(values, profile);
  }
  RegistryKey desktop = RegistryKey::OpenOrCreate(HKEY_CURRENT_USER, kDesktopKey);
  if (!desktop) return -1;
  values.wheelScrollLines = ReadInt(desktop, L"WheelScrollLines");
  ApplyDesktopValues(values, profile);
  return 1;
}
