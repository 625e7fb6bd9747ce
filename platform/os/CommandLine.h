// A command line as one text, split into a program and its arguments by the rules that
// Windows programs split theirs by, and the quoting that makes any text come back out of
// that split as one argument unchanged.
//
// Grammar of SplitCommandLine, read left to right in one pass:
//   blank      a space or a tab; outside quotes it ends the current argument, and runs
//              of blanks count as one. Blanks at the start and the end make no argument.
//   "          toggles quoting; inside quotes blanks belong to the argument. A quote
//              always makes an argument, so "" alone is the empty argument.
//   \...\"     2n backslashes before a quote: n backslashes, and the quote toggles
//              quoting; 2n+1 backslashes before a quote: n backslashes and a literal ".
//   \          not followed by backslashes and a quote: itself.
//   other      itself.
// An unclosed quote runs to the end of the text. The first argument is the program.
// Cost: O(n) time and space for a text of n bytes; bytes are taken as they are, so
// UTF-8 passes through whole.
#pragma once

#include <string>
#include <vector>

namespace bindershelf::os {

std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The text between double quotes, with every quote and the backslashes before it (or
// before the closing quote) escaped, so that SplitCommandLine gives back exactly `text`
// as one argument. O(n).
std::string QuoteArgument(const std::string& text);

}  // namespace bindershelf::os
