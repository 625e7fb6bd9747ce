// Loading and starting the module: the root name, where the module is looked for, and
// what the host says when the module or one of its entry points is missing.
#include <filesystem>

#include "HostRunner.h"

namespace host_testing {
namespace {

namespace fs = std::filesystem;
using testing_support::WriteFile;

class StartupTest : public THostTest {};

TEST_F(StartupTest, ShowsTheRootNameAndStartsInTheRoot) {
  THostResult run = RunCommands("pwd");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Catalog root: Bindershelf\n\\\n");
  EXPECT_EQ(run.err, "");
  // FsInit made the catalog beside the module copy, not beside the built module.
  EXPECT_TRUE(fs::exists(ModuleDir() + "/vx.dat"));
}

TEST_F(StartupTest, LoadsTheModuleBesideTheProgramWhenNoneIsNamed) {
  std::string programDir = Temp / "program";
  fs::create_directories(programDir);
  fs::copy_file(BINDERSHELF_HOST_PATH, programDir + "/bindershelf");
  fs::copy_file(BINDERSHELF_MODULE_PATH, programDir + "/bindershelf.so");
  THostResult run = RunProgram(programDir + "/bindershelf", {"-c", "pwd"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Catalog root: Bindershelf\n\\\n");
  EXPECT_TRUE(fs::exists(programDir + "/vx.dat"));
}

TEST_F(StartupTest, ARelativeModuleNameIsTakenFromTheWorkingDirectory) {
  fs::copy_file(BINDERSHELF_MODULE_PATH, Local("here.so"));
  THostResult run = Run({"--plugin", "here.so", "-c", "pwd"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(fs::exists(Local("vx.dat")));
}

TEST_F(StartupTest, AModuleThatCannotBeLoadedIsNamedInTheError) {
  WriteFile(Local("text.so"), "not a shared object");
  struct TCase {
    std::string module;
    std::string words;
  };
  const TCase cases[] = {
      {Local("absent.so"), "cannot find the module " + Local("absent.so")},
      {Local("text.so"), "cannot load the module " + Local("text.so")},
      {PARTIAL_MODULE_WITHOUT_INIT, "the module has no FsInit"},
  };
  for (const TCase& c : cases) {
    THostResult run = Run({"--plugin", c.module, "-c", "pwd"});
    EXPECT_EQ(run.exitCode, 2) << c.module;
    EXPECT_NE(run.err.find(c.words), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << c.module;
  }
}

TEST_F(StartupTest, AMissingEntryPointMattersOnlyToTheCommandThatNeedsIt) {
  struct TCase {
    const char* command;
    const char* missing;
  };
  const TCase cases[] = {
      {"ls", "FsFindFirst"},
      {"cd Docs", "FsFindFirst"},
      {"mkdir Docs", "FsMkDir"},
      {"put in.txt", "FsPutFile"},
      {"get \\a.txt out", "FsGetFile"},
      {"cp a b", "FsRenMovFile"},
      {"mv a b", "FsRenMovFile"},
      {"ren a b", "FsRenMovFile"},
      {"rm a", "FsDeleteFile"},
      {"open a", "FsExecuteFile"},
      {"db archive", "FsExecuteFile"},
  };
  WriteLocal("in.txt", "x");
  for (const TCase& c : cases) {
    THostResult run = Run({"--plugin", PARTIAL_MODULE_WITH_INIT, "-c", std::string("pwd; ") + c.command});
    EXPECT_EQ(run.exitCode, 1) << c.command;
    // The host started and ran the command before it.
    EXPECT_EQ(run.out, "Catalog root: Partial\n\\\n") << c.command;
    EXPECT_NE(run.err.find(std::string("the module has no ") + c.missing), std::string::npos)
        << c.command << ": " << run.err;
  }
}

TEST_F(StartupTest, AFailedStartShowsTheModulesMessageBoxOnStandardError) {
  // A directory where the catalog file belongs: the module cannot make its catalog.
  fs::create_directories(ModuleDir() + "/vx.dat");
  THostResult run = RunCommands("pwd");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("+- Bindershelf -"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("vx.dat"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("the module did not start: FsInit returned -1"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace host_testing
