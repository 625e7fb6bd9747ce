#include "host/LocalPath.h"

#include <cstdlib>

namespace bindershelf::host {

namespace {

std::string WithHome(const std::string& typed) {
  const char* home = std::getenv("HOME");
  if (!home || !*home) return typed;
  if (typed == "~") return home;
  if (typed.rfind("~/", 0) == 0) return std::string(home) + typed.substr(1);
  return typed;
}

}  // namespace

std::filesystem::path LocalPathOf(const std::string& typed) {
  std::filesystem::path path = std::filesystem::absolute(WithHome(typed)).lexically_normal();
  if (!path.has_filename() && path.has_parent_path() && path != path.root_path()) path = path.parent_path();
  return path;
}

}  // namespace bindershelf::host
