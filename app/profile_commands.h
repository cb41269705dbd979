#pragma once
// The frame's profile commands: switching to the previous or next profile,
// its program file, renaming, import and export. Each works on the active
// profile of WorkingSettings.
#include "pages/assign/dlg_prog_sel.h"
#include "app/dlg_rename.h"

class MainWindow;

class ProfileCommands {
 public:
  explicit ProfileCommands(MainWindow& window) : window_(window) {}

  void Previous();
  void Next();
  void ChooseProgram();
  void Rename();
  void Import();
  void Export();

 private:
  MainWindow& window_;
  // The dialogs, kept ready; each run builds its window afresh.
  CDlgProgSel programDialog_;
  CDlgRename renameDialog_;
};
