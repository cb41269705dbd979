#pragma once
// The simulated monitor: its hidden top-level window answers applies the
// way the program expects of the real one.
#include <windows.h>

#include "tools/monitor-sim/options.h"
#include "tools/monitor-sim/shared_block.h"

// Runs until the window is closed; returns the process exit code.
int Serve(const Options& options, const MonitorNames& names, SharedBlock& block);
