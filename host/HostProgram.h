// The host from start to end: load and start the module, run the commands, unload.
#pragma once

#include "host/HostOptions.h"

namespace bindershelf::host {

constexpr int kExitFine = 0;
constexpr int kExitCommandFailed = 1;
constexpr int kExitNotStarted = 2;

int RunHost(const THostOptions& options);

}  // namespace bindershelf::host
