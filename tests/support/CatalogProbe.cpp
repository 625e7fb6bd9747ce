#include "support/CatalogProbe.h"

namespace testing_support {

using bindershelf::ado::TADODataSet;

TCatalogProbe::TCatalogProbe(const std::string& catalogFile) {
  Connection.ConnectionString = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + catalogFile;
  Connection.LoginPrompt = false;
  Connection.Open("Admin", "");
}

TCatalogProbe::~TCatalogProbe() { Connection.Close(); }

std::vector<std::string> TCatalogProbe::Column(const std::string& jetQuery) {
  TADODataSet query;
  query.Connection = &Connection;
  query.CommandText = jetQuery;
  query.Open();
  std::vector<std::string> values;
  for (; !query.Eof(); query.Next()) {
    const auto& field = query.Fields(0);
    values.push_back(field.IsNull() ? "<null>" : field.AsString());
  }
  return values;
}

size_t TCatalogProbe::Count(const std::string& jetQuery) { return Column(jetQuery).size(); }

}  // namespace testing_support
