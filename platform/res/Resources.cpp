#include "platform/res/Resources.h"

#include <cstring>

namespace bindershelf::res {

HICON LoadIconA(const char* name) {
  if (name == nullptr) return nullptr;
  for (size_t i = 0; i < kIconResourceCount; ++i)
    if (std::strcmp(kIconResources[i].Name, name) == 0)
      // The handle is only read through; the records themselves are constant.
      return const_cast<TIconResource*>(&kIconResources[i]);
  return nullptr;
}

}  // namespace bindershelf::res
