#include "host/EntryFormat.h"

#include <ctime>

#include "host/TerminalText.h"

namespace bindershelf::host {

namespace {

constexpr int64_t kTicksPerSecond = 10'000'000;
// Seconds from 1 January 1601, where file times count from, to 1 January 1970.
constexpr int64_t kSecondsBefore1970 = 11'644'473'600;
constexpr size_t kTimeWidth = 19;
constexpr size_t kSizeWidth = 14;

std::string RightAligned(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

}  // namespace

std::string FormatWriteTime(const TCatalogEntry& entry) {
  if (!entry.HasWriteTime()) return std::string(kTimeWidth, ' ');
  uint64_t ticks = (static_cast<uint64_t>(entry.lastWrite.dwHighDateTime) << 32) | entry.lastWrite.dwLowDateTime;
  std::time_t seconds = static_cast<std::time_t>(static_cast<int64_t>(ticks / kTicksPerSecond) - kSecondsBefore1970);
  std::tm local{};
  char text[32] = {};
  if (!localtime_r(&seconds, &local) || std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local) == 0)
    return RightAligned("?", kTimeWidth);
  return text;
}

std::string FormatAttributes(DWORD attributes) {
  struct TLetter {
    DWORD bit;
    char letter;
  };
  static constexpr TLetter letters[] = {{FILE_ATTRIBUTE_DIRECTORY, 'd'}, {FILE_ATTRIBUTE_READONLY, 'r'},
                                        {FILE_ATTRIBUTE_HIDDEN, 'h'},    {FILE_ATTRIBUTE_SYSTEM, 's'},
                                        {FILE_ATTRIBUTE_ARCHIVE, 'a'}};
  std::string text;
  for (const TLetter& l : letters) text += (attributes & l.bit) ? l.letter : '-';
  return text;
}

std::string FormatSize(const TCatalogEntry& entry) {
  return entry.IsFolder() ? "<DIR>" : std::to_string(entry.size);
}

std::string FormatEntryLine(const TCatalogEntry& entry, size_t nameWidth, const std::string& mark) {
  std::string line = PadToColumns(entry.name, nameWidth) + "  " + RightAligned(FormatSize(entry), kSizeWidth) + "  " +
                     FormatWriteTime(entry) + "  " + FormatAttributes(entry.attributes);
  if (!mark.empty()) line += "  " + mark;
  return line;
}

}  // namespace bindershelf::host
