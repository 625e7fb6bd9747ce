// Splitting what people type into commands and words. Double or single quotes group a
// word with blanks in it; "\" is a path separator here, never an escape.
#pragma once

#include <string>
#include <vector>

namespace bindershelf::host {

// The words of one command. Quoted runs join the text next to them (a"b c" is one word
// ab c); "" is an empty word. Raises THostError for a quote that is never closed.
std::vector<std::string> TokeniseCommand(const std::string& line);

// The commands of a -c text, split at each ";" outside quotes, blank ones dropped.
std::vector<std::string> SplitCommandList(const std::string& text);

// The line's first run of non-blank characters: the command's name, quotes and all.
std::string FirstWord(const std::string& line);

// The line without blanks at either end.
std::string TrimBlanks(const std::string& line);

}  // namespace bindershelf::host
