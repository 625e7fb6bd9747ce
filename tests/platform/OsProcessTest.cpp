// Starting programs with and without waiting for them. The programs are small shell
// scripts written by the tests.
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

#include "platform/os/CommandLine.h"
#include "platform/os/FileSystem.h"
#include "tests/platform/OsFixture.h"

namespace bindershelf::os::testing {
namespace {

class OsProcessTest : public TOsTest {
 protected:
  // An executable script at `name` in the test's directory.
  std::string Script(const std::string& name, const std::string& body) {
    const std::string path = PathOf(name);
    fs::create_directories(fs::path(path).parent_path());
    WriteBytes(path, "#!/bin/sh\n" + body);
    fs::permissions(path, fs::perms::owner_all);
    return path;
  }
  // Waits up to five seconds for a file that a detached program writes.
  std::string AwaitFile(const std::string& path) {
    for (int i = 0; i < 500 && !fs::exists(path); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // the writer may not have finished
    return fs::exists(path) ? ReadBytes(path) : "<missing>";
  }
  TFileSystem& Fs = FileSystem();
};

TEST_F(OsProcessTest, RunAndWaitReturnsHowTheProgramEnded) {
  const std::string out = PathOf("out.txt");
  const std::string late = Script("with blanks/late writer", "sleep 0.2; echo done > \"$1\"\n");
  WriteBytes(PathOf("not-executable"), "#!/bin/sh\n");
  const struct {
    std::string commandLine;
    int result;
  } cases[] = {
      {"true", 0},
      {"sh -c \"exit 7\"", 7},
      {"sh -c \"exit 255\"", 255},
      {"sh -c \"kill -KILL $$\"", 128 + SIGKILL},
      {"sh -c \"kill -TERM $$\"", 128 + SIGTERM},
      {QuoteArgument(late) + " " + QuoteArgument(out), 0},
      {"bindershelf-no-such-program", -1},
      {QuoteArgument(PathOf("not-executable")), -1},
      {QuoteArgument(PathOf("missing")), -1},
      {"", -1},
      {"  ", -1},
      {"\"\" x", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.commandLine);
    EXPECT_EQ(Fs.RunAndWait(c.commandLine), c.result);
  }
  // The late writer had finished when RunAndWait returned.
  EXPECT_EQ(ReadBytes(out), "done\n");
}

TEST_F(OsProcessTest, StartDetachedDoesNotWaitAndLeavesNoChild) {
  const std::string go = PathOf("go");
  const std::string out = PathOf("out.txt");
  // Waits for the test to create "go" (five seconds at most), then records its arguments.
  const std::string program = Script(
      "bin/opener",
      "i=0; while [ ! -e \"$1\" ] && [ $i -lt 500 ]; do sleep 0.01; i=$((i+1)); done\n"
      "[ -e \"$1\" ] && s=released || s=late\n"
      "printf '%s|%s|%s' \"$s\" \"$#\" \"$2\" > \"$2.tmp\" && mv \"$2.tmp\" \"$2\"\n");
  ASSERT_TRUE(Fs.StartDetached(program, {go, out}));
  WriteBytes(go, "");
  EXPECT_EQ(AwaitFile(out), "released|2|" + out);

  // The program never was this process's child, so nothing is left to collect.
  int status = 0;
  EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST_F(OsProcessTest, StartDetachedFindsProgramsOnPathAndReportsThoseItCannotStart) {
  Script("bin/bindershelf-recorder", "printf '%s' \"$1\" > \"$2\"\n");
  WriteBytes(PathOf("bin/not-executable"), "#!/bin/sh\n");
  const char* saved = std::getenv("PATH");
  const std::string savedPath = saved ? saved : "";
  setenv("PATH", (PathOf("bin") + ":" + savedPath).c_str(), 1);

  const std::string out = PathOf("found.txt");
  EXPECT_TRUE(Fs.StartDetached("bindershelf-recorder", {"a \"b\" $c;", out}));
  EXPECT_EQ(AwaitFile(out), "a \"b\" $c;");
  for (const std::string& program : std::vector<std::string>{"bindershelf-no-such-program", "not-executable", "", PathOf("missing")}) {
    SCOPED_TRACE(program);
    EXPECT_FALSE(Fs.StartDetached(program, {}));
  }
  setenv("PATH", savedPath.c_str(), 1);
}

}  // namespace
}  // namespace bindershelf::os::testing
