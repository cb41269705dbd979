#pragma once
// The whole skin: every window of the artwork description rendered into
// the output folder.
#include <string>

#include "ini.h"

// Writes each window's mask (BMP) and state pictures (JPEG) to `outDir`.
// Windows may share a file only when they draw it alike (names compared
// without regard to case, as Windows opens them); otherwise, or when a
// window cannot be read or a file written, it stops and `error` says why.
bool RenderSkin(const IniDocument& description, const std::string& skinDir, const std::string& outDir,
                std::string& error);
