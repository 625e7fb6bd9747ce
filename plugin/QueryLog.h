#pragma once

#include <string>

namespace bindershelf {

// The query log: "plg.log" in the temporary directory.
std::string QueryLogFileName();

// Appends the query text and CR LF to the query log, creating it when it is missing.
// Raises os::EOSError naming the log when it cannot be written; callers decide whether
// that stops them (a listing goes on without its line).
void LogQuery(const std::string& query);

}  // namespace bindershelf
