// Where commands come from (-c, a script, standard input) and how a run ends.
#include "HostRunner.h"

namespace host_testing {
namespace {

using testing_support::WriteFile;

class InputModesTest : public THostTest {};

const char kBanner[] = "Catalog root: Bindershelf\n";

TEST_F(InputModesTest, EachSourceRunsItsCommandsInOrder) {
  // A command list, a script with a comment and a blank line, and piped standard input.
  WriteFile(Local("script.txt"), "pwd\n# a comment, not a command\n\ncd /\r\npwd\n");
  THostResult fromList = RunCommands("pwd; cd \\ ;pwd");
  THostResult fromScript = Run({"--plugin", ModuleCopy(), Local("script.txt")});
  THostResult fromInput = Run({"--plugin", ModuleCopy()}, "pwd\ncd ..\npwd\n");
  for (const THostResult* run : {&fromList, &fromScript, &fromInput}) {
    EXPECT_EQ(run->exitCode, 0) << run->err;
    EXPECT_EQ(run->out, std::string(kBanner) + "\\\n\\\n");
    EXPECT_EQ(run->err, "");
  }
}

TEST_F(InputModesTest, TheFirstFailedCommandEndsTheRunWithStatusOne) {
  struct TCase {
    const char* commands;
    const char* error;
  };
  const TCase cases[] = {
      {"pwd; mkdir; pwd", "mkdir: usage: mkdir PATH..."},
      {"pwd; pwd extra; pwd", "pwd: usage: pwd"},
      {"pwd; ren a; pwd", "ren: usage: ren PATH NEWNAME"},
  };
  for (const TCase& c : cases) {
    THostResult run = RunCommands(c.commands);
    EXPECT_EQ(run.exitCode, 1) << c.commands;
    EXPECT_EQ(run.out, std::string(kBanner) + "\\\n") << c.commands;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
  }
  WriteFile(Local("script.txt"), "pwd\nls \"never closed\npwd\n");
  THostResult script = Run({"--plugin", ModuleCopy(), Local("script.txt")});
  EXPECT_EQ(script.exitCode, 1);
  EXPECT_EQ(script.out, std::string(kBanner) + "\\\n");
  EXPECT_NE(script.err.find("ls: the quote \" is never closed"), std::string::npos) << script.err;
}

TEST_F(InputModesTest, QuitEndsTheRunAndTheRestIsNotRead) {
  THostResult fromList = RunCommands("pwd; quit; mkdir");
  THostResult fromInput = Run({"--plugin", ModuleCopy()}, "pwd\nquit\nmkdir\n");
  for (const THostResult* run : {&fromList, &fromInput}) {
    EXPECT_EQ(run->exitCode, 0) << run->err;
    EXPECT_EQ(run->out, std::string(kBanner) + "\\\n");
  }
}

TEST_F(InputModesTest, WrongOptionsEndWithStatusTwoBeforeTheModuleIsLoaded) {
  WriteFile(Local("script.txt"), "pwd\n");
  const std::vector<std::vector<std::string>> cases = {
      {"--plugin", ModuleCopy(), "--no-such-option"},
      {"--plugin", ModuleCopy(), "-c", "pwd", Local("script.txt")},
      {"--plugin", ModuleCopy(), "--overwrite=maybe", "-c", "pwd"},
      {"--plugin", ModuleCopy(), "-y", "--overwrite=no", "-c", "pwd"},
      {"--plugin", ModuleCopy(), Local("absent-script.txt")},
  };
  for (const std::vector<std::string>& args : cases) {
    THostResult run = Run(args);
    EXPECT_EQ(run.exitCode, 2) << args.back();
    EXPECT_EQ(run.out.find("Catalog root"), std::string::npos) << args.back();
  }
}

TEST_F(InputModesTest, HelpListsTheCommands) {
  THostResult run = RunCommands("help");
  EXPECT_EQ(run.exitCode, 0);
  for (const char* usage : {"ls [PATH]", "cd [PATH]", "put LOCAL... [DEST]", "get REMOTE... LOCALDIR", "cp SRC DST",
                            "mv SRC DST", "ren PATH NEWNAME", "rm PATH...", "open PATH", "quit"})
    EXPECT_NE(run.out.find(usage), std::string::npos) << usage;
}

}  // namespace
}  // namespace host_testing
