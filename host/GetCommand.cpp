// get: catalog items and folder trees copied out into a local directory with FsGetFile,
// the local directories made by the host, as a file manager copies out of a plugin.
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

struct TGetStep {
  bool makeLocalFolder;
  std::string remoteName;
  fs::path localName;
  RemoteInfoStruct info;
};

struct TGetPlan {
  std::vector<TGetStep> steps;
  size_t fileCount = 0;
};

// A catalog name as a local one; it must stay inside the directory it is copied into.
fs::path LocalNameOf(const fs::path& localDir, const std::string& catalogName) {
  if (catalogName.empty() || catalogName == "." || catalogName == ".." || catalogName.find('/') != std::string::npos)
    throw THostError("the catalog name \"" + catalogName + "\" cannot be a local file name");
  return localDir / catalogName;
}

void AddFile(TGetPlan& plan, const TCatalogNode& file, const fs::path& localName) {
  plan.steps.push_back({false, file.path, localName, file.entry.RemoteInfo()});
  ++plan.fileCount;
}

void AddTree(TGetPlan& plan, const TCatalogNode& folder, const fs::path& localDir) {
  plan.steps.push_back({true, folder.path, localDir, {}});
  for (const TCatalogNode& file : folder.files) AddFile(plan, file, LocalNameOf(localDir, file.entry.name));
  for (const TCatalogNode& sub : folder.folders) AddTree(plan, sub, LocalNameOf(localDir, sub.entry.name));
}

void GetOneFile(TSession& session, const TGetStep& step, TOverwriteQuestion& question, TFileFailures& failures) {
  std::string local = step.localName.string();
  int32_t result = session.Module.GetFile(step.remoteName, local, 0, step.info);
  if (result == FS_FILE_EXISTS) {
    bool replace = false;
    try {
      replace = question.Overwrite(local);
    } catch (const THostError& error) {
      failures.Add(step.remoteName, error.what());
      return;
    }
    if (!replace) return;
    result = session.Module.GetFile(step.remoteName, local, FS_COPYFLAGS_OVERWRITE, step.info);
  }
  if (result != FS_FILE_OK) failures.Add(step.remoteName + " -> " + local, DescribeFileResult(result));
}

void MakeLocalFolder(const fs::path& dir, TFileFailures& failures) {
  std::error_code error;
  fs::create_directories(dir, error);
  if (error) failures.Add(dir.string(), "cannot make the directory: " + error.message());
}

}  // namespace

void RunGet(TSession& session, const TArguments& args) {
  if (args.size() < 2) throw TUsageError("get REMOTE... LOCALDIR");
  session.Module.Require({"FsGetFile"});
  fs::path localDir = LocalPathOf(args.back());
  TGetPlan plan;
  std::string firstFolder;
  bool several = args.size() > 2;
  for (size_t i = 0; i + 1 < args.size(); ++i) {
    std::string path = session.Resolve(args[i]);
    TCatalogNode node = ReadCatalogTree(session.Module, path, NeedItem(session.Module, path));
    if (firstFolder.empty()) firstFolder = ParentOfCatalogPath(path);
    if (!node.entry.IsFolder()) {
      AddFile(plan, node, LocalNameOf(localDir, node.entry.name));
      continue;
    }
    several = true;
    // The root's content arrives in the directory itself.
    AddTree(plan, node, path == "\\" ? localDir : LocalNameOf(localDir, node.entry.name));
  }

  TOverwriteQuestion question = session.NewOverwriteQuestion();
  TFileFailures failures(session.Console, session.Progress);
  MakeLocalFolder(localDir, failures);
  failures.ThrowIfAny(1);
  TOperationScope getting(session.Module, FolderWithSeparator(firstFolder),
                          several ? FS_STATUS_OP_GET_MULTI : FS_STATUS_OP_GET_SINGLE);
  session.Progress.Begin(plan.fileCount);
  for (const TGetStep& step : plan.steps) {
    if (step.makeLocalFolder) {
      MakeLocalFolder(step.localName, failures);
      continue;
    }
    GetOneFile(session, step, question, failures);
    session.Progress.FileDone();
  }
  session.Progress.End();
  failures.ThrowIfAny(plan.steps.size());
}

}  // namespace bindershelf::host
