// Small text operations that the file-system operations share.
#pragma once

#include <string>

namespace bindershelf {

// A value as a string literal of a catalog statement: between double quotes, with every
// double quote inside doubled, so no value can end the literal early or change the
// statement.
std::string Quoted(const std::string& value);

// The text before and after the last occurrence of separator. Without one, `before` is
// empty and `after` is the whole text.
struct TSplit {
  std::string before;
  std::string after;
};
TSplit SplitAtLast(const std::string& text, char separator);

// The first `count` characters (Unicode code points) of UTF-8 text; bytes that are not
// valid UTF-8 count one each.
std::string FirstCharacters(const std::string& text, size_t count);

// The first `count` characters, fewer when they take more than `bytes` bytes: as many
// whole characters as fit.
std::string FirstCharactersWithin(const std::string& text, size_t count, size_t bytes);

}  // namespace bindershelf
