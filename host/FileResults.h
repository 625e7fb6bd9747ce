// The file results of FsPutFile, FsGetFile and FsRenMovFile in words, and the list of the
// files of one command that did not make it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/Console.h"
#include "host/ProgressDisplay.h"

namespace bindershelf::host {

std::string DescribeFileResult(int32_t result);

// Each failure is told at once; the command fails at its end when any file failed.
class TFileFailures {
 public:
  TFileFailures(TConsole& console, TProgressDisplay& progress) : Console(console), Progress(progress) {}

  void Add(const std::string& what, const std::string& reason);
  size_t Count() const { return Failed; }
  // Raises THostError when anything failed.
  void ThrowIfAny(size_t attempted) const;

 private:
  TConsole& Console;
  TProgressDisplay& Progress;
  size_t Failed = 0;
};

}  // namespace bindershelf::host
