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
  if (!link_.ReadBlock(applied_)) return false;
  SanitizeLoadedSettings(applied_);
  return true;
}

void SettingsCycle::StartupLoad() {
  InitializeSettings(applied_);
  if (link_.Open() && ReadMonitorBlock()) {
    ClearChangeTracking(applied_);
  } else {
    // A block that cannot be read would leave every profile zero, and the
    // next apply would write that over the user's files.
    LoadAll(applied_);
    SanitizeLoadedSettings(applied_);
  }
  LoadMacros(macros_);
  working_ = applied_;
  ReconcileWithButtons(macros_, working_);
}

UnwrittenFiles SettingsCycle::Apply(WPARAM kind) {
  busy_ = true;
  window_.BeginBusy();
  if (kind != kApplyRestoreAll) FillChangeFlags(working_, applied_);
  const bool notified = link_.WriteBlock(working_) && link_.NotifyApply(kind);
  UnwrittenFiles unwritten = SaveAll(working_);
  ClearChangeTracking(working_);
  applied_ = working_;
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
  ClearChangeTracking(applied_);
  working_ = applied_;
  window_.RefreshAll();
  ReconcileWithButtons(macros_, working_);
}

void SettingsCycle::OnMonitorSettingsChanged() {
  if (!ReadMonitorBlock()) return;
  working_ = applied_;
  // working_ keeps the flags the block carried.
  ClearChangeTracking(applied_);
  window_.RefreshAll();
}

void SettingsCycle::OnMonitorApplyDone() {
  if (busy_) EndBusy();
}

void SettingsCycle::OnMonitorSensorChanged() {
  if (!link_.ReadBlock(applied_)) return;
  // The monitor's own profile, before the record is made safe: a block
  // without a valid current profile gives no sensor values.
  const int profile = applied_.CurrentProfile;
  SanitizeLoadedSettings(applied_);
  const ProfileRecord* sensed = ProfileAt(applied_, profile);
  ProfileRecord* edited = ProfileAt(working_, profile);
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
