#include <algorithm>
#include <ostream>

#include "host/Commands.h"
#include "host/HostError.h"

namespace bindershelf::host {

const std::vector<TCommand>& HostCommands() {
  static const std::vector<TCommand> commands = {
      {"ls", "ls [PATH]", "list a folder: name, size, last write, attributes, icon mark", RunList},
      {"cd", "cd [PATH]", "go to a folder (the root without PATH)", RunChangeFolder},
      {"pwd", "pwd", "show the current folder", RunPrintFolder},
      {"mkdir", "mkdir PATH...", "make folders", RunMakeFolder},
      {"put", "put LOCAL... [DEST]", "copy local files and directory trees in (DEST: last of two or more)",
       RunPut},
      {"get", "get REMOTE... LOCALDIR", "copy items and folder trees out into a local directory", RunGet},
      {"cp", "cp SRC DST", "copy an item or a folder tree inside the catalog", RunCopy},
      {"mv", "mv SRC DST", "move an item or a folder tree inside the catalog", RunMove},
      {"ren", "ren PATH NEWNAME", "rename one item", RunRename},
      {"rm", "rm PATH...", "delete items, folders with everything in them", RunRemove},
      {"open", "open PATH", "open an item's real file", RunOpen},
      {"help", "help", "show this list", RunHelp},
      {"quit", "quit", "leave", RunQuit},
  };
  return commands;
}

const TCommand* FindHostCommand(const std::string& name) {
  const std::vector<TCommand>& commands = HostCommands();
  auto found = std::find_if(commands.begin(), commands.end(), [&](const TCommand& c) { return name == c.name; });
  return found == commands.end() ? nullptr : &*found;
}

void RunHelp(TSession& session, const TArguments&) {
  std::ostream& out = session.Console.out;
  for (const TCommand& command : HostCommands()) {
    std::string usage = command.usage;
    out << "  " << usage << std::string(usage.size() < 24 ? 24 - usage.size() : 1, ' ') << command.summary << "\n";
  }
  out << "  anything else goes to the module's command line (for example: db NAME, l FILE, c PROGRAM)\n"
         "  Paths use \\ or /, relative to the current folder; quote names with blanks.\n";
}

void RunQuit(TSession& session, const TArguments&) { session.RequestQuit(); }

}  // namespace bindershelf::host
