#include "tools/monitor-sim/apply_log.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

void AppendArray(std::string& out, const char* name, std::span<const std::int32_t> values) {
  out += ",\"";
  out += name;
  out += "\":[";
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i) out += ',';
    out += std::to_string(values[i]);
  }
  out += ']';
}

void AppendInt(std::string& out, const char* name, long long value) {
  out += ",\"";
  out += name;
  out += "\":";
  out += std::to_string(value);
}

}  // namespace

std::uint64_t BlockHash(std::span<const std::uint8_t> bytes) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  for (std::uint8_t b : bytes) {
    hash ^= b;
    hash *= 0x100000001b3ull;
  }
  return hash;
}

std::string BlockHashText(std::span<const std::uint8_t> bytes) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(BlockHash(bytes)));
  return text;
}

std::string ApplyLogLine(std::uintptr_t wParam, std::span<const std::uint8_t> block) {
  auto record = std::make_unique<SettingsRecord>();
  std::memset(record.get(), 0, sizeof(SettingsRecord));
  std::memcpy(record.get(), block.data(), std::min(block.size(), sizeof(SettingsRecord)));

  std::string line = "{\"wParam\":" + std::to_string(wParam);
  AppendInt(line, "CurrentProfile", record->CurrentProfile);
  AppendInt(line, "CurrentProfileChanged", record->CurrentProfileChanged);
  AppendArray(line, "ButtonChangedFlags", {&record->ButtonChangedFlags[0][0], kProfileCount * kButtonCount});
  AppendArray(line, "ProfileChangedFlags", record->ProfileChangedFlags);
  AppendArray(line, "OTGSpeedChangedFlags", record->OTGSpeedChangedFlags);
  AppendInt(line, "blockBytes", static_cast<long long>(block.size()));
  line += ",\"hash\":\"" + BlockHashText(block) + "\"}";
  return line;
}
