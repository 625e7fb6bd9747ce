// Where command lines come from: the terminal with line editing and history, a -c text,
// or a script file or standard input.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace bindershelf::host {

class TCommandInput {
 public:
  virtual ~TCommandInput() = default;
  // The next command line; nothing at the end.
  virtual std::optional<std::string> NextLine() = 0;
};

// Line editing and history at the terminal; history is kept in ~/.bindershelf_history.
class TTerminalInput : public TCommandInput {
 public:
  explicit TTerminalInput(std::function<std::string()> prompt);
  ~TTerminalInput() override;
  std::optional<std::string> NextLine() override;

 private:
  std::function<std::string()> Prompt;
  std::string HistoryFile;
};

// One command a line; lines that begin with "#" are comments.
class TStreamInput : public TCommandInput {
 public:
  explicit TStreamInput(std::istream& in) : In(in) {}
  std::optional<std::string> NextLine() override;

 private:
  std::istream& In;
};

// The commands of a -c text, separated by ";".
class TCommandListInput : public TCommandInput {
 public:
  explicit TCommandListInput(const std::string& text);
  std::optional<std::string> NextLine() override;

 private:
  std::vector<std::string> Commands;
  size_t Next = 0;
};

}  // namespace bindershelf::host
