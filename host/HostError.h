// Errors inside the host. Each carries the words shown for the command that failed; the
// session catches them per command.
#pragma once

#include <stdexcept>
#include <string>

namespace bindershelf::host {

class THostError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The module lacks an entry point that a command needs. Raised only when the command
// runs, so the host works with a module that does not export everything yet.
class TMissingExport : public THostError {
 public:
  explicit TMissingExport(const std::string& exportName) : THostError("the module has no " + exportName) {}
};

// A command was given the wrong arguments; the text is its usage line.
class TUsageError : public THostError {
 public:
  explicit TUsageError(const std::string& usage) : THostError("usage: " + usage) {}
};

}  // namespace bindershelf::host
