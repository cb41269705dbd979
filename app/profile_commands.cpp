#include "app/profile_commands.h"

#include "app/main_frame.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/profile_files.h"
#include "framework/wide.h"
#include "macro/macro_buttons.h"
#include "macro/macro_list.h"
#include "model/frame_choices.h"
#include "model/settings.h"
#include "model/text.h"
#include "store/profile_store.h"

void ProfileCommands::Previous() {
  WorkingSettings.CurrentProfile = PreviousProfile(WorkingSettings.CurrentProfile);
  window_.RefreshAll();
}

void ProfileCommands::Next() {
  WorkingSettings.CurrentProfile = NextProfile(WorkingSettings.CurrentProfile);
  window_.RefreshAll();
}

void ProfileCommands::ChooseProgram() {
  ProfileRecord* active = ActiveProfile(WorkingSettings);
  if (!active) return;
  programDialog_.SetPath(std::wstring(Wide(TextOf(active->GameFile))));
  if (programDialog_.DoModal(window_.Window()) == IDOK)
    SetText(active->GameFile, Utf16(programDialog_.GetPath()), kGameFileMaxChars);
}

void ProfileCommands::Rename() {
  ProfileRecord* active = ActiveProfile(WorkingSettings);
  if (!active) return;
  renameDialog_.SetName(std::wstring(Wide(TextOf(active->ProFileName))));
  if (renameDialog_.DoModal(window_.Window()) != IDOK) return;
  SetText(active->ProFileName, Utf16(renameDialog_.Name()), kProfileNameMaxChars);
  window_.Frame().UpdateProfileBar();
}

void ProfileCommands::Import() {
  const std::wstring path = AskProfileFile(ProfileFileDialog::Open);
  if (path.empty() || !ImportProfile(WorkingSettings, path)) return;
  MarkProfileButtonsChanged(WorkingSettings, WorkingSettings.CurrentProfile);
  ReconcileWithButtons(Macros, WorkingSettings);
  window_.RefreshAll();
}

void ProfileCommands::Export() {
  const std::wstring path = AskProfileFile(ProfileFileDialog::Save);
  if (!path.empty()) ReportUnwrittenFiles(window_.Window(), IDS_EXPORT_FAILED, ExportProfile(WorkingSettings, path));
}
