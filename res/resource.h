// Identifiers of the program's resources, shared by the resource script and
// the windows that load them.
#pragma once

// Dialog templates. All are empty: every window builds its controls from
// its skin at run time; the two edit boxes are the only exceptions.
#define IDD_MAIN 102
#define IDD_START_PAGE 129
#define IDD_LAYOUT_PAGE 130
#define IDD_KEY_FUNCTION_PAGE 131
#define IDD_MACRO_MANAGER_PAGE 132
#define IDD_SHORTCUT_PAGE 133
#define IDD_CHILD_PAGE 134
#define IDD_TAB_STRIP 135
#define IDD_PROGRAM_CHOOSER 136
#define IDD_SETTINGS_PAGE 137
#define IDD_RESTORE 139
#define IDD_RENAME 140
#define IDD_BUTTON_TAB_STRIP 148
#define IDD_MOUSE_FUNCTION_PAGE 149
#define IDD_POINTER_PAGE 150
#define IDD_SENSITIVITY_PAGE 151

#define IDC_PROGRAM_PATH 1000
#define IDC_PROFILE_NAME 1003

// The activation context of the system's own dialogs (above the numbers
// the system keeps for its manifests).
#define IDR_THEMED_CONTROLS_MANIFEST 17

// Icons.
#define IDI_APPLICATION_ICON 128
#define IDI_SUBMENU_ARROW 147

// Bitmaps: the scroll-bar skin (9 x 3 cells of 13 x 16) and the 16 x 16
// icons of the macro event list (black is transparent).
#define IDB_KEY_DOWN 141
#define IDB_KEY_UP 142
#define IDB_PAUSE 143
#define IDB_SCROLL_SKIN 145
#define IDB_MOUSE_BUTTON 150
