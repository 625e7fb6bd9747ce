// What to do when a copy finds its target there already: the question a file manager asks.
#pragma once

#include <string>

#include "host/Console.h"
#include "host/ProgressDisplay.h"

namespace bindershelf::host {

enum class TOverwritePolicy { Ask, Always, Never };

// One per command, so that "all" and "none" answer the rest of that command only.
class TOverwriteQuestion {
 public:
  TOverwriteQuestion(TConsole& console, TProgressDisplay& progress, TOverwritePolicy policy)
      : Console(console), Progress(progress), Policy(policy) {}

  // Whether to replace target. Asks the person at the terminal (yes, no, all, none).
  // Raises THostError when nobody can be asked and no answer was given beforehand.
  bool Overwrite(const std::string& target);

 private:
  TConsole& Console;
  TProgressDisplay& Progress;
  TOverwritePolicy Policy;
};

TOverwritePolicy ParseOverwritePolicy(const std::string& answer);

}  // namespace bindershelf::host
