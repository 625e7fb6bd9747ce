// The listing of a folder and the lookup of one item by ID, through the data-access layer
// and, for comparison, as the same SQL run on SQLite directly; on catalogs of 1,000 and
// 100,000 items. Ends with the ratio of layer to direct time for each.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/ado/JetCollation.h"
#include "platform/ado/JetDialect.h"
#include "plugin/Common.h"
#include "support/BenchCatalog.h"
#include "vfs/Listing.h"

namespace {

using namespace bindershelf;
using bench_support::TBenchCatalog;

constexpr int kFilesPerFolder = 99;

// One catalog at a time: the module's connection is a single global.
TBenchCatalog& CatalogOf(int items) {
  static std::unique_ptr<TBenchCatalog> catalog;
  static int current = 0;
  if (current != items) {
    catalog.reset();
    catalog = std::make_unique<TBenchCatalog>(items / (kFilesPerFolder + 1), kFilesPerFolder);
    current = items;
  }
  return *catalog;
}

std::string ListedFolder(int items) { return TBenchCatalog::FolderId(items / (kFilesPerFolder + 1) / 2); }
std::string LookedUpItem(int items) { return TBenchCatalog::FileId(items / (kFilesPerFolder + 1) / 2, 42); }
std::string LookupQuery(const std::string& id) { return "select * from fs where ID=\"" + id + "\""; }

class TDirectConnection {
 public:
  explicit TDirectConnection(const std::string& file) {
    if (sqlite3_open_v2(file.c_str(), &Db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
      throw std::runtime_error("cannot open " + file);
    ado::RegisterJetNoCase(Db);
  }
  ~TDirectConnection() { sqlite3_close(Db); }
  sqlite3_stmt* Prepare(const std::string& jet) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(Db, ado::TranslateJet(jet).c_str(), -1, &stmt, nullptr) != SQLITE_OK)
      throw std::runtime_error(sqlite3_errmsg(Db));
    return stmt;
  }

 private:
  sqlite3* Db = nullptr;
};

void ListingThroughLayer(benchmark::State& state) {
  int items = static_cast<int>(state.range(0));
  CatalogOf(items);
  const std::string query = vfs::ListingQuery(ListedFolder(items));
  WIN32_FIND_DATAA data;
  for (auto _ : state) {
    ado::TADODataSet listing;
    listing.Connection = CatalogConnection.get();
    listing.CommandText = query;
    listing.Open();
    int entries = 0;
    for (; !listing.Eof(); listing.Next(), ++entries) vfs::FillFindData(listing, data);
    if (entries != kFilesPerFolder) state.SkipWithError("wrong number of entries");
    benchmark::DoNotOptimize(data);
  }
}

void ListingOnSqlite(benchmark::State& state) {
  int items = static_cast<int>(state.range(0));
  TDirectConnection direct(CatalogOf(items).File());
  const std::string query = vfs::ListingQuery(ListedFolder(items));
  for (auto _ : state) {
    sqlite3_stmt* stmt = direct.Prepare(query);
    int entries = 0;
    int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      ++entries;
      for (int c = 0; c < columns; ++c) benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
    }
    sqlite3_finalize(stmt);
    if (entries != kFilesPerFolder) state.SkipWithError("wrong number of entries");
  }
}

void LookupThroughLayer(benchmark::State& state) {
  int items = static_cast<int>(state.range(0));
  CatalogOf(items);
  const std::string query = LookupQuery(LookedUpItem(items));
  for (auto _ : state) {
    ado::TADODataSet lookup;
    lookup.Connection = CatalogConnection.get();
    lookup.CommandText = query;
    lookup.Open();
    if (lookup.Eof()) state.SkipWithError("item not found");
    benchmark::DoNotOptimize(lookup.FieldByName("PTHor").AsString());
  }
}

void LookupOnSqlite(benchmark::State& state) {
  int items = static_cast<int>(state.range(0));
  TDirectConnection direct(CatalogOf(items).File());
  const std::string query = LookupQuery(LookedUpItem(items));
  for (auto _ : state) {
    sqlite3_stmt* stmt = direct.Prepare(query);
    if (sqlite3_step(stmt) != SQLITE_ROW) state.SkipWithError("item not found");
    benchmark::DoNotOptimize(sqlite3_column_text(stmt, 3));
    sqlite3_finalize(stmt);
  }
}

// Prints the usual table, then the ratio of each layer figure to its direct twin.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) Times[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-28s %14s %14s %8s\n", "query/items", "layer (us)", "sqlite (us)", "ratio");
    for (const char* what : {"Listing", "Lookup"})
      for (int items : {1000, 100000}) {
        std::string size = "/" + std::to_string(items);
        double layer = Times[std::string(what) + "ThroughLayer" + size];
        double direct = Times[std::string(what) + "OnSqlite" + size];
        std::printf("%-28s %14.2f %14.2f %8.2f\n", (what + size).c_str(), layer, direct,
                    direct > 0 ? layer / direct : 0.0);
      }
  }

 private:
  std::map<std::string, double> Times;
};

}  // namespace

int main(int argc, char** argv) {
  for (int items : {1000, 100000}) {
    benchmark::RegisterBenchmark("ListingThroughLayer", ListingThroughLayer)->Arg(items)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ListingOnSqlite", ListingOnSqlite)->Arg(items)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("LookupThroughLayer", LookupThroughLayer)->Arg(items)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("LookupOnSqlite", LookupOnSqlite)->Arg(items)->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
}
