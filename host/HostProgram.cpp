#include "host/HostProgram.h"

#include <unistd.h>

#include <fstream>
#include <iostream>
#include <memory>

#include "host/CatalogModule.h"
#include "host/CommandInput.h"
#include "host/HostCallbacks.h"
#include "host/Session.h"

namespace bindershelf::host {

namespace {

bool ReadsFromTerminal(const THostOptions& options) {
  return !options.commands && !options.scriptFile && isatty(STDIN_FILENO);
}

std::unique_ptr<TCommandInput> OpenInput(const THostOptions& options, std::ifstream& script,
                                         std::function<std::string()> prompt) {
  if (options.commands) return std::make_unique<TCommandListInput>(*options.commands);
  if (options.scriptFile) {
    script.open(*options.scriptFile);
    if (!script) throw THostError("cannot read the script " + *options.scriptFile);
    return std::make_unique<TStreamInput>(script);
  }
  if (isatty(STDIN_FILENO)) return std::make_unique<TTerminalInput>(std::move(prompt));
  return std::make_unique<TStreamInput>(std::cin);
}

// At the terminal a failed command leaves the person to go on; elsewhere it ends the run.
int RunCommands(TSession& session, TCommandInput& input, bool interactive) {
  int status = kExitFine;
  while (!session.QuitRequested()) {
    std::optional<std::string> line = input.NextLine();
    if (!line) break;
    if (session.RunLine(*line)) continue;
    status = kExitCommandFailed;
    if (!interactive) break;
  }
  if (interactive) return kExitFine;
  return status;
}

}  // namespace

int RunHost(const THostOptions& options) {
  bool interactive = ReadsFromTerminal(options);
  TConsole console{std::cout, std::cerr, std::cin, interactive};
  TProgressDisplay progress(std::cout, isatty(STDOUT_FILENO));
  TMessageBoxes messages(console);
  THostCallbacks callbacks = ConnectHostCallbacks(progress, messages, std::cerr);

  std::unique_ptr<TCatalogModule> module;
  std::string rootName;
  try {
    module = std::make_unique<TCatalogModule>(options.modulePath);
    module->Start(callbacks);
    rootName = module->RootName();
  } catch (const std::exception& error) {
    std::cerr << "bindershelf: " << error.what() << "\n";
    return kExitNotStarted;
  }
  std::cout << "Catalog root: " << rootName << "\n";

  TSession session(*module, console, progress, options.overwrite);
  std::ifstream script;
  std::unique_ptr<TCommandInput> input;
  try {
    input = OpenInput(options, script, [&] { return rootName + ":" + session.CurrentFolder() + "> "; });
  } catch (const std::exception& error) {
    std::cerr << "bindershelf: " << error.what() << "\n";
    return kExitNotStarted;
  }
  if (interactive) std::cout << "Type help for the commands, quit to leave.\n";
  int status = RunCommands(session, *input, interactive);
  if (interactive) std::cout << "\n";
  return status;
}

}  // namespace bindershelf::host
