// Local paths as a person types them at the host's prompt.
#pragma once

#include <filesystem>
#include <string>

namespace bindershelf::host {

// The absolute, normalised path of what was typed: "~" and "~/..." stand for the home
// directory (as in a shell), a relative path is taken from the current directory, and a
// trailing "/" is dropped ("dir/" names dir).
std::filesystem::path LocalPathOf(const std::string& typed);

}  // namespace bindershelf::host
