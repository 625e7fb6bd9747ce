// The progress bar of a copy: files done of all and the name of the current one, moved on
// by the module's progress reports.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

namespace bindershelf::host {

class TProgressDisplay {
 public:
  // redraw: one line drawn over and over, for a terminal; otherwise a line per report.
  TProgressDisplay(std::ostream& out, bool redraw) : Out(out), Redraw(redraw) {}

  void Begin(size_t fileCount);
  // A report of the module's progress callback.
  void Report(const std::string& sourceName, int percent);
  // The host has finished with one file, whatever came of it.
  void FileDone();
  void End();

  // Before anything that writes its own lines while the bar is on screen.
  void Interrupt();

 private:
  void Draw();

  std::ostream& Out;
  bool Redraw;
  bool Active = false;
  bool BarOnScreen = false;
  size_t Total = 0;
  size_t Done = 0;
  int Percent = 0;
  std::string Current;
};

// The bar itself: "[#####-----]  1/2  50%  beach.jpg".
std::string ProgressLine(size_t done, size_t total, int percent, const std::string& name);

}  // namespace bindershelf::host
