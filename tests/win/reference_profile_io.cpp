#include "reference_profile_io.h"

#include <windows.h>

#include <cstring>

#include "framework/wide.h"
#include "model/factory.h"
#include "model/profile_keys.h"
#include "model/text.h"

namespace {

std::uint8_t* At(ProfileRecord& p, std::size_t offset) { return reinterpret_cast<std::uint8_t*>(&p) + offset; }
const std::uint8_t* At(const ProfileRecord& p, std::size_t offset) {
  return reinterpret_cast<const std::uint8_t*>(&p) + offset;
}

}  // namespace

void ReferenceWriteProfile(const ProfileRecord& profile, const std::wstring& path) {
  for (const ProfileKey& key : ProfileFileKeys()) {
    const wchar_t* name = Wide(key.name.c_str());
    switch (key.kind) {
      case ProfileKeyKind::Text: {
        const std::u16string text(TextOf(reinterpret_cast<const char16_t*>(At(profile, key.offset)), key.maxChars + 1));
        WritePrivateProfileStringW(L"Setting", name, Wide(text.c_str()), path.c_str());
        break;
      }
      case ProfileKeyKind::Int: {
        std::int32_t v;
        std::memcpy(&v, At(profile, key.offset), 4);
        WritePrivateProfileStringW(L"Setting", name, std::to_wstring(v).c_str(), path.c_str());
        break;
      }
      case ProfileKeyKind::Byte:
        WritePrivateProfileStringW(L"Setting", name, std::to_wstring(*At(profile, key.offset)).c_str(), path.c_str());
        break;
      case ProfileKeyKind::Button:
        WritePrivateProfileStructW(L"Setting", name, const_cast<std::uint8_t*>(At(profile, key.offset)),
                                   sizeof(ButtonRecord), path.c_str());
        break;
    }
  }
}

void ReferenceReadProfile(ProfileRecord& profile, const std::wstring& path) {
  for (const ProfileKey& key : ProfileFileKeys()) {
    const wchar_t* name = Wide(key.name.c_str());
    switch (key.kind) {
      case ProfileKeyKind::Text: {
        wchar_t text[4096];
        GetPrivateProfileStringW(L"Setting", name, L"", text, 4096, path.c_str());
        SetText(reinterpret_cast<char16_t*>(At(profile, key.offset)), key.maxChars + 1,
                Utf16(text), key.maxChars);
        break;
      }
      case ProfileKeyKind::Int: {
        const std::int32_t v = static_cast<std::int32_t>(GetPrivateProfileIntW(L"Setting", name, -1, path.c_str()));
        std::memcpy(At(profile, key.offset), &v, 4);
        break;
      }
      case ProfileKeyKind::Byte:
        *At(profile, key.offset) = static_cast<std::uint8_t>(GetPrivateProfileIntW(L"Setting", name, -1, path.c_str()));
        break;
      case ProfileKeyKind::Button: {
        ButtonRecord scratch;
        const int b = static_cast<int>((key.offset - offsetof(ProfileRecord, MacroKeyInfo)) / sizeof(ButtonRecord));
        if (GetPrivateProfileStructW(L"Setting", name, &scratch, sizeof scratch, path.c_str())) {
          if (scratch.EntryCount > kMaxEntries) scratch.EntryCount = kMaxEntries;
          profile.MacroKeyInfo[b] = scratch;
        } else {
          std::memset(&profile.MacroKeyInfo[b], 0, sizeof(ButtonRecord));
          FactoryButton(profile, b);
        }
        break;
      }
    }
  }
}
