// The module's own icons for panel entries, turned into marks a terminal can show.
#pragma once

#include <string>
#include <vector>

#include "host/CatalogModule.h"

namespace bindershelf::host {

// One mark per remote name, "" where the module leaves the usual icon. Each is asked
// first from this thread; the ones the module puts off are asked again from a background
// thread, as a file manager does.
std::vector<std::string> LookUpIconMarks(const TCatalogModule& module, const std::vector<std::string>& remoteNames);

// "!missing" for the icon of an item whose real file is gone, "-virtual" for one without
// a real file, "*NAME" for any other icon resource.
std::string MarkOfIcon(const TIconAnswer& answer);

}  // namespace bindershelf::host
