// LoadAll and SaveAll against writing and reading the same five files one
// platform call per key.
#include <windows.h>

#include <memory>

#include "bench.h"
#include "model/factory.h"
#include "model/settings.h"
#include "reference_profile_io.h"
#include "tests/win/registry_sandbox.h"
#include "store/profile_store.h"

int wmain() {
  constexpr int kRuns = 25;
  RegistrySandbox registry;
  auto settings = std::make_unique<SettingsRecord>();
  InitializeSettings(*settings);
  FactorySettings(*settings);
  SaveAll(*settings);

  Report("SaveAll", kRuns, MedianMilliseconds(kRuns, [&] { SaveAll(*settings); }));
  Report("LoadAll", kRuns, MedianMilliseconds(kRuns, [&] { LoadAll(*settings); }));
  Report("baseline: five files written key by key", kRuns, MedianMilliseconds(kRuns, [&] {
           for (int k = 0; k < kProfileCount; ++k) ReferenceWriteProfile(settings->Profiles[k], ProfileFilePath(k));
         }));
  Report("baseline: five files read key by key", kRuns, MedianMilliseconds(kRuns, [&] {
           for (int k = 0; k < kProfileCount; ++k) ReferenceReadProfile(settings->Profiles[k], ProfileFilePath(k));
         }));
  return 0;
}
