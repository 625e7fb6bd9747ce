// put: local files and directory trees copied into the catalog, as a file manager copies
// them into a file-system plugin: FsMkDir for each folder before its files, FsPutFile for
// each file, and the module told of the operation around them.
#include <algorithm>
#include <filesystem>
#include <ostream>

#include "host/CatalogPath.h"
#include "host/CatalogTree.h"
#include "host/Commands.h"
#include "host/FileResults.h"
#include "host/HostError.h"
#include "host/LocalPath.h"

namespace bindershelf::host {

namespace fs = std::filesystem;

namespace {

struct TPutStep {
  bool makeFolder;
  std::string localName;
  std::string remoteName;
};

struct TPutPlan {
  std::vector<TPutStep> steps;
  size_t fileCount = 0;
  bool several = false;
  std::string targetFolder;

  void AddFolder(const std::string& remoteName) { steps.push_back({true, "", remoteName}); }
  void AddFile(const fs::path& local, const std::string& remoteName) {
    steps.push_back({false, local.string(), remoteName});
    ++fileCount;
  }
};


std::string CatalogNameOf(const fs::path& local) {
  std::string name = local.filename().string();
  // "\" would split the name into catalog folders.
  if (name.find('\\') != std::string::npos) throw THostError("the name holds a \\, which the catalog cannot keep: " + local.string());
  return name;
}

void AddTree(TPutPlan& plan, const fs::path& localDir, const std::string& remoteFolder) {
  plan.AddFolder(remoteFolder);
  std::vector<fs::directory_entry> entries;
  for (const fs::directory_entry& entry : fs::directory_iterator(localDir)) entries.push_back(entry);
  std::sort(entries.begin(), entries.end());
  std::vector<fs::path> subfolders;
  for (const fs::directory_entry& entry : entries) {
    // Real directories are walked; a link to one is not followed, so a tree cannot loop.
    if (entry.is_directory() && !entry.is_symlink()) subfolders.push_back(entry.path());
    else if (!entry.is_directory()) plan.AddFile(entry.path(), JoinCatalogPath(remoteFolder, CatalogNameOf(entry.path())));
  }
  for (const fs::path& subfolder : subfolders) AddTree(plan, subfolder, JoinCatalogPath(remoteFolder, CatalogNameOf(subfolder)));
}

TPutPlan PlanPut(TSession& session, const std::vector<fs::path>& locals, const std::string* typedDest) {
  TPutPlan plan;
  std::string dest = typedDest ? session.Resolve(*typedDest) : session.CurrentFolder();
  // Without a destination the current folder is the target, and that is a folder.
  std::optional<TCatalogEntry> destItem = typedDest ? FindItem(session.Module, dest) : RootEntry();
  bool destIsFolder = destItem && destItem->IsFolder();
  if (locals.size() == 1 && !fs::is_directory(locals[0])) {
    std::string remote = destIsFolder ? JoinCatalogPath(dest, CatalogNameOf(locals[0])) : dest;
    plan.AddFile(locals[0], remote);
    plan.targetFolder = ParentOfCatalogPath(remote);
    return plan;
  }
  plan.several = true;
  if (destItem && !destIsFolder) throw THostError("not a folder: " + dest);
  if (locals.size() == 1 && !destIsFolder) {
    // One directory onto a new name: the tree arrives under that name.
    AddTree(plan, locals[0], dest);
    plan.targetFolder = ParentOfCatalogPath(dest);
    return plan;
  }
  if (!destIsFolder) plan.AddFolder(dest);
  for (const fs::path& local : locals) {
    std::string remote = JoinCatalogPath(dest, CatalogNameOf(local));
    if (fs::is_directory(local)) AddTree(plan, local, remote);
    else plan.AddFile(local, remote);
  }
  plan.targetFolder = dest;
  return plan;
}

void PutOneFile(TSession& session, const TPutStep& step, TOverwriteQuestion& question, TFileFailures& failures) {
  int32_t result = session.Module.PutFile(step.localName, step.remoteName, 0);
  if (result == FS_FILE_EXISTS) {
    bool replace = false;
    try {
      replace = question.Overwrite(step.remoteName);
    } catch (const THostError& error) {
      failures.Add(step.localName, error.what());
      return;
    }
    if (!replace) return;
    result = session.Module.PutFile(step.localName, step.remoteName, FS_COPYFLAGS_OVERWRITE);
  }
  if (result != FS_FILE_OK) failures.Add(step.localName + " -> " + step.remoteName, DescribeFileResult(result));
}

}  // namespace

void RunPut(TSession& session, const TArguments& args) {
  if (args.empty()) throw TUsageError("put LOCAL... [DEST]");
  session.Module.Require({"FsPutFile"});
  bool hasDest = args.size() >= 2;
  std::vector<fs::path> locals;
  for (size_t i = 0; i < args.size() - (hasDest ? 1 : 0); ++i) {
    fs::path local = LocalPathOf(args[i]);
    if (!fs::exists(local)) throw THostError("no such local file or directory: " + args[i]);
    locals.push_back(local);
  }
  TPutPlan plan = PlanPut(session, locals, hasDest ? &args.back() : nullptr);
  if (plan.several) session.Module.Require({"FsMkDir"});

  TOverwriteQuestion question = session.NewOverwriteQuestion();
  TFileFailures failures(session.Console, session.Progress);
  TOperationScope putting(session.Module, FolderWithSeparator(plan.targetFolder),
                          plan.several ? FS_STATUS_OP_PUT_MULTI : FS_STATUS_OP_PUT_SINGLE);
  session.Progress.Begin(plan.fileCount);
  for (const TPutStep& step : plan.steps) {
    if (step.makeFolder) {
      if (!session.Module.MakeFolder(step.remoteName)) failures.Add(step.remoteName, "the module could not make it");
      continue;
    }
    PutOneFile(session, step, question, failures);
    session.Progress.FileDone();
  }
  session.Progress.End();
  failures.ThrowIfAny(plan.steps.size());
}

}  // namespace bindershelf::host
