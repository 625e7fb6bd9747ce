// open and the file manager's command line: both reach the module through FsExecuteFile,
// which may answer with a folder to go to.
#include <ostream>

#include "host/CatalogPath.h"
#include "host/Commands.h"
#include "host/HostError.h"

namespace bindershelf::host {

namespace {

// The module may hand back a folder in the buffer and ask the host to go there.
void FollowExecuteResult(TSession& session, int32_t result, const std::string& buffer, const std::string& what) {
  switch (result) {
    case FS_EXEC_OK: return;
    case FS_EXEC_SYMLINK:
      session.ChangeFolder(ResolveCatalogPath("\\", buffer));
      session.Console.out << session.CurrentFolder() << "\n";
      return;
    case FS_EXEC_YOURSELF: throw THostError("the module leaves " + what + " to the host, which cannot do it here");
    case FS_EXEC_ERROR: throw THostError("the module reported an error for " + what);
    default: throw THostError("the module gave the unknown result " + std::to_string(result) + " for " + what);
  }
}

}  // namespace

void RunOpen(TSession& session, const TArguments& args) {
  if (args.size() != 1) throw TUsageError("open PATH");
  session.Module.Require({"FsExecuteFile"});
  std::string buffer = session.Resolve(args[0]);
  std::string what = "opening " + buffer;
  TOperationScope executing(session.Module, FolderWithSeparator(ParentOfCatalogPath(buffer)), FS_STATUS_OP_EXEC);
  int32_t result = session.Module.Execute(buffer, "open");
  FollowExecuteResult(session, result, buffer, what);
}

void RunModuleCommandLine(TSession& session, const std::string& line) {
  session.Module.Require({"FsExecuteFile"});
  std::string folder = FolderWithSeparator(session.CurrentFolder());
  std::string buffer = folder;
  TOperationScope executing(session.Module, folder, FS_STATUS_OP_EXEC);
  int32_t result = session.Module.Execute(buffer, "quote " + line);
  FollowExecuteResult(session, result, buffer, "the command \"" + line + "\"");
}

}  // namespace bindershelf::host
