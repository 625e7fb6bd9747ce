#include "plugin/TextPieces.h"

namespace bindershelf {

std::string Quoted(const std::string& value) {
  std::string literal = "\"";
  for (char c : value) {
    if (c == '"') literal += '"';
    literal += c;
  }
  return literal + '"';
}

TSplit SplitAtLast(const std::string& text, char separator) {
  auto at = text.rfind(separator);
  if (at == std::string::npos) return {"", text};
  return {text.substr(0, at), text.substr(at + 1)};
}

namespace {

// The length of the UTF-8 sequence starting at text[i], or 1 for a byte that starts none.
size_t SequenceLength(const std::string& text, size_t i) {
  auto lead = static_cast<unsigned char>(text[i]);
  size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
  if (i + length > text.size()) return 1;
  for (size_t k = 1; k < length; ++k)
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
  return length;
}

}  // namespace

std::string FirstCharacters(const std::string& text, size_t count) {
  return FirstCharactersWithin(text, count, text.size());
}

std::string FirstCharactersWithin(const std::string& text, size_t count, size_t bytes) {
  size_t end = 0;
  for (size_t n = 0; n < count && end < text.size(); ++n) {
    size_t next = end + SequenceLength(text, end);
    if (next > bytes) break;
    end = next;
  }
  return text.substr(0, end);
}

}  // namespace bindershelf
