#include "host/IconMarks.h"

#include <exception>
#include <thread>

namespace bindershelf::host {

namespace {

// The module's icon handle points to a record that begins with the resource's name.
struct TIconRecordHead {
  const char* resourceName;
};

TIconAnswer AskQuietly(const TCatalogModule& module, const std::string& remoteName, int32_t flags) {
  try {
    return module.ExtractIcon(remoteName, flags);
  } catch (const std::exception&) {
    return {};  // a name the host cannot pass keeps the usual icon
  }
}

}  // namespace

std::string MarkOfIcon(const TIconAnswer& answer) {
  if (answer.result != FS_ICON_EXTRACTED && answer.result != FS_ICON_EXTRACTED_DESTROY) return "";
  if (!answer.icon) return "*icon";
  const char* resource = static_cast<const TIconRecordHead*>(answer.icon)->resourceName;
  std::string name = resource ? resource : "";
  if (name == "DELICON") return "!missing";
  if (name == "SMALLICON") return "-virtual";
  return "*" + name;
}

std::vector<std::string> LookUpIconMarks(const TCatalogModule& module, const std::vector<std::string>& remoteNames) {
  std::vector<std::string> marks(remoteNames.size());
  if (!module.GivesIcons()) return marks;
  std::vector<size_t> delayed;
  for (size_t i = 0; i < remoteNames.size(); ++i) {
    TIconAnswer answer = AskQuietly(module, remoteNames[i], FS_ICONFLAG_SMALL);
    if (answer.result == FS_ICON_DELAYED) delayed.push_back(i);
    else marks[i] = MarkOfIcon(answer);
  }
  if (delayed.empty()) return marks;
  std::thread background([&] {
    for (size_t i : delayed)
      marks[i] = MarkOfIcon(AskQuietly(module, remoteNames[i], FS_ICONFLAG_BACKGROUND | FS_ICONFLAG_SMALL));
  });
  background.join();
  return marks;
}

}  // namespace bindershelf::host
