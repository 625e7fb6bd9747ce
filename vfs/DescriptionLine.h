// One line of a description file: the name field that says which entry it describes,
// then one separator, then the entry's pairs of a category and a value. Pure text work;
// the catalog and the files are the business of Description.cpp.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bindershelf::vfs {

struct TDescriptionPair {
  std::string Category;
  std::string Value;

  bool operator==(const TDescriptionPair&) const = default;
};

// The category a plain (untagged) description is read into.
constexpr const char* kPlainCategory = "dsc";

// The name as it stands at the start of its line: enclosed in double quotes when it
// holds a blank, unchanged otherwise.
std::string NameField(const std::string& name);

// Whether the line describes the entry whose name field is given: it begins with the name
// field, exactly and case-sensitively, and a blank, a tab or the end of the line follows.
// So the line of "a.txt.bak" never passes for the line of "a.txt".
bool LineBelongsTo(std::string_view line, std::string_view nameField);

// The text after the name field and its one separator character; empty when nothing
// follows the name field. The line must belong to the entry of nameField.
std::string_view DescriptionOf(std::string_view line, std::string_view nameField);

// The pairs of a description, as it stands in the file after the name field and its
// separator.
//
// Grammar (taken left to right; "rest" starts as the whole description):
//   multi-line  ::= text 0x04 0xC2         text is decoded first: "\n" -> LF, "\\" -> "\";
//                                          any other backslash stays as it is
//   description ::= pair* | plain
//   pair        ::= "<?" category "?>" value
//   category    ::= up to the first "?>" of the rest; empty when that "?>" overlaps the
//                   leading "<?" (a rest beginning "<?>")
//   value       ::= up to the next "<?" or the end, so it may hold "?>" but never "<?"
//   plain       ::= a rest that does not begin with "<?", or has no "?>" after it; the
//                   whole rest is one value of the category "dsc"
// Nothing is trimmed. A pair whose category and value are both empty is left out; pairs
// come in the order of the line, a repeated category included (the catalog refuses it).
//
// Cost: linear in the length of the text. Each search starts where the last one ended,
// and everything it passed over is consumed, so no character is looked at more than a
// fixed number of times.
std::vector<TDescriptionPair> ParseDescription(std::string_view description);

// The line that describes the entry `name` with these pairs, without a line end: the name
// field, one blank and every pair in tagged form ("<?", category, "?>", value), "dsc"
// included. When the pairs hold a line break (CR or LF), or the tagged text happens to
// end with 0x04 0xC2, the line takes the multi-line form that ParseDescription reads: each CR LF pair, lone CR or LF becomes "\n", each
// backslash "\\", and 0x04 0xC2 ends the line. A line break therefore comes back from a
// round trip as a single LF. The name field itself is never encoded: it must match as it
// stands.
std::string FormatDescriptionLine(const std::string& name, const std::vector<TDescriptionPair>& pairs);

}  // namespace bindershelf::vfs
