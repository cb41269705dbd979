#include "tools/monitor-sim/options.h"

#include <cstdint>
#include <cwchar>

#include "link/monitor_messages.h"
#include "model/settings_record.h"

const char kHelpText[] =
    R"(monitor-sim - stands in for the mouse monitor process, for tests and demos.

Serve (default): create the monitor's named mutex and mapping and its window
"VORNA Gaming Mouse Monitor", and answer applies until the window is closed.
  --block FILE        fill the block from FILE (63676 bytes) instead of the
                      factory settings
  --log FILE          on each WM_MONITOR_APPLY append one JSON line to FILE:
                      wParam, CurrentProfile, CurrentProfileChanged, the 75
                      ButtonChangedFlags, the 5 ProfileChangedFlags, the 5
                      OTGSpeedChangedFlags, blockBytes and a hash (FNV-1a 64)
                      of the block
  --save FILE         on each apply write the block as received to FILE
  --done-delay MS     post WM_MONITOR_APPLY_DONE to the window "VORNA Gaming
                      Mouse option" MS milliseconds after an apply (default 0)
  --no-done           never answer an apply
  --no-mutex          fault: create the mapping but no mutex
  --mapping-size N    fault: a mapping of N bytes (1-63675) instead of a whole
                      block; it holds the first N bytes of the block

One-shot clients (exit when done):
  --post MESSAGE      post MESSAGE to the window "VORNA Gaming Mouse option":
                      reload (1254), settings-changed (1255), apply-done
                      (1256), sensor-changed (1257) or any number
    --wparam N        its wParam (default 0)
    --lparam N        its lParam (default 0)
  --read FILE         copy the block under the mutex into FILE
  --write FILE        copy FILE into the block under the mutex
  --abandon-mutex     fault: take the mutex and exit without releasing it
  --timeout MS        how long the clients wait for the mutex (default 10000)

Any mode:
  --suffix TEXT       append TEXT to the names of the mutex, the mapping and
                      both window titles, so instances can run side by side
  --help              show this text

Exit codes: 0 done; 1 no monitor or no window to post to; 2 bad command line,
objects already exist or a file could not be read or written; 3 the mutex was
not had within the time-out.
)";

namespace {

struct NamedMessage {
  const wchar_t* name;
  UINT message;
};

constexpr NamedMessage kNamedMessages[] = {
    {L"reload", WM_MONITOR_RELOAD},
    {L"settings-changed", WM_MONITOR_SETTINGS_CHANGED},
    {L"apply-done", WM_MONITOR_APPLY_DONE},
    {L"sensor-changed", WM_MONITOR_SENSOR_CHANGED},
};

// Whole-text decimal (or 0x hexadecimal) number.
std::optional<long long> ParseNumber(const wchar_t* text) {
  wchar_t* end = nullptr;
  const long long value = std::wcstoll(text, &end, 0);
  if (end == text || *end != L'\0') return std::nullopt;
  return value;
}

std::optional<UINT> ParseMessage(const wchar_t* text) {
  for (const NamedMessage& named : kNamedMessages)
    if (std::wcscmp(text, named.name) == 0) return named.message;
  auto value = ParseNumber(text);
  if (!value || *value < 0 || *value > 0xFFFF) return std::nullopt;
  return static_cast<UINT>(*value);
}

}  // namespace

std::optional<Options> ParseOptions(int argc, wchar_t** argv, std::string& error) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    // The value of an option that takes one.
    auto value = [&]() -> const wchar_t* { return i + 1 < argc ? argv[++i] : nullptr; };
    auto number = [&](long long low, long long high) -> std::optional<long long> {
      const wchar_t* text = value();
      if (!text) return std::nullopt;
      auto n = ParseNumber(text);
      if (!n || *n < low || *n > high) return std::nullopt;
      return n;
    };
    auto file = [&](std::wstring& into) {
      const wchar_t* text = value();
      if (text) into = text;
      return text != nullptr;
    };
    auto bad = [&](const char* why) -> std::optional<Options> {
      error = "monitor-sim: " + std::string(arg.begin(), arg.end()) + ": " + why;
      return std::nullopt;
    };

    if (arg == L"--help" || arg == L"-h" || arg == L"/?") {
      options.mode = Mode::Help;
    } else if (arg == L"--suffix") {
      if (!file(options.suffix)) return bad("needs a text");
    } else if (arg == L"--block") {
      if (!file(options.blockFile)) return bad("needs a file");
    } else if (arg == L"--log") {
      if (!file(options.logFile)) return bad("needs a file");
    } else if (arg == L"--save") {
      if (!file(options.saveFile)) return bad("needs a file");
    } else if (arg == L"--done-delay") {
      auto ms = number(0, 0x7FFFFFFF);
      if (!ms) return bad("needs milliseconds");
      options.doneDelayMs = static_cast<UINT>(*ms);
    } else if (arg == L"--no-done") {
      options.doneDelayMs.reset();
    } else if (arg == L"--no-mutex") {
      options.withMutex = false;
    } else if (arg == L"--mapping-size") {
      auto size = number(1, static_cast<long long>(sizeof(SettingsRecord)) - 1);
      if (!size) return bad("needs a size of 1-63675 bytes");
      options.mappingSize = static_cast<std::size_t>(*size);
    } else if (arg == L"--post") {
      const wchar_t* text = value();
      auto message = text ? ParseMessage(text) : std::nullopt;
      if (!message) return bad("needs a message name or number");
      options.mode = Mode::Post;
      options.message = *message;
    } else if (arg == L"--wparam") {
      auto n = number(INT64_MIN, INT64_MAX);
      if (!n) return bad("needs a number");
      options.wParam = static_cast<WPARAM>(*n);
    } else if (arg == L"--lparam") {
      auto n = number(INT64_MIN, INT64_MAX);
      if (!n) return bad("needs a number");
      options.lParam = static_cast<LPARAM>(*n);
    } else if (arg == L"--read" || arg == L"--write") {
      if (!file(options.file)) return bad("needs a file");
      options.mode = arg == L"--read" ? Mode::Read : Mode::Write;
    } else if (arg == L"--abandon-mutex") {
      options.mode = Mode::AbandonMutex;
    } else if (arg == L"--timeout") {
      auto ms = number(0, 0x7FFFFFFF);
      if (!ms) return bad("needs milliseconds");
      options.timeoutMs = static_cast<DWORD>(*ms);
    } else {
      return bad("unknown option (see --help)");
    }
  }
  return options;
}
