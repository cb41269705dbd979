#pragma once
// The versions the program's version resource states, so what the program
// shows cannot drift from what it was built as.
#include <string>

struct ProgramVersions {
  std::wstring file;     // "major.minor" of the file version
  std::wstring product;  // "major.minor" of the product version
};

// Both empty when the program has no version resource.
ProgramVersions ReadProgramVersions();
