#pragma once
// Whole-file reads and writes for block files (from the store), and lines
// appended to the apply log.
#include <string>

#include "store/file_bytes.h"

bool AppendLine(const std::wstring& path, const std::string& line);
