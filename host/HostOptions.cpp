#include "host/HostOptions.h"

#include <CLI/CLI.hpp>

#include "host/ModuleLibrary.h"

namespace bindershelf::host {

THostOptions ParseHostOptions(int argc, char** argv) {
  THostOptions options;
  CLI::App app{
      "Loads the Bindershelf catalog module and drives it as a two-panel file manager drives a\n"
      "file-system plugin. Commands come from the terminal, from -c, from SCRIPT or from\n"
      "standard input; type help for the list.",
      "bindershelf"};
  std::string modulePath;
  app.add_option("--plugin", modulePath, "the module to load (default: bindershelf.so beside this program)");
  auto* commands = app.add_option("-c,--commands", options.commands, "run these commands, separated by \";\", and exit");
  std::string overwrite;
  auto* overwriteOption = app.add_option("--overwrite", overwrite, "answer to \"overwrite?\" when a copy's target exists")
                              ->check(CLI::IsMember({"yes", "no"}));
  bool yes = false;
  app.add_flag("-y,--yes", yes, "the same as --overwrite=yes")->excludes(overwriteOption);
  app.add_option("SCRIPT", options.scriptFile, "a file of commands, one a line")
      ->check(CLI::ExistingFile)
      ->excludes(commands);
  app.footer(
      "Without -c or SCRIPT, commands are read from the terminal, or from standard input when that\n"
      "is not a terminal. Except at the terminal, no questions are asked and the first failed\n"
      "command ends the run.\n"
      "Exit status: 0 all went well, 1 a command failed, 2 wrong options, or the module could not\n"
      "be loaded or started.");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    // --help ends well; any mistake in the options counts as a failed start.
    throw TOptionsExit{app.exit(error) == 0 ? 0 : 2};
  }
  options.modulePath = modulePath.empty() ? DefaultModulePath() : std::filesystem::path(modulePath);
  if (yes) options.overwrite = TOverwritePolicy::Always;
  else if (!overwrite.empty()) options.overwrite = ParseOverwritePolicy(overwrite);
  return options;
}

}  // namespace bindershelf::host
