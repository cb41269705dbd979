#pragma once
// The assignment of one mouse button: 732 bytes shared byte for byte with the
// monitor and stored whole in the profile files.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

static_assert(std::endian::native == std::endian::little, "records are little-endian");

inline constexpr int kButtonCount = 15;
inline constexpr int kMaxEntries = 40;      // events of a macro, 4 bytes each
inline constexpr int kEntryBytes = 4;
inline constexpr int kNameMaxChars = 18;    // macro name held by a button
inline constexpr int kProgramPathMaxChars = 259;

// ModifierByte of a key combination (entry 0, byte 1).
inline constexpr std::uint8_t kModCtrl = 0x01;
inline constexpr std::uint8_t kModShift = 0x02;
inline constexpr std::uint8_t kModAlt = 0x04;
inline constexpr std::uint8_t kModWin = 0x08;

struct ButtonRecord {
  std::uint8_t ButtonIndex;
  std::uint8_t FunctionCode;
  char16_t Name[20];
  std::uint8_t Reserved1[2];
  std::int32_t RepeatCount;
  std::uint16_t EntryCount;
  // Code 5: entry 0 is the key combination (usage, ModifierByte, 2 kept bytes).
  // Code 16: the macro's events.
  std::uint8_t Entries[kMaxEntries][kEntryBytes];
  char16_t ProgramPath[260];
  std::uint8_t Reserved2[2];
};

static_assert(std::is_standard_layout_v<ButtonRecord> && std::is_trivially_copyable_v<ButtonRecord>);
static_assert(sizeof(ButtonRecord) == 732);
static_assert(offsetof(ButtonRecord, ButtonIndex) == 0);
static_assert(offsetof(ButtonRecord, FunctionCode) == 1);
static_assert(offsetof(ButtonRecord, Name) == 2);
static_assert(offsetof(ButtonRecord, Reserved1) == 42);
static_assert(offsetof(ButtonRecord, RepeatCount) == 44);
static_assert(offsetof(ButtonRecord, EntryCount) == 48);
static_assert(offsetof(ButtonRecord, Entries) == 50);
static_assert(offsetof(ButtonRecord, ProgramPath) == 210);
static_assert(offsetof(ButtonRecord, Reserved2) == 730);
static_assert(sizeof(ButtonRecord::Entries) == 160);

// EntryCount as far as it can be trusted: never more than the 40 entries
// the record has room for.
inline int ValidEntryCount(const ButtonRecord& record) {
  return record.EntryCount > kMaxEntries ? kMaxEntries : record.EntryCount;
}
