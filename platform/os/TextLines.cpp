#include "platform/os/TextLines.h"

#include <algorithm>
#include <iterator>

namespace bindershelf::os {
namespace {

std::string WithoutCarriageReturns(std::string_view segment) {
  std::string line;
  line.reserve(segment.size());
  std::copy_if(segment.begin(), segment.end(), std::back_inserter(line),
               [](char c) { return c != '\r'; });
  return line;
}

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view text) {
  constexpr char EndOfText = 26;
  text = text.substr(0, text.find(EndOfText));

  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find('\n', start);
    lines.push_back(WithoutCarriageReturns(text.substr(start, end - start)));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

std::string JoinTextLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace bindershelf::os
