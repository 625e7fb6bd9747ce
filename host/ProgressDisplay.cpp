#include "host/ProgressDisplay.h"

#include <algorithm>
#include <ostream>

namespace bindershelf::host {

namespace {

constexpr size_t kBarWidth = 24;

// The last segment of a local or a catalog name.
std::string ShortName(const std::string& name) {
  size_t last = name.find_last_of("\\/");
  return last == std::string::npos ? name : name.substr(last + 1);
}

}  // namespace

std::string ProgressLine(size_t done, size_t total, int percent, const std::string& name) {
  percent = std::clamp(percent, 0, 100);
  // A file at 100% counts as done before the host has moved on from it.
  size_t shownDone = std::min(total, done + (percent == 100 ? 1 : 0));
  double share = total == 0 ? 1.0 : (static_cast<double>(done) + percent / 100.0) / static_cast<double>(total);
  size_t filled = std::min(kBarWidth, static_cast<size_t>(share * kBarWidth));
  return "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '-') + "] " + std::to_string(shownDone) +
         "/" + std::to_string(total) + " " + std::to_string(percent) + "% " + name;
}

void TProgressDisplay::Begin(size_t fileCount) {
  Active = true;
  Total = fileCount;
  Done = 0;
  Percent = 0;
  Current.clear();
}

void TProgressDisplay::Report(const std::string& sourceName, int percent) {
  if (!Active) Begin(1);
  Current = ShortName(sourceName);
  Percent = percent;
  Draw();
}

void TProgressDisplay::FileDone() {
  if (Done < Total) ++Done;
  Percent = 0;
}

void TProgressDisplay::End() {
  Interrupt();
  Active = false;
}

void TProgressDisplay::Interrupt() {
  if (BarOnScreen) Out << "\n" << std::flush;
  BarOnScreen = false;
}

void TProgressDisplay::Draw() {
  std::string line = ProgressLine(Done, Total, Percent, Current);
  if (Redraw) {
    Out << "\r" << line << "\x1b[K" << std::flush;
    BarOnScreen = true;
  } else {
    Out << line << "\n";
  }
}

}  // namespace bindershelf::host
