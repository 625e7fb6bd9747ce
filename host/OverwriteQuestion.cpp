#include "host/OverwriteQuestion.h"

#include "host/CommandLine.h"
#include "host/HostError.h"

namespace bindershelf::host {

bool TOverwriteQuestion::Overwrite(const std::string& target) {
  if (Policy == TOverwritePolicy::Always) return true;
  if (Policy == TOverwritePolicy::Never) return false;
  if (!Console.interactive)
    throw THostError(target + " exists (--overwrite=yes or -y replaces it, --overwrite=no keeps it)");
  Progress.Interrupt();  // the question gets a line of its own, not the end of the bar
  for (;;) {
    std::optional<std::string> answer = Console.Ask(target + " exists. Overwrite? [y]es, [n]o, [a]ll, n[o]ne: ");
    if (!answer) {
      Policy = TOverwritePolicy::Never;
      return false;
    }
    std::string word = TrimBlanks(*answer);
    if (word == "y" || word == "yes") return true;
    if (word == "n" || word == "no") return false;
    if (word == "a" || word == "all") {
      Policy = TOverwritePolicy::Always;
      return true;
    }
    if (word == "o" || word == "none") {
      Policy = TOverwritePolicy::Never;
      return false;
    }
  }
}

TOverwritePolicy ParseOverwritePolicy(const std::string& answer) {
  if (answer == "yes") return TOverwritePolicy::Always;
  if (answer == "no") return TOverwritePolicy::Never;
  return TOverwritePolicy::Ask;
}

}  // namespace bindershelf::host
