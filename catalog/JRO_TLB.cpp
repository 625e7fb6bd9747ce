#include "catalog/JRO_TLB.h"

#include "platform/ado/ADO.h"

namespace bindershelf::catalog {

namespace {

std::string DataSourceOf(const std::string& connectionString) {
  ado::TADOConnection c;
  c.ConnectionString = connectionString;
  return c.DataSource();
}

}  // namespace

void CoJetEngine::CompactDatabase(const std::string& sourceConnection,
                                  const std::string& destinationConnection) {
  ado::TADOConnection::CompactDatabaseFile(DataSourceOf(sourceConnection),
                                           DataSourceOf(destinationConnection));
}

}  // namespace bindershelf::catalog
