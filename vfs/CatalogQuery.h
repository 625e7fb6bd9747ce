// Queries on the shared catalog connection, as the put, rename and get operations run them.
#pragma once

#include <memory>
#include <string>

#include "platform/ado/ADO.h"
#include "plugin/Common.h"

namespace bindershelf::vfs {

// The query, open on CatalogConnection and standing on its first row (or at the end).
inline std::unique_ptr<ado::TADODataSet> OpenQuery(const std::string& query) {
  auto dataSet = std::make_unique<ado::TADODataSet>();
  dataSet->Connection = CatalogConnection.get();
  dataSet->CommandText = query;
  dataSet->Open();
  return dataSet;
}

inline bool QueryHasRow(const std::string& query) { return !OpenQuery(query)->Eof(); }

}  // namespace bindershelf::vfs
