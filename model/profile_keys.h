#pragma once
// A profile as the keys of its settings file: which key holds which field,
// in the order they are written, and the conversion of a whole profile to
// and from key texts.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings_record.h"

enum class ProfileKeyKind { Text, Int, Byte, Button };

struct ProfileKey {
  std::u16string name;
  ProfileKeyKind kind;
  std::size_t offset;      // in ProfileRecord
  std::size_t maxChars;    // Text only
};

// The 80 keys of a profile file in the order they are written.
const std::vector<ProfileKey>& ProfileFileKeys();

using KeyValues = std::vector<std::pair<std::u16string, std::u16string>>;

// The 80 key texts of a profile, in file order.
KeyValues ProfileToKeyValues(const ProfileRecord& profile);

// The text of a key, or nothing when the file lacks it.
using KeyLookup = std::function<std::optional<std::u16string>(std::u16string_view key)>;

// Reads every key into the profile. Numbers are read as the platform reads
// them (ProfileInt): a missing or empty int is -1, such a byte 255. A missing
// text is empty; a text longer than its field is cut to fit.
// dpiIndicator comes from the keys it is written under, or else from the
// older "dpibyDpiIndicator%d" names. A button whose value is missing or
// damaged gets its factory record; an event count above 40 is cut to 40.
void ProfileFromKeyValues(const KeyLookup& lookup, ProfileRecord& profile);
