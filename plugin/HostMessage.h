#pragma once

#include <string>

namespace bindershelf {

// Shows text in a message box of the host, titled "Bindershelf", with an OK button.
// Does nothing before FsInit has handed over the request callback.
void ShowHostMessage(const std::string& text);

}  // namespace bindershelf
