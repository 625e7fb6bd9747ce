#include "support/TempDir.h"

#include <stdlib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testing_support {

TTempDir::TTempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "bindershelf-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary directory");
  Root = pattern;
}

TTempDir::~TTempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(Root, ignored);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::vector<std::string> SortedCrLfLines(const std::string& content) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(content.substr(start, end - start));
  EXPECT_EQ(start, content.size()) << "text after the last line end: " << content;
  std::sort(lines.begin(), lines.end());
  return lines;
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + path);
  out << content;
}

}  // namespace testing_support
