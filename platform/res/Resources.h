// The module's own resources, as a Windows module carries them: here the icons, embedded
// at build time from the .ico files in vfs/icons.
#pragma once

#include <cstddef>

namespace bindershelf::res {

using HICON = void*;

// One icon resource. An icon handle points to its record; the host reads the record
// through its first member, so the name stays first.
struct TIconResource {
  const char* Name;
  const unsigned char* Bytes;  // the whole .ico file
  size_t Size;
};

// The embedded icons, made by EmbedIcons.cmake.
extern const TIconResource kIconResources[];
extern const size_t kIconResourceCount;

// The handle of the icon resource of that name (compared exactly), or nullptr when the
// module has none. The handle is the same on every call and stays valid until the module
// is unloaded; it is never destroyed.
HICON LoadIconA(const char* name);

}  // namespace bindershelf::res
