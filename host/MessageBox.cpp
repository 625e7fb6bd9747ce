#include "host/MessageBox.h"

#include <algorithm>
#include <ostream>
#include <sstream>
#include <vector>

#include "host/TerminalText.h"

namespace bindershelf::host {

namespace {

constexpr size_t kTextWidth = 72;

size_t Columns(const std::string& text) { return TerminalColumns(text); }

// The longest start of text that fits in width columns, cut at a code point boundary.
size_t FittingBytes(const std::string& text, size_t width) {
  size_t columns = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    bool startsCodePoint = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (startsCodePoint && columns++ == width) return i;
  }
  return text.size();
}

void WrapLine(const std::string& line, std::vector<std::string>& out) {
  std::istringstream words(line);
  std::string word, current;
  while (words >> word) {
    while (Columns(word) > kTextWidth) {
      if (!current.empty()) out.push_back(current), current.clear();
      size_t cut = FittingBytes(word, kTextWidth);
      out.push_back(word.substr(0, cut));
      word.erase(0, cut);
    }
    if (current.empty()) current = word;
    else if (Columns(current) + 1 + Columns(word) <= kTextWidth) current += " " + word;
    else out.push_back(current), current = word;
  }
  out.push_back(current);
}

std::vector<std::string> WrapText(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream paragraphs(text);
  std::string paragraph;
  while (std::getline(paragraphs, paragraph)) {
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
    WrapLine(paragraph, lines);
  }
  if (lines.empty()) lines.emplace_back();
  return lines;
}

}  // namespace

std::string FrameMessage(const std::string& title, const std::string& text) {
  std::vector<std::string> lines = WrapText(text);
  size_t inner = Columns(title) + 2;
  for (const std::string& line : lines) inner = std::max(inner, Columns(line));
  std::string frame = "+- " + title + " " + std::string(inner - Columns(title) - 1, '-') + "+\n";
  for (const std::string& line : lines) frame += "| " + line + std::string(inner - Columns(line), ' ') + " |\n";
  frame += "+" + std::string(inner + 2, '-') + "+\n";
  return frame;
}

void TMessageBoxes::Show(const std::string& title, const std::string& text) {
  std::lock_guard guard(Showing);
  std::string frame = FrameMessage(title, text);
  if (!Console.interactive) {
    Console.err << frame << std::flush;
    return;
  }
  Console.out << frame;
  Console.Ask("Press Enter to go on. ");
}

}  // namespace bindershelf::host
