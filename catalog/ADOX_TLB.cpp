#include "catalog/ADOX_TLB.h"

namespace bindershelf::catalog {

std::unique_ptr<ado::TADOConnection> CoCatalog::Create(const std::string& connectionString) {
  auto connection = std::make_unique<ado::TADOConnection>();
  connection->ConnectionString = connectionString;
  ado::TADOConnection::CreateDatabaseFile(connection->DataSource());
  connection->LoginPrompt = false;
  connection->Open("Admin", "");
  return connection;
}

}  // namespace bindershelf::catalog
