// ls: a folder's entries as a panel shows them, with the module's icon marks.
#include <algorithm>
#include <ostream>

#include "host/CatalogPath.h"
#include "host/CatalogTree.h"
#include "host/Commands.h"
#include "host/EntryFormat.h"
#include "host/HostError.h"
#include "host/IconMarks.h"
#include "host/TerminalText.h"

namespace bindershelf::host {

void RunList(TSession& session, const TArguments& args) {
  if (args.size() > 1) throw TUsageError("ls [PATH]");
  std::string path = session.Resolve(args.empty() ? "" : args[0]);
  TCatalogEntry item = NeedItem(session.Module, path);
  // A file lists as its own single entry.
  std::string folder = item.IsFolder() ? path : ParentOfCatalogPath(path);
  std::vector<TCatalogEntry> entries;
  {
    TOperationScope listing(session.Module, FolderWithSeparator(folder), FS_STATUS_OP_LIST);
    entries = item.IsFolder() ? session.Module.List(path) : std::vector<TCatalogEntry>{item};
  }
  SortForDisplay(entries);
  std::vector<std::string> remoteNames;
  size_t nameWidth = 0;
  for (const TCatalogEntry& entry : entries) {
    remoteNames.push_back(JoinCatalogPath(folder, entry.name));
    nameWidth = std::max(nameWidth, TerminalColumns(entry.name));
  }
  std::vector<std::string> marks = LookUpIconMarks(session.Module, remoteNames);
  for (size_t i = 0; i < entries.size(); ++i)
    session.Console.out << FormatEntryLine(entries[i], nameWidth, marks[i]) << "\n";
}

}  // namespace bindershelf::host
