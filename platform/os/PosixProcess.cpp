// Starting programs: one left to run by itself, one waited for.
//
// A program started without waiting must still be collected when it ends, or it stays
// a zombie for as long as the host runs. A thread that waits for it would run code of
// this module long after the call, and crash once the host unloads the module; so the
// program is started as a grandchild instead (fork, fork, exec): the middle process
// ends at once and is collected here, and the program, left without a parent, is
// collected by the system. Between fork and exec only calls that are safe in the child
// of a threaded process are made; everything they need is prepared beforehand. A pipe
// closed on exec tells whether the exec succeeded.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/os/CommandLine.h"
#include "platform/os/PosixDescriptor.h"
#include "platform/os/PosixFileSystem.h"

extern char** environ;

namespace bindershelf::os {
namespace {

// argv of a program: pointers into `items`, ended by a null pointer.
std::vector<char*> ArgumentVector(std::vector<std::string>& items) {
  std::vector<char*> argv;
  argv.reserve(items.size() + 1);
  for (auto& item : items) argv.push_back(item.data());
  argv.push_back(nullptr);
  return argv;
}

// The files an exec of `program` tries, in order, as a PATH search tries them.
std::vector<std::string> ProgramCandidates(const std::string& program) {
  if (program.find('/') != std::string::npos) return {program};
  const char* path = std::getenv("PATH");
  const std::string directories = path ? path : "/bin:/usr/bin";
  std::vector<std::string> candidates;
  size_t start = 0;
  for (;;) {
    const size_t colon = directories.find(':', start);
    std::string directory = directories.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
    candidates.push_back((directory.empty() ? "." : directory) + "/" + program);
    if (colon == std::string::npos) return candidates;
    start = colon + 1;
  }
}

// Writes all of an int to a pipe from a child; nothing can be done if it fails.
void ReportErrno(int fd, int err) {
  const char* data = reinterpret_cast<const char*>(&err);
  size_t left = sizeof err;
  while (left > 0) {
    const ssize_t n = ::write(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    data += n;
    left -= static_cast<size_t>(n);
  }
}

// In the grandchild: runs the first candidate that can be run. Returns only on failure,
// with the errno a PATH search reports: that of a file found but not runnable, else of
// the last attempt.
[[noreturn]] void ExecCandidates(const std::vector<const char*>& files, char* const argv[], int reportFd,
                                 const sigset_t& startMask) {
  ::sigprocmask(SIG_SETMASK, &startMask, nullptr);
  int err = ENOENT;
  bool sawDenied = false;
  for (const char* file : files) {
    ::execve(file, argv, environ);
    err = errno;
    if (err == EACCES) {
      sawDenied = true;
      continue;
    }
    if (err != ENOENT && err != ENOTDIR) break;
  }
  ReportErrno(reportFd, sawDenied && (err == ENOENT || err == ENOTDIR) ? EACCES : err);
  ::_exit(127);
}

pid_t WaitFor(pid_t pid, int& status) {
  for (;;) {
    const pid_t got = ::waitpid(pid, &status, 0);
    if (got >= 0 || errno != EINTR) return got;
  }
}

// Blocks every signal of the calling thread while it lives, so that no handler of the
// host runs in a forked child before its exec.
class TSignalsBlocked {
 public:
  TSignalsBlocked() {
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &Saved);
  }
  ~TSignalsBlocked() { pthread_sigmask(SIG_SETMASK, &Saved, nullptr); }
  TSignalsBlocked(const TSignalsBlocked&) = delete;
  TSignalsBlocked& operator=(const TSignalsBlocked&) = delete;

 private:
  sigset_t Saved;
};

}  // namespace

bool TPosixFileSystem::StartDetached(const std::string& program, const std::vector<std::string>& arguments) {
  if (program.empty()) return false;
  std::vector<std::string> items{program};
  items.insert(items.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv = ArgumentVector(items);
  const std::vector<std::string> candidates = ProgramCandidates(program);
  std::vector<const char*> files;
  for (const auto& candidate : candidates) files.push_back(candidate.c_str());
  sigset_t startMask;
  sigemptyset(&startMask);

  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return false;
  TDescriptor readEnd(fds[0]);
  TDescriptor writeEnd(fds[1]);

  pid_t middle;
  {
    TSignalsBlocked blocked;
    middle = ::fork();
    if (middle == 0) {
      const pid_t grandchild = ::fork();
      if (grandchild == 0) ExecCandidates(files, argv.data(), writeEnd.Get(), startMask);
      if (grandchild < 0) ReportErrno(writeEnd.Get(), errno);
      ::_exit(0);
    }
  }
  if (middle < 0) return false;
  writeEnd.Reset();
  int status = 0;
  WaitFor(middle, status);

  // Nothing to read: the exec closed the pipe. Anything: the errno of a failed start.
  int err = 0;
  ssize_t n;
  do n = ::read(readEnd.Get(), &err, sizeof err);
  while (n < 0 && errno == EINTR);
  return n == 0;
}

int TPosixFileSystem::RunAndWait(const std::string& commandLine) {
  std::vector<std::string> items = SplitCommandLine(commandLine);
  if (items.empty() || items.front().empty()) return -1;
  std::vector<char*> argv = ArgumentVector(items);

  posix_spawnattr_t attributes;
  if (posix_spawnattr_init(&attributes) != 0) return -1;
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
  pid_t pid;
  const int spawned = posix_spawnp(&pid, argv[0], nullptr, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  if (spawned != 0) return -1;

  int status = 0;
  if (WaitFor(pid, status) < 0) return -2;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -2;
}

}  // namespace bindershelf::os
