#pragma once
// What the main window makes of its pages' messages and of the requests
// from outside: a language change or a full refresh, the function page and
// the tab strip to show, the selected button, and every assignment written
// into the selected button's record of the active profile with its change
// flag.
#include <windows.h>

#include "framework/window.h"

class MainWindow;
class PageHost;
enum class PageId;

class AssignmentDispatch {
 public:
  AssignmentDispatch(MainWindow& window, PageHost& pages) : window_(window), pages_(pages) {}

  // The main window's pre-translation of a message queued for it or one of
  // its descendants: keys go to their window but never to the dialog's
  // keyboard handling (so Enter, Space and Escape never close the window or
  // press a default button, and arrows stay with the focused control); the
  // private messages to the main window are handled here.
  PreTranslation PreTranslate(const MSG& msg);

  // WM_PROFILE_ACTION, WM_SHOW_FUNCTION_PAGE, WM_ASSIGN_FUNCTION and
  // WM_SELECT_BUTTON, whichever way they come (a system loop, a file
  // dialog's or a window drag's, dispatches them straight to the window).
  // False when the message was not taken: the macro of an assignment is
  // missing.
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void ProfileAction(WPARAM wParam, LPARAM lParam);
  void ShowFunctionPage(WPARAM page);
  // The actions of WM_ASSIGN_FUNCTION, a row each in kAssignActions; false
  // when the message was not taken.
  bool AssignFunction(WPARAM action, LPARAM argument);
  bool Restore(LPARAM what);
  bool KeyCombination(LPARAM);
  bool MouseFunction(LPARAM);
  bool KeyFunction(LPARAM);
  bool Macro(LPARAM index);
  // The list page's PendingRecord over the selected button's record.
  void CopyPendingRecord(PageId page);
  // The shortcut page shows the key combination the restored record holds.
  void ShowRestoredKey();
  void SelectButton(WPARAM tag, LPARAM button);

  struct AssignAction {
    WPARAM action;
    bool (AssignmentDispatch::*run)(LPARAM argument);
  };
  static const AssignAction kAssignActions[];

  MainWindow& window_;
  PageHost& pages_;
};
