#pragma once
// The program's version, in one place: the version resource is made of it,
// and the release (installer, zip name) reads it from the built resource.
#define PROGRAM_VERSION_MAJOR 1
#define PROGRAM_VERSION_MINOR 0
#define PROGRAM_VERSION_PATCH 0
#define PROGRAM_VERSION_BUILD 0

#define PROGRAM_VERSION_STRINGIZE2(x) #x
#define PROGRAM_VERSION_STRINGIZE(x) PROGRAM_VERSION_STRINGIZE2(x)
#define PROGRAM_VERSION_TEXT                                                                       \
  PROGRAM_VERSION_STRINGIZE(PROGRAM_VERSION_MAJOR) "." PROGRAM_VERSION_STRINGIZE(PROGRAM_VERSION_MINOR) "." \
  PROGRAM_VERSION_STRINGIZE(PROGRAM_VERSION_PATCH) "." PROGRAM_VERSION_STRINGIZE(PROGRAM_VERSION_BUILD)
