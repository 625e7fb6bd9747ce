// Queries on the shared catalog connection, as the put, rename and get operations run them.
#pragma once

#include <exception>
#include <memory>
#include <string>

#include "platform/ado/ADO.h"
#include "plugin/Common.h"
#include "plugin/HostMessage.h"
#include "plugin/fsplugin.h"

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

// A folder row that no put has linked to a local directory yet.
bool IsUnlinkedFolder(const std::string& id);

// Writes an item's row, then gives it its properties, under one guard. A failure is
// shown to the user; it is a write error only when the row itself was not written, since
// an item without some of its properties is still recorded.
template <class TWriteRow, class TAddProperties>
int RecordItemGuarded(TWriteRow&& writeRow, TAddProperties&& addProperties) {
  bool rowWritten = false;
  try {
    writeRow();
    rowWritten = true;
    addProperties();
  } catch (const std::exception& e) {
    ShowHostMessage(e.what());
    return rowWritten ? FS_FILE_OK : FS_FILE_WRITEERROR;
  }
  return FS_FILE_OK;
}

}  // namespace bindershelf::vfs
