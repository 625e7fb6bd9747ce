#include "plugin/QueryLog.h"

#include "platform/os/FileSystem.h"

namespace bindershelf {

std::string QueryLogFileName() { return os::FileSystem().TemporaryDirectory() + "/plg.log"; }

void LogQuery(const std::string& query) { os::FileSystem().AppendLine(QueryLogFileName(), query); }

}  // namespace bindershelf
