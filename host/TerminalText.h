// Text as it lines up on a terminal: UTF-8, one column per code point.
#pragma once

#include <string>

namespace bindershelf::host {

size_t TerminalColumns(const std::string& text);

// text followed by blanks up to width columns.
std::string PadToColumns(const std::string& text, size_t width);

}  // namespace bindershelf::host
