// The program's resources as its windows will use them.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/dialog.h"
#include "framework/gdi.h"
#include "resource.h"

namespace {

TEST(Resources, EveryTemplateBuildsItsWindowAndTheEditBoxesAreThere) {
  CDialog main(IDD_MAIN);
  ASSERT_TRUE(main.Create(nullptr));
  // The main window: no caption or frame, in the task bar.
  const LONG_PTR style = GetWindowLongPtrW(main.Hwnd(), GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), 0);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_TRUE(GetWindowLongPtrW(main.Hwnd(), GWL_EXSTYLE) & WS_EX_APPWINDOW);

  struct Row {
    UINT id;
    bool child;
    int edit;
  };
  const Row rows[] = {
      {IDD_START_PAGE, true, 0},           {IDD_LAYOUT_PAGE, true, 0},     {IDD_KEY_FUNCTION_PAGE, true, 0},
      {IDD_MACRO_MANAGER_PAGE, true, 0},   {IDD_SHORTCUT_PAGE, true, 0},   {IDD_CHILD_PAGE, true, 0},
      {IDD_TAB_STRIP, true, 0},            {IDD_SETTINGS_PAGE, true, 0},   {IDD_BUTTON_TAB_STRIP, true, 0},
      {IDD_MOUSE_FUNCTION_PAGE, true, 0},  {IDD_POINTER_PAGE, true, 0},    {IDD_SENSITIVITY_PAGE, true, 0},
      {IDD_PROGRAM_CHOOSER, false, IDC_PROGRAM_PATH}, {IDD_RESTORE, false, 0}, {IDD_RENAME, false, IDC_PROFILE_NAME},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.id);
    CDialog dialog(row.id);
    ASSERT_TRUE(dialog.Create(main.Hwnd()));
    EXPECT_EQ((GetWindowLongPtrW(dialog.Hwnd(), GWL_STYLE) & WS_CHILD) != 0, row.child);
    // Empty templates, but for the one edit box of the two dialogs that
    // have one.
    HWND first = GetWindow(dialog.Hwnd(), GW_CHILD);
    if (row.edit) {
      ASSERT_NE(first, nullptr);
      EXPECT_EQ(GetDlgCtrlID(first), row.edit);
      EXPECT_TRUE(GetWindowLongPtrW(first, GWL_STYLE) & ES_AUTOHSCROLL);
    } else {
      EXPECT_EQ(first, nullptr);
    }
  }
}

TEST(Resources, IconsBitmapsManifestAndVersion) {
  HINSTANCE module = GetModuleHandleW(nullptr);
  for (UINT id : {IDI_APPLICATION_ICON, IDI_SUBMENU_ARROW}) {
    HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0));
    EXPECT_NE(icon, nullptr) << id;
    if (icon) DestroyIcon(icon);
  }
  struct Row {
    UINT id;
    SIZE size;
  };
  const Row bitmaps[] = {{IDB_SCROLL_SKIN, {117, 48}}, {IDB_KEY_DOWN, {16, 16}}, {IDB_KEY_UP, {16, 16}},
                         {IDB_PAUSE, {16, 16}},        {IDB_MOUSE_BUTTON, {16, 16}}};
  for (const Row& row : bitmaps) {
    GdiBitmap bitmap(LoadBitmapW(module, MAKEINTRESOURCEW(row.id)));
    SIZE size = BitmapSize(bitmap.Get());
    EXPECT_EQ(size.cx, row.size.cx) << row.id;
    EXPECT_EQ(size.cy, row.size.cy) << row.id;
  }
  EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)), nullptr);
  EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16)), nullptr);
}

}  // namespace
