#pragma once

#include <string>

namespace bindershelf {

// Turns a host path into an item ID: one trailing "\" is dropped and a lone "\" is the
// root, the empty ID. "\Trip\" gives "\Trip"; "\Trip\\" gives "\Trip\".
std::string PathToId(const std::string& hostPath);

}  // namespace bindershelf
