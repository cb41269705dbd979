#pragma once
// The per-user folder of the macro file, under the roaming application data.
#include <string>

// Creates the folder chain where it is missing and returns the folder (no
// trailing backslash); empty when the application-data folder is unknown.
std::wstring GetDataFolder();
