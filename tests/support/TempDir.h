// A fresh directory under the system's temporary directory, removed with its contents.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

class TTempDir {
 public:
  TTempDir();
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  const std::filesystem::path& Path() const { return Root; }
  std::string operator/(const std::string& name) const { return (Root / name).string(); }

 private:
  std::filesystem::path Root;
};

// Whole-file helpers for fixtures.
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
// The lines of text that must hold nothing but lines ended by CR LF, sorted; text after
// the last line end fails the calling test.
std::vector<std::string> SortedCrLfLines(const std::string& content);

}  // namespace testing_support
