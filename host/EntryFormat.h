// How a catalog entry reads in a listing.
#pragma once

#include <string>

#include "host/CatalogEntry.h"

namespace bindershelf::host {

// The last write time in local time, "YYYY-MM-DD HH:MM:SS"; blanks for the no-date marker.
std::string FormatWriteTime(const TCatalogEntry& entry);

// Five letters, "-" where the attribute is not set: d(irectory) r(ead-only) h(idden) s(ystem) a(rchive).
std::string FormatAttributes(DWORD attributes);

// The size in bytes, or <DIR> for a folder.
std::string FormatSize(const TCatalogEntry& entry);

// name (padded to nameWidth columns), size, time, attributes and the mark, if any.
std::string FormatEntryLine(const TCatalogEntry& entry, size_t nameWidth, const std::string& mark);

}  // namespace bindershelf::host
