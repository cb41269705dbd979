#pragma once
// The simulator's command line.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

enum class Mode {
  Help,
  Serve,         // stand in for the monitor until closed
  Post,          // post one message to the main window
  Read,          // block -> file
  Write,         // file -> block
  AbandonMutex,  // take the mutex and exit holding it
};

struct Options {
  Mode mode = Mode::Serve;
  std::wstring suffix;

  // Serve
  std::wstring blockFile;
  std::wstring logFile;
  std::wstring saveFile;
  // Milliseconds before WM_MONITOR_APPLY_DONE; empty: never answer.
  std::optional<UINT> doneDelayMs = 0;
  bool withMutex = true;
  std::size_t mappingSize = 0;  // 0: one settings record

  // Post
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;

  // Read and Write
  std::wstring file;
  DWORD timeoutMs = 10000;
};

// Empty on a malformed command line; `error` then says why.
std::optional<Options> ParseOptions(int argc, wchar_t** argv, std::string& error);

extern const char kHelpText[];
