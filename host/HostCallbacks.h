// The three callbacks the host hands to FsInit. The interface gives them no context
// pointer, so they reach the host's displays through the ones connected here.
#pragma once

#include "host/CatalogModule.h"
#include "host/MessageBox.h"
#include "host/ProgressDisplay.h"

namespace bindershelf::host {

// The displays that the callbacks feed from now on; both outlive the module.
THostCallbacks ConnectHostCallbacks(TProgressDisplay& progress, TMessageBoxes& messages, std::ostream& log);

}  // namespace bindershelf::host
