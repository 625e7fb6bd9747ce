// Runs the built host program as a real process on its own copy of the module, in a
// fresh directory, and reads what it printed.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace host_testing {

struct THostResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// One line of ls output.
struct TListedEntry {
  std::string name;
  std::string size;
  std::string time;
  std::string attributes;
  std::string mark;
};

std::vector<TListedEntry> ParseListing(const std::string& out);
std::vector<std::string> ListedNames(const std::string& out);

// The exports of the built module that are not among names; empty when it has them all.
std::string MissingExports(std::initializer_list<const char*> names);

// The tests for commands whose entry points the module does not export yet are skipped
// until it does, and then run by themselves.
#define REQUIRE_MODULE_EXPORTS(...)                                                        \
  do {                                                                                     \
    std::string missingExports = ::host_testing::MissingExports({__VA_ARGS__});            \
    if (!missingExports.empty()) GTEST_SKIP() << "the module has no" << missingExports;    \
  } while (0)

class THostTest : public ::testing::Test {
 protected:
  THostTest();

  // The host with these arguments, standard input from input; the working directory is Work().
  THostResult Run(const std::vector<std::string>& args, const std::string& input = "") const;
  // The same with another copy of the host program.
  THostResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = "") const;
  // --plugin pointing at this test's module copy, then options, then -c commands.
  THostResult RunCommands(const std::string& commands, const std::vector<std::string>& options = {}) const;

  std::string ModuleCopy() const { return ModuleDir() + "/bindershelf.so"; }
  std::string ModuleDir() const { return Temp / "module"; }
  std::string Work() const { return Temp / "work"; }
  std::string Local(const std::string& relative) const { return Work() + "/" + relative; }
  void WriteLocal(const std::string& relative, const std::string& content) const;
  // An executable script in a directory that comes first on the host's PATH.
  void WriteProgram(const std::string& name, const std::string& script) const;

  testing_support::TTempDir Temp;
};

}  // namespace host_testing
