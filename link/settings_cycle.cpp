#include "settings_cycle.h"

#include <map>

#include "macro/macro_buttons.h"
#include "model/settings.h"
#include "store/macro_file.h"
#include "store/profile_store.h"

namespace {

// The cycles waiting for an answer, by the thread timer of their wait.
std::map<UINT_PTR, SettingsCycle*>& Waiting() {
  static std::map<UINT_PTR, SettingsCycle*> waiting;
  return waiting;
}

}  // namespace

SettingsCycle::~SettingsCycle() { StopWaiting(); }

bool SettingsCycle::ReadMonitorBlock() {
  if (!link_.ReadBlock(AppliedSettings)) return false;
  SanitizeLoadedSettings(AppliedSettings);
  return true;
}

void SettingsCycle::StartupLoad() {
  InitializeSettings(AppliedSettings);
  if (link_.Open() && ReadMonitorBlock()) {
    ClearChangeTracking(AppliedSettings);
  } else {
    // A block that cannot be read would leave every profile zero, and the
    // next apply would write that over the user's files.
    LoadAll(AppliedSettings);
    SanitizeLoadedSettings(AppliedSettings);
  }
  LoadMacros(macros_);
  WorkingSettings = AppliedSettings;
  ReconcileWithButtons(macros_, WorkingSettings);
}

UnwrittenFiles SettingsCycle::Apply(WPARAM kind) {
  busy_ = true;
  window_.BeginBusy();
  if (kind != kApplyRestoreAll) FillChangeFlags(WorkingSettings, AppliedSettings);
  const bool notified = link_.WriteBlock(WorkingSettings) && link_.NotifyApply(kind);
  UnwrittenFiles unwritten = SaveAll(WorkingSettings);
  ClearChangeTracking(WorkingSettings);
  AppliedSettings = WorkingSettings;
  if (!SaveMacros(macros_)) unwritten.push_back(MacroFilePath());
  if (!notified) {
    EndBusy();
  } else if ((answerTimer_ = SetTimer(nullptr, 0, kMonitorAnswerTimeoutMs, &SettingsCycle::OnAnswerOverdue))) {
    Waiting()[answerTimer_] = this;
  }
  return unwritten;
}

void CALLBACK SettingsCycle::OnAnswerOverdue(HWND, UINT, UINT_PTR timer, DWORD) {
  const auto found = Waiting().find(timer);
  if (found == Waiting().end()) {
    KillTimer(nullptr, timer);
    return;
  }
  SettingsCycle& cycle = *found->second;
  cycle.EndBusy();
  cycle.window_.ReportNoAnswer();
}

void SettingsCycle::OnMonitorReload() {
  window_.InvalidateReloadArea();
  // Nothing read means nothing new: the user's edits stay.
  if (!ReadMonitorBlock()) return;
  ClearChangeTracking(AppliedSettings);
  WorkingSettings = AppliedSettings;
  window_.RefreshAll();
  ReconcileWithButtons(macros_, WorkingSettings);
}

void SettingsCycle::OnMonitorSettingsChanged() {
  if (!ReadMonitorBlock()) return;
  WorkingSettings = AppliedSettings;
  // WorkingSettings keeps the flags the block carried.
  ClearChangeTracking(AppliedSettings);
  window_.RefreshAll();
}

void SettingsCycle::OnMonitorApplyDone() {
  if (busy_) EndBusy();
}

void SettingsCycle::OnMonitorSensorChanged() {
  if (!link_.ReadBlock(AppliedSettings)) return;
  // The monitor's own profile, before the record is made safe: a block
  // without a valid current profile gives no sensor values.
  const int profile = AppliedSettings.CurrentProfile;
  SanitizeLoadedSettings(AppliedSettings);
  const ProfileRecord* sensed = ProfileAt(AppliedSettings, profile);
  ProfileRecord* edited = ProfileAt(WorkingSettings, profile);
  if (sensed && edited) {
    edited->CpiStep = sensed->CpiStep;
    edited->Sensitivity_X = sensed->Sensitivity_X;
    edited->Sensitivity_Y = sensed->Sensitivity_Y;
    edited->PollingRate = sensed->PollingRate;
  }
  window_.RefreshAll();
}

void SettingsCycle::StopWaiting() {
  if (!answerTimer_) return;
  KillTimer(nullptr, answerTimer_);
  Waiting().erase(answerTimer_);
  answerTimer_ = 0;
}

void SettingsCycle::EndBusy() {
  StopWaiting();
  busy_ = false;
  window_.EndBusy();
}
