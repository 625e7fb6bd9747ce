// cd, pwd and mkdir: moving about the catalog and making folders in it.
#include <ostream>

#include "host/CatalogPath.h"
#include "host/CatalogTree.h"
#include "host/Commands.h"
#include "host/HostError.h"

namespace bindershelf::host {

void RunChangeFolder(TSession& session, const TArguments& args) {
  if (args.size() > 1) throw TUsageError("cd [PATH]");
  std::string path = session.Resolve(args.empty() ? "\\" : args[0]);
  TCatalogEntry item = NeedItem(session.Module, path);
  if (!item.IsFolder()) throw THostError("not a folder: " + path);
  session.ChangeFolder(path);
}

void RunPrintFolder(TSession& session, const TArguments& args) {
  if (!args.empty()) throw TUsageError("pwd");
  session.Console.out << session.CurrentFolder() << "\n";
}

void RunMakeFolder(TSession& session, const TArguments& args) {
  if (args.empty()) throw TUsageError("mkdir PATH...");
  for (const std::string& typed : args) {
    std::string path = session.Resolve(typed);
    if (path == "\\") throw THostError("the root is there already");
    TOperationScope making(session.Module, FolderWithSeparator(ParentOfCatalogPath(path)), FS_STATUS_OP_MKDIR);
    if (!session.Module.MakeFolder(path)) throw THostError("the module could not make " + path);
  }
}

}  // namespace bindershelf::host
