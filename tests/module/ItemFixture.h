// A module with its own catalog and a local disk beside it, for the operations that copy
// items in, inside and out: rows and properties are prepared and read through a second
// connection, local files are real files.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/CatalogProbe.h"
#include "support/HostCallbacks.h"
#include "support/ModuleCopy.h"
#include "support/TempDir.h"

namespace testing_support {

// A value as a string literal of a statement.
inline std::string Q(const std::string& value) {
  std::string literal = "\"";
  for (char c : value) {
    if (c == '"') literal += '"';
    literal += c;
  }
  return literal + '"';
}

// One row of fs as the catalog holds it; empty when there is none.
struct TRow {
  std::map<std::string, bindershelf::ado::TField::TValue> values;

  bool Exists() const { return !values.empty(); }
  bool IsNull(const std::string& column) const {
    return std::holds_alternative<std::monostate>(values.at(column));
  }
  // Text as stored, numbers in decimal, "<null>" for Null.
  std::string Text(const std::string& column) const {
    const auto& v = values.at(column);
    if (auto* s = std::get_if<std::string>(&v)) return *s;
    if (auto* i = std::get_if<int64_t>(&v)) return std::to_string(*i);
    if (auto* d = std::get_if<double>(&v)) return std::to_string(*d);
    return "<null>";
  }
  double Number(const std::string& column) const {
    const auto& v = values.at(column);
    if (auto* i = std::get_if<int64_t>(&v)) return static_cast<double>(*i);
    return std::get<double>(v);
  }
};

class TItemFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir.Path() / "module");
    std::filesystem::create_directory(dir.Path() / "disk");
    module = std::make_unique<TModuleCopy>(dir / "module");
    ASSERT_EQ(module->InitWithRecorder(), 0);
    probe = std::make_unique<TCatalogProbe>(module->CatalogFile());
    put = module->Export<decltype(FsPutFile)>("FsPutFile");
    renMov = module->Export<decltype(FsRenMovFile)>("FsRenMovFile");
    get = module->Export<decltype(FsGetFile)>("FsGetFile");
    ASSERT_TRUE(put && renMov && get);
    HostRecord().Reset();
  }

  // A path on the local disk, its directories made.
  std::string Local(const std::string& relative) {
    std::filesystem::path path = dir.Path() / "disk" / relative;
    std::filesystem::create_directories(path.parent_path());
    return path.string();
  }
  std::string LocalFile(const std::string& relative, const std::string& content = "data") {
    std::string path = Local(relative);
    WriteFile(path, content);
    return path;
  }

  int32_t Put(const std::string& local, const std::string& remote, int32_t flags = 0) {
    return put(Arg(local), Arg(remote), flags);
  }
  int32_t RenMov(const std::string& from, const std::string& to, bool move, bool overwrite) {
    return renMov(Arg(from), Arg(to), move ? FS_TRUE : FS_FALSE, overwrite ? FS_TRUE : FS_FALSE, nullptr);
  }
  int32_t Get(const std::string& remote, const std::string& local, int32_t flags = 0) {
    return get(Arg(remote), Arg(local), flags, nullptr);
  }

  // A folder as the folder command makes it: no real path.
  void AddVirtualFolder(const std::string& id) {
    auto name = id.substr(id.rfind('\\') + 1);
    auto parent = id.substr(0, id.rfind('\\'));
    probe->Execute("insert into fs(ID,[Name],parid,Fileattr) values(" + Q(id) + "," + Q(name) + "," + Q(parent) +
                   ",16)");
  }
  void AddItem(const std::string& id, const std::string& realPath, int attributes = 32) {
    AddVirtualFolder(id);
    probe->Execute("update fs set PTHor=" + Q(realPath) + ", FileAttr=" + std::to_string(attributes) +
                   " where id=" + Q(id));
  }
  void AddProperty(const std::string& owner, const std::string& cat, const std::string& value) {
    probe->Execute("insert into cats(cat,[value],it) values(" + Q(cat) + "," + Q(value) + "," + Q(owner) + ")");
  }

  TRow Row(const std::string& id) {
    bindershelf::ado::TADODataSet query;
    query.Connection = &probe->Connection;
    query.CommandText = "select * from fs where id=" + Q(id);
    query.Open();
    TRow row;
    if (query.Eof()) return row;
    for (int i = 0; i < query.FieldCount(); ++i) row.values[query.Fields(i).FieldName()] = query.Fields(i).GetValue();
    return row;
  }
  // The item's properties as "cat=value", sorted.
  std::vector<std::string> Properties(const std::string& owner) {
    bindershelf::ado::TADODataSet query;
    query.Connection = &probe->Connection;
    query.CommandText = "select cat,[value] from cats where it=" + Q(owner);
    query.Open();
    std::vector<std::string> pairs;
    for (; !query.Eof(); query.Next())
      pairs.push_back(query.Fields(0).AsString() + "=" + query.Fields(1).DisplayText());
    std::sort(pairs.begin(), pairs.end());
    return pairs;
  }
  size_t RowCount() { return probe->Count("select id from fs"); }

  static std::vector<int32_t> ProgressPercents() {
    std::vector<int32_t> percents;
    for (const auto& report : HostRecord().progress) percents.push_back(report.percent);
    return percents;
  }
  static size_t MessageCount() { return HostRecord().requests.size(); }

  TTempDir dir;
  std::unique_ptr<TModuleCopy> module;
  std::unique_ptr<TCatalogProbe> probe;

 private:
  // The exports take writable text, as the host hands it over.
  char* Arg(const std::string& text) {
    args.push_back(std::make_unique<std::string>(text));
    return args.back()->data();
  }

  decltype(&FsPutFile) put = nullptr;
  decltype(&FsRenMovFile) renMov = nullptr;
  decltype(&FsGetFile) get = nullptr;
  std::vector<std::unique_ptr<std::string>> args;
};

}  // namespace testing_support
