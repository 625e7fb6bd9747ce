// The host's commands. Each takes the session and the words after the command's name.
#pragma once

#include <string>
#include <vector>

#include "host/Session.h"

namespace bindershelf::host {

using TArguments = std::vector<std::string>;

struct TCommand {
  const char* name;
  const char* usage;
  const char* summary;
  void (*run)(TSession&, const TArguments&);
};

// Every host command, in the order help shows them.
const std::vector<TCommand>& HostCommands();
const TCommand* FindHostCommand(const std::string& name);

// Listing (ListCommand.cpp).
void RunList(TSession&, const TArguments&);
// Folders (FolderCommands.cpp).
void RunChangeFolder(TSession&, const TArguments&);
void RunPrintFolder(TSession&, const TArguments&);
void RunMakeFolder(TSession&, const TArguments&);
// Copying in and out (PutCommand.cpp, GetCommand.cpp).
void RunPut(TSession&, const TArguments&);
void RunGet(TSession&, const TArguments&);
// Inside the catalog (CatalogCopyCommands.cpp, RemoveCommand.cpp).
void RunCopy(TSession&, const TArguments&);
void RunMove(TSession&, const TArguments&);
void RunRename(TSession&, const TArguments&);
void RunRemove(TSession&, const TArguments&);
// The module's verbs (ExecuteCommands.cpp).
void RunOpen(TSession&, const TArguments&);
void RunModuleCommandLine(TSession&, const std::string& line);
// The session itself (CommandTable.cpp).
void RunHelp(TSession&, const TArguments&);
void RunQuit(TSession&, const TArguments&);

}  // namespace bindershelf::host
