#pragma once

#include <string>

namespace bindershelf {

// Tells the host how far a copy has come (0 at its start, 100 at its end). The host's
// answer is not looked at: a copy cannot be aborted. Does nothing without a callback.
void ReportProgress(const std::string& source, const std::string& target, int percent);

}  // namespace bindershelf
