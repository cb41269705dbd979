// StartupLoad and Apply(0), standalone (files, registry, macro file) and
// connected to the monitor simulator (Apply until the monitor's answer).
#include <windows.h>

#include <memory>

#include "bench.h"
#include "link/monitor_messages.h"
#include "link/settings_cycle.h"
#include "macro/macro_list.h"
#include "model/factory.h"
#include "model/settings.h"
#include "tests/win/registry_sandbox.h"
#include "store/profile_store.h"
#include "tests/e2e/cycle_test_window.h"
#include "tests/e2e/simulator.h"

namespace {

constexpr int kRuns = 25;
constexpr double kApplyTargetMs = 30;

void Measure(const char* mode, MonitorLink& link, CycleTestWindow& window) {
  SettingsCycle cycle({WorkingSettings, AppliedSettings}, link, Macros, window);
  window.Attach(&cycle);
  const std::string load = std::string("StartupLoad, ") + mode;
  const std::string apply = std::string("Apply(0), ") + mode;
  Report(load.c_str(), kRuns, MedianMilliseconds(kRuns, [&] {
           link.Close();
           Macros.Clear();
           cycle.StartupLoad();
         }));
  Report(apply.c_str(), kRuns, MedianMilliseconds(kRuns, [&] {
           WorkingSettings.Profiles[0].OTGSpeed ^= 1;
           cycle.Apply(kApplyNormal);
           WaitUntil([&] { return !cycle.Busy(); });
         }), kApplyTargetMs);
  window.Attach(nullptr);
}

}  // namespace

int wmain() {
  RegistrySandbox registry;
  auto settings = std::make_unique<SettingsRecord>();
  InitializeSettings(*settings);
  FactorySettings(*settings);
  SaveAll(*settings);

  {
    Simulator absent;  // names nobody serves
    MonitorLink link(absent.names());
    CycleTestWindow window(absent.names().mainWindow);
    Measure("standalone", link, window);
  }
  {
    Simulator simulator;
    if (!simulator.Serve({L"--done-delay", L"0"})) return 1;
    MonitorLink link(simulator.names());
    CycleTestWindow window(simulator.names().mainWindow);
    Measure("connected", link, window);
  }
  return 0;
}
