#include "plugin/PathToId.h"

namespace bindershelf {

std::string PathToId(const std::string& hostPath) {
  std::string id = hostPath;
  if (!id.empty() && id.back() == '\\') id.pop_back();
  if (id == "\\") id.clear();
  return id;
}

}  // namespace bindershelf
