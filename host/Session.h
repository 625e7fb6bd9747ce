// One run of the host over a started module: the current catalog folder and the running
// of each command line, whose errors are told and end that command only.
#pragma once

#include <string>
#include <vector>

#include "host/CatalogModule.h"
#include "host/Console.h"
#include "host/OverwriteQuestion.h"
#include "host/ProgressDisplay.h"

namespace bindershelf::host {

class TSession {
 public:
  TSession(const TCatalogModule& module, TConsole& console, TProgressDisplay& progress, TOverwritePolicy policy)
      : Module(module), Console(console), Progress(progress), Policy(policy) {}

  // Runs one line: a host command, or else the module's command line. False when it failed.
  bool RunLine(const std::string& line);
  bool QuitRequested() const { return Quit; }

  // What the commands work with.
  const TCatalogModule& Module;
  TConsole& Console;
  TProgressDisplay& Progress;

  std::string Resolve(const std::string& typed) const;
  const std::string& CurrentFolder() const { return Folder; }
  void ChangeFolder(const std::string& absolutePath) { Folder = absolutePath; }
  TOverwriteQuestion NewOverwriteQuestion() { return TOverwriteQuestion(Console, Progress, Policy); }
  void RequestQuit() { Quit = true; }

 private:
  TOverwritePolicy Policy;
  std::string Folder = "\\";
  bool Quit = false;
};

}  // namespace bindershelf::host
