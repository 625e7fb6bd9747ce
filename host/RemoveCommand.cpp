// rm: the module deletes one catalog row per call, so the host takes a folder apart from
// the bottom: its files with FsDeleteFile, its folders with FsRemoveDir, then itself.
#include <ostream>

#include "host/CatalogPath.h"
#include "host/CatalogTree.h"
#include "host/Commands.h"
#include "host/FileResults.h"
#include "host/HostError.h"

namespace bindershelf::host {

namespace {

void DeleteOne(const TCatalogModule& module, const TCatalogNode& file, TFileFailures& failures) {
  if (!module.DeleteFile(file.path)) failures.Add(file.path, "the module could not delete it");
}

void RemoveTree(const TCatalogModule& module, const TCatalogNode& folder, TFileFailures& failures) {
  for (const TCatalogNode& file : folder.files) DeleteOne(module, file, failures);
  for (const TCatalogNode& sub : folder.folders) RemoveTree(module, sub, failures);
  if (!module.RemoveFolder(folder.path)) failures.Add(folder.path, "the module could not remove it");
}

size_t ItemCount(const TCatalogNode& node) {
  size_t count = 1 + node.files.size();
  for (const TCatalogNode& sub : node.folders) count += ItemCount(sub);
  return count;
}

}  // namespace

void RunRemove(TSession& session, const TArguments& args) {
  if (args.empty()) throw TUsageError("rm PATH...");
  session.Module.Require({"FsDeleteFile"});
  std::vector<TCatalogNode> trees;
  for (const std::string& typed : args) {
    std::string path = session.Resolve(typed);
    if (path == "\\") throw THostError("the root cannot be removed");
    TCatalogEntry item = NeedItem(session.Module, path);
    if (item.IsFolder()) session.Module.Require({"FsRemoveDir"});
    trees.push_back(ReadCatalogTree(session.Module, path, item));
  }

  TFileFailures failures(session.Console, session.Progress);
  TOperationScope deleting(session.Module, FolderWithSeparator(ParentOfCatalogPath(trees.front().path)),
                           FS_STATUS_OP_DELETE);
  size_t items = 0;
  for (const TCatalogNode& tree : trees) {
    items += ItemCount(tree);
    if (tree.entry.IsFolder()) RemoveTree(session.Module, tree, failures);
    else DeleteOne(session.Module, tree, failures);
  }
  failures.ThrowIfAny(items);
}

}  // namespace bindershelf::host
