#include "platform/os/CommandLine.h"

namespace bindershelf::os {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false;  // something (if only a quote) has begun an argument
  bool quoted = false;
  const size_t size = commandLine.size();
  for (size_t i = 0; i < size;) {
    const char c = commandLine[i];
    if (IsBlank(c) && !quoted) {
      if (inArgument) arguments.push_back(std::move(current));
      current.clear();
      inArgument = false;
      ++i;
      continue;
    }
    inArgument = true;
    if (c == '\\') {
      size_t backslashes = 0;
      while (i < size && commandLine[i] == '\\') ++backslashes, ++i;
      if (i < size && commandLine[i] == '"') {
        current.append(backslashes / 2, '\\');
        if (backslashes % 2 == 1) {
          current += '"';
          ++i;
        }
        // An even run leaves the quote for the next round, which toggles quoting.
      } else {
        current.append(backslashes, '\\');
      }
      continue;
    }
    if (c == '"')
      quoted = !quoted;
    else
      current += c;
    ++i;
  }
  if (inArgument) arguments.push_back(std::move(current));
  return arguments;
}

std::string QuoteArgument(const std::string& text) {
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : text) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') {
      // n backslashes and a literal quote are written as 2n+1 backslashes and the quote.
      quoted.append(2 * backslashes + 1, '\\');
    } else {
      quoted.append(backslashes, '\\');
    }
    backslashes = 0;
    quoted += c;
  }
  // Backslashes before the closing quote are doubled, so the quote still closes.
  quoted.append(2 * backslashes, '\\');
  return quoted + '"';
}

}  // namespace bindershelf::os
