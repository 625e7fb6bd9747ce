// The module's message boxes (request type RT_MsgOK), drawn as a framed, titled block of text.
#pragma once

#include <mutex>
#include <string>

#include "host/Console.h"

namespace bindershelf::host {

// The box: a top line with the title, the text wrapped to fit, a bottom line.
std::string FrameMessage(const std::string& title, const std::string& text);

class TMessageBoxes {
 public:
  explicit TMessageBoxes(TConsole& console) : Console(console) {}

  // At the terminal the box waits for Enter; for scripts it goes to standard error.
  void Show(const std::string& title, const std::string& text);

 private:
  TConsole& Console;
  std::mutex Showing;
};

}  // namespace bindershelf::host
