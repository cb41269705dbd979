#include "framework/message_map.h"

namespace {

bool Matches(const MessageEntry& entry, UINT message, WPARAM wParam, LPARAM lParam) {
  if ((entry.registered ? entry.registered() : entry.message) != message) return false;
  if (message == WM_COMMAND || message == Reflected(WM_COMMAND)) {
    return entry.code == HIWORD(wParam) && (entry.control == kAnyControl || entry.control == LOWORD(wParam));
  }
  if ((message == WM_NOTIFY || message == Reflected(WM_NOTIFY)) && lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    return entry.code == header->code && (entry.control == kAnyControl || entry.control == header->idFrom);
  }
  if ((message == WM_MEASUREITEM || message == WM_DRAWITEM) && entry.code) {
    // Both structures begin with the item's type.
    return lParam && *reinterpret_cast<const UINT*>(lParam) == entry.code;
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
