#include "host/CommandInput.h"

// libedit's readline interface: line editing and history under a BSD licence.
#include <editline/readline.h>

#include <cstdlib>
#include <istream>

#include "host/CommandLine.h"

namespace bindershelf::host {

TTerminalInput::TTerminalInput(std::function<std::string()> prompt) : Prompt(std::move(prompt)) {
  using_history();
  if (const char* home = std::getenv("HOME"); home && *home) {
    HistoryFile = std::string(home) + "/.bindershelf_history";
    read_history(HistoryFile.c_str());
  }
}

TTerminalInput::~TTerminalInput() {
  if (!HistoryFile.empty()) write_history(HistoryFile.c_str());
}

std::optional<std::string> TTerminalInput::NextLine() {
  std::string prompt = Prompt();
  char* typed = readline(prompt.c_str());
  if (!typed) return std::nullopt;
  std::string line = typed;
  std::free(typed);
  if (!TrimBlanks(line).empty()) add_history(line.c_str());
  return line;
}

std::optional<std::string> TStreamInput::NextLine() {
  std::string line;
  while (std::getline(In, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (TrimBlanks(line).starts_with('#')) continue;
    return line;
  }
  return std::nullopt;
}

TCommandListInput::TCommandListInput(const std::string& text) : Commands(SplitCommandList(text)) {}

std::optional<std::string> TCommandListInput::NextLine() {
  if (Next >= Commands.size()) return std::nullopt;
  return Commands[Next++];
}

}  // namespace bindershelf::host
