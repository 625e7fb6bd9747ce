#include "plugin/HostMessage.h"

#include <vector>

#include "plugin/Common.h"

namespace bindershelf {

void ShowHostMessage(const std::string& text) {
  if (!RequestProc) return;
  // The callback takes writable strings; hand it copies.
  char title[] = "Bindershelf";
  std::vector<char> body(text.begin(), text.end());
  body.push_back('\0');
  RequestProc(PluginNumber, RT_MsgOK, title, body.data(), nullptr, 0);
}

}  // namespace bindershelf
