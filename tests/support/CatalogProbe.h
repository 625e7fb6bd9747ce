// A second connection to a catalog file, for tests to look at and prepare its rows
// beside the module that has it open.
#pragma once

#include <string>
#include <vector>

#include "platform/ado/ADO.h"

namespace testing_support {

class TCatalogProbe {
 public:
  explicit TCatalogProbe(const std::string& catalogFile);
  ~TCatalogProbe();

  int64_t Execute(const std::string& jetStatement) { return Connection.Execute(jetStatement); }
  // The first column of every row of a query, as text ("<null>" for Null).
  std::vector<std::string> Column(const std::string& jetQuery);
  // The number of rows of a query.
  size_t Count(const std::string& jetQuery);

  bindershelf::ado::TADOConnection Connection;
};

}  // namespace testing_support
