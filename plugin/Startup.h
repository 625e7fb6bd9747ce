// Start-up and unload of the module, and the two entry points that only hand data over.
#pragma once

#include <cstdint>

#include "plugin/fsplugin.h"

namespace bindershelf {

constexpr const char* kRootName = "Bindershelf";
constexpr const char* kProviderPrefix = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
constexpr const char* kDefaultDatabaseName = "vx.dat";

// Stores the callbacks, finds the module's directory, makes the catalog file when it is
// missing and opens the connection. Raises when the module file cannot be found or the
// catalog cannot be made or opened; the callbacks stay stored either way.
void InitPlugin(int32_t pluginNumber, tProgressProc progress, tRequestProc request);

// Copies the root name into a buffer of maxLength characters, NUL included; a buffer
// shorter than the name gets its beginning. Writes nothing when maxLength is below 1.
void CopyRootName(char* buffer, int32_t maxLength);

// Load and unload notifications of the module.
constexpr int kProcessDetach = 0;
constexpr int kProcessAttach = 1;

// On process detach, closes and frees the listing dataset and the connection; does
// nothing for any other notification.
void ReleaseCatalog(int reason);

}  // namespace bindershelf
