#include "HostRunner.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <thread>

namespace host_testing {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

constexpr auto kRunLimit = std::chrono::seconds(60);

std::vector<std::string> HostEnvironment(const std::string& temp) {
  std::vector<std::string> env;
  for (char** variable = environ; *variable; ++variable) {
    std::string entry = *variable;
    for (const char* replaced : {"TZ=", "TMPDIR=", "HOME=", "PATH="})
      if (entry.starts_with(replaced)) entry.clear();
    if (!entry.empty()) env.push_back(entry);
  }
  const char* path = std::getenv("PATH");
  // Fixed zone and a private temporary directory (the module's query log goes there).
  env.push_back("TZ=UTC");
  env.push_back("TMPDIR=" + temp);
  env.push_back("HOME=" + temp);
  env.push_back("PATH=" + temp + "/bin:" + (path ? path : "/usr/bin:/bin"));
  return env;
}

void Redirect(const std::string& file, int fd, int flags) {
  int opened = open(file.c_str(), flags, 0600);
  if (opened < 0) _exit(126);
  dup2(opened, fd);
  close(opened);
}

}  // namespace

THostTest::THostTest() {
  fs::create_directories(ModuleDir());
  fs::create_directories(Work());
  fs::create_directories(Temp / "bin");
  fs::copy_file(BINDERSHELF_MODULE_PATH, ModuleCopy());
}

void THostTest::WriteLocal(const std::string& relative, const std::string& content) const {
  fs::path file = Local(relative);
  fs::create_directories(file.parent_path());
  WriteFile(file.string(), content);
}

void THostTest::WriteProgram(const std::string& name, const std::string& script) const {
  std::string file = Temp / ("bin/" + name);
  WriteFile(file, script);
  fs::permissions(file, fs::perms::owner_all);
}

THostResult THostTest::Run(const std::vector<std::string>& args, const std::string& input) const {
  return RunProgram(BINDERSHELF_HOST_PATH, args, input);
}

THostResult THostTest::RunProgram(const std::string& program, const std::vector<std::string>& args,
                                  const std::string& input) const {
  std::string inputFile = Temp / "host.in", outFile = Temp / "host.out", errFile = Temp / "host.err";
  WriteFile(inputFile, input);
  std::vector<std::string> argv = {program};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> env = HostEnvironment(Temp.Path().string());
  std::vector<char*> argvPointers, envPointers;
  for (std::string& a : argv) argvPointers.push_back(a.data());
  for (std::string& e : env) envPointers.push_back(e.data());
  argvPointers.push_back(nullptr);
  envPointers.push_back(nullptr);

  pid_t child = fork();
  if (child == 0) {
    Redirect(inputFile, STDIN_FILENO, O_RDONLY);
    Redirect(outFile, STDOUT_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
    Redirect(errFile, STDERR_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
    if (chdir(Work().c_str()) != 0) _exit(126);
    execve(argvPointers[0], argvPointers.data(), envPointers.data());
    _exit(127);
  }
  THostResult result;
  int status = 0;
  auto deadline = std::chrono::steady_clock::now() + kRunLimit;
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      ADD_FAILURE() << "the host did not end within " << kRunLimit.count() << " s";
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadFile(outFile);
  result.err = ReadFile(errFile);
  return result;
}

THostResult THostTest::RunCommands(const std::string& commands, const std::vector<std::string>& options) const {
  std::vector<std::string> args = {"--plugin", ModuleCopy()};
  args.insert(args.end(), options.begin(), options.end());
  args.push_back("-c");
  args.push_back(commands);
  return Run(args);
}

std::vector<TListedEntry> ParseListing(const std::string& out) {
  static const std::regex line(R"(^(.*?) +(\d+|<DIR>)  (.{19})  ([-d][-r][-h][-s][-a])(?:  (\S+))?$)");
  std::vector<TListedEntry> entries;
  std::istringstream lines(out);
  std::string text;
  std::smatch match;
  while (std::getline(lines, text))
    if (std::regex_match(text, match, line))
      entries.push_back({match[1], match[2], match[3], match[4], match[5]});
  return entries;
}

std::vector<std::string> ListedNames(const std::string& out) {
  std::vector<std::string> names;
  for (const TListedEntry& entry : ParseListing(out)) names.push_back(entry.name);
  return names;
}

std::string MissingExports(std::initializer_list<const char*> names) {
  void* module = dlopen(BINDERSHELF_MODULE_PATH, RTLD_LAZY | RTLD_LOCAL);
  if (!module) return std::string(" loadable file: ") + dlerror();
  std::string missing;
  for (const char* name : names)
    if (!dlsym(module, name)) missing += std::string(" ") + name;
  dlclose(module);
  return missing;
}

}  // namespace host_testing
