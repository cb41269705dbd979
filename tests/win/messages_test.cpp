#include <gtest/gtest.h>

#include <windows.h>

#include "app/messages.h"

namespace {

TEST(Messages, EditMessageIsRegisteredOnceUnderItsName) {
  const UINT message = BitmapEditKillFocusMessage();
  EXPECT_GE(message, 0xC000u);
  EXPECT_EQ(BitmapEditKillFocusMessage(), message);
  // Any module asking for the name gets the same number.
  EXPECT_EQ(RegisterWindowMessageW(L"BitmapEdit_KillFocus"), message);
}

TEST(Messages, DpiLevelParameterPacksKindAndValue) {
  EXPECT_EQ(DpiLevelParam(kDpiLevelPosition, 17), 0x20011u);
  EXPECT_EQ(DpiLevelParam(kDpiLevelCurrent, 1), 0x30001u);
  EXPECT_EQ(HIWORD(DpiLevelParam(kDpiLevelPosition, 20)), kDpiLevelPosition);
}

}  // namespace
