#include "vfs/DescriptionLine.h"

namespace bindershelf::vfs {
namespace {

constexpr std::string_view kMultiLineMark = "\x04\xC2";
constexpr std::string_view kTagOpen = "<?";
constexpr std::string_view kTagClose = "?>";

bool EndsWithMultiLineMark(std::string_view text) { return text.ends_with(kMultiLineMark); }

std::string DecodeMultiLine(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (text[i] == '\\' && (next == 'n' || next == '\\')) {
      decoded += next == 'n' ? '\n' : '\\';
      ++i;
    } else {
      decoded += text[i];
    }
  }
  return decoded;
}

std::string EncodeMultiLine(std::string_view text) {
  std::string encoded;
  encoded.reserve(text.size() + text.size() / 8 + kMultiLineMark.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // the LF writes it
    if (c == '\r' || c == '\n')
      encoded += "\\n";
    else if (c == '\\')
      encoded += "\\\\";
    else
      encoded += c;
  }
  return encoded += kMultiLineMark;
}

bool NeedsMultiLine(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos || EndsWithMultiLineMark(text);
}

// Takes the next pair off the front of rest, which is not empty.
TDescriptionPair TakePair(std::string_view& rest) {
  const size_t close = rest.starts_with(kTagOpen) ? rest.find(kTagClose) : std::string_view::npos;
  if (close == std::string_view::npos) {
    TDescriptionPair plain{kPlainCategory, std::string(rest)};
    rest = {};
    return plain;
  }
  // close is 1 when the "?>" shares its "?" with the leading "<?": no category then.
  const std::string_view category = close == 1 ? std::string_view{} : rest.substr(2, close - 2);
  rest.remove_prefix(close + kTagClose.size());
  const std::string_view value = rest.substr(0, rest.find(kTagOpen));
  rest.remove_prefix(value.size());
  return {std::string(category), std::string(value)};
}

std::vector<TDescriptionPair> ParsePairs(std::string_view rest) {
  std::vector<TDescriptionPair> pairs;
  while (!rest.empty()) {
    TDescriptionPair pair = TakePair(rest);
    if (!pair.Category.empty() || !pair.Value.empty()) pairs.push_back(std::move(pair));
  }
  return pairs;
}

}  // namespace

std::string NameField(const std::string& name) {
  return name.find(' ') == std::string::npos ? name : '"' + name + '"';
}

bool LineBelongsTo(std::string_view line, std::string_view nameField) {
  if (!line.starts_with(nameField)) return false;
  if (line.size() == nameField.size()) return true;
  const char separator = line[nameField.size()];
  return separator == ' ' || separator == '\t';
}

std::string_view DescriptionOf(std::string_view line, std::string_view nameField) {
  const size_t start = nameField.size() + 1;
  return start < line.size() ? line.substr(start) : std::string_view{};
}

std::vector<TDescriptionPair> ParseDescription(std::string_view description) {
  if (!EndsWithMultiLineMark(description)) return ParsePairs(description);
  description.remove_suffix(kMultiLineMark.size());
  // Decoding touches only backslashes and "n", so it moves no "<?" or "?>".
  return ParsePairs(DecodeMultiLine(description));
}

std::string FormatDescriptionLine(const std::string& name, const std::vector<TDescriptionPair>& pairs) {
  std::string tagged;
  for (const auto& pair : pairs) {
    tagged += kTagOpen;
    tagged += pair.Category;
    tagged += kTagClose;
    tagged += pair.Value;
  }
  return NameField(name) + ' ' + (NeedsMultiLine(tagged) ? EncodeMultiLine(tagged) : tagged);
}

}  // namespace bindershelf::vfs
