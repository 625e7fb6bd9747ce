// FsExecuteFile: opening items and the commands of the host's command line. Programs that
// the module starts are recorder scripts put first on PATH: "xdg-open" (started without
// waiting) and the programs of the run command.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "module/ItemFixture.h"
#include "support/ModuleFixture.h"

namespace testing_support {
namespace {

namespace fs = std::filesystem;
using TLines = std::vector<std::string>;

constexpr const char* kSentinel = "\\Sentinel";

// Replaces every "{work}" and "{disk}" of a table text by the test's directories.
std::string Expand(std::string text, const std::string& work, const std::string& disk) {
  for (const auto& [token, value] : {std::pair<std::string, std::string>{"{work}", work}, {"{disk}", disk}})
    for (size_t at; (at = text.find(token)) != std::string::npos;) text.replace(at, token.size(), value);
  return text;
}

class ExecuteFile : public TModuleTest {
 protected:
  void SetUp() override {
    TModuleTest::SetUp();
    execute = module->Export<decltype(FsExecuteFile)>("FsExecuteFile");
    mkDir = module->Export<decltype(FsMkDir)>("FsMkDir");
    ASSERT_TRUE(execute && mkDir);
    fs::create_directories(Bin());
    fs::create_directories(Disk());
    // Each recorder writes its whole line at once, so lines of programs that run at the
    // same time cannot mix.
    Program("xdg-open", "l=''; for a; do l=\"$l[$a]\"; done; printf '%s\\n' \"$l\" >> '" + Work("opened.txt") + "'\n");
    Program("x", "l=''; for a; do l=\"$l[$a]\"; done; printf '%s\\n' \"$l\" >> '" + Work("ran.txt") + "'\n");
    Program("args", "l=\"[$#]\"; for a; do l=\"$l[$a]\"; done; printf '%s\\n' \"$l\" >> '" + Work("ran.txt") + "'\n");
    const char* path = std::getenv("PATH");
    savedPath = path ? path : "";
    setenv("PATH", (Bin() + ":" + savedPath).c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", savedPath.c_str(), 1);
    TModuleTest::TearDown();
  }

  std::string Work(const std::string& name = "") const { return workDir.Path().string() + "/" + name; }
  std::string Disk(const std::string& name = "") const { return Work("disk") + "/" + name; }
  std::string Bin() const { return Work("bin"); }
  std::string Module(const std::string& name) const { return moduleDir.Path().string() + "/" + name; }

  void Program(const std::string& name, const std::string& body) {
    WriteFile(Bin() + "/" + name, "#!/bin/sh\n" + body);
    fs::permissions(Bin() + "/" + name, fs::perms::owner_all);
  }

  struct TOutcome {
    int32_t result;
    std::string remoteAfter;
  };
  // Calls FsExecuteFile with the remote name in a buffer of the host's size; bytes past
  // the buffer must stay as they were.
  TOutcome Execute(const std::string& remote, const std::string& verb) {
    char buffer[MAX_PATH + 32];
    std::memset(buffer, '#', sizeof buffer);
    std::memcpy(buffer, remote.c_str(), remote.size() + 1);
    std::string verbText = verb;
    const int32_t result = execute(nullptr, buffer, verbText.data());
    EXPECT_EQ(std::string(buffer + MAX_PATH, 32), std::string(32, '#')) << "written past the host's buffer";
    return {result, buffer};
  }

  void AddRow(const std::string& id, int attributes, const std::string* realPath) {
    const auto slash = id.rfind('\\');
    Probe().Execute("insert into fs(ID,[Name],parid,Fileattr,PTHor) values(" + Q(id) + "," + Q(id.substr(slash + 1)) +
                    "," + Q(id.substr(0, slash)) + "," + std::to_string(attributes) + "," +
                    (realPath ? Q(*realPath) : std::string("null")) + ")");
  }
  void AddFile(const std::string& id, const std::string& realPath, int attributes = 32) {
    AddRow(id, attributes, &realPath);
  }
  void AddFolder(const std::string& id, const std::string& realPath) { AddRow(id, 16, &realPath); }
  void AddVirtualFolder(const std::string& id) { AddRow(id, 16, nullptr); }

  // The ids in the catalog file `name` beside the module.
  TLines Ids(const std::string& name) {
    TCatalogProbe probe(Module(name));
    TLines ids = probe.Column("select id from fs");
    std::sort(ids.begin(), ids.end());
    return ids;
  }
  BOOL MkDir(std::string path) { return mkDir(path.data()); }

  // The files beside the module and in the work directory, but for the recorders' output,
  // the scaffolding and the database's own side files.
  std::set<std::string> Files() {
    std::set<std::string> names;
    for (const auto& [prefix, directory] : {std::pair<std::string, fs::path>{"module/", moduleDir.Path()},
                                            {"work/", workDir.Path()}})
      for (const auto& entry : fs::directory_iterator(directory)) {
        const std::string name = entry.path().filename().string();
        if (name == "bin" || name == "disk" || name == "opened.txt" || name == "ran.txt" || name.ends_with("-wal") ||
            name.ends_with("-shm"))
          continue;
        names.insert(prefix + name);
      }
    return names;
  }

  // The lines the run command's recorders wrote so far, sorted; they are written before
  // FsExecuteFile returns.
  TLines Ran() {
    if (!fs::exists(Work("ran.txt"))) return {};
    TLines lines;
    std::string content = ReadFile(Work("ran.txt"));
    for (size_t start = 0, end; (end = content.find('\n', start)) != std::string::npos; start = end + 1)
      lines.push_back(content.substr(start, end - start));
    std::sort(lines.begin(), lines.end());
    return lines;
  }

  // The lines the opener wrote, sorted. The opener runs without being waited for: an
  // "open" of a name without a row is started last, and once its line is there every
  // opener started before it has had time to write.
  TLines Opened() {
    const std::string opened = Work("opened.txt");
    EXPECT_EQ(Execute(kSentinel, "open").result, FS_EXEC_OK);
    const std::string sentinelLine = std::string("[") + kSentinel + "]";
    for (int i = 0; i < 500; ++i) {
      if (fs::exists(opened) && ReadFile(opened).find(sentinelLine + "\n") != std::string::npos) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    TLines lines;
    bool sawSentinel = false;
    std::string content = fs::exists(opened) ? ReadFile(opened) : "";
    for (size_t start = 0, end; (end = content.find('\n', start)) != std::string::npos; start = end + 1) {
      std::string line = content.substr(start, end - start);
      if (line == sentinelLine && !sawSentinel)
        sawSentinel = true;
      else
        lines.push_back(line);
    }
    EXPECT_TRUE(sawSentinel) << "the opener was not started";
    fs::remove(opened);
    std::sort(lines.begin(), lines.end());
    return lines;
  }

  decltype(&FsExecuteFile) execute = nullptr;
  decltype(&FsMkDir) mkDir = nullptr;
  std::string savedPath;
};

// --- The verbs ---

struct TVerbCase {
  const char* verb;
  int32_t result;
  std::string remoteAfter;        // the remote name passed is always \Docs\ (the current folder)
  std::set<std::string> newFiles;  // files that appeared beside the module or in the work directory
  TLines ran;                      // what the program "x" of the run command recorded
  TLines opened;                   // what the opener recorded
};

void PrintTo(const TVerbCase& c, std::ostream* os) { *os << '"' << c.verb << '"'; }

class ExecuteVerbs : public ExecuteFile, public ::testing::WithParamInterface<TVerbCase> {};

const TVerbCase kVerbCases[] = {
    {"open", 0, "{disk}Docs", {}, {}, {"[{disk}Docs]"}},
    {"Open", 0, "\\Docs\\", {}, {}, {}},
    {"PROPERTIES", 0, "\\Docs\\", {}, {}, {}},
    {"Quote db x", 0, "\\Docs\\", {}, {}, {}},
    {"quote db", 0, "\\Docs\\", {}, {}, {}},
    {"quote db ", 0, "\\Docs\\", {}, {}, {}},
    {"quote db archive", 0, "\\Docs\\", {"module/archive.dat"}, {}, {}},
    {"quote dbXarchive", 0, "\\Docs\\", {"module/archive.dat"}, {}, {}},
    {"quote db archive.dat", 0, "\\Docs\\", {"module/archive.dat.dat"}, {}, {}},
    {"quote go", -2, "", {}, {}, {}},
    {"quote g", -2, "", {}, {}, {}},
    {"quote gX", -2, "", {}, {}, {}},
    {"quote l", 0, "\\Docs\\", {}, {}, {}},
    {"quote l ", 0, "\\Docs\\", {}, {}, {}},
    {"quote l {work}list.txt", 0, "\\Docs\\", {"work/list.txt"}, {}, {}},
    {"quote lX{work}list.txt", 0, "\\Docs\\", {"work/list.txt"}, {}, {}},
    {"quote c x", 0, "\\Docs\\", {}, {"[{disk}Docs/a.txt]"}, {}},
    {"quote cd x", 0, "\\Docs\\", {}, {"[{disk}Docs/a.txt]"}, {}},
    {"Quote c x", 0, "\\Docs\\", {}, {}, {}},
    {"quote x", 0, "\\Docs\\", {}, {}, {}},
    {"quote", 0, "\\Docs\\", {}, {}, {}},
    {"", 0, "\\Docs\\", {}, {}, {}},
};

TEST_P(ExecuteVerbs, EachVerbDoesItsOwnThingOnly) {
  const TVerbCase& c = GetParam();
  const std::string work = Work(), disk = Disk();
  AddFolder("\\Docs", disk + "Docs");
  AddFile("\\Docs\\a.txt", disk + "Docs/a.txt");
  const std::set<std::string> before = Files();

  const TOutcome outcome = Execute("\\Docs\\", Expand(c.verb, work, disk));
  EXPECT_EQ(outcome.result, c.result);
  EXPECT_EQ(outcome.remoteAfter, Expand(c.remoteAfter, work, disk));
  std::set<std::string> appeared;
  for (const auto& name : Files())
    if (!before.count(name)) appeared.insert(name);
  EXPECT_EQ(appeared, c.newFiles);
  TLines ran, opened;
  for (const auto& line : c.ran) ran.push_back(Expand(line, work, disk));
  for (const auto& line : c.opened) opened.push_back(Expand(line, work, disk));
  EXPECT_EQ(Ran(), ran);
  EXPECT_EQ(Opened(), opened);
  EXPECT_TRUE(TakeMessages().empty());
}

INSTANTIATE_TEST_SUITE_P(Table, ExecuteVerbs, ::testing::ValuesIn(kVerbCases));

// --- open ---

TEST_F(ExecuteFile, OpenHandsTheRealFileToTheOpener) {
  const std::string odd = Disk("it's \"odd\" $HOME; x\\");
  AddFile("\\Docs\\a.txt", Disk("a.txt"));
  AddFile("\\Odd", odd);
  AddVirtualFolder("\\Virtual");
  const struct {
    std::string remote;
    int32_t result;
    std::string remoteAfter;
    TLines opened;
  } cases[] = {
      {"\\Docs\\a.txt", 0, Disk("a.txt"), {"[" + Disk("a.txt") + "]"}},
      {"\\docs\\A.TXT", 0, Disk("a.txt"), {"[" + Disk("a.txt") + "]"}},
      {"\\Odd", 0, odd, {"[" + odd + "]"}},
      {"\\No row.txt", 0, "\\No row.txt", {"[\\No row.txt]"}},  // the remote name itself
      {"\\Virtual", 1, "\\Virtual", {}},                        // nothing to open
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.remote);
    const TOutcome outcome = Execute(c.remote, "open");
    EXPECT_EQ(outcome.result, c.result);
    EXPECT_EQ(outcome.remoteAfter, c.remoteAfter);
    EXPECT_EQ(Opened(), c.opened);
  }
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(ExecuteFile, OpenWritesNoMoreThanTheHostsBufferHolds) {
  std::string longPath = Disk();
  while (longPath.size() < 400) longPath += "\xc3\xa9";  // two bytes a character
  AddFile("\\Long", longPath);
  const TOutcome outcome = Execute("\\Long", "open");
  EXPECT_EQ(outcome.result, FS_EXEC_OK);
  // As many whole characters as fit before the NUL; the opener gets the whole path.
  std::string fitted = longPath.substr(0, MAX_PATH - 1);
  if ((static_cast<unsigned char>(longPath[MAX_PATH - 1]) & 0xC0) == 0x80) fitted.pop_back();
  EXPECT_EQ(outcome.remoteAfter, fitted);
  EXPECT_EQ(Opened(), TLines{"[" + longPath + "]"});
}

TEST_F(ExecuteFile, OpenFailsWhenNoOpenerCanBeStarted) {
  AddFile("\\a.txt", Disk("a.txt"));
  fs::remove(Bin() + "/xdg-open");
  setenv("PATH", Bin().c_str(), 1);
  const TOutcome outcome = Execute("\\a.txt", "open");
  EXPECT_EQ(outcome.result, FS_EXEC_ERROR);
  EXPECT_EQ(outcome.remoteAfter, Disk("a.txt"));  // the row's path, whatever the result
  EXPECT_TRUE(TakeMessages().empty());
}

// --- The database command ---

TEST_F(ExecuteFile, TheDatabaseCommandMakesAndSwitchesCatalogs) {
  AddFolder("\\InVx", Disk());
  ASSERT_EQ(Execute("\\", "quote db archive").result, 0);
  {
    TCatalogProbe archive(Module("archive.dat"));
    for (const char* table : {"fs", "cats", "CN"}) EXPECT_TRUE(archive.Connection.TableExists(table)) << table;
  }
  EXPECT_EQ(MkDir("\\InArchive"), FS_TRUE);
  // A later FsInit keeps the chosen catalog.
  ASSERT_EQ(module->InitWithRecorder(), 0);
  EXPECT_EQ(MkDir("\\AfterInit"), FS_TRUE);
  EXPECT_EQ(Ids("archive.dat"), (TLines{"\\AfterInit", "\\InArchive"}));
  EXPECT_EQ(Ids("vx.dat"), TLines{"\\InVx"});

  // Back to the first catalog, and again to the second: existing files are opened, not made anew.
  ASSERT_EQ(Execute("\\", "quote db vx").result, 0);
  EXPECT_EQ(MkDir("\\BackInVx"), FS_TRUE);
  ASSERT_EQ(Execute("\\", "quote db archive").result, 0);
  EXPECT_EQ(Ids("vx.dat"), (TLines{"\\BackInVx", "\\InVx"}));
  EXPECT_EQ(Ids("archive.dat"), (TLines{"\\AfterInit", "\\InArchive"}));
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(ExecuteFile, ASwitchThatCannotBeMadeLeavesTheModuleOnItsCatalog) {
  ASSERT_EQ(Execute("\\", "quote db archive").result, 0);
  WriteFile(Module("notes.dat"), "not a catalog");
  // Beside the module's directory, under a name of its own.
  const std::string escape = moduleDir.Path().filename().string() + "-escape";
  const std::string outside = moduleDir.Path().parent_path().string() + "/" + escape;
  fs::create_directories(Module("sub"));
  const std::string cases[] = {
      "quote db ../" + escape,  // names that would leave the module's directory
      "quote db sub/inner",
      "quote db " + outside,
      "quote db .",
      "quote db ..",
      "quote db notes",                  // a file that is no catalog
      "quote db " + std::string(300, 'n'),  // a name the file system refuses
  };
  const std::set<std::string> before = Files();
  for (const auto& verb : cases) {
    SCOPED_TRACE(verb.substr(0, 40));
    EXPECT_EQ(Execute("\\", verb).result, FS_EXEC_ERROR);
    EXPECT_EQ(TakeMessages().size(), 1u);
    EXPECT_EQ(MkDir("\\After"), FS_TRUE);
    EXPECT_EQ(Ids("archive.dat"), TLines{"\\After"});
    ASSERT_EQ(module->InitWithRecorder(), 0);  // the failed name was not kept
    EXPECT_EQ(MkDir("\\AfterInit"), FS_TRUE);
    EXPECT_EQ(Ids("archive.dat"), (TLines{"\\After", "\\AfterInit"}));
    TCatalogProbe(Module("archive.dat")).Execute("delete * from fs");
  }
  EXPECT_EQ(Files(), before);
  EXPECT_TRUE(fs::is_empty(Module("sub")));
  EXPECT_FALSE(fs::exists(outside + ".dat"));
  for (const char* suffix : {".dat", ".dat-wal", ".dat-shm"}) fs::remove(outside + suffix);
  EXPECT_EQ(ReadFile(Module("notes.dat")), "not a catalog");
  EXPECT_TRUE(Ids("vx.dat").empty());
}

// --- The list command ---

class ListAndRun : public ExecuteFile {
 protected:
  void SetUp() override {
    ExecuteFile::SetUp();
    AddFolder("\\Docs", Disk("Docs"));
    AddFile("\\Docs\\a.txt", Disk("Docs/a.txt"));
    AddFile("\\Docs\\ro.txt", Disk("Docs/ro.txt"), 33);  // only exactly 16 is a folder
    AddFolder("\\Docs\\Inner", Disk("Docs/Inner"));
    AddFile("\\Docs\\Inner\\b.txt", Disk("Docs/Inner/b.txt"));
    AddVirtualFolder("\\Docs\\Inner\\Made");
    AddRow("\\Docs\\no path.txt", 32, nullptr);
    AddFile("\\Docsx\\c.txt", Disk("Docsx/c.txt"));  // begins with the name of \Docs
    // Folders whose names, taken as patterns, would match "Docs".
    AddFile("\\D%s\\d.txt", Disk("D%s/d.txt"));
    AddFile("\\D_cs\\e.txt", Disk("D_cs/e.txt"));
    AddFile("\\[D]ocs\\f.txt", Disk("[D]ocs/f.txt"));
    AddVirtualFolder("\\Empty");
  }
};

TEST_F(ListAndRun, TheListHoldsTheRealPathsOfTheFilesBelowTheFolder) {
  const std::string list = Work("list.txt");
  const struct {
    std::string folder;
    TLines paths;
  } cases[] = {
      {"\\", {"Docs/Inner/b.txt", "Docs/a.txt", "Docs/ro.txt", "Docsx/c.txt", "D%s/d.txt", "D_cs/e.txt", "[D]ocs/f.txt"}},
      {"\\Docs\\", {"Docs/Inner/b.txt", "Docs/a.txt", "Docs/ro.txt"}},
      {"\\docs", {"Docs/Inner/b.txt", "Docs/a.txt", "Docs/ro.txt"}},
      {"\\Docs\\Inner\\", {"Docs/Inner/b.txt"}},
      {"\\D%s\\", {"D%s/d.txt"}},
      {"\\D_cs", {"D_cs/e.txt"}},
      {"\\[D]ocs\\", {"[D]ocs/f.txt"}},
      {"\\Empty\\", {}},
      {"\\Docs\\a.txt", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    WriteFile(list, "left from before\r\n");
    ASSERT_EQ(Execute(c.folder, "quote l " + list).result, FS_EXEC_OK);
    TLines expected;
    for (const auto& path : c.paths) expected.push_back(Disk(path));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(SortedCrLfLines(ReadFile(list)), expected);
  }
  // Exactly the path and CR LF, nothing else.
  ASSERT_EQ(Execute("\\Docs\\Inner", "quote l " + list).result, FS_EXEC_OK);
  EXPECT_EQ(ReadFile(list), Disk("Docs/Inner/b.txt") + "\r\n");
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(ListAndRun, TheListFileNameIsTakenAsGiven) {
  // A relative name is found from the process's current directory.
  const fs::path saved = fs::current_path();
  fs::current_path(workDir.Path());
  const int32_t relative = Execute("\\Docs\\Inner", "quote l relative.txt").result;
  fs::current_path(saved);
  EXPECT_EQ(relative, FS_EXEC_OK);
  EXPECT_EQ(ReadFile(Work("relative.txt")), Disk("Docs/Inner/b.txt") + "\r\n");

  // The name is at most 300 characters: what follows is dropped.
  std::string name = Work();
  while (name.size() < 300 - 1) name += name.size() % 100 == 0 ? '/' : 'n';
  name += 'N';
  fs::create_directories(fs::path(name).parent_path());
  ASSERT_EQ(name.size(), 300u);
  EXPECT_EQ(Execute("\\Docs\\Inner", "quote l " + name + "-dropped").result, FS_EXEC_OK);
  EXPECT_EQ(ReadFile(name), Disk("Docs/Inner/b.txt") + "\r\n");
  EXPECT_FALSE(fs::exists(name + "-dropped"));

  // A file that cannot be written is reported.
  EXPECT_EQ(Execute("\\Docs", "quote l " + Work("missing/list.txt")).result, FS_EXEC_ERROR);
  EXPECT_EQ(TakeMessages().size(), 1u);
}

// --- The run command ---

TEST_F(ListAndRun, TheProgramRunsOnEachFileInTurnAndTheCommandWaitsForTheLast) {
  // Each run records its start and end around a pause: two runs at once would interleave.
  const std::string log = Work("turns.txt");
  Program("turns", "echo \"start $# $1\" >> '" + log + "'; sleep 0.2; echo \"end $1\" >> '" + log + "'\n");
  ASSERT_EQ(Execute("\\Docs\\", "quote c turns").result, FS_EXEC_OK);
  const std::string turns = ReadFile(log);
  TLines files;
  size_t at = 0;
  for (int run = 0; run < 3; ++run) {
    const size_t startEnd = turns.find('\n', at);
    ASSERT_NE(startEnd, std::string::npos) << turns;
    const std::string start = turns.substr(at, startEnd - at);
    ASSERT_TRUE(start.starts_with("start 1 ")) << turns;
    const std::string file = start.substr(8);
    const std::string end = "end " + file + "\n";
    ASSERT_EQ(turns.compare(startEnd + 1, end.size(), end), 0) << turns;
    at = startEnd + 1 + end.size();
    files.push_back(file);
  }
  EXPECT_EQ(at, turns.size()) << turns;
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (TLines{Disk("Docs/Inner/b.txt"), Disk("Docs/a.txt"), Disk("Docs/ro.txt")}));
}

TEST_F(ListAndRun, TheCatalogIsFreeWhileAProgramRuns) {
  // Once started, the program waits (five seconds at most) until the test has made a
  // folder from another thread, as the host's background icon lookup would use the catalog.
  const std::string started = Work("started"), go = Work("go");
  Program("waits", ": > '" + started + "'; i=0; while [ ! -e '" + go + "' ] && [ $i -lt 500 ]; do sleep 0.01; i=$((i+1)); done\n"
                   "[ -e '" + go + "' ] && echo released >> '" + Work("ran.txt") + "' || echo late >> '" +
                   Work("ran.txt") + "'\n");
  std::thread command([&] { EXPECT_EQ(Execute("\\Docs\\Inner\\", "quote c waits").result, FS_EXEC_OK); });
  for (int i = 0; i < 500 && !fs::exists(started); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(fs::exists(started)) << "the program did not start";
  EXPECT_EQ(MkDir("\\Made while it ran"), FS_TRUE);
  WriteFile(go, "");
  command.join();
  EXPECT_EQ(Ran(), TLines{"released"});
  EXPECT_EQ(Probe().Count("select * from fs where id=\"\\Made while it ran\""), 1u);
}

TEST_F(ListAndRun, EachFileReachesTheProgramAsOneArgumentUnchanged) {
  const std::string odd = Disk("odd dir/it's \"quoted\" $HOME; `x` \\\"\\");
  AddFile("\\Odd\\file", odd);
  const std::string longArgument(280, 'A');
  const struct {
    std::string verb;
    TLines ran;
  } cases[] = {
      {"quote c args", {"[1][" + odd + "]"}},
      {"quote c args " + longArgument, {"[2][" + longArgument + "][" + odd + "]"}},  // not cut at 260
      {"quote c bindershelf-no-such-program", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.verb.substr(0, 40));
    fs::remove(Work("ran.txt"));
    EXPECT_EQ(Execute("\\Odd", c.verb).result, FS_EXEC_OK);
    EXPECT_EQ(Ran(), c.ran);
  }
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(ExecuteFile, WithoutAProgramEachFileIsStartedItself) {
  const std::string runnable = Disk("S/run me");
  fs::create_directories(Disk("S"));
  WriteFile(runnable, "#!/bin/sh\necho \"ran $#\" >> '" + Work("ran.txt") + "'\n");
  fs::permissions(runnable, fs::perms::owner_all);
  WriteFile(Disk("S/plain.txt"), "not a program");
  AddFile("\\S\\plain.txt", Disk("S/plain.txt"));  // cannot be started: passed over
  AddFile("\\S\\run me", runnable);
  AddFile("\\S\\missing", Disk("S/missing"));
  EXPECT_EQ(Execute("\\S\\", "quote c").result, FS_EXEC_OK);
  EXPECT_EQ(Ran(), TLines{"ran 0"});
  EXPECT_TRUE(TakeMessages().empty());
}

}  // namespace
}  // namespace testing_support
