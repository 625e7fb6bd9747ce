// A second thread that asks for the icons of known items over and over, as the host's
// background thread does, while the test's own thread works on the catalog.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

// An item and the answers it may get, as "0" or "1 RESOURCE".
struct TExpectedIcon {
  std::string remoteName;
  std::vector<std::string> answers;
};

class TIconLookups {
 public:
  // `ask` gives the answer for a remote name in the form above; it may raise.
  using TAsk = std::function<std::string(const std::string& remoteName)>;

  TIconLookups(std::vector<TExpectedIcon> expected, TAsk ask)
      : Expected(std::move(expected)), Ask(std::move(ask)), Thread([this] { Run(); }) {}
  ~TIconLookups() { Stop(); }
  TIconLookups(const TIconLookups&) = delete;
  TIconLookups& operator=(const TIconLookups&) = delete;

  void Stop() {
    Stopping = true;
    if (Thread.joinable()) Thread.join();
  }
  // Read after Stop.
  size_t Count() const { return Lookups; }
  const std::vector<std::string>& Faults() const { return FaultList; }

 private:
  void Run() {
    while (!Stopping && FaultList.size() < 10)
      for (const TExpectedIcon& item : Expected) {
        std::string answer;
        try {
          answer = Ask(item.remoteName);
        } catch (const std::exception& e) {
          answer = std::string("raised: ") + e.what();
        }
        ++Lookups;
        if (std::find(item.answers.begin(), item.answers.end(), answer) == item.answers.end())
          FaultList.push_back(item.remoteName + " got " + answer);
      }
  }

  std::vector<TExpectedIcon> Expected;
  TAsk Ask;
  std::atomic<bool> Stopping{false};
  size_t Lookups = 0;
  std::vector<std::string> FaultList;
  std::thread Thread;  // last: it starts once everything it uses is there
};

// Runs step(0), step(1), ... until a step returns false, `steps` have run or `limit` has
// passed, whichever comes first; returns the number of steps run.
inline size_t RunBounded(size_t steps, std::chrono::milliseconds limit, const std::function<bool(size_t)>& step) {
  auto end = std::chrono::steady_clock::now() + limit;
  size_t done = 0;
  while (done < steps && std::chrono::steady_clock::now() < end) {
    bool goOn = step(done);
    ++done;
    if (!goOn) break;
  }
  return done;
}

}  // namespace testing_support
