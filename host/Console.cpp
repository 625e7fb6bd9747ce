#include "host/Console.h"

#include <istream>
#include <ostream>

namespace bindershelf::host {

std::optional<std::string> TConsole::Ask(const std::string& question) {
  out << question << std::flush;
  std::string answer;
  if (!std::getline(in, answer)) return std::nullopt;
  return answer;
}

}  // namespace bindershelf::host
