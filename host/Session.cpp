#include "host/Session.h"

#include <exception>
#include <ostream>

#include "host/CatalogPath.h"
#include "host/CommandLine.h"
#include "host/Commands.h"

namespace bindershelf::host {

std::string TSession::Resolve(const std::string& typed) const { return ResolveCatalogPath(Folder, typed); }

bool TSession::RunLine(const std::string& line) {
  std::string text = TrimBlanks(line);
  if (text.empty()) return true;
  try {
    if (const TCommand* command = FindHostCommand(FirstWord(text))) {
      TArguments words = TokeniseCommand(text);
      command->run(*this, TArguments(words.begin() + 1, words.end()));
    } else {
      RunModuleCommandLine(*this, text);
    }
    Progress.End();
    return true;
  } catch (const std::exception& error) {
    Progress.End();
    Console.err << FirstWord(text) << ": " << error.what() << "\n";
    return false;
  }
}

}  // namespace bindershelf::host
