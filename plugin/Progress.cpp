#include "plugin/Progress.h"

#include <vector>

#include "plugin/Common.h"

namespace bindershelf {

namespace {
std::vector<char> Writable(const std::string& text) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  return buffer;
}
}  // namespace

void ReportProgress(const std::string& source, const std::string& target, int percent) {
  if (!ProgressProc) return;
  auto sourceText = Writable(source);
  auto targetText = Writable(target);
  ProgressProc(PluginNumber, sourceText.data(), targetText.data(), percent);
}

}  // namespace bindershelf
