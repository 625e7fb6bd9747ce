// A fresh directory under the system's temporary directory, removed with its contents.
#pragma once

#include <filesystem>
#include <string>

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

}  // namespace testing_support
