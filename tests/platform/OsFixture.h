// A fresh directory per test, and helpers to make and read the files in it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace bindershelf::os::testing {

namespace fs = std::filesystem;

class TOsTest : public ::testing::Test {
 protected:
  TOsTest() {
    std::random_device random;
    Root = fs::temp_directory_path() / ("bindershelf-os-" + std::to_string(random()) + std::to_string(random()));
    fs::create_directory(Root);
  }
  ~TOsTest() override {
    std::error_code ignored;
    fs::remove_all(Root, ignored);
  }

  // The path of `name` inside the test's directory.
  std::string PathOf(const std::string& name) const { return (Root / name).string(); }

  static void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << path;
  }

  static std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  static fs::perms PermissionsOf(const std::string& path) { return fs::status(path).permissions(); }

  // The names in the test's directory.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Root)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  static void SetLastWriteTime(const std::string& path, std::chrono::sys_time<std::chrono::nanoseconds> t) {
    fs::last_write_time(path, std::chrono::file_clock::from_sys(t));
  }

  fs::path Root;
};

}  // namespace bindershelf::os::testing
