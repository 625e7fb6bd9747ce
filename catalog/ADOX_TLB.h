// The catalog-creation object: makes a new, empty database file.
#pragma once

#include <memory>
#include <string>

#include "platform/ado/ADO.h"

namespace bindershelf::catalog {

class CoCatalog {
 public:
  // Makes the database file that the connection string's Data Source names and returns a
  // connection open on it. Raises ado::EDatabaseError naming the file when it exists or
  // cannot be made.
  std::unique_ptr<ado::TADOConnection> Create(const std::string& connectionString);
};

}  // namespace bindershelf::catalog
