// Host callbacks that record what the module asks of the host.
#pragma once

#include <string>
#include <vector>

#include "plugin/fsplugin.h"

namespace testing_support {

struct TProgressReport {
  int32_t pluginNumber;
  std::string source;
  std::string target;
  int32_t percent;
  bool operator==(const TProgressReport&) const = default;
};

struct TRequest {
  int32_t pluginNumber;
  int32_t type;
  std::string title;
  std::string text;
};

// What the callbacks have recorded since the last Reset.
struct THostRecord {
  std::vector<TProgressReport> progress;
  std::vector<TRequest> requests;
  void Reset() { *this = {}; }
};

THostRecord& HostRecord();

int32_t FS_STDCALL RecordProgress(int32_t pluginNr, char* source, char* target, int32_t percent);
void FS_STDCALL RecordLog(int32_t pluginNr, int32_t msgType, char* text);
BOOL FS_STDCALL RecordRequest(int32_t pluginNr, int32_t type, char* title, char* text, char* returned,
                              int32_t maxLength);

}  // namespace testing_support
