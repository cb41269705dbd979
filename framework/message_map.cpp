#include "framework/message_map.h"

namespace {

bool Matches(const MessageEntry& entry, UINT message, WPARAM wParam, LPARAM lParam) {
  if (entry.message != message) return false;
  if (message == WM_COMMAND || message == Reflected(WM_COMMAND)) {
    return entry.code == HIWORD(wParam) && (entry.control == kAnyControl || entry.control == LOWORD(wParam));
  }
  if ((message == WM_NOTIFY || message == Reflected(WM_NOTIFY)) && lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    return entry.code == header->code && (entry.control == kAnyControl || entry.control == header->idFrom);
  }
  return true;
}

}  // namespace

const MessageEntry* FindMessageEntry(const MessageMap* map, UINT message, WPARAM wParam, LPARAM lParam) {
  for (; map; map = map->base) {
    for (const MessageEntry& entry : map->entries) {
      if (Matches(entry, message, wParam, lParam)) return &entry;
    }
  }
  return nullptr;
}
