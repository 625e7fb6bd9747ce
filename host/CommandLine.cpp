#include "host/CommandLine.h"

#include "host/HostError.h"

namespace bindershelf::host {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsQuote(char c) { return c == '"' || c == '\''; }

}  // namespace

std::vector<std::string> TokeniseCommand(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  char openQuote = 0;
  for (char c : line) {
    if (openQuote) {
      if (c == openQuote) openQuote = 0;
      else word += c;
    } else if (IsQuote(c)) {
      openQuote = c;
      inWord = true;
    } else if (IsBlank(c)) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (openQuote) throw THostError(std::string("the quote ") + openQuote + " is never closed");
  if (inWord) words.push_back(word);
  return words;
}

std::vector<std::string> SplitCommandList(const std::string& text) {
  std::vector<std::string> commands;
  std::string command;
  char openQuote = 0;
  auto keep = [&] {
    std::string trimmed = TrimBlanks(command);
    if (!trimmed.empty()) commands.push_back(trimmed);
    command.clear();
  };
  for (char c : text) {
    if (openQuote) {
      if (c == openQuote) openQuote = 0;
    } else if (IsQuote(c)) {
      openQuote = c;
    } else if (c == ';') {
      keep();
      continue;
    }
    command += c;
  }
  keep();
  return commands;
}

std::string FirstWord(const std::string& line) {
  std::string trimmed = TrimBlanks(line);
  size_t end = 0;
  while (end < trimmed.size() && !IsBlank(trimmed[end])) ++end;
  return trimmed.substr(0, end);
}

std::string TrimBlanks(const std::string& line) {
  size_t begin = 0, end = line.size();
  while (begin < end && IsBlank(line[begin])) ++begin;
  while (end > begin && IsBlank(line[end - 1])) --end;
  return line.substr(begin, end - begin);
}

}  // namespace bindershelf::host
