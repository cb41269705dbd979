#include "profile_keys.h"

#include <cstring>
#include <span>

#include "decimal.h"
#include "factory.h"
#include "struct_encoding.h"
#include "text.h"

namespace {

std::u16string Numbered(std::u16string_view stem, int n) { return std::u16string(stem) + FormatDecimal(n); }

std::vector<ProfileKey> BuildKeys() {
  using K = ProfileKeyKind;
  std::vector<ProfileKey> keys;
  auto add = [&](std::u16string name, K kind, std::size_t offset, std::size_t maxChars = 0) {
    keys.push_back({std::move(name), kind, offset, maxChars});
  };
  // Fields of one kind, each stored under its own name.
  auto addFields = [&](K kind, std::initializer_list<std::pair<const char16_t*, std::size_t>> fields) {
    for (auto [name, offset] : fields) add(name, kind, offset);
  };
  auto addSeries = [&](std::u16string_view stem, K kind, std::size_t offset, std::size_t stride) {
    for (int i = 0; i < kCpiLevelCount; ++i) add(Numbered(stem, i), kind, offset + stride * i);
  };
#define FIELD(f) offsetof(ProfileRecord, f)
  add(u"ProFileName", K::Text, FIELD(ProFileName), kProfileNameMaxChars);
  add(u"GameFile", K::Text, FIELD(GameFile), kGameFileMaxChars);
  addFields(K::Int, {{u"DbleClickSpeed", FIELD(DbleClickSpeed)},
           {u"ScrollWheelSpeed", FIELD(ScrollWheelSpeed)},
           {u"ScrollWheelFlag", FIELD(ScrollWheelFlag)},
           {u"MouseSpeed", FIELD(MouseSpeed)},
           {u"Acceleration", FIELD(Acceleration)},
           {u"AccelerationFlag", FIELD(AccelerationFlag)},
           {u"TiltSpeed", FIELD(TiltSpeed)},
           {u"MediaOption", FIELD(MediaOption)},
           {u"HDDKeyboard", FIELD(HDDKeyboard)},
           {u"Orientation", FIELD(Orientation)},
           {u"XYSynchronous", FIELD(XYSynchronous)},
           {u"Sensitivity_X", FIELD(Sensitivity_X)},
           {u"Sensitivity_Y", FIELD(Sensitivity_Y)},
           {u"Cpi_X", FIELD(Cpi_X)},
           {u"Cpi_Y", FIELD(Cpi_Y)},
           {u"XYCpiFlag", FIELD(XYCpiFlag)}});
  addSeries(u"CpiLevel_X", K::Int, FIELD(CpiLevel_X), 4);
  addSeries(u"CpiLevel_Y", K::Int, FIELD(CpiLevel_Y), 4);
  addFields(K::Int, {{u"CpiStep", FIELD(CpiStep)},
           {u"PollingRate", FIELD(PollingRate)},
           {u"LiftSwitch", FIELD(LiftSwitch)},
           {u"LiftLevel", FIELD(LiftLevel)},
           {u"LightSwitch", FIELD(LightSwitch)},
           {u"LightType", FIELD(LightType)},
           {u"ColorFlag", FIELD(ColorFlag)},
           {u"ColorOptions", FIELD(ColorOptions)},
           {u"ColorChangeMode", FIELD(ColorChangeMode)},
           {u"BTOption", FIELD(BTOption)},
           {u"OTGSpeed", FIELD(OTGSpeed)}});
  addSeries(u"dpiStepFlag", K::Byte, FIELD(dpiStepFlag), 1);
  addSeries(u"dpiIndicator", K::Byte, FIELD(dpiIndicator), 1);
  add(u"DpiIndicationType", K::Byte, FIELD(DpiIndicationType));
  addFields(K::Int, {{u"CpiXDefault", FIELD(CpiXDefault)}, {u"CpiYDefault", FIELD(CpiYDefault)}});
  addFields(K::Byte, {
           {u"BtnConfiguration", FIELD(BtnConfiguration)},
           {u"Color1Type", FIELD(Color1Type)},
           {u"Color2Type", FIELD(Color2Type)},
           {u"LightEffectSwitch1", FIELD(LightEffectSwitch1)},
           {u"LightEffectSwitch2", FIELD(LightEffectSwitch2)},
           {u"LightEffectType1", FIELD(LightEffectType1)},
           {u"LightEffectType2", FIELD(LightEffectType2)},
           {u"ColorOptions1", FIELD(ColorOptions1)},
           {u"ColorOptions2", FIELD(ColorOptions2)},
           {u"ColorChangeModeOptions1", FIELD(ColorChangeModeOptions1)},
           {u"ColorChangeModeOptions2", FIELD(ColorChangeModeOptions2)},
           {u"FireOrOnToGoStatusIndicatorSetting", FIELD(FireOrOnToGoStatusIndicatorSetting)},
           {u"ProfileSwitchIndictor", FIELD(ProfileSwitchIndictor)}});
  for (int b = 0; b < kButtonCount; ++b)
    add(Numbered(u"MacroKeyInfo", b), K::Button, FIELD(MacroKeyInfo) + sizeof(ButtonRecord) * b);
#undef FIELD
  return keys;
}

// Older files keep the indicator bytes under these names.
constexpr std::u16string_view kLegacyIndicatorStem = u"dpibyDpiIndicator";
constexpr std::u16string_view kIndicatorStem = u"dpiIndicator";

// A text value stays one line of the file: a line break would start a key
// of its own.
std::u16string OneLine(std::u16string_view text) {
  return std::u16string(text.substr(0, text.find_first_of(u"\r\n")));
}

std::uint8_t* At(ProfileRecord& profile, std::size_t offset) { return reinterpret_cast<std::uint8_t*>(&profile) + offset; }
const std::uint8_t* At(const ProfileRecord& profile, std::size_t offset) {
  return reinterpret_cast<const std::uint8_t*>(&profile) + offset;
}

// Text keys name a char16_t buffer of maxChars + 1 units inside the record.
const char16_t* TextAt(const ProfileRecord& profile, const ProfileKey& key) {
  return reinterpret_cast<const char16_t*>(At(profile, key.offset));
}

char16_t* TextAt(ProfileRecord& profile, const ProfileKey& key) {
  return reinterpret_cast<char16_t*>(At(profile, key.offset));
}

std::optional<std::u16string> LookupIndicator(const KeyLookup& lookup, std::u16string_view name) {
  if (auto value = lookup(name)) return value;
  return lookup(std::u16string(kLegacyIndicatorStem) + std::u16string(name.substr(kIndicatorStem.size())));
}

void ReadButton(const std::optional<std::u16string>& value, ProfileRecord& profile, std::size_t offset) {
  ButtonRecord button;
  std::span<std::uint8_t> bytes(reinterpret_cast<std::uint8_t*>(&button), sizeof button);
  if (value && DecodeStruct(*value, bytes)) {
    button.EntryCount = static_cast<std::uint16_t>(ValidEntryCount(button));
    std::memcpy(At(profile, offset), &button, sizeof button);
    return;
  }
  const int index = static_cast<int>((offset - offsetof(ProfileRecord, MacroKeyInfo)) / sizeof(ButtonRecord));
  std::memset(&profile.MacroKeyInfo[index], 0, sizeof(ButtonRecord));
  FactoryButton(profile, index);
}

}  // namespace

const std::vector<ProfileKey>& ProfileFileKeys() {
  static const std::vector<ProfileKey> keys = BuildKeys();
  return keys;
}

KeyValues ProfileToKeyValues(const ProfileRecord& profile) {
  KeyValues values;
  values.reserve(ProfileFileKeys().size());
  for (const ProfileKey& key : ProfileFileKeys()) {
    std::u16string text;
    switch (key.kind) {
      case ProfileKeyKind::Text: text = OneLine(TextOf(TextAt(profile, key), key.maxChars + 1)); break;
      case ProfileKeyKind::Int: {
        std::int32_t v;
        std::memcpy(&v, At(profile, key.offset), sizeof v);
        text = FormatDecimal(v);
        break;
      }
      case ProfileKeyKind::Byte: text = FormatDecimal(*At(profile, key.offset)); break;
      case ProfileKeyKind::Button: text = EncodeStruct({At(profile, key.offset), sizeof(ButtonRecord)}); break;
    }
    values.emplace_back(key.name, std::move(text));
  }
  return values;
}

void ProfileFromKeyValues(const KeyLookup& lookup, ProfileRecord& profile) {
  for (const ProfileKey& key : ProfileFileKeys()) {
    const bool indicator = key.kind == ProfileKeyKind::Byte && key.name.starts_with(kIndicatorStem);
    const std::optional<std::u16string> value = indicator ? LookupIndicator(lookup, key.name) : lookup(key.name);
    switch (key.kind) {
      case ProfileKeyKind::Text:
        SetText(TextAt(profile, key), key.maxChars + 1, value ? *value : u"", key.maxChars);
        break;
      case ProfileKeyKind::Int: {
        const std::int32_t v = ProfileInt(value.value_or(u""), -1);
        std::memcpy(At(profile, key.offset), &v, sizeof v);
        break;
      }
      case ProfileKeyKind::Byte:
        *At(profile, key.offset) = static_cast<std::uint8_t>(ProfileInt(value.value_or(u""), -1));
        break;
      case ProfileKeyKind::Button: ReadButton(value, profile, key.offset); break;
    }
  }
}
