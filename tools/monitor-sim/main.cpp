// The monitor simulator: a stand-in for the companion process that owns the
// mouse, built from the contract the program relies on.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "model/factory.h"
#include "model/settings.h"
#include "tools/monitor-sim/files.h"
#include "tools/monitor-sim/monitor_window.h"
#include "tools/monitor-sim/options.h"
#include "tools/monitor-sim/shared_block.h"

namespace {

enum ExitCode : int { kDone = 0, kNotFound = 1, kFailed = 2, kBusy = 3 };

std::span<const std::uint8_t> BytesOf(const SettingsRecord& record) {
  return {reinterpret_cast<const std::uint8_t*>(&record), sizeof record};
}

// A whole block from a file, or an error message and nothing.
std::optional<std::vector<std::uint8_t>> ReadBlockFile(const std::wstring& path) {
  auto bytes = ReadWholeFile(path);
  if (!bytes) {
    std::fprintf(stderr, "monitor-sim: cannot read the block file\n");
    return std::nullopt;
  }
  if (bytes->size() != sizeof(SettingsRecord)) {
    std::fprintf(stderr, "monitor-sim: a block file holds exactly %zu bytes, this one %zu\n",
                 sizeof(SettingsRecord), bytes->size());
    return std::nullopt;
  }
  return bytes;
}

int RunServer(const Options& options, const MonitorNames& names) {
  std::vector<std::uint8_t> initial;
  if (options.blockFile.empty()) {
    auto factory = std::make_unique<SettingsRecord>();
    InitializeSettings(*factory);
    FactorySettings(*factory);
    auto bytes = BytesOf(*factory);
    initial.assign(bytes.begin(), bytes.end());
  } else {
    auto bytes = ReadBlockFile(options.blockFile);
    if (!bytes) return kFailed;
    initial = std::move(*bytes);
  }

  const std::size_t size = options.mappingSize ? options.mappingSize : sizeof(SettingsRecord);
  auto block = SharedBlock::Create(names, size, options.withMutex);
  if (!block) {
    std::fprintf(stderr, "monitor-sim: cannot create the shared objects (is a monitor running?)\n");
    return kFailed;
  }
  block->Write(initial);
  return Serve(options, names, *block);
}

int RunPost(const Options& options, const MonitorNames& names) {
  HWND main = FindWindowW(nullptr, names.mainWindow.c_str());
  if (!main) {
    std::fprintf(stderr, "monitor-sim: no main window to post to\n");
    return kNotFound;
  }
  return PostMessageW(main, options.message, options.wParam, options.lParam) ? kDone : kFailed;
}

int RunBlockClient(const Options& options, const MonitorNames& names) {
  auto block = SharedBlock::Open(names);
  if (!block) {
    std::fprintf(stderr, "monitor-sim: no monitor block\n");
    return kNotFound;
  }
  if (options.mode == Mode::AbandonMutex) {
    // Ending the process while holding the mutex abandons it.
    return block->LockForever(options.timeoutMs) ? kDone : kBusy;
  }
  if (options.mode == Mode::Read) {
    std::vector<std::uint8_t> bytes;
    if (!block->Read(bytes, options.timeoutMs)) return kBusy;
    return WriteWholeFile(options.file, bytes) ? kDone : kFailed;
  }
  auto bytes = ReadBlockFile(options.file);
  if (!bytes) return kFailed;
  return block->Write(*bytes, options.timeoutMs) ? kDone : kBusy;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::string error;
  auto options = ParseOptions(argc, argv, error);
  if (!options) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return kFailed;
  }
  const MonitorNames names = MonitorNames::WithSuffix(options->suffix);
  switch (options->mode) {
    case Mode::Help:
      std::fputs(kHelpText, stdout);
      return kDone;
    case Mode::Serve:
      return RunServer(*options, names);
    case Mode::Post:
      return RunPost(*options, names);
    case Mode::Read:
    case Mode::Write:
    case Mode::AbandonMutex:
      return RunBlockClient(*options, names);
  }
  return kFailed;
}
