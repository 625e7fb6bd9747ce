// The line rules of the text files the module reads and writes (description files, lists).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bindershelf::os {

// Splits text into lines: a line ends at LF or CR LF; a CR not followed by LF is dropped;
// a Ctrl-Z (byte 26) ends the text; a last line without a line end counts; empty text
// has no lines. Lines have no length limit.
std::vector<std::string> SplitTextLines(std::string_view text);

// Joins lines, each followed by CR LF.
std::string JoinTextLines(const std::vector<std::string>& lines);

}  // namespace bindershelf::os
