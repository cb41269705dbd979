#pragma once
// Records what the process writes with OutputDebugString while it lives. The
// system raises a first-chance exception for each string; a vectored handler
// takes it before anyone else, as a debugger would.
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#ifndef DBG_PRINTEXCEPTION_WIDE_C
#define DBG_PRINTEXCEPTION_WIDE_C 0x4001000A
#endif

class DebugOutputRecorder {
 public:
  DebugOutputRecorder() {
    current_ = this;
    handler_ = AddVectoredExceptionHandler(1, &Handler);
  }
  ~DebugOutputRecorder() {
    RemoveVectoredExceptionHandler(handler_);
    current_ = nullptr;
  }
  DebugOutputRecorder(const DebugOutputRecorder&) = delete;
  DebugOutputRecorder& operator=(const DebugOutputRecorder&) = delete;

  std::vector<std::wstring> Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }

 private:
  static LONG CALLBACK Handler(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD& record = *info->ExceptionRecord;
    std::wstring line;
    if (record.ExceptionCode == DBG_PRINTEXCEPTION_WIDE_C && record.NumberParameters >= 2) {
      line = reinterpret_cast<const wchar_t*>(record.ExceptionInformation[1]);
    } else if (record.ExceptionCode == DBG_PRINTEXCEPTION_C && record.NumberParameters >= 2) {
      for (const char* c = reinterpret_cast<const char*>(record.ExceptionInformation[1]); *c; ++c)
        line += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    } else {
      return EXCEPTION_CONTINUE_SEARCH;
    }
    {
      std::lock_guard lock(current_->mutex_);
      current_->lines_.push_back(std::move(line));
    }
    // Taken, as by a debugger: the string goes nowhere else.
    return EXCEPTION_CONTINUE_EXECUTION;
  }

  static inline DebugOutputRecorder* current_ = nullptr;
  PVOID handler_ = nullptr;
  mutable std::mutex mutex_;
  std::vector<std::wstring> lines_;
};
