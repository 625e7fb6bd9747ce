#include "host/TerminalText.h"

#include <algorithm>

namespace bindershelf::host {

size_t TerminalColumns(const std::string& text) {
  return std::count_if(text.begin(), text.end(),
                       [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

std::string PadToColumns(const std::string& text, size_t width) {
  size_t columns = TerminalColumns(text);
  return columns >= width ? text : text + std::string(width - columns, ' ');
}

}  // namespace bindershelf::host
