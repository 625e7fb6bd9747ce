// Where the host talks to the person or the script that drives it.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace bindershelf::host {

struct TConsole {
  std::ostream& out;
  std::ostream& err;
  std::istream& in;
  // A person at the terminal who can answer questions; false for -c, scripts and piped input.
  bool interactive;

  // Shows the question and reads the answer; nothing when the input has ended.
  std::optional<std::string> Ask(const std::string& question);
};

}  // namespace bindershelf::host
