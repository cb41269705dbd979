#include "messages.h"

UINT BitmapEditKillFocusMessage() {
  static const UINT message = RegisterWindowMessageW(L"BitmapEdit_KillFocus");
  return message;
}
