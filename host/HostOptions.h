// The host program's command-line options.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "host/OverwriteQuestion.h"

namespace bindershelf::host {

struct THostOptions {
  std::filesystem::path modulePath;
  std::optional<std::string> commands;
  std::optional<std::string> scriptFile;
  TOverwritePolicy overwrite = TOverwritePolicy::Ask;
};

// Raised when the options end the program before it starts (--help, a mistake); the
// message has been printed already.
struct TOptionsExit {
  int code;
};

THostOptions ParseHostOptions(int argc, char** argv);

}  // namespace bindershelf::host
